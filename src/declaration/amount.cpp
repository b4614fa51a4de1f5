#include "declaration/amount.h"

#include "declaration/errors.h"
#include "declaration/whole_number.h"

#include <cmath>

qint32 parseAmount(const QString &text)
{
    const std::optional<qint64> value = parseWholeNumber(text, 32);
    if (!value)
        throw ConversionError(text);
    return qint32(*value);
}

double Zaokraglij(double step, double value)
{
    const double q = value / step;
    const double n = std::floor(q);
    const double f = q - n;
    const double result = (f >= 0.4999999 ? n + 1 : n) * step;
    return result + 0.0; // no "-0"
}

QString ZaokraglijTekst(double step, double value)
{
    const double r = Zaokraglij(step, value);
    QString s = QString::number(r, 'g', 15);
    if (s.contains(u'e')) // beyond 15 digits: write it out in full
        s = QString::number(r, 'f', 0);
    s.replace(u'.', u',');
    const qsizetype comma = s.indexOf(u',');
    if (comma >= 0 && s.size() - comma - 1 == 1)
        s += u'0';
    return s;
}

double taxOf(qint32 base, double rate)
{
    return Zaokraglij(1, double(base) * rate);
}
