#include "app/status_hint.h"
#include "declaration/positions.h"
#include "support/window_fixture.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// What the window's status bar shows, and the room it has for it.
struct Shown
{
    QString text;
    int width;
    int room;
};

Shown shownHint(QMainWindow *window)
{
    QStatusBar *bar = window->statusBar();
    if (auto *label = bar->findChild<QLabel *>(u"StatusHint"_s); label && label->isVisible())
        return {label->text(), label->fontMetrics().horizontalAdvance(label->text()),
                label->contentsRect().width()};
    // The bar's own message, painted from its left edge.
    const QString text = bar->currentMessage();
    return {text, bar->fontMetrics().horizontalAdvance(text), bar->contentsRect().width()};
}

// As the pointer entering (or, with an empty tip, leaving) a control does.
void hover(QWidget *w, const QString &tip)
{
    QStatusTipEvent event(tip);
    QCoreApplication::sendEvent(w, &event);
}

// Empty when the hint is shown whole, or fits the bar up to a whole word
// followed by "…"; otherwise what is wrong.
QString checkShown(const Shown &shown, QString hint)
{
    if (shown.text.contains(u'\n'))
        return u"more than one line: "_s + shown.text;
    hint.replace(u'\n', u' '); // a hint written on two lines reads on one
    if (shown.width > shown.room)
        return u"wider than the bar: "_s + shown.text;
    if (shown.text == hint)
        return {};
    if (!shown.text.endsWith(u'…'))
        return u"cut with nothing to tell: "_s + shown.text;
    const QString words = shown.text.chopped(1);
    // Only a first word longer than the bar may be cut inside.
    const bool atWord = hint.at(words.size()) == u' ' || !words.contains(u' ');
    if (!hint.startsWith(words) || !atWord)
        return u"not cut at a word: "_s + shown.text;
    return {};
}

} // namespace

class StatusHintTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every hint of the main window (fields, buttons, banner) is shown whole
    // in the status bar or marked as cut at a word; the control's tooltip
    // holds it whole.
    void everyHintOfTheWindow()
    {
        WindowFixture f;
        for (QWidget *w : f.window->findChildren<QWidget *>()) {
            const QString hint = w->statusTip();
            if (hint.isEmpty())
                continue;
            hover(w, hint);
            const QString wrong = checkShown(shownHint(f.window.get()), hint);
            QVERIFY2(wrong.isEmpty(), qPrintable(w->objectName() + u": "_s + wrong));
            QCOMPARE(w->toolTip(), hint);
        }
        hover(f.find(u"p_5"_s), u"Wpisz rok."_s);
        QCOMPARE(shownHint(f.window.get()).text, u"Wpisz rok."_s);
        hover(f.find(u"p_5"_s), QString());
        QCOMPARE(shownHint(f.window.get()).text, QString());
    }

    // Any window with a StatusHint: a hint too long for the bar ends at its
    // last whole word that fits.
    void longHintInANarrowBar_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("hint");
        const QString p41 = findPosition(u"p_41"_s)->hint;
        QTest::newRow("p_41, narrow") << 300 << p41;
        QTest::newRow("p_41, very narrow") << 120 << p41;
        QTest::newRow("one long word") << 120 << QString(200, u'x');
        QTest::newRow("two lines") << 300 << findPosition(u"p_35"_s)->hint;
        QTest::newRow("double blanks") << 200 << u"Wpisz  podatek  należny  od  dostawy  towarów  i  usług"_s;
    }
    void longHintInANarrowBar()
    {
        QFETCH(int, width);
        QFETCH(QString, hint);
        QMainWindow window;
        new StatusHint(&window);
        window.setCentralWidget(new QWidget);
        window.resize(width, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        hover(window.centralWidget(), hint);
        const Shown shown = shownHint(&window);
        QVERIFY(shown.text != hint);
        const QString wrong = checkShown(shown, hint);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        // Wider again, more of it shows.
        window.resize(width * 3, 200);
        QCoreApplication::processEvents();
        QVERIFY(shownHint(&window).text.size() > shown.text.size());
        QVERIFY(checkShown(shownHint(&window), hint).isEmpty());
    }
};

QTEST_MAIN(StatusHintTest)
#include "status_hint_test.moc"
