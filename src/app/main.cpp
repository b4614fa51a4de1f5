#include "app/about_form.h"
#include "app/help_launcher.h"
#include "app/main_window.h"
#include "windows/platform.h"
#include "app/splash_form.h"
#include "app/start_arguments.h"
#include "declaration/errors.h"
#include "declaration/ui/form_error.h"
#include "files/ui/form_opcje.h"
#include "printing/ui/print_preview.h"
#include "wizard/ui/form_kreator.h"
#include "lorqa_version.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <exception>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList argumentsAfterName(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Answers --version and --help, or refuses a wrong command line; -1 when the
// program is to start.
int answerCommandLine(const StartArguments &start)
{
    switch (start.kind) {
    case StartArguments::Kind::Version:
        std::fputs((u"lorqa "_s + lorqaVersion() + u'\n').toUtf8().constData(), stdout);
        return 0;
    case StartArguments::Kind::Help:
        std::fputs(startUsage().toUtf8().constData(), stdout);
        return 0;
    case StartArguments::Kind::Wrong:
        std::fputs((u"lorqa: "_s + start.error + u"\n\n"_s + startUsage()).toUtf8().constData(), stderr);
        return 2;
    default:
        return -1;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // --version and --help answer without a display.
    const StartArguments early = parseStartArguments(argumentsAfterName(argc, argv));
    if (early.kind == StartArguments::Kind::Version || early.kind == StartArguments::Kind::Help)
        return answerCommandLine(early);

    QApplication app(argc, argv);
    // QApplication has taken its own options (-platform, ...) out of argv.
    const StartArguments start = parseStartArguments(argumentsAfterName(argc, argv));
    if (const int answered = answerCommandLine(start); answered >= 0)
        return answered;

    // The program speaks Polish; so should Qt's own dialogs (file dialogs,
    // print preview, buttons of the message boxes).
    QTranslator qtTexts;
    if (qtTexts.load(u"qtbase_pl"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    // Shown and painted before the slow work, since nothing else is
    // processed until the windows exist.
    auto splash = std::make_unique<TSplashForm>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(u"Lorqa"_s);
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(u"example.lorqa.Lorqa"_s);
    setHelpLauncher(launchHelp);

    // Every window is created once and lives for the whole run; dialogs are
    // shown on the same instance each time. The main window owns the others.
    std::unique_ptr<TForm1> Form1;
    try {
        Form1 = std::make_unique<TForm1>();
        // The printed pages 1 and 2 live in the printer of the print commands.
        auto *pagePrinter = new PagePrinter(*Form1, Form1.get());
        auto *AboutForm = new TAboutForm(Form1.get());
        auto *FormError = new TFormError(Form1.get());
        auto *FormKreator = new TFormKreator(*Form1, Form1.get());
        auto *FormOpcje = new TFormOpcje(Form1.get());
        Form1->setPagePrinter([pagePrinter](int page) { pagePrinter->printPage(page); });
        Form1->setAboutDialog(AboutForm);
        Form1->setErrorForm(FormError);
        Form1->setWizard(FormKreator);
        Form1->setOptionsDialog(FormOpcje);
    } catch (const LorqaError &e) {
        platform().showError(nullptr, e.message());
        return 1;
    } catch (const std::exception &e) {
        platform().showError(nullptr, QString::fromLocal8Bit(e.what()));
        return 1;
    }

    platform().pause(1000);
    splash.reset();

    Form1->show();
    if (start.kind == StartArguments::Kind::OpenFile)
        openStartFile(*Form1, start.path);
    return app.exec();
}
