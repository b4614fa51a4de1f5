#include "declaration/entry_rules.h"

#include "declaration/amount.h"
#include "declaration/errors.h"
#include "declaration/field_access.h"

using namespace Qt::Literals::StringLiterals;

bool acceptsKey(KeyFilter filter, QChar typed)
{
    if (typed == u'\b')
        return true;
    const bool digit = typed >= u'0' && typed <= u'9';
    switch (filter) {
    case KeyFilter::Any:
        return true;
    case KeyFilter::Digits:
        return digit;
    case KeyFilter::AmountChars:
    case KeyFilter::DateChars:
        return digit || typed == u'-';
    }
    return false;
}

bool quarterOutOfRange(const QString &quarter)
{
    if (quarter.isEmpty())
        return false;
    const qint32 q = parseAmount(quarter);
    return q < 1 || q > 4;
}

void copyTownToPostOffice(FieldAccess &fields)
{
    if (fields.text(u"p_19"_s).isEmpty())
        fields.setText(u"p_19"_s, fields.text(u"p_17"_s));
}

const RateRow *rateRowOfBase(const QString &name)
{
    for (const RateRow &row : RateRows)
        if (positionName(row.base) == name)
            return &row;
    return nullptr;
}

namespace {

bool partInRange(const QString &part, int low, int high)
{
    try {
        const qint32 v = parseAmount(part);
        return v >= low && v <= high;
    } catch (const ConversionError &) {
        return false;
    }
}

} // namespace

bool isValidDate(const QString &date)
{
    return partInRange(date.mid(0, 2), 1, 31)
        && partInRange(date.mid(3, 2), 1, 12)
        && partInRange(date.mid(6, 4), 1900, 2100);
}

const std::array<SurplusCopyButton, 5> &surplusCopyButtons()
{
    // BitBtn9 stands beside p_61 hidden, so it cannot be clicked.
    static const std::array<SurplusCopyButton, 5> buttons{{
        {u"BitBtn9"_s, 61, {true, false, false, false, false}, false},
        {u"BitBtn16"_s, 62, {true, true, false, false, false}, true},
        {u"BitBtn3"_s, 63, {true, false, true, false, false}, true},
        {u"BitBtn10"_s, 64, {true, false, false, true, false}, true},
        {u"BitBtn11"_s, 65, {false, false, false, false, true}, true},
    }};
    return buttons;
}

void copySurplus(FieldAccess &fields, const SurplusCopyButton &button)
{
    const QString surplus = fields.text(u"p_60"_s);
    for (int i = 0; i < 5; ++i)
        fields.setText(positionName(61 + i), button.copy[i] ? surplus : QString());
}
