#pragma once

#include <QString>
#include <QtGlobal>

// Amounts are whole złoty held as text. These are the pieces every computing
// routine uses: parsing, the rounding rule "zaokrąglanie wg zasad z 2006r."
// and the rate rows.

// The text as a signed 32-bit whole number: blanks before it, one "+" or "-",
// then decimal digits, or hexadecimal after "$" or "0x". Anything else,
// including the empty text and a trailing blank, throws ConversionError.
qint32 parseAmount(const QString &text);

// The value rounded to a multiple of the step: the remainder is rounded up
// from 0.4999999 of a step, towards plus infinity for negative values too.
double Zaokraglij(double step, double value);

// The same rounding as text: decimal comma, no thousands separator, at most
// 15 significant digits, and two decimals whenever there is one.
QString ZaokraglijTekst(double step, double value);

// The VAT rates of the rate rows 4, 5 and 6.
inline constexpr double RateRow4 = 0.05;
inline constexpr double RateRow5 = 0.08;
inline constexpr double RateRow6 = 0.23;

// The rate rows 4, 5 and 6: the tax of position `base` goes into position
// `tax`, at `rate`.
struct RateRow
{
    int base;
    int tax;
    double rate;
};
inline constexpr RateRow RateRows[] = {
    {25, 26, RateRow4},
    {27, 28, RateRow5},
    {29, 30, RateRow6},
};

// The tax of a base at a rate, in whole złoty.
double taxOf(qint32 base, double rate);
