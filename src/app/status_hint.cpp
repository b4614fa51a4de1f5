#include "app/status_hint.h"

#include <QEvent>
#include <QMainWindow>
#include <QStatusBar>
#include <QStatusTipEvent>

using namespace Qt::Literals::StringLiterals;

StatusHint::StatusHint(QMainWindow *window) : QLabel(window)
{
    setObjectName(u"StatusHint"_s);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    // However long the hint, it must not widen the bar (and the window).
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    window->statusBar()->addWidget(this, 1);
    window->installEventFilter(this);
}

void StatusHint::setHint(const QString &hint)
{
    // The bar has room for one line; a hint written on two reads on one.
    m_hint = QString(hint).replace(u"\r\n"_s, u" "_s).replace(u'\n', u' ');
    showFitting();
}

bool StatusHint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        setHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QLabel::eventFilter(watched, event);
}

void StatusHint::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showFitting();
}

void StatusHint::showFitting()
{
    const QFontMetrics metrics = fontMetrics();
    const int room = contentsRect().width();
    if (metrics.horizontalAdvance(m_hint) <= room) {
        setText(m_hint);
        return;
    }
    const QString more = u"…"_s;
    QString shown;
    for (qsizetype space = m_hint.indexOf(u' '); space > 0; space = m_hint.indexOf(u' ', space + 1)) {
        const QString words = m_hint.left(space).trimmed();
        if (metrics.horizontalAdvance(words + more) > room)
            break;
        shown = words + more;
    }
    // A first word too long for the bar: cut it, the mark still tells.
    if (shown.isEmpty())
        shown = metrics.elidedText(m_hint, Qt::ElideRight, room);
    setText(shown);
}
