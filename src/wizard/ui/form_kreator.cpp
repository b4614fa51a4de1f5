#include "wizard/ui/form_kreator.h"

#include "declaration/calculation.h"
#include "declaration/entry_rules.h"
#include "declaration/positions.h"
#include "files/declaration_file.h"
#include "wizard/ui/wizard_pages.h"
#include "wizard/wizard_files.h"
#include "wizard/wizard_record.h"
#include "wizard/wizard_rules.h"
#include "windows/command.h"
#include "windows/file_dialogs.h"
#include "windows/help_topics.h"
#include "windows/platform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList FieldsWithExitRule = {u"p_4"_s, u"p_25"_s, u"p_27"_s, u"p_29"_s, u"p_56"_s, u"p_57"_s};
const QStringList RefundBoxes = {u"p_70_1"_s, u"p_70_2"_s, u"p_71_1"_s, u"p_71_2"_s};

QStringList extraNames()
{
    QStringList names = WizardQuestionNames;
    names.append(CashRegistersTyped);
    return names;
}

// The period on opening: the quarter before the current one, which is the
// one a declaration is usually filed for.
std::pair<int, int> previousQuarter(const QDate &today)
{
    const int quarter = (today.month() - 1) / 3 + 1;
    return quarter == 1 ? std::pair{4, today.year() - 1} : std::pair{quarter - 1, today.year()};
}

} // namespace

TFormKreator::TFormKreator(FieldAccess &mainWindow, QWidget *parent)
    : QDialog(parent)
    , m_mainWindow(mainWindow)
    , m_fields(this, extraNames())
{
    setObjectName(u"FormKreator"_s);
    setWindowTitle(u"Kreator"_s);
    setModal(true);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 8);
    column->setSpacing(8);
    PageControl1 = new QStackedWidget;
    PageControl1->setObjectName(u"PageControl1"_s);
    column->addWidget(PageControl1);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(12, 0, 12, 0);
    const auto button = [this, buttons](const QString &name, const QString &text, const QString &hint) {
        auto *b = new QPushButton(text);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setAutoDefault(false);
        b->setMinimumWidth(100);
        buttons->addWidget(b);
        return b;
    };
    ButtonAnuluj = button(u"ButtonAnuluj"_s, u"Anuluj"_s, u"Zamknij kreator"_s);
    buttons->addStretch(1);
    ButtonLast = button(u"ButtonLast"_s, u"< Wstecz"_s, u"Wróc na poprzednią stronę"_s);
    ButtonNext = button(u"ButtonNext"_s, u"Dalej >"_s, u"Przejdź na następną stronę"_s);
    column->addLayout(buttons);

    buildPages();
    connectRules();

    // FormCreate: page 1 is current; the pages have no tabs.
    applyState(WizardState{});
    setFixedSize(sizeHint());
}

void TFormKreator::buildPages()
{
    QList<QWidget *> focusChain;
    buildWizardPages(this, PageControl1, focusChain);
    // From the top of each page to its bottom, then the three buttons.
    focusChain << ButtonAnuluj << ButtonLast << ButtonNext;
    for (qsizetype i = 1; i < focusChain.size(); ++i)
        setTabOrder(focusChain[i - 1], focusChain[i]);

    LabelCaptionPath = findChild<QLabel *>(u"LabelCaptionPath"_s);
    LabelPath = findChild<QLabel *>(u"LabelPath"_s);
    RadioP_7_1 = findChild<QRadioButton *>(u"RadioP_7_1"_s);
    RadioP_7_2 = findChild<QRadioButton *>(u"RadioP_7_2"_s);

    // The purpose is the radio pair: "Nowa deklaracja" is entry 0.
    m_fields.mapChoice(
        u"p_7"_s, [this] { return RadioP_7_2->isChecked() ? 1 : 0; },
        [this](int index) { (index != 0 ? RadioP_7_2 : RadioP_7_1)->setChecked(true); });
}

