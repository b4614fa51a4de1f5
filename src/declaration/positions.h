#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Every position of the declaration, once. The main window's pages, the
// wizard's fields, the files and the tests are all built from this table.

enum class PositionKind {
    Text,          // free single-line text
    Period,        // p_4 quarter, p_5 year: digits
    Choice,        // index into a fixed list, nothing can be typed
    EditableList,  // p_11: any text, with suggestions
    Amount,        // whole złoty as text, empty = not filled
    CheckMark,     // p_66 .. p_69
    YesNoBox,      // one box of the Tak/Nie pairs 70 and 71
    Date,          // p_76: dd-mm-yyyy
};

// Which characters the main window lets through when typed.
enum class KeyFilter {
    Any,
    AmountChars,   // digits and "-"
    Digits,        // digits only
    DateChars,     // digits and "-"
};

// Where an amount stands on its page of the main window.
enum class AmountColumn {
    None,
    TaxBase,       // "Podstawa opodatkowania w zł"
    OutputTax,     // "Podatek należny w zł "
    NetValue,      // "Wartość netto w zł"
    InputTax,      // "Podatek naliczony w zł" / "Podatek do odliczenia w zł"
    Summary,       // section E
};

struct Position
{
    QString name;          // control name, "p_" + number (+ "_1"/"_2" for a pair box)
    int number;            // the position's number on the paper form
    PositionKind kind;
    int page;              // page of the main window, 1 to 4
    QString caption;       // caption on the page (row caption for amounts)
    QString hint;          // status-bar hint and tooltip; empty for none
    KeyFilter filter = KeyFilter::Any;
    int maxLength = 0;     // 0: no limit
    QStringList items;     // the list of a choice or an editable list
    AmountColumn column = AmountColumn::None;
    QString groupCaption;  // text that stands before a group (position 70's caption, ...)

    bool isAmount() const { return kind == PositionKind::Amount; }
    bool holdsText() const;
};

const std::vector<Position> &positions();

// The position of that name, or nullptr: "p_2", "p_3" and "p_74" find nothing.
const Position *findPosition(const QString &name);

// "p_" followed by the number in decimal.
QString positionName(int number);

// The first and last amount position: every number in between is an amount.
inline constexpr int FirstAmount = 20;
inline constexpr int LastAmount = 65;

// The partner of a box of a Tak/Nie pair ("p_70_1" <-> "p_70_2"), or an empty
// text for any other name.
QString pairPartner(const QString &name);
