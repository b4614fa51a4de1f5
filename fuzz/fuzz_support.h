#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What the targets share: the input as bytes, and a file holding them, for
// the readers that start from a path as the program's do.

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Writes the bytes to a file of the given name in a folder of this process
// (made once, removed at exit) and returns its path.
QString writeInput(const QByteArray &bytes, const QString &name);