void TFormKreator::connectRules()
{
    connect(ButtonNext, &QPushButton::clicked, this, &TFormKreator::ButtonNextClick);
    connect(ButtonLast, &QPushButton::clicked, this, &TFormKreator::ButtonLastClick);
    connect(ButtonAnuluj, &QPushButton::clicked, this, &TFormKreator::ButtonAnulujClick);
    const std::pair<const char16_t *, void (TFormKreator::*)()> fileButtons[] = {
        {u"ButtonLoad", &TFormKreator::ButtonLoadClick},
        {u"ButtonLoadDane", &TFormKreator::ButtonLoadDaneClick},
        {u"ButtonSaveDane", &TFormKreator::ButtonSaveDaneClick},
    };
    for (const auto &[name, handler] : fileButtons)
        connect(findChild<QPushButton *>(QString::fromUtf16(name)), &QPushButton::clicked, this, handler);

    for (const HelpButton &h : wizardHelpButtons()) {
        connect(findChild<QPushButton *>(h.name), &QPushButton::clicked, this,
                [this, context = h.context, page = h.pageReference()] {
                    leaveField();
                    showHelpTopic(platform(), context, page);
                });
    }
    for (const WizardCopyButton &c : wizardCopyButtons()) {
        connect(findChild<QPushButton *>(c.copy.name), &QPushButton::clicked, this, [this, &c] {
            leaveField();
            runCommand(this, [&] { copyWizardSurplus(m_fields, c); });
        });
    }

    // A click rule runs whenever the mark changes, also when another rule
    // changed it.
    for (const QString &name : RefundBoxes)
        m_fields.onMarkChanged(name, [this, name](bool checked) {
            runCommand(this, [&] { refundBoxChanged(m_fields, name, checked); });
        });

    for (const Position &p : positions())
        if (wizardKeyRule(p.name))
            m_fields.control(p.name)->installEventFilter(this);
    for (const QString &name : FieldsWithExitRule)
        m_fields.control(name)->installEventFilter(this);
}

// ---- opening -------------------------------------------------------------

