#include "app/main_window.h"

#include "app/banner.h"
#include "windows/command.h"
#include "app/form_pages.h"
#include "app/help_buttons.h"
#include "app/status_hint.h"
#include "windows/file_dialogs.h"
#include "windows/platform.h"
#include "app/web_links.h"
#include "declaration/calculation.h"
#include "declaration/checks.h"
#include "declaration/entry_rules.h"
#include "declaration/positions.h"
#include "declaration/ui/form_error.h"
#include "files/data_file.h"
#include "files/declaration_file.h"
#include "files/next_quarter.h"
#include "lorqa_version.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Caption =
    u"Lorqa Deklaracja dla  podatku od towarów i usług - wersja "_s + lorqaVersion()
    + u" zaokrąglanie wg zasad z 2006r."_s;

constexpr int ClientWidth = 777;
constexpr int ClientHeight = 684;

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent), m_fields(this)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(Caption);

    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(223, 223, 223));
    setPalette(pal);

    auto *central = new QWidget;
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    Panel1 = new Banner;
    column->addWidget(Panel1);
    PageControl1 = new QStackedWidget;
    PageControl1->setObjectName(u"PageControl1"_s);
    column->addWidget(PageControl1, 1);
    setCentralWidget(central);

    statusBar()->setObjectName(u"StatusBar1"_s);
    statusBar()->setFixedHeight(19);
    statusBar()->setSizeGripEnabled(false);
    new StatusHint(this); // a long hint ends at a word with "…", not inside one

    createMenu();
    createPages();
    connectBanner();
    connectRules();

    // Page 1 is current at start, whatever else was shown before.
    showPage(1);

    setMinimumWidth(ClientWidth);
    setMaximumWidth(ClientWidth);
    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// ---- menu ----------------------------------------------------------------

void TForm1::createMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(u"MainMenu1"_s);
    const auto entry = [this](QMenu *menu, const QString &name, const QString &text,
                              void (TForm1::*handler)()) {
        QAction *a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };

    QMenu *file = bar->addMenu(u"Plik"_s);
    file->setObjectName(u"Plik1"_s);
    entry(file, u"Wczytajdane1"_s, u"Otwórz dane ..."_s, &TForm1::Wczytajdane1Click);
    entry(file, u"Wczytajdeklaracje1"_s, u"Otwórz deklaracje ..."_s, &TForm1::Wczytajdeklaracje1Click);
    entry(file, u"Nowadeklaracjazpoprzedniej1"_s, u"Nowa deklaracja z poprzedniej ..."_s,
          &TForm1::Nowadeklaracjazpoprzedniej1Click);
    entry(file, u"Zapiszdane1"_s, u"Zapisz dane ..."_s, &TForm1::Zapiszdane1Click);
    entry(file, u"Zapiszdeklaracje1"_s, u"Zapisz deklaracje ..."_s, &TForm1::Zapiszdeklaracje1Click);
    file->addSeparator();
    entry(file, u"Zakocz1"_s, u"Zakończ"_s, &TForm1::Zakocz1Click);

    QMenu *view = bar->addMenu(u"Widok"_s);
    view->setObjectName(u"Widok1"_s);
    entry(view, u"NagwekDane1"_s, u"Nagłówek + Dane"_s, &TForm1::ImageButton1Click);
    entry(view, u"Podateknaleny1"_s, u"Podatek należny"_s, &TForm1::ImageButton2Click);
    entry(view, u"Podateknaliczony1"_s, u"Podatek naliczony"_s, &TForm1::ImageButton3Click);
    entry(view, u"PodsumowaniePozostae1"_s, u"Podsumowanie + Pozostałe"_s, &TForm1::ImageButton4Click);
    entry(view, u"Strona11"_s, u"Strona 1"_s, &TForm1::ImageButtonStr1Click);
    entry(view, u"Strona21"_s, u"Strona 2"_s, &TForm1::ImageButtonStr2Click);

    QMenu *tools = bar->addMenu(u"Narzędzia"_s);
    tools->setObjectName(u"Narzdzia1"_s);
    entry(tools, u"Policz2"_s, u"Policz"_s, &TForm1::Policz2Click);
    entry(tools, u"Kreator1"_s, u"Kreator ..."_s, &TForm1::Kreator1Click);
    tools->addSeparator();
    m_optionsAction = entry(tools, u"Opcje1"_s, u"Opcje..."_s, &TForm1::Opcje1Click);
    m_optionsAction->setEnabled(false);

    QMenu *help = bar->addMenu(u"Pomoc"_s);
    help->setObjectName(u"Pomoc1"_s);
    entry(help, u"Objanienia1"_s, u"Objaśnienia"_s, &TForm1::Objanienia1Click);
    entry(help, u"UstawaoVat1"_s, u"Ustawa o Vat "_s, &TForm1::UstawaoVat1Click);
    entry(help, u"Pomoc2"_s, u"Pomoc"_s, &TForm1::Pomoc2Click);
    help->addSeparator();
    m_aboutAction = entry(help, u"Oprogramie1"_s, u"O programie"_s, &TForm1::Oprogramie1Click);
    m_aboutAction->setEnabled(false);
}

