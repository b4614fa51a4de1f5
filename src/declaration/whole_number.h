#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

// Whole numbers as the program reads them everywhere (amounts, INI values):
// blanks before the number, one "+" or "-", then decimal digits, or
// hexadecimal after "$" or "0x". Anything else, including the empty text, a
// trailing blank and a value outside a signed number of `bits` bits (32 or
// 64), gives no value.
std::optional<qint64> parseWholeNumber(QStringView text, int bits);
