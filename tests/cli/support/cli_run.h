#pragma once

#include <QString>
#include <QStringList>

// What a run of the built lorqa-cli gave: its exit code and what it printed.
struct Run
{
    int exitCode;
    QString out;
    QString err;
};

// Runs lorqa-cli with the arguments; exit code -1 and "timeout" when it does
// not end within a minute.
Run cli(const QStringList &args);

// The path of a file of examples/.
QString example(const QString &name);
