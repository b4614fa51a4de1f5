#include "app/about_form.h"
#include "app/help_launcher.h"
#include "app/main_window.h"
#include "windows/platform.h"
#include "app/splash_form.h"
#include "declaration/errors.h"
#include "declaration/ui/form_error.h"
#include "files/ui/form_opcje.h"
#include "printing/ui/print_preview.h"
#include "wizard/ui/form_kreator.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <exception>
#include <memory>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

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
    return app.exec();
}
