#include "windows/platform.h"

#include "windows/help_topics.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

// There is no WinHelp viewer here: the same topic opens in the HTML help.
void Platform::showHelpContext(const QString &, int context)
{
    const QString command = helpCommandForContext(context);
    if (!command.isEmpty())
        startHelp(command);
}

void Platform::showHelpTopic(const QString &, const QString &topic)
{
    const QString command = helpCommandForTopic(topic);
    if (!command.isEmpty())
        startHelp(command);
}

namespace {

const QString ApplicationTitle = u"Lorqa"_s;

// The help viewer is a window of the program above this layer; it is
// handed in at start-up.
std::function<bool(const QString &)> helpLauncher;

class QtPlatform : public Platform
{
public:
    void showMessage(QWidget *parent, const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, ApplicationTitle, text, QMessageBox::Ok, parent);
        box.exec();
    }

    void showError(QWidget *parent, const QString &text) override
    {
        QMessageBox box(QMessageBox::Critical, ApplicationTitle, text, QMessageBox::Ok, parent);
        box.exec();
    }

    bool askOkCancel(QWidget *parent, const QString &title, const QString &text) override
    {
        QMessageBox box(QMessageBox::Question, title, text,
                        QMessageBox::Ok | QMessageBox::Cancel, parent);
        return box.exec() == QMessageBox::Ok;
    }

    // The dialogs are offered the dane folder, which the user may not have
    // made yet: then they start in the nearest folder that exists, rather
    // than proposing "dane" as a file name.
    static QString existingFolder(const QString &folder)
    {
        QDir dir(folder);
        while (!dir.exists() && dir.cdUp()) {
        }
        return dir.exists() ? dir.path() : QString();
    }

    QString openFileName(QWidget *parent, const QString &folder, const QString &filter) override
    {
        QFileDialog dialog(parent, QString(), existingFolder(folder), filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QString saveFileName(QWidget *parent, const QString &folder, const QString &filter,
                         const QString &defaultSuffix) override
    {
        QFileDialog dialog(parent, QString(), existingFolder(folder), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    bool startHelp(const QString &commandLine) override
    {
        return helpLauncher && helpLauncher(commandLine);
    }
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
    QDate today() override { return QDate::currentDate(); }
    void pause(int milliseconds) override { QThread::msleep(qMax(0, milliseconds)); }
};

QtPlatform &qtPlatform()
{
    static QtPlatform instance;
    return instance;
}

Platform *current = nullptr;

} // namespace

Platform &platform()
{
    return current ? *current : qtPlatform();
}

void setPlatform(Platform *replacement)
{
    current = replacement;
}

void setHelpLauncher(std::function<bool(const QString &)> launcher)
{
    helpLauncher = std::move(launcher);
}