// ---- pages ---------------------------------------------------------------

void TForm1::createPages()
{
    QList<QWidget *> focusChain;
    for (int page = 1; page <= 4; ++page)
        PageControl1->addWidget(buildFormPage(page, focusChain));
    for (qsizetype i = 1; i < focusChain.size(); ++i)
        setTabOrder(focusChain[i - 1], focusChain[i]);

    for (const HelpButton &h : mainWindowHelpButtons()) {
        auto *b = findChild<QPushButton *>(h.name);
        connect(b, &QPushButton::clicked, this,
                [this, context = h.context, page = h.pageReference()] { PokazPomoc(context, page); });
    }
    connect(findChild<QPushButton *>(u"BitBtn12"_s), &QPushButton::clicked, this, &TForm1::BitBtn12Click);
    connect(findChild<QPushButton *>(u"BitBtn13"_s), &QPushButton::clicked, this, &TForm1::BitBtn13Click);
    connect(findChild<QPushButton *>(u"BitBtn14"_s), &QPushButton::clicked, this, &TForm1::BitBtn14Click);
}

void TForm1::connectBanner()
{
    const std::pair<const char16_t *, void (TForm1::*)()> areas[] = {
        {u"ImageButton1", &TForm1::ImageButton1Click},
        {u"ImageButton2", &TForm1::ImageButton2Click},
        {u"ImageButton3", &TForm1::ImageButton3Click},
        {u"ImageButton4", &TForm1::ImageButton4Click},
        {u"ImageButtonPolicz", &TForm1::ImageButtonPoliczClick},
        {u"ImageButtonKreator", &TForm1::ImageButtonKreatorClick},
        {u"ImageButtonStr1", &TForm1::ImageButtonStr1Click},
        {u"ImageButtonStr2", &TForm1::ImageButtonStr2Click},
        {u"Image2", &TForm1::Image2Click},
        {u"Image3", &TForm1::Image3Click},
    };
    for (const auto &[name, handler] : areas)
        connect(Panel1->area(QString::fromUtf16(name)), &ClickArea::clicked, this, handler);
}

int TForm1::currentPage() const
{
    return PageControl1->currentIndex() + 1;
}

void TForm1::showPage(int page)
{
    Panel1->showMarker(page);
    PageControl1->setCurrentIndex(page - 1);
}

void TForm1::ImageButton1Click() { showPage(1); }
void TForm1::ImageButton2Click() { showPage(2); }
void TForm1::ImageButton3Click() { showPage(3); }
void TForm1::ImageButton4Click() { showPage(4); }

void TForm1::BitBtn12Click()
{
    showPage(2);
    control(u"p_20"_s)->setFocus(Qt::OtherFocusReason);
}

void TForm1::BitBtn13Click()
{
    showPage(3);
    control(u"p_47"_s)->setFocus(Qt::OtherFocusReason);
}

void TForm1::BitBtn14Click()
{
    showPage(4);
    control(u"p_56"_s)->setFocus(Qt::OtherFocusReason);
}

// ---- commands ------------------------------------------------------------

void TForm1::calculate()
{
    runCommand(this, [this] {
        PoliczPola(*this);
        platform().showMessage(this, u"Pola zostały wyliczone"_s);
    });
}

void TForm1::ImageButtonPoliczClick() { calculate(); }
void TForm1::Policz2Click() { calculate(); }

void TForm1::ImageButtonKreatorClick() { Kreator1Click(); }

void TForm1::Kreator1Click()
{
    // Modal: the main window is inert until the wizard closes.
    if (m_wizard)
        m_wizard->exec();
}

bool TForm1::checkBeforePrint()
{
    if (!m_errorForm)
        m_errorForm = new TFormError(this);
    m_errorForm->Kontynuuj = true;
    if (SprawdzDeklaracje(*this, ListaBledow)) {
        m_errorForm->Memo1->setPlainText(ListaBledow.join(u'\n'));
        m_errorForm->exec();
    }
    return m_errorForm->Kontynuuj;
}

