#include "printing/lorqa_pages.h"

#include "printing/form_drawing.h"
#include "printing/spaced_text.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// One row per box: name, anchor, Left, Top, Width, Height, alignment, font.
std::vector<TextBox> page2Boxes()
{
    using enum Anchor;
    using enum BoxAlign;
    using enum BoxFont;
    return {
        {u"p_45"_s, Page, {395, 64}, 158, 18, Right, Sans11},
        {u"p_46"_s, Page, {583, 64}, 158, 18, Right, Sans11},
        {u"p_47"_s, Band, {553, 128}, 158, 18, Right, Sans11},
        {u"p_48"_s, Band, {553, 158}, 158, 18, Right, Sans11},
        {u"p_49"_s, Band, {359, 226}, 158, 18, Right, Sans11},
        {u"p_50"_s, Band, {551, 226}, 158, 18, Right, Sans11},
        {u"p_51"_s, Band, {359, 257}, 158, 18, Right, Sans11},
        {u"p_52"_s, Band, {551, 257}, 158, 18, Right, Sans11},
        {u"p_53"_s, Band, {551, 320}, 158, 18, Right, Sans11},
        {u"p_54"_s, Band, {551, 350}, 158, 18, Right, Sans11},
        {u"p_55"_s, Band, {551, 383}, 158, 18, Right, Sans11},
        {u"p_56"_s, Band, {551, 449}, 158, 18, Right, Sans11},
        {u"p_57"_s, Band, {551, 482}, 158, 18, Right, Sans11},
        {u"p_58"_s, Band, {551, 514}, 158, 18, Right, Sans11},
        {u"p_59"_s, Band, {551, 545}, 158, 18, Right, Sans11},
        {u"p_60"_s, Band, {551, 575}, 158, 18, Right, Sans11},
        {u"p_61"_s, Band, {551, 607}, 158, 18, Right, Sans11},
        {u"p_62"_s, Band, {187, 641}, 158, 18, Right, Sans11},
        {u"p_63"_s, Band, {361, 641}, 158, 18, Right, Sans11},
        {u"p_64"_s, Band, {551, 641}, 158, 18, Right, Sans11},
        {u"p_65"_s, Band, {551, 669}, 158, 18, Right, Sans11},
        {u"p_66"_s, Page, {92, 767}, 11, 18, Left, Sans11},
        {u"p_67"_s, Band, {220, 737}, 11, 18, Left, Sans11},
        {u"p_68"_s, Band, {400, 737}, 11, 18, Left, Sans11},
        {u"p_69"_s, Band, {575, 737}, 11, 18, Left, Sans11},
        {u"p_70_1"_s, Band, {161, 802}, 11, 18, Left, Sans11},
        {u"p_70_2"_s, Band, {256, 802}, 11, 18, Left, Sans11},
        {u"p_71_1"_s, Band, {505, 802}, 11, 18, Left, Sans11},
        {u"p_71_2"_s, Band, {601, 802}, 11, 18, Left, Sans11},
        {u"p_72"_s, Band, {41, 865}, 159, 18, Left, Sans11},
        {u"p_73"_s, Band, {212, 865}, 262, 18, Left, Sans11},
        {u"p_75"_s, Band, {41, 897}, 159, 18, Left, Sans11},
        {u"p_76"_s, Band, {238, 897}, 233, 19, Right, Mono12},
    };
}

} // namespace

Tlorqa_str2::Tlorqa_str2()
    : PageComposition(2, QMarginsF(9, 8, 10, 7),
                      Artwork{nullptr, {0, 0}, 725, 1063}, page2Boxes())
{
    setDrawing(drawFormPage2(*this));
}

void Tlorqa_str2::str2BeforePrint(const FieldAccess &fields)
{
    fillFromPositions(fields);
    setText(u"p_76"_s, RozstrzelZnaki(box(u"p_76"_s)->text, true));
}