void TFormKreator::showEvent(QShowEvent *event)
{
    // Shown by the program, not brought back from a minimised window.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TFormKreator::FormShow()
{
    m_fieldBeingLeft.clear();
    for (const Position &p : positions())
        if (p.holdsText())
            m_fields.setText(p.name, QString());
    m_fields.setText(CashRegistersTyped, QString());
    for (const Position &p : positions())
        if (p.kind == PositionKind::CheckMark || p.kind == PositionKind::YesNoBox)
            m_fields.setChecked(p.name, false);
    for (const QString &q : WizardQuestionNames)
        m_fields.setChecked(q, false);
    m_fields.setIndex(u"p_8"_s, 0);
    m_fields.setChecked(u"p_70_1"_s, false);
    m_fields.setChecked(u"p_70_2"_s, true);
    m_fields.setChecked(u"p_71_1"_s, false);
    m_fields.setChecked(u"p_71_2"_s, true);
    m_fields.setChecked(u"CB1"_s, true);
    m_fields.setChecked(u"CB8"_s, true);
    RadioP_7_1->setChecked(true);
    LabelCaptionPath->hide();
    LabelPath->hide();
    LabelPath->clear();
    applyState(WizardState{});

    const QDate today = platform().today();
    m_fields.setText(u"p_76"_s, today.toString(u"dd-MM-yyyy"_s));
    const auto [quarter, year] = previousQuarter(today);
    m_fields.setText(u"p_4"_s, QString::number(quarter));
    m_fields.setText(u"p_5"_s, QString::number(year));
}

// ---- navigation ----------------------------------------------------------

void TFormKreator::applyState(const WizardState &state)
{
    const bool pageChanged = state.page != m_state.page || PageControl1->currentIndex() != state.page - 1;
    m_state = state;
    ButtonNext->setText(nextCaption(state));
    ButtonLast->setEnabled(state.backEnabled);
    if (pageChanged)
        showPage(state.page);
}

void TFormKreator::showPage(int page)
{
    switch (page) {
    case 4: TabSheet4Show(); break;
    case 6: TabSheet6Show(); break;
    case 7: TabSheet7Show(); break;
    case 9: runCommand(this, [this] { TabSheet9Show(m_fields); }); break;
    }
    PageControl1->setCurrentIndex(page - 1);
}

void TFormKreator::ButtonNextClick()
{
    leaveField();
    runCommand(this, [this] {
        WizardState state = m_state;
        const NextOutcome outcome = wizardNext(state, m_fields);
        applyState(state);
        if (outcome == NextOutcome::Finish)
            ZakonczKreator();
    });
}

void TFormKreator::ButtonLastClick()
{
    leaveField();
    WizardState state = m_state;
    wizardBack(state, questionsOf(m_fields));
    applyState(state);
}

void TFormKreator::ButtonAnulujClick()
{
    reject();
}

namespace {

void placeGroups(QWidget *page, const std::vector<GroupPlace> &groups)
{
    for (const GroupPlace &g : groups) {
        QWidget *w = page->findChild<QWidget *>(g.name);
        w->setVisible(g.visible);
        w->move(w->x(), g.top);
    }
}

QLabel *headerOf(QWidget *page, int n)
{
    return page->findChild<QLabel *>(QString::fromLatin1(HeaderNamePrefix) + QString::number(n));
}

} // namespace

void TFormKreator::TabSheet4Show()
{
    const WizardQuestions q = questionsOf(m_fields);
    QWidget *page = PageControl1->widget(3);
    headerOf(page, 4)->setText(page4Caption(q));
    // Stacked directly below the header, each shown group below the last.
    int top = WizardHeaderHeight;
    for (GroupPlace g : page4Groups(q)) {
        QWidget *w = page->findChild<QWidget *>(g.name);
        w->setVisible(g.visible);
        if (g.visible) {
            w->move(w->x(), top);
            top += w->height();
        }
    }
}

void TFormKreator::TabSheet6Show()
{
    const WizardQuestions q = questionsOf(m_fields);
    QWidget *page = PageControl1->widget(5);
    headerOf(page, 6)->setText(page6Caption(q));
    placeGroups(page, page6Groups(q));
}

void TFormKreator::TabSheet7Show()
{
    placeGroups(PageControl1->widget(6), page7Groups(questionsOf(m_fields)));
}

// ---- finishing -----------------------------------------------------------

bool TFormKreator::ZakonczKreator()
{
    if (!hasNipOrSay(this, m_fields))
        return false;
    // Every position, empty ones too, so that the main window holds exactly
    // the wizard's declaration; p_7 comes from the radio pair.
    copyPositions(m_fields, m_mainWindow);
    if (platform().askOkCancel(this, u"Zapis deklaracji"_s, u"Czy chcesz zapisać tą deklarację?"_s)) {
        // A failed save leaves the wizard open, the declaration handed over.
        saveWithDialog(this, DeclarationFilter, u"vat"_s,
                       [this](const QString &path) { ZapiszDeklaracje(m_mainWindow, path); },
                       u"Deklaracja została zapisana"_s);
    }
    accept();
    return true;
}

// ---- files ---------------------------------------------------------------

void TFormKreator::ButtonLoadClick()
{
    leaveField();
    runCommand(this, [this] {
        openWithDialog(this, DeclarationFilter, [this](const QString &path) {
            // Read first: a file that is refused leaves the path of the
            // declaration read before on show.
            WczytajDeklaracjeKreator(m_fields, path);
            LabelPath->setText(QDir::toNativeSeparators(path));
            LabelCaptionPath->show();
            LabelPath->show();
        });
    });
}

void TFormKreator::ButtonLoadDaneClick()
{
    leaveField();
    runCommand(this, [this] {
        openWithDialog(this, DataFilter, [this](const QString &path) { WczytajDaneKreator(m_fields, path); });
    });
}

void TFormKreator::ButtonSaveDaneClick()
{
    leaveField();
    runCommand(this, [this] {
        if (hasNipOrSay(this, m_fields))
            saveWithDialog(this, DataFilter, u"dane"_s,
                           [this](const QString &path) { ZapiszDaneKreator(m_fields, path); },
                           u"Dane zostały zapisane"_s);
    });
}

// ---- field rules ---------------------------------------------------------

void TFormKreator::runExitRule(const QString &name)
{
    runCommand(this, [&] {
        if (name == u"p_4"_s) {
            if (quarterOutOfRange(m_fields.text(name))) {
                platform().showMessage(this, u"Błąd w polu kwartał!"_s);
                m_fields.setText(name, QString());
            }
        } else if (name == u"p_56"_s) {
            p_56Exit(m_fields);
        } else if (name == u"p_57"_s) {
            p_57Exit(m_fields);
        } else if (const RateRow *row = rateRowOfBase(name)) {
            fillRateRowTax(m_fields, *row);
        }
    });
}

void TFormKreator::leaveField()
{
    if (m_fieldBeingLeft.isEmpty())
        return;
    const QString name = std::exchange(m_fieldBeingLeft, QString());
    runExitRule(name);
}

bool TFormKreator::eventFilter(QObject *watched, QEvent *event)
{
    const QString name = watched->objectName();
    switch (event->type()) {
    case QEvent::KeyPress: {
        const std::optional<WizardKeyRule> rule = wizardKeyRule(name);
        auto *key = static_cast<QKeyEvent *>(event);
        auto *edit = qobject_cast<QLineEdit *>(watched);
        if (!rule || !edit || key->text().isEmpty()
            || (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
            break;
        // Only characters that would be typed are filtered; moving, deleting
        // and the clipboard keys work as in any field.
        const QChar typed = key->text().at(0);
        if (typed.isPrint()
            && !wizardAcceptsKey(*rule, edit->text().size() - edit->selectedText().size(), typed))
            return true;
        break;
    }
    case QEvent::FocusIn:
        if (FieldsWithExitRule.contains(name))
            m_fieldBeingLeft = name;
        break;
    case QEvent::FocusOut: {
        // A menu or another window taking over is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
            || reason == Qt::MenuBarFocusReason)
            break;
        if (m_fieldBeingLeft == name)
            leaveField();
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormKreator::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        for (QWidget *w = QApplication::focusWidget(); w && w != this; w = w->parentWidget()) {
            const QVariant context = w->property(WizardHelpContextProperty);
            if (context.isValid()) {
                showContextHelp(platform(), context.toInt());
                return;
            }
        }
        return;
    }
    // Enter does not press a button: Next only by its own click or key.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}
