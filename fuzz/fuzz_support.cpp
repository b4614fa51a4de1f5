#include "fuzz_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

QString writeInput(const QByteArray &bytes, const QString &name)
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        std::abort();
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    return path;
}
