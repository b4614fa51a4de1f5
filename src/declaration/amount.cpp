#include "declaration/amount.h"

#include "declaration/errors.h"

#include <cmath>

namespace {

// 0-15 for an ASCII hexadecimal digit, -1 for anything else.
int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return 10 + (u - u'a');
    if (u >= u'A' && u <= u'F')
        return 10 + (u - u'A');
    return -1;
}

} // namespace

qint32 parseAmount(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        throw ConversionError(text);

    // The magnitude may reach 2^31 for the most negative number.
    const qint64 limit = negative ? qint64(1) << 31 : (qint64(1) << 31) - 1;
    qint64 value = 0;
    for (; i < n; ++i) {
        const int digit = digitValue(text[i]);
        if (digit < 0 || digit >= base)
            throw ConversionError(text);
        value = value * base + digit;
        if (value > limit)
            throw ConversionError(text);
    }
    return qint32(negative ? -value : value);
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
