// The entry rules of the main window's fields: key filters, the rules that
// run when a field is left, the Tak/Nie pairs and the surplus-copy buttons.
#include "app/main_window.h"

#include "windows/command.h"
#include "windows/platform.h"
#include "declaration/calculation.h"
#include "declaration/entry_rules.h"
#include "declaration/positions.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

// The length limit of a field counts against typing and pasting only; a text
// set by the program (from a file) is kept whole. (QLineEdit's own limit
// would cut it.)
void limitTyping(QLineEdit *edit, int maxLength)
{
    edit->setProperty("lengthLimit", maxLength);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, maxLength](const QString &text) {
        if (text.size() <= maxLength)
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(text.left(maxLength));
        edit->setCursorPosition(qMin(cursor, maxLength));
    });
}

const QStringList &fieldsWithExitRule()
{
    static const QStringList names{u"p_4"_s, u"p_17"_s, u"p_25"_s, u"p_27"_s, u"p_29"_s, u"p_76"_s};
    return names;
}

} // namespace

void TForm1::connectRules()
{
    for (const Position &p : positions()) {
        if (p.filter != KeyFilter::Any || p.maxLength > 0) {
            auto *edit = findChild<QLineEdit *>(p.name);
            if (p.maxLength > 0)
                limitTyping(edit, p.maxLength);
            edit->installEventFilter(this);
        }
    }
    for (const QString &name : fieldsWithExitRule())
        findChild<QWidget *>(name)->installEventFilter(this);

    const std::pair<const char16_t *, void (TForm1::*)()> boxes[] = {
        {u"p_70_1", &TForm1::p_70_1Click},
        {u"p_70_2", &TForm1::p_70_2Click},
        {u"p_71_1", &TForm1::p_71_1Click},
        {u"p_71_2", &TForm1::p_71_2Click},
    };
    for (const auto &[name, handler] : boxes)
        m_fields.onMarkChanged(QString::fromUtf16(name), [this, handler](bool) { (this->*handler)(); });

    const std::pair<const char16_t *, void (TForm1::*)()> copies[] = {
        {u"BitBtn9", &TForm1::BitBtn9Click},
        {u"BitBtn16", &TForm1::BitBtn16Click},
        {u"BitBtn3", &TForm1::BitBtn3Click},
        {u"BitBtn10", &TForm1::BitBtn10Click},
        {u"BitBtn11", &TForm1::BitBtn11Click},
    };
    for (const auto &[name, handler] : copies)
        connect(findChild<QPushButton *>(QString::fromUtf16(name)), &QPushButton::clicked, this, handler);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        // Only characters that would be typed into the field are filtered;
        // moving, deleting and the clipboard keys work as in any field.
        auto *key = static_cast<QKeyEvent *>(event);
        const QVariant filter = watched->property("keyFilter");
        if (filter.isValid() && !key->text().isEmpty()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
            const QChar typed = key->text().at(0);
            if (typed.isPrint() && !acceptsKey(KeyFilter(filter.toInt()), typed))
                return true;
            auto *edit = static_cast<QLineEdit *>(watched);
            const QVariant limit = edit->property("lengthLimit");
            if (typed.isPrint() && limit.isValid()
                && edit->text().size() - edit->selectedText().size() >= limit.toInt())
                return true;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        // Leaving a field means moving to another control of this window;
        // a menu (opened by the mouse, or by Alt or F10 through the menu
        // bar) or another window taking over is not leaving it.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
            || reason == Qt::MenuBarFocusReason)
            return false;
        const QString name = watched->objectName();
        if (name == u"p_4"_s)
            p_4Exit();
        else if (name == u"p_17"_s)
            p_17Exit();
        else if (name == u"p_25"_s)
            p_25Exit();
        else if (name == u"p_27"_s)
            p_27Exit();
        else if (name == u"p_29"_s)
            p_29Exit();
        else if (name == u"p_76"_s)
            p_76Exit();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::p_4Exit()
{
    runCommand(this, [this] {
        if (quarterOutOfRange(text(u"p_4"_s))) {
            platform().showMessage(this, u"Błąd w polu kwartał!"_s);
            setText(u"p_4"_s, QString());
        }
    });
}

void TForm1::p_17Exit()
{
    runCommand(this, [this] { copyTownToPostOffice(*this); });
}

void TForm1::rateRowExit(const QString &base)
{
    runCommand(this, [this, base] { fillRateRowTax(*this, *rateRowOfBase(base)); });
}

void TForm1::p_25Exit() { rateRowExit(u"p_25"_s); }
void TForm1::p_27Exit() { rateRowExit(u"p_27"_s); }
void TForm1::p_29Exit() { rateRowExit(u"p_29"_s); }

void TForm1::p_76Exit()
{
    if (isValidDate(text(u"p_76"_s)))
        return;
    platform().showMessage(this, u"Niepawidłowa data."_s);
    QWidget *date = findChild<QWidget *>(u"p_76"_s);
    // The field may be on a page that is being hidden; it cannot take the
    // focus then.
    if (date->isVisible())
        date->setFocus(Qt::OtherFocusReason);
}

void TForm1::pairClicked(const QString &name)
{
    applyPairRule(*this, name, isChecked(name));
}

void TForm1::p_70_1Click() { pairClicked(u"p_70_1"_s); }
void TForm1::p_70_2Click() { pairClicked(u"p_70_2"_s); }
void TForm1::p_71_1Click() { pairClicked(u"p_71_1"_s); }
void TForm1::p_71_2Click() { pairClicked(u"p_71_2"_s); }

void TForm1::copySurplusOf(const QString &button)
{
    for (const SurplusCopyButton &b : surplusCopyButtons())
        if (b.name == button)
            copySurplus(*this, b);
}

void TForm1::BitBtn9Click() { copySurplusOf(u"BitBtn9"_s); }
void TForm1::BitBtn16Click() { copySurplusOf(u"BitBtn16"_s); }
void TForm1::BitBtn3Click() { copySurplusOf(u"BitBtn3"_s); }
void TForm1::BitBtn10Click() { copySurplusOf(u"BitBtn10"_s); }
void TForm1::BitBtn11Click() { copySurplusOf(u"BitBtn11"_s); }
