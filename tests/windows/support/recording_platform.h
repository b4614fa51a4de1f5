#pragma once

#include "windows/platform.h"

#include <QStringList>

// A platform for window tests: never blocks, answers from a script and
// records what the windows asked for, one line per call:
//   "message: <text>", "error: <text>", "ask: <title>|<text>",
//   "open: <folder>|<filter>", "save: <folder>|<filter>|<suffix>",
//   "help: <command line>", "show context <n> of <file>",
//   "show topic <name> of <file>", "url: <address>", "pause: <ms>".
// Installed on construction and removed on destruction.
class RecordingPlatform : public Platform
{
public:
    RecordingPlatform();
    ~RecordingPlatform() override;

    QStringList calls;

    // Answers, taken from the front; an empty list answers "cancelled".
    QStringList fileNames;
    QList<bool> okCancelAnswers;
    bool urlOpens = true; // false: as on a desktop without a browser
    int majorVersion = 10;
    QDate todayIs = QDate(2011, 10, 15);

    // The calls of one kind ("message", "help", ...), without the prefix.
    QStringList callsOf(const QString &kind) const;

    void showMessage(QWidget *parent, const QString &text) override;
    void showError(QWidget *parent, const QString &text) override;
    bool askOkCancel(QWidget *parent, const QString &title, const QString &text) override;
    QString openFileName(QWidget *parent, const QString &folder, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &folder, const QString &filter,
                         const QString &defaultSuffix) override;
    bool startHelp(const QString &commandLine) override;
    bool openUrl(const QUrl &url) override;
    QDate today() override;
    void pause(int milliseconds) override;
    int systemMajorVersion() override;
    void showHelpContext(const QString &helpFile, int context) override;
    void showHelpTopic(const QString &helpFile, const QString &topic) override;

private:
    QString nextFileName();
};
