#include "printing/spaced_text.h"

namespace {

// Blanks are spaces and control characters, as the trimming of the form's
// header values has always treated them.
bool isBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

} // namespace

QString RozstrzelZnaki(const QString &text, bool dashAsGap)
{
    QString result;
    result.reserve(text.size() * 2);
    for (const QChar c : text) {
        if (c == u' ')
            continue;
        if (c == u'-') {
            if (dashAsGap)
                result += u' ';
            continue;
        }
        result += c;
        result += u' ';
    }
    qsizetype begin = 0;
    qsizetype end = result.size();
    while (begin < end && isBlank(result.at(begin)))
        ++begin;
    while (end > begin && isBlank(result.at(end - 1)))
        --end;
    return result.mid(begin, end - begin);
}
