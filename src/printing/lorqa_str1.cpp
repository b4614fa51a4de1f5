#include "printing/lorqa_pages.h"

#include "printing/form_drawing.h"
#include "printing/spaced_text.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// One row per box: name, anchor, Left, Top, Width, Height, alignment, font.
std::vector<TextBox> page1Boxes()
{
    using enum Anchor;
    using enum BoxAlign;
    using enum BoxFont;
    return {
        {u"p_1"_s, Band, {56, 33}, 253, 22, Left, Mono12},
        {u"p_4"_s, Band, {232, 99}, 45, 19, Left, Mono12},
        {u"p_5"_s, Band, {306, 99}, 114, 19, Left, Mono12},
        {u"p_6"_s, Band, {39, 195}, 394, 18, Left, Sans11},
        {u"p_7_1"_s, Band, {450, 194}, 11, 18, Left, Sans11},
        {u"p_7_2"_s, Band, {600, 194}, 11, 18, Left, Sans11},
        {u"p_8_1"_s, Band, {142, 288}, 11, 18, Left, Sans11},
        {u"p_8_2"_s, Band, {475, 288}, 11, 19, Left, Sans11},
        {u"p_9"_s, Band, {35, 321}, 674, 18, Left, Sans11},
        {u"p_10"_s, Band, {37, 385}, 132, 18, Left, Sans11},
        {u"p_11"_s, Band, {183, 385}, 296, 18, Left, Sans11},
        {u"p_12"_s, Band, {489, 385}, 222, 18, Left, Sans11},
        {u"p_13"_s, Band, {37, 417}, 170, 18, Left, Sans11},
        {u"p_14"_s, Band, {217, 417}, 344, 18, Left, Sans11},
        {u"p_15"_s, Band, {571, 417}, 62, 18, Left, Sans11},
        {u"p_16"_s, Band, {645, 417}, 68, 18, Left, Sans11},
        {u"p_17"_s, Band, {37, 447}, 284, 18, Left, Sans11},
        {u"p_18"_s, Band, {331, 447}, 98, 18, Left, Sans11},
        {u"p_19"_s, Band, {448, 447}, 263, 18, Left, Sans11},
        {u"p_20"_s, Band, {360, 509}, 158, 18, Right, Sans11},
        {u"p_21"_s, Band, {360, 541}, 158, 18, Right, Sans11},
        {u"p_22"_s, Band, {360, 573}, 158, 18, Right, Sans11},
        {u"p_23"_s, Band, {360, 605}, 158, 18, Right, Sans11},
        {u"p_24"_s, Band, {360, 635}, 158, 18, Right, Sans11},
        {u"p_25"_s, Band, {360, 667}, 158, 18, Right, Sans11},
        {u"p_26"_s, Band, {550, 667}, 158, 18, Right, Sans11},
        {u"p_27"_s, Band, {360, 699}, 158, 18, Right, Sans11},
        {u"p_28"_s, Band, {550, 699}, 158, 18, Right, Sans11},
        {u"p_29"_s, Band, {360, 731}, 158, 18, Right, Sans11},
        {u"p_30"_s, Band, {550, 731}, 158, 18, Right, Sans11},
        {u"p_31"_s, Band, {360, 763}, 158, 18, Right, Sans11},
        {u"p_32"_s, Band, {360, 797}, 158, 18, Right, Sans11},
        {u"p_33"_s, Band, {360, 827}, 158, 18, Right, Sans11},
        {u"p_34"_s, Band, {550, 827}, 158, 18, Right, Sans11},
        {u"p_35"_s, Band, {360, 859}, 158, 18, Right, Sans11},
        {u"p_36"_s, Band, {550, 859}, 158, 18, Right, Sans11},
        {u"p_37"_s, Band, {360, 889}, 158, 18, Right, Sans11},
        {u"p_38"_s, Band, {550, 889}, 158, 18, Right, Sans11},
        {u"p_39"_s, Band, {360, 919}, 158, 18, Right, Sans11},
        {u"p_40"_s, Band, {550, 919}, 158, 18, Right, Sans11},
        {u"p_41"_s, Band, {360, 949}, 158, 18, Right, Sans11},
        {u"p_42"_s, Band, {550, 949}, 158, 18, Right, Sans11},
        {u"p_43"_s, Band, {550, 981}, 158, 18, Right, Sans11},
        {u"p_44"_s, Band, {550, 1013}, 158, 18, Right, Sans11},
    };
}

} // namespace

Tlorqa_str1::Tlorqa_str1()
    : PageComposition(1, QMarginsF(10, 8, 9, 7),
                      Artwork{nullptr, {0, 0}, 721, 1063}, page1Boxes())
{
    setDrawing(drawFormPage1(*this));
}

void Tlorqa_str1::setNip(const QString &nip)
{
    setText(u"p_1"_s, nip);
}

void Tlorqa_str1::str1BeforePrint(const FieldAccess &fields)
{
    // The NIP is a drop-down list in the main window: its box is set by the
    // print command, not here.
    fillFromPositions(fields, u"p_1"_s);
    for (const QString &name : {u"p_1"_s, u"p_4"_s, u"p_5"_s})
        setText(name, RozstrzelZnaki(box(name)->text, false));
}
