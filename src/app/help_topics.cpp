#include "app/help_topics.h"

#include "app/platform.h"

using namespace Qt::Literals::StringLiterals;

namespace {

bool oldSystem(Platform &platform)
{
    return platform.systemMajorVersion() < 6;
}

} // namespace

const std::vector<HelpButton> &mainWindowHelpButtons()
{
    static const std::vector<HelpButton> buttons{
        {u"BitBtn19"_s, 22, u"Zobacz art.100 ust.1 pkt 4 ustawy."_s, 1001,
         u"::/dzialx_rozdzial3.htm#podsumowujace"_s, 129},
        {u"BitBtn15"_s, 24, u"Zobacz art.129 ustawy."_s, 129,
         u"::/dzialxii_rozdzial6.htm#art.129."_s, 129},
        {u"BitBtn17"_s, 36, u"Zobacz art.33 ustawy."_s, 33,
         u"::/dzialvii.htm#ustawa_o_podatku"_s, 129},
        {u"BitBtn18"_s, 40, u"Zobacz art.28b ustawy."_s, 1002,
         u"::/dzialv_rozdzial3.htm#uslugi"_s, 129},
        {u"BitBtn1"_s, 43, u"Zobacz art.14 ust.5 ustawy."_s, 1,
         u"::/dzialii_rozdzial4.htm#5."_s, 1},
        {u"BitBtn7"_s, 44, u"Zobacz art.103 ust.3 ustawy."_s, 1034,
         u"::/dzialx_rozdzial4.htm#4."_s, 1034},
        {u"BitBtn2"_s, 48, u"Zobacz art.113 ust.5 ustawy."_s, 2,
         u"::/dzialxii_rozdzial1.htm#5."_s, 2},
        {u"BitBtn4"_s, 66, u"Zobacz art.119  ustawy."_s, 4,
         u"::/dzialxii_rozdzial3.htm#art.119."_s, 4},
        {u"BitBtn6"_s, 67, u"Zobacz art.120 ust.4 ustawy."_s, 5,
         u"::/dzialxii_rozdzial4.htm#4."_s, 5},
        {u"BitBtn5"_s, 68, u"Zobacz art.122 ustawy."_s, 6,
         u"::/dzialxii_rozdzial5.htm#art.122"_s, 6},
        {u"BitBtn8"_s, 69, u"Zobacz art.136 ustawy."_s, 7,
         u"::/dzialxii_rozdzial8.htm#art.136"_s, 7},
    };
    return buttons;
}

const std::array<HelpMenuEntry, 3> &helpMenuEntries()
{
    static const std::array<HelpMenuEntry, 3> entries{{
        {u"Objanienia1"_s, u"Objaśnienia"_s, u"Objasnienia"_s,
         u"hh lorqak(6).chm::/objasnienia_naglowek.htm"_s},
        {u"UstawaoVat1"_s, u"Ustawa o Vat "_s, u"Ustawaopodatkuodtowarowi"_s,
         u"hh lorqak(6).chm::/ustawaopodatkuodtowarowi.htm"_s},
        {u"Pomoc2"_s, u"Pomoc"_s, u"Oprogramie"_s, u"hh lorqak(6).chm::/oprogramie.htm"_s},
    }};
    return entries;
}

QString helpCommandLine(const QString &pageReference)
{
    return u"hh "_s + FormHelpFile + pageReference;
}

void showHelpTopic(Platform &platform, int context, const QString &pageReference)
{
    if (oldSystem(platform)) {
        platform.showHelpContext(ApplicationHelpFile, context);
        return;
    }
    platform.startHelp(helpCommandLine(pageReference));
}

void showHelpMenuEntry(Platform &platform, const HelpMenuEntry &entry)
{
    if (oldSystem(platform))
        platform.showHelpTopic(ApplicationHelpFile, entry.topic);
    else
        platform.startHelp(entry.command);
}

void showContextHelp(Platform &platform, int helpContext)
{
    platform.showHelpContext(ApplicationHelpFile, helpContext);
}
