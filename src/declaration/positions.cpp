#include "declaration/positions.h"

#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace {

Position text(int n, const QString &caption, const QString &hint)
{
    return {positionName(n), n, PositionKind::Text, 1, caption, hint};
}

Position amount(int n, int page, AmountColumn column, const QString &caption, const QString &hint)
{
    Position p{positionName(n), n, PositionKind::Amount, page, caption, hint, KeyFilter::AmountChars};
    p.column = column;
    return p;
}

// The rows of page 2: a base, a tax or both under one caption.
void row(std::vector<Position> &out, int base, int tax, const QString &caption,
         const QString &baseHint, const QString &taxHint = {})
{
    if (base)
        out.push_back(amount(base, 2, AmountColumn::TaxBase, caption, baseHint));
    if (tax)
        out.push_back(amount(tax, 2, AmountColumn::OutputTax, caption, tax && base ? taxHint : baseHint));
}

std::vector<Position> buildTable()
{
    std::vector<Position> t;

    // Page 1, "Nagłówek + dane".
    t.push_back(text(1, u"1. Numer Identyfikacji Podatkowej podatnika"_s, {}));
    t.push_back({u"p_4"_s, 4, PositionKind::Period, 1, u"4. Kwartał"_s, u"Wpisz mięsiąc."_s, KeyFilter::Digits, 2});
    t.push_back({u"p_5"_s, 5, PositionKind::Period, 1, u"5. Rok"_s, u"Wpisz rok."_s, KeyFilter::Digits, 4});
    t.push_back(text(6, u"6. Urząd skarbowy, do którego adresowana jest deklaracja "_s, u"Wpisz urząd skarbowy."_s));
    t.push_back({u"p_7"_s, 7, PositionKind::Choice, 1, u"7. Cel złożenia formularza"_s,
                 u"Wybierz cel złożenia deklaracji."_s, KeyFilter::Any, 0,
                 {u"1. złożenie deklaracji"_s, u"2. korekta deklaracji"_s}});
    t.push_back({u"p_8"_s, 8, PositionKind::Choice, 1, u"8. Rodzaj podatnika "_s,
                 u"Wybierz rodzaj podatnika."_s, KeyFilter::Any, 0,
                 {u"1. podatnik niebędący osobą fizyczną "_s, u"2. osoba fizyczna"_s}});
    t.push_back(text(9, u"9. Nazwa pełna * / Nazwisko, pierwsze imię, data urodzenia **"_s,
                     u"Wpisz nazwę* / nazwisko, imię i datę urodzenia**."_s));
    t.push_back(text(10, u"10. Kraj"_s, u"Wpisz kraj."_s));
    t.push_back({u"p_11"_s, 11, PositionKind::EditableList, 1, u"11. Województwo"_s,
                 u"Wybierz województwo."_s, KeyFilter::Any, 0,
                 {u"Dolnośląskie"_s, u"Lubelskie"_s, u"Lubuskie"_s, u"Łódzkie"_s,
                  u"Kujawsko-Pomorskie"_s, u"Małopolskie"_s, u"Mazowieckie"_s, u"Opolskie"_s,
                  u"Podkarpackie"_s, u"Podlaskie"_s, u"Pomorskie"_s, u"Śląskie"_s,
                  u"Świętokrzyskie"_s, u"Warmińsko-Mazurskie"_s, u"Wielkopolskie"_s,
                  u"Zachodniopomorskie"_s}});
    t.push_back(text(12, u"12. Powiat"_s, u"Wpisz powiat."_s));
    t.push_back(text(13, u"13. Gmina"_s, u"Wpisz gminę."_s));
    t.push_back(text(14, u"14. Ulica"_s, u"Wpisz ulicę."_s));
    t.push_back(text(15, u"15. Nr domu "_s, u"Wpisz numer domu."_s));
    t.push_back(text(16, u"16. Nr lokalu"_s, u"Wpisz numer lokalu."_s));
    t.push_back(text(17, u"17. Miejscowość"_s, u"Wpisz miejscowość."_s));
    t.push_back(text(18, u"18. Kod pocztowy"_s, u"Wpisz kod pocztowy."_s));
    t.push_back(text(19, u"19. Poczta"_s, u"Wpisz pocztę."_s));

    // Page 2, "Podatek należny".
    row(t, 20, 0, u"1. Dostawa towarów oraz świadczenie usług, na terytorium kraju, zwolnione od podatku"_s,
        u"Wpisz podstawę opodatkowania zwolnioną od podatku."_s);
    row(t, 21, 0, u"2. Dostawa towarów oraz świadczenie usług, poza terytorium kraju"_s,
        u"Wpisz podstawę opodatkowania dla towarów i usług poza terytorium kraju."_s);
    row(t, 22, 0, u"2a. w tym świadczenie usług, októrych mowa w art.100 ust.1 pkt 4 ustawy"_s,
        u"Wpisz podstawę opodatkowania dla usług, októrych mowa w art.100 ust.1 pkt 4 ustawy"_s);
    row(t, 23, 0, u"3. Dostawa towarów oraz świadczenie usług, na terytorium kraju, opodatkowana stawką 0%"_s,
        u"Wpisz podstawę opodatkowania dla stawki 0%."_s);
    row(t, 24, 0, u"3a. w tym dostawa towarów, o której mowa w art.129 ustawy"_s,
        u"Wpisz dostawę towarów, o której mowa w art. 129 ustawy."_s);
    row(t, 25, 26, u"4. Dostawa towarów oraz świadczenie usług, na terytorium kraju, opodatkowana stawką 3% lub 5%"_s,
        u"Wpisz podstawę opodatkowania dla stawki 3%."_s, u"Wpisz podatek należny dla stawki 3%."_s);
    row(t, 27, 28, u"5. Dostawa towarów oraz świadczenie usług, na terytorium kraju, opodatkowana stawką 7% lub 8%"_s,
        u"Wpisz podstawę opodatkowania dla stawki 7%."_s, u"Wpisz podatek należny dla stawki 7%."_s);
    row(t, 29, 30, u"6. Dostawa towarów oraz świadczenie usług, na terytorium kraju, opodatkowana stawką 22% lub 23%"_s,
        u"Wpisz podstawę opodatkowania dla stawki 22%."_s, u"Wpisz podatek należny dla stawki 22%."_s);
    row(t, 31, 0, u"7. Wewnątrzwspólnotowa dostawa towarów"_s,
        u"Wpisz podstawę opodatkowania od wewnątrzwspólnotowej dostawy towarów."_s);
    row(t, 32, 0, u"8. Eksport towarów"_s, u"Wpisz podatek od eksportu towarów."_s);
    row(t, 33, 34, u"9. Wewnątrzwspólnotowe nabycie towarów"_s,
        u"Wpisz podatek od wewnątrzwspólnotowego nabycia towarów."_s,
        u"Wpisz podatek od nabycia towarów."_s);
    row(t, 35, 36, u"10. Import towarów, podlegający rozliczeniu zgodnie z art.33a\nustawy"_s,
        u"Wpisz podstawę opodatkowania od importu towarów i usług podlegających rozliczeniu zgodnie z art.33a\nustawy."_s,
        u"Wpisz podatek od importu towarów i usług podlegających rozliczeniu zgodnie z art.33a\nustawy."_s);
    row(t, 37, 38, u"11. Import usług"_s, u"Wpisz podstawę opodatkowania od importu usług."_s,
        u"Wpisz podatek od importu usług."_s);
    row(t, 39, 40, u"11a. w tym nabycie od podatników podatku od wartości dodanej usług, do których stosuje się art.28b ustawy"_s,
        u"Wpisz podstawę opodatkowania od dostawy towarów, dla której podatnikiem jest nabywca."_s,
        u"Wpisz podatek od importu usług."_s);
    row(t, 41, 42, u"12. Dostawa towarów, dla której podatnikiem jest nabywca (wypełnia nabywca towarów)"_s,
        u"Wpisz podstawę opodatkowania od nabycia od podatników podatku od wartości dodanej usług, do których stosuje się art.28b ustawy"_s,
        u"Wpisz podatek od nabycia od podatników podatku od wartości dodanej usług, do których stosuje się art.28b ustawy"_s);
    row(t, 0, 43, u"13. Kwota podatku należnego od towarów i usług objętych spisem z natury, o którym mowa w art.14 ust.5 ustawy"_s,
        u"Wpisz kwotę podatku wynikającą ze spisu z natury."_s);
    row(t, 0, 44, u"14. Kwota podatku należnego od wewnątrzwspólnotowego nabycia środków transportu, wykazanego w poz.33, podlegająca wpłacie w terminie, o którym mowa w art.103 ust.3, w związku z ust.4 ustawy"_s,
        u"Wpisz kwotę podatku od wewnątrzwspólnotowego nabycia środków transportu."_s);
    row(t, 45, 46, u"Razem:"_s, u"Podstawa opodatkowania."_s, u"Podatek należny."_s);

    // Page 3, "Podatek naliczony".
    const auto in = AmountColumn::InputTax;
    const auto net = AmountColumn::NetValue;
    t.push_back(amount(47, 3, in, u"Kwota nadwyżki z poprzedniej deklaracji"_s,
                       u"Wpisz kwotę nadwyżki z poprzedniej deklaracji."_s));
    t.push_back(amount(48, 3, in, u"Kwota podatku naliczonego wynikającego ze spisu z natury, o którym mowa w art.113 ust.5 ustawy"_s,
                       u"Wpisz kwotę podatku naliczonego wynikającego ze spisu z natury."_s));
    const QString fixedAssets = u"Nabycie towarów i usług zaliczanych u podatnika do środków trwałych"_s;
    t.push_back(amount(49, 3, net, fixedAssets, u"Wpisz kwotę netto od nabycia środków trwałych."_s));
    t.push_back(amount(50, 3, in, fixedAssets, u"Wpisz podatek od nabycia środków trwałych."_s));
    const QString otherPurchases = u"Nabycie towarów i usług pozostałych"_s;
    t.push_back(amount(51, 3, net, otherPurchases, u"Wpisz kwotę netto od pozostałego nabycia."_s));
    t.push_back(amount(52, 3, in, otherPurchases, u"Wpisz podatek od pozostałych nabyć."_s));
    t.push_back(amount(53, 3, in, u"Korekta podatku naliczonego od nabycia środków trwałych"_s,
                       u"Wpisz korektę podatku naliczonego od nabycia śroków trwałych."_s));
    t.push_back(amount(54, 3, in, u"Korekta podatku naliczonego od pozostałych nabyć"_s,
                       u"Wpisz korektę podatku naliczonego od pozostałych nabyć."_s));
    t.push_back(amount(55, 3, in, u"Razem kwota podatku naliczonego do odliczenia"_s,
                       u"Kwota podatku naliczonego do odliczenia."_s));

    // Page 4, "Podsumowanie + pozostałe".
    const auto sum = AmountColumn::Summary;
    t.push_back(amount(56, 4, sum, u"Kwota wydatkowana na zakup kas rejestrujących, do odliczenia w danym okresie rozliczeniowym"_s,
                       u"Wpisz kwotę wydatkowaną na zakup kas rejestrujących, do odliczenia w danym okresie rozliczeniowym."_s));
    t.push_back(amount(57, 4, sum, u"Kwota podatku objęta zaniechaniem poboru"_s,
                       u"Wpisz kwotę podatku objętą zaniechaniem poboru."_s));
    t.push_back(amount(58, 4, sum, u"Kwota podatku podlegającego wpłacie do urzędu skarbowego"_s,
                       u"Kwota podatku podalegająca wpłacie do urzędu skarbowego."_s));
    t.push_back(amount(59, 4, sum, u"Kwota wydatkowana na zakup kas rejestrujących, przysługująca do zwrotu w danym okresie rozliczeniowym"_s,
                       u"Wpisz kwotę wydatkowaną na zakup kas rejestrujących, przysługująca do zwrotu w danym okresie rozliczeniowym."_s));
    t.push_back(amount(60, 4, sum, u"Nadwyżka podatku naliczonego nad należnym"_s, u"Nadwyżka podatku."_s));
    t.push_back(amount(61, 4, sum, u"Kwota do zwrotu na rachunek bankowy wskazany przez podatnika"_s,
                       u"Wpisz kwotę podatku do zwrotu na rachunek bankowy."_s));
    Position p62 = amount(62, 4, sum, u"w terminie 25 dni"_s, u"Wpisz kwotę do zwrotu w terminie 25 dni."_s);
    p62.groupCaption = u"w tym kwota do zwrotu"_s;
    t.push_back(p62);
    t.push_back(amount(63, 4, sum, u"w terminie 60 dni"_s, u"Wpisz kwotę do zwrotu w terminie 60 dni."_s));
    t.push_back(amount(64, 4, sum, u"w terminie 180 dni"_s, u"Wpisz kwotę do zwrotu w terminie 180 dni."_s));
    t.push_back(amount(65, 4, sum, u"Kwota do przeniesienia na następny okres rozliczeniowy"_s,
                       u"Wpisz kwotę do przeniesienia na nastepny okres rozliczeniowy."_s));

    const QString tick = u"Zaznacz pole."_s;
    t.push_back({u"p_66"_s, 66, PositionKind::CheckMark, 4, u"66.         art.119 ustawy "_s, tick});
    t.push_back({u"p_67"_s, 67, PositionKind::CheckMark, 4, u"67.         art.120 ust.4 lub 5 ustawy "_s, tick});
    t.push_back({u"p_68"_s, 68, PositionKind::CheckMark, 4, u"68.         art.122 ustawy "_s, tick});
    t.push_back({u"p_69"_s, 69, PositionKind::CheckMark, 4, u"69.         art.136 ustawy"_s, tick});

    const auto pair = [&](int n, const QString &caption) {
        Position yes{positionName(n) + u"_1"_s, n, PositionKind::YesNoBox, 4, u"Tak"_s, tick};
        yes.groupCaption = caption;
        t.push_back(yes);
        t.push_back({positionName(n) + u"_2"_s, n, PositionKind::YesNoBox, 4, u"Nie"_s, tick});
    };
    pair(70, u"70. Wniosek o zwrot podatku "_s);
    pair(71, u"71. Wniosek o przyspieszenie terminu zwrotu podatku"_s);

    for (Position p : {text(72, u"72. Imię"_s, u"Wpisz imię osoby składającej oświadczenie."_s),
                       text(73, u"74. Nazwisko "_s, u"Wpisz nazwisko osoby składającej oświadczenie."_s),
                       text(75, u"75. Telefon kontaktowy "_s, u"Wpisz telefon kontaktowy osoby składającej oświadczenie."_s)}) {
        p.page = 4;
        t.push_back(p);
    }
    t.push_back({u"p_76"_s, 76, PositionKind::Date, 4, u"76. Data wypełnienia (dzień - miesiąc - rok)"_s,
                 u"Wpisz datę wypełnienia deklaracji."_s, KeyFilter::DateChars, 10});
    return t;
}

} // namespace

bool Position::holdsText() const
{
    return kind != PositionKind::Choice && kind != PositionKind::CheckMark
        && kind != PositionKind::YesNoBox;
}

const std::vector<Position> &positions()
{
    static const std::vector<Position> table = buildTable();
    return table;
}

const Position *findPosition(const QString &name)
{
    static const QHash<QString, const Position *> byName = [] {
        QHash<QString, const Position *> h;
        for (const Position &p : positions())
            h.insert(p.name, &p);
        return h;
    }();
    return byName.value(name, nullptr);
}

QString positionName(int number)
{
    return u"p_"_s + QString::number(number);
}

QString pairPartner(const QString &name)
{
    const Position *p = findPosition(name);
    if (!p || p->kind != PositionKind::YesNoBox)
        return {};
    return positionName(p->number) + (name.endsWith(u"_1"_s) ? u"_2"_s : u"_1"_s);
}