void TForm1::printPage(int page)
{
    runCommand(this, [this, page] {
        if (!checkBeforePrint())
            return;
        if (!hasNipOrSay(this, *this))
            return;
        if (!m_pagePrinter) {
            platform().showMessage(this, u"Drukowanie nie jest jeszcze dostępne."_s);
            return;
        }
        m_pagePrinter(page);
    });
}

void TForm1::ImageButtonStr1Click() { printPage(1); }
void TForm1::ImageButtonStr2Click() { printPage(2); }

void TForm1::Opcje1Click()
{
    if (m_optionsDialog)
        m_optionsDialog->exec();
}

void TForm1::Oprogramie1Click()
{
    if (m_aboutDialog)
        m_aboutDialog->exec();
}

void TForm1::Zakocz1Click()
{
    close();
}

void TForm1::Image2Click() { platform().openUrl(makerWebPage()); }
void TForm1::Image3Click() { platform().openUrl(partnerWebPage()); }

void TForm1::setErrorForm(TFormError *form) { m_errorForm = form; }
void TForm1::setPagePrinter(std::function<void(int)> printer) { m_pagePrinter = std::move(printer); }

void TForm1::setOptionsDialog(QDialog *dialog)
{
    m_optionsDialog = dialog;
    m_optionsAction->setEnabled(dialog != nullptr);
}

void TForm1::setWizard(QDialog *wizard)
{
    m_wizard = wizard;
}

void TForm1::setAboutDialog(QDialog *dialog)
{
    m_aboutDialog = dialog;
    m_aboutAction->setEnabled(dialog != nullptr);
}

// ---- files ---------------------------------------------------------------

void TForm1::Zapiszdane1Click()
{
    runCommand(this, [this] {
        if (hasNipOrSay(this, *this))
            saveWithDialog(this, DataFilter, u"dane"_s, [this](const QString &path) { ZapiszDane(*this, path); },
                           u"Dane zostały zapisane"_s);
    });
}

void TForm1::Wczytajdane1Click()
{
    runCommand(this, [this] {
        openWithDialog(this, DataFilter, [this](const QString &path) { WczytajDane(*this, path); });
    });
}

void TForm1::Zapiszdeklaracje1Click()
{
    runCommand(this, [this] {
        if (hasNipOrSay(this, *this))
            saveWithDialog(this, DeclarationFilter, u"vat"_s,
                           [this](const QString &path) { ZapiszDeklaracje(*this, path); },
                           u"Deklaracja została zapisana"_s);
    });
}

void TForm1::Wczytajdeklaracje1Click()
{
    runCommand(this, [this] {
        openWithDialog(this, DeclarationFilter, [this](const QString &path) { WczytajDeklaracje(*this, path); });
    });
}

void TForm1::Nowadeklaracjazpoprzedniej1Click()
{
    runCommand(this, [this] {
        openWithDialog(this, DeclarationFilter,
                       [this](const QString &path) { loadNextQuarter(*this, path, platform().today()); });
    });
}

// ---- help ----------------------------------------------------------------

void TForm1::PokazPomoc(int context, const QString &pageReference)
{
    showHelpTopic(platform(), context, pageReference);
}

void TForm1::showHelpMenu(const QString &entry)
{
    for (const HelpMenuEntry &e : helpMenuEntries())
        if (e.name == entry)
            showHelpMenuEntry(platform(), e);
}

void TForm1::Objanienia1Click() { showHelpMenu(u"Objanienia1"_s); }
void TForm1::UstawaoVat1Click() { showHelpMenu(u"UstawaoVat1"_s); }
void TForm1::Pomoc2Click() { showHelpMenu(u"Pomoc2"_s); }

void TForm1::FormHelp()
{
    for (QWidget *w = QApplication::focusWidget(); w && w != this; w = w->parentWidget()) {
        const QVariant context = w->property(HelpContextProperty);
        if (context.isValid()) {
            showContextHelp(platform(), context.toInt());
            return;
        }
    }
}

void TForm1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        FormHelp();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// ---- fields --------------------------------------------------------------

QWidget *TForm1::control(const QString &name) const { return m_fields.control(name); }
QString TForm1::text(const QString &name) const { return m_fields.text(name); }
void TForm1::setText(const QString &name, const QString &value) { m_fields.setText(name, value); }
int TForm1::index(const QString &name) const { return m_fields.index(name); }
void TForm1::setIndex(const QString &name, int index) { m_fields.setIndex(name, index); }
bool TForm1::isChecked(const QString &name) const { return m_fields.isChecked(name); }
void TForm1::setChecked(const QString &name, bool checked) { m_fields.setChecked(name, checked); }
