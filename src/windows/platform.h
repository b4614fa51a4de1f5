#pragma once

#include <QDate>
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// Everything that would block a test or reach outside the process goes
// through here: message boxes, file dialogs, starting help, opening an
// address, today's date and the start-up pause. The windows use the Qt
// implementation; tests install a recorder (setPlatform) that answers from a
// script and records what was shown.
class Platform
{
public:
    virtual ~Platform() = default;

    // A modal box titled "Lorqa" with one text and an "OK" button.
    virtual void showMessage(QWidget *parent, const QString &text) = 0;
    // The error box of a command that failed (conversion or write error).
    virtual void showError(QWidget *parent, const QString &text) = 0;
    // A box with OK and Cancel; true for OK.
    virtual bool askOkCancel(QWidget *parent, const QString &title, const QString &text) = 0;

    // The platform's open and save dialogs; an empty text when cancelled.
    // `filter` is in Qt's form ("Dane (*.dane)"). The save dialog asks before
    // replacing a file and adds `defaultSuffix` to a name typed without one.
    virtual QString openFileName(QWidget *parent, const QString &folder, const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &folder, const QString &filter,
                                 const QString &defaultSuffix) = 0;

    // Starts a help topic from a command line such as
    // "hh lorqa(12).chm::/dzialvii.htm#art86"; false when nothing opened.
    virtual bool startHelp(const QString &commandLine) = 0;
    // Opens a web or mail address; false when nothing opened.
    virtual bool openUrl(const QUrl &url) = 0;

    virtual QDate today() = 0;
    virtual void pause(int milliseconds) = 0;

    // The system's major version, which picks the help viewer: below 6 the
    // WinHelp file, from 6 on the HTML help started by a command line.
    virtual int systemMajorVersion() { return 10; }
    // WinHelp: a context number, or a topic name, of a help file such as
    // "lorqa(12).hlp". There is no WinHelp viewer here, so by default both
    // open the same topic of the HTML help through startHelp.
    virtual void showHelpContext(const QString &helpFile, int context);
    virtual void showHelpTopic(const QString &helpFile, const QString &topic);
};

// The platform the windows use: Qt's by default; tests replace it.
Platform &platform();
void setPlatform(Platform *replacement); // nullptr restores Qt's

// What Qt's platform starts a help command line with: the program's help
// viewer, set at start-up. Without one, no help opens.
void setHelpLauncher(std::function<bool(const QString &commandLine)> launcher);
