#pragma once

#include <QStringList>

class FieldAccess;

// The checks made before a page is printed. Empties `ListaBledow`, then adds
// one line per finding in a fixed order. Returns true when an error was
// found; warnings (pairs that belong together) add their line only. A text
// that must be a number and is not throws ConversionError.
bool SprawdzDeklaracje(const FieldAccess &fields, QStringList &ListaBledow);
