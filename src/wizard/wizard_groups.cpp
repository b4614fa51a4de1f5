#include "wizard/wizard_groups.h"

using namespace Qt::Literals::StringLiterals;

const std::vector<WizardGroup> &wizardGroups()
{
    const QString base = u"Podstawa opodatkowania w zł"_s;
    // Pages 6 and 7 place their groups at fixed tops, so those groups have
    // the heights the distances between the tops leave them.
    static const std::vector<WizardGroup> groups{
        {u"Panel4_1"_s, 4, u"Sprzedaż krajowa"_s, base, u"Podatek należny w zł "_s, 0, {
            {20, 0, u"Sprzedaż zwolniona od podatku"_s},
            {23, 0, u"Sprzedaż opodatkowana stawką 0%"_s},
            {24, 0, u"w tym dostawa towarów, o której mowa w art.129 ustawy"_s},
            {25, 26, u"Sprzedaż opodatkowana stawką 3% lub 5%"_s},
            {27, 28, u"Sprzedaż opodatkowana stawką 7% lub 8%"_s},
            {29, 30, u"Sprzedaż opodatkowana stawką 22% lub 23%"_s},
        }},
        {u"Panel4_2"_s, 4, u"Sprzedaż unijna"_s, base, u"Podatek należny w zł "_s, 0, {
            {31, 0, u"Wewnątrzwspólnotowa dostawa towarów"_s},
            {0, 0, u"Sprzedaż poza unijna"_s, {}, true},
            {32, 0, u"Eksport towarów"_s},
            {21, 0, u"Dostawa towarów oraz świadczenie usług, poza terytorium kraju"_s},
            {22, 0, u"w tym usługi, o których mowa w art. 100 ust. 1 pkt 4 ustawy"_s},
        }},
        {u"Panel4_3"_s, 4, u"Likwidacja działalności"_s, {}, u"Podatek należny w zł "_s, 0, {
            {0, 43, u"Kwota podatku należnego za spisu z natury (likwidacja działalności)"_s},
        }},
        {u"Panel6_1"_s, 6, u"Nabycie krajowe"_s, u"Wartość netto w zł"_s, u"Podatek naliczony w zł"_s, 79, {
            {49, 50, u"Nabycie towarów i usług zaliczanych u podatnika do środków trwałych"_s},
            {51, 52, u"Nabycie towarów i usług pozostałych"_s},
        }},
        {u"Panel6_2"_s, 6, u"Nabycie unijne / od podmiotów nie mających siedziby w kraju"_s, base,
         u"Podatek należny w zł"_s, 201, {
            {33, 34, u"Wewnątrzwspólnotowe nabycie towarów"_s},
            {0, 44, u"Kwota podatku należnego od wewnątrzwspólnotowego nabycia środków transportu, "
                    "wykazanego powyżej, podlegająca wpłacie w terminie, o którym mowa w art.103 ust.4 ustawy"_s},
            {35, 36, u"Import towarów, podlegający rozliczeniu zgodnie z art.33a ustawy"_s},
            {37, 38, u"Import usług"_s},
            {39, 40, u"w tym od podatników, do których stosuje się art. 28b ustawy"_s},
            {41, 42, u"Dostawa towarów, dla której podatnikiem jest nabywca"_s, u"(wypełnia nabywca towarów)"_s},
        }},
        {u"Panel6_3"_s, 6, u"Korekta podatku"_s, {}, u"Podatek naliczony w zł"_s, 0, {
            {0, 53, u"Korekta podatku naliczonego od nabycia środków trwałych"_s},
            {0, 54, u"Korekta podatku naliczonego od pozostałych nabyć"_s},
        }},
        {u"Panel7_1"_s, 7, u"Przeniesienia"_s, {}, u"Podatek do odliczenia w zł"_s, 36, {}},
        {u"Panel7_2"_s, 7, {}, {}, {}, 56, {
            {0, 47, u"Kwota nadwyżki z poprzedniej deklaracji"_s,
             u"(poz. 65 deklaracji za poprzedni okres rozliczeniowy)"_s},
        }},
        {u"Panel7_3"_s, 7, {}, {}, {}, 40, {
            {0, 48, u"Kwota podatku naliczonego wynikającego ze spisu z natury, o którym mowa w art.113 ust.5 ustawy"_s,
             u"(rozpoczęcie rozliczeń VAT - początek obowiązku rozliczania podatku)"_s},
        }},
        {u"Panel7_4"_s, 7, {}, {}, {}, 64, {
            {0, 56, u"Kwota wydatkowana na zakup kas fiskalnych do odliczenia w okresie rozliczeniowym"_s},
        }},
        {u"Panel7_5"_s, 7, {}, {}, {}, 64, {
            {0, 57, u"Kwota podatku objęta zaniechaniem poboru"_s},
        }},
    };
    return groups;
}

QString additionalInformationText(int position)
{
    switch (position) {
    case 66:
        return u"usługi turystyki opodatkowane od marży"_s;
    case 67:
        return u"dostawa dzieł sztuki, przedmiotów kolekcjonerskich lub antyków opodatkowana od marży"_s;
    case 68:
        return u"dostawa, wewnątrzwspólnotowe nabycie lub import złota inwestycyjnego"_s;
    case 69:
        return u"wewnątrzwspólnotowa dostawa towarów w procedurze uproszczonej przez drugiego "
               "w kolejności podatnika (transakcja trójstronna)"_s;
    }
    return {};
}
