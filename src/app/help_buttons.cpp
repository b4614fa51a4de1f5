#include "app/help_buttons.h"

using namespace Qt::Literals::StringLiterals;

const std::vector<HelpButton> &mainWindowHelpButtons()
{
    static const std::vector<HelpButton> buttons{
        {u"BitBtn19"_s, 22, u"Zobacz art.100 ust.1 pkt 4 ustawy."_s, 1001, 129},
        {u"BitBtn15"_s, 24, u"Zobacz art.129 ustawy."_s, 129, 129},
        {u"BitBtn17"_s, 36, u"Zobacz art.33 ustawy."_s, 33, 129},
        {u"BitBtn18"_s, 40, u"Zobacz art.28b ustawy."_s, 1002, 129},
        {u"BitBtn1"_s, 43, u"Zobacz art.14 ust.5 ustawy."_s, 1, 1},
        {u"BitBtn7"_s, 44, u"Zobacz art.103 ust.3 ustawy."_s, 1034, 1034},
        {u"BitBtn2"_s, 48, u"Zobacz art.113 ust.5 ustawy."_s, 2, 2},
        {u"BitBtn4"_s, 66, u"Zobacz art.119  ustawy."_s, 4, 4},
        {u"BitBtn6"_s, 67, u"Zobacz art.120 ust.4 ustawy."_s, 5, 5},
        {u"BitBtn5"_s, 68, u"Zobacz art.122 ustawy."_s, 6, 6},
        {u"BitBtn8"_s, 69, u"Zobacz art.136 ustawy."_s, 7, 7},
    };
    return buttons;
}
