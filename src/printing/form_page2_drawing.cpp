#include "printing/form_drawing_builder.h"

using namespace Qt::Literals::StringLiterals;

// Page 2 of the form: the totals of section C, sections D to H, the
// instruction and the tax office's annotations.
std::shared_ptr<const FormDrawing> drawFormPage2(const PageComposition &page)
{
    using B = FormDrawingBuilder;
    using enum Ground;
    constexpr double L = B::Left, R = B::Right, C1 = B::Column1, C2 = B::Column2;
    B d(page);
    const auto head = [&](double x0, double y0, double x1, double y1, const QString &title, double size) {
        d.rect(x0, y0, x1, y1, Tint);
        d.text(QRectF(x0, y0, x1 - x0, y1 - y0), title, size, true, CaptionAlign::Centre, true);
    };
    const auto row = [&](double y0, double y1, int base, int tax, const QString &caption) {
        d.amountRow(y0, y1, base, tax, caption, base < 0 ? C2 : C1);
    };
    d.rect(B::Frame, 4, R, 1040, Paper, 1.0);

    // the end of C: the totals, whose boxes are placed from the paper's corner
    d.heading(4, 15, u"C. ROZLICZENIE TRANSAKCJI PODLEGAJĄCYCH OPODATKOWANIU ORAZ PODATKU NALEŻNEGO (cd.)"_s);
    head(C1, 15, C2, 24, u"Podstawa opodatkowania w zł"_s, 7);
    head(C2, 15, R, 24, u"Podatek należny w zł"_s, 7);
    d.rect(L, 24, C1, 62, Paper);
    d.text(QRectF(L + 3, 24, C1 - L - 9, 38), u"Razem:"_s, 10, true, CaptionAlign::Right, true);
    d.field(u"p_45"_s, C1, 24, C2, 62, u"45."_s);
    d.field(u"p_46"_s, C2, 24, R, 62, u"46."_s);

    // D
    d.heading(64, 80, u"D. ROZLICZENIE PODATKU NALICZONEGO"_s);
    d.heading(80, 96, u"D.1. PRZENIESIENIA"_s, true);
    head(C2, 96, R, 122, u"Podatek do odliczenia w zł"_s, 8.5);
    row(122, 152, -1, 47, u"Kwota nadwyżki z poprzedniej deklaracji"_s);
    row(152, 184, -1, 48, u"Kwota podatku naliczonego wynikającego ze spisu z natury, o którym mowa "
                          u"w art. 113 ust. 5 ustawy"_s);
    d.heading(186, 202, u"D.2. NABYCIE TOWARÓW I USŁUG ORAZ PODATEK NALICZONY Z UWZGLĘDNIENIEM KOREKT"_s, true);
    head(C1, 202, C2, 220, u"Wartość netto w zł"_s, 8.5);
    head(C2, 202, R, 220, u"Podatek naliczony w zł"_s, 8.5);
    row(220, 251, 49, 50, u"Nabycie towarów i usług zaliczanych u podatnika do środków trwałych"_s);
    row(251, 283, 51, 52, u"Nabycie towarów i usług pozostałych"_s);
    d.heading(286, 302, u"D.3. PODATEK NALICZONY – DO ODLICZENIA (w zł)"_s, true);
    row(304, 344, -1, 53, u"Korekta podatku naliczonego od nabycia środków trwałych"_s);
    row(344, 377, -1, 54, u"Korekta podatku naliczonego od pozostałych nabyć"_s);
    row(377, 409, -1, 55, u"Razem kwota podatku naliczonego do odliczenia"_s);

    // E
    d.heading(416, 432, u"E. OBLICZENIE WYSOKOŚCI ZOBOWIĄZANIA PODATKOWEGO LUB KWOTY ZWROTU (w zł)"_s);
    row(436, 476, -1, 56, u"Kwota wydatkowana na zakup kas rejestrujących, do odliczenia w danym okresie "
                          u"rozliczeniowym"_s);
    row(476, 508, -1, 57, u"Kwota podatku objęta zaniechaniem poboru"_s);
    row(508, 539, -1, 58, u"Kwota podatku podlegającego wpłacie do urzędu skarbowego"_s);
    row(539, 569, -1, 59, u"Kwota wydatkowana na zakup kas rejestrujących, przysługująca do zwrotu w danym "
                          u"okresie rozliczeniowym"_s);
    row(569, 601, -1, 60, u"Nadwyżka podatku naliczonego nad należnym"_s);
    row(601, 629, -1, 61, u"Kwota do zwrotu na rachunek bankowy wskazany przez podatnika"_s);
    // The three terms of the refund, each captioned above its box.
    d.rect(L, 629, 182, 663, Paper);
    d.text(QRectF(L + 3, 630, 146, 32), u"w tym kwota do zwrotu:"_s, B::CaptionSize, false,
           CaptionAlign::Left, true);
    // Position 62's box reaches past the first column's edge.
    d.field(u"p_62"_s, 182, 629, 350, 663, u"62. w terminie 25 dni"_s);
    d.field(u"p_63"_s, 350, 629, C2, 663, u"63. w terminie 60 dni"_s);
    d.field(u"p_64"_s, C2, 629, R, 663, u"64. w terminie 180 dni"_s);
    row(663, 695, -1, 65, u"Kwota do przeniesienia na następny okres rozliczeniowy"_s);

    // F
    d.heading(697, 713, u"F. INFORMACJE DODATKOWE"_s);
    d.text(QRectF(L + 3, 714, R - L - 6, 14),
           u"Podatnik wykonywał w okresie rozliczeniowym czynności, o których mowa w "
           u"(zaznaczyć właściwe kwadraty):"_s, 8, false, CaptionAlign::Left, true);
    d.rect(L, 729, R, 763, White);
    d.tick(u"p_66"_s, u"art. 119 ustawy"_s, 100, u"66."_s);
    d.tick(u"p_67"_s, u"art. 120 ust. 4 lub 5 ustawy"_s, 130, u"67."_s);
    d.tick(u"p_68"_s, u"art. 122 ustawy"_s, 100, u"68."_s);
    d.tick(u"p_69"_s, u"art. 136 ustawy"_s, 100, u"69."_s);

    // G
    d.heading(765, 781, u"G. INFORMACJA O ZAŁĄCZNIKACH"_s);
    d.text(QRectF(L + 3, 781, R - L - 6, 11), u"Do niniejszej deklaracji dołączono:"_s, 8, false,
           CaptionAlign::Left, true);
    d.field({}, L, 792, 372, 826, u"70. Wniosek o zwrot podatku"_s);
    d.field({}, 372, 792, R, 826, u"71. Wniosek o przyspieszenie terminu zwrotu podatku"_s, White, 120);
    for (const QString &n : {u"70"_s, u"71"_s}) {
        d.tick(u"p_%1_1"_s.arg(n), u"Tak"_s, 40);
        d.tick(u"p_%1_2"_s.arg(n), u"Nie"_s, 40);
    }

    // H
    d.heading(828, 843, u"H. OŚWIADCZENIE PODATNIKA LUB OSOBY REPREZENTUJĄCEJ PODATNIKA"_s);
    d.text(QRectF(L + 3, 843, R - L - 6, 12),
           u"Oświadczam, że dane w tej deklaracji są zgodne z prawdą i że znam przepisy Kodeksu karnego "
           u"skarbowego o odpowiedzialności za podanie danych nieprawdziwych."_s, 8, false,
           CaptionAlign::Left, true);
    d.field(u"p_72"_s, L, 855, 206, 888, u"72. Imię"_s);
    d.field(u"p_73"_s, 206, 855, 480, 888, u"73. Nazwisko"_s);
    d.field({}, 480, 855, R, 922, u"74. Podpis podatnika lub osoby reprezentującej podatnika"_s);
    d.field(u"p_75"_s, L, 888, 206, 922, u"75. Telefon kontaktowy"_s);
    d.field(u"p_76"_s, 206, 888, 480, 922, u"76. Data wypełnienia (dzień - miesiąc - rok)"_s);
    // dd-mm-yyyy spaced with each dash as a gap: 17 characters ending at the
    // box's right edge, a cell for each digit and a dash in each gap.
    const QRectF date = d.box(u"p_76"_s);
    const double start = date.right() - 17 * MonoPitch;
    std::vector<double> digits;
    for (int k : {0, 2, 5, 7, 10, 12, 14, 16})
        digits.push_back(start + k * MonoPitch);
    d.cells(u"p_76"_s, digits, 897, 920);
    for (int k : {4, 9}) {
        const double x = start + k * MonoPitch;
        d.line(x - 2.5, 906, x + 2.5, 906, 0.9);
    }

    // the instruction
    d.text(QRectF(L + 3, 926, R - L - 6, 11), u"Pouczenie"_s, 9, true, CaptionAlign::Centre, true);
    d.text(QRectF(L + 3, 937, R - L - 6, 30),
           u"Jeżeli kwota z poz. 58 nie zostanie wpłacona w terminie albo zostanie wpłacona tylko w części, "
           u"ta deklaracja jest podstawą do wystawienia tytułu wykonawczego, na którego podstawie należność "
           u"można ściągnąć w egzekucji administracyjnej. Kto w deklaracji podaje nieprawdę lub zataja "
           u"prawdę i przez to naraża podatek na uszczuplenie, odpowiada na podstawie Kodeksu karnego "
           u"skarbowego."_s, B::CaptionSize);

    // J, filled by the tax office
    d.heading(968, 984, u"J. ADNOTACJE URZĘDU SKARBOWEGO"_s);
    d.field({}, L, 984, R, 1012, u"77. Uwagi urzędu skarbowego"_s, Shade);
    d.field({}, L, 1012, 372, 1038, u"78. Identyfikator przyjmującego formularz"_s, Shade);
    d.field({}, 372, 1012, R, 1038, u"79. Podpis przyjmującego formularz"_s, Shade);

    d.footer(2, 1056);
    return d.finish();
}
