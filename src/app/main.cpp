#include "app/about_form.h"
#include "app/main_window.h"
#include "app/platform.h"
#include "app/splash_form.h"
#include "declaration/errors.h"
#include "declaration/ui/form_error.h"

#include <QApplication>
#include <exception>
#include <memory>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // Shown and painted before the slow work, since nothing else is
    // processed until the windows exist.
    auto splash = std::make_unique<TSplashForm>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(u"Lorqa"_s);

    // Every window is created once and lives for the whole run; dialogs are
    // shown on the same instance each time. The main window owns the others.
    std::unique_ptr<TForm1> Form1;
    try {
        Form1 = std::make_unique<TForm1>();
        // The printed pages 1 and 2 are created here.
        auto *AboutForm = new TAboutForm(Form1.get());
        auto *FormError = new TFormError(Form1.get());
        // The wizard and the print options dialog are created here.
        Form1->setAboutDialog(AboutForm);
        Form1->setErrorForm(FormError);
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
