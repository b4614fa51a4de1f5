#include "declaration/whole_number.h"

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

std::optional<qint64> parseWholeNumber(QStringView text, int bits)
{
    Q_ASSERT(bits == 32 || bits == 64);
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
        return std::nullopt;

    // The magnitude may reach 2^(bits-1) for the most negative number.
    const quint64 limit = negative ? quint64(1) << (bits - 1) : (quint64(1) << (bits - 1)) - 1;
    quint64 magnitude = 0;
    for (; i < n; ++i) {
        const int digit = digitValue(text[i]);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        if (magnitude > (limit - quint64(digit)) / quint64(base))
            return std::nullopt;
        magnitude = magnitude * quint64(base) + quint64(digit);
    }
    return negative ? qint64(0 - magnitude) : qint64(magnitude);
}
