#pragma once

#include <QString>

// The header values that the form prints one character per cell: every
// character but a space is followed by one space; a dash is dropped, or with
// dashAsGap becomes one more space. The result is trimmed, so spacing a
// spaced text (without dashAsGap) gives it back unchanged.
QString RozstrzelZnaki(const QString &text, bool dashAsGap);
