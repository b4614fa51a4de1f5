#include "support/cli_run.h"

#include <QProcess>

using namespace Qt::Literals::StringLiterals;

Run cli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(LORQA_BIN_DIR) + u"/lorqa-cli"_s, args);
    if (!p.waitForFinished(60000))
        return {-1, {}, u"timeout"_s};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QString example(const QString &name)
{
    return QStringLiteral(LORQA_SOURCE_DIR) + u"/examples/"_s + name;
}
