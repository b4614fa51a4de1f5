#pragma once

#include "declaration/amount.h"
#include "declaration/positions.h"

#include <QChar>
#include <QString>
#include <array>

class FieldAccess;

// The rules that act on single fields while the user types: which typed
// characters a field keeps, and what happens when a field is left or a
// surplus-copy button is pressed. The windows deliver the events; the rules
// themselves need no window.

// Whether a typed character passes the field's filter. Backspace passes every
// filter; any other control character passes only KeyFilter::Any.
bool acceptsKey(KeyFilter filter, QChar typed);

// Leaving p_4: true when the quarter is filled and not 1 to 4 (the window then
// says "Błąd w polu kwartał!" and empties it). An empty quarter is fine. A
// text that is not a whole number throws ConversionError.
bool quarterOutOfRange(const QString &quarter);

// Leaving p_17: an empty post office p_19 gets the town.
void copyTownToPostOffice(FieldAccess &fields);

// The rate row whose base is that position, or nullptr.
const RateRow *rateRowOfBase(const QString &name);

// Leaving a base of a rate row: fillRateRowTax (declaration/calculation.h).

// Leaving p_76: day (characters 1-2) 1 to 31, month (4-5) 1 to 12, year (7-10)
// 1900 to 2100. Characters 3 and 6 are not examined, nor is the day against
// the month. Never throws: a part that is not a number is simply invalid.
bool isValidDate(const QString &date);

// The buttons beside p_61 to p_65 that copy the surplus p_60.
struct SurplusCopyButton
{
    QString name;            // "BitBtn16"
    int row;                 // the position it stands beside
    std::array<bool, 5> copy; // p_61 .. p_65: copy p_60, or empty
    bool visible;
};
const std::array<SurplusCopyButton, 5> &surplusCopyButtons();

// Writes p_61 .. p_65 in that order: the text of p_60 unchanged where the
// button copies, the empty text elsewhere. Nothing is recalculated.
void copySurplus(FieldAccess &fields, const SurplusCopyButton &button);
