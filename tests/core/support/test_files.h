#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a file; "<missing>" when it cannot be read, so that a file
// that is not there never passes for an empty one.
QByteArray readAll(const QString &path);

// Writes the bytes as the whole file; fails the running test when it cannot.
void writeAll(const QString &path, const QByteArray &bytes);
