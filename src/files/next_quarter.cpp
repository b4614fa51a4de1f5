#include "files/next_quarter.h"

#include "files/declaration_file.h"
#include "files/file_keys.h"

#include <optional>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

bool isDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// The quarter and year after the given ones, or nothing when the period in
// the file is not one we can advance (typed by hand, damaged). The quarter
// may carry a leading zero, as the field allows two digits.
std::optional<std::pair<QString, QString>> followingPeriod(const QString &quarter, const QString &year)
{
    if (!isDigits(quarter) || quarter.size() > 2 || !isDigits(year) || year.size() != 4)
        return std::nullopt;
    const int q = quarter.toInt();
    if (q < 1 || q > 4)
        return std::nullopt;
    const int y = year.toInt();
    if (q < 4)
        return std::pair{QString::number(q + 1), year};
    if (y == 9999)
        return std::nullopt; // the next year has five digits: no such year fits p_5
    return std::pair{QString::number(1), QString::number(y + 1).rightJustified(4, u'0')};
}

} // namespace

TDeklaracja nextQuarterOf(const FieldAccess &previous, const QDate &today)
{
    TDeklaracja next; // a new declaration's defaults for everything not set below

    // The header and the signatory are exactly what a data file holds.
    for (const FileKey &k : dataFileKeys()) {
        if (k.form == ValueForm::Index)
            next.setIndex(k.position, previous.index(k.position));
        else
            next.setText(k.position, previous.text(k.position));
    }

    if (const auto period = followingPeriod(previous.text(u"p_4"_s), previous.text(u"p_5"_s))) {
        next.setText(u"p_4"_s, period->first);
        next.setText(u"p_5"_s, period->second);
    }

    next.setIndex(u"p_7"_s, 0);
    next.setText(u"p_47"_s, previous.text(u"p_65"_s));
    next.setText(u"p_76"_s, today.toString(u"dd-MM-yyyy"_s));
    return next;
}

void loadNextQuarter(FieldAccess &target, const QString &previousPath, const QDate &today)
{
    TDeklaracja previous;
    WczytajDeklaracje(previous, previousPath); // throws before target is touched
    copyPositions(nextQuarterOf(previous, today), target);
}
