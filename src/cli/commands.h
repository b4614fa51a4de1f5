#pragma once

#include <QString>
#include <QStringList>

// Exit codes of lorqa-cli.
enum ExitCode {
    ExitOk = 0,
    ExitFindings = 1,   // check: an error was found; calc: a conversion error
    ExitFailure = 2,    // wrong arguments, unreadable input, a file error
};

// Each command gets the arguments after its name.
int runCalc(const QStringList &args);
int runCheck(const QStringList &args);
int runNext(const QStringList &args);
// The pdf command needs a GUI application for fonts; it makes its own.
int runPdf(int argc, char **argv);

// Messages go out as UTF-8, one per line.
void printOut(const QString &line);
void printError(const QString &line);

// The input must be an existing, readable file; otherwise says why and
// returns false.
bool checkInput(const QString &path);

QString usage();
