#include "printing/form_drawing_builder.h"

using namespace Qt::Literals::StringLiterals;

// Page 1 of the form: identification, period, title and legal basis,
// sections A and B, and section C up to position 44.
std::shared_ptr<const FormDrawing> drawFormPage1(const PageComposition &page)
{
    using B = FormDrawingBuilder;
    using enum Ground;
    constexpr double L = B::Left, R = B::Right, C1 = B::Column1, C2 = B::Column2;
    B d(page);
    d.rect(B::Frame, 4, R, 1040, Paper, 1.0);

    // NIP and the tax office's own fields
    d.field(u"p_1"_s, L, 8, 318, 60, u"1. Numer Identyfikacji Podatkowej podatnika"_s);
    d.cells(u"p_1"_s, d.spacedFromLeft(u"p_1"_s, 10), 31, 57);
    d.field({}, 318, 8, 520, 60, u"2. Nr dokumentu"_s, Shade);
    d.field({}, 520, 8, R, 60, u"3. Status"_s, Shade);

    // designation, title and period
    d.text(QRectF(L + 4, 84, 160, 30), u"LorqaK(6)"_s, 24, true);
    d.text(QRectF(202, 64, R - 202, 20), u"DEKLARACJA DLA PODATKU OD TOWARÓW I USŁUG"_s, 15, true);
    d.text(QRectF(200, 100, 20, 16), u"za"_s, 12, true);
    d.field(u"p_4"_s, 222, 86, 292, 124, u"4. Kwartał"_s);
    d.cells(u"p_4"_s, d.spacedFromLeft(u"p_4"_s, 2), 97, 120);
    d.field(u"p_5"_s, 296, 86, 430, 124, u"5. Rok"_s);
    d.cells(u"p_5"_s, d.spacedFromLeft(u"p_5"_s, 4), 97, 120);

    // the legal basis, in two columns under the title
    constexpr double legal = 7.0, step = legal * 1.15, top = 128;
    d.labelled(L + 3, top, 368, 64, u"Podstawa prawna:"_s,
               u"art. 99 ust. 2 ustawy z dnia 11 marca 2004 r. o podatku od towarów i usług, "
               u"z późniejszymi zmianami (dalej: ustawa)."_s, 2, legal);
    d.labelled(L + 3, top + 2 * step, 368, 64, u"Składający:"_s,
               u"podatnik rozliczający podatek za okresy kwartalne."_s, 1, legal);
    d.labelled(376, top, R - 3, 70, u"Termin składania:"_s,
               u"do 25. dnia miesiąca następującego po kwartale, którego deklaracja dotyczy."_s, 2,
               legal);
    d.labelled(376, top + 2 * step, R - 3, 70, u"Miejsce składania:"_s,
               u"urząd skarbowy właściwy dla podatnika."_s, 1, legal);

    // A
    d.heading(158, 174, u"A. MIEJSCE I CEL SKŁADANIA DEKLARACJI"_s);
    d.field(u"p_6"_s, L, 174, 440, 222, u"6. Urząd skarbowy, do którego adresowana jest deklaracja"_s);
    d.field({}, 440, 174, R, 222, u"7. Cel złożenia formularza (zaznaczyć właściwy kwadrat):"_s);
    d.tick(u"p_7_1"_s, u"1. złożenie deklaracji"_s, 120);
    d.tick(u"p_7_2"_s, u"2. korekta deklaracji"_s, 98);

    // B
    d.heading(224, 240, u"B. DANE PODATNIKA"_s);
    d.heading(240, 254, u"B.1. DANE IDENTYFIKACYJNE"_s, true);
    d.field({}, L, 254, R, 310, u"8. Rodzaj podatnika (zaznaczyć właściwy kwadrat):"_s);
    d.tick(u"p_8_1"_s, u"1. podatnik niebędący osobą fizyczną"_s, 250);
    d.tick(u"p_8_2"_s, u"2. osoba fizyczna"_s, 200);
    d.field(u"p_9"_s, L, 310, R, 346, u"9. Nazwa pełna * / Nazwisko, pierwsze imię, data urodzenia **"_s);
    d.heading(348, 364, u"B.2. ADRES SIEDZIBY * / ADRES ZAMIESZKANIA **"_s, true);
    struct Cell { int n; double x0, x1; const char16_t *caption; };
    const Cell address[][4] = {
        {{10, L, 176, u"10. Kraj"}, {11, 176, 484, u"11. Województwo"}, {12, 484, R, u"12. Powiat"}, {}},
        {{13, L, 212, u"13. Gmina"}, {14, 212, 566, u"14. Ulica"}, {15, 566, 639, u"15. Nr domu"},
         {16, 639, R, u"16. Nr lokalu"}},
        {{17, L, 326, u"17. Miejscowość"}, {18, 326, 438, u"18. Kod pocztowy"}, {19, 438, R, u"19. Poczta"}, {}},
    };
    const double rowTops[] = {364, 406, 438, 470};
    for (int row = 0; row < 3; ++row)
        for (const Cell &c : address[row])
            if (c.n)
                d.field(u"p_%1"_s.arg(c.n), c.x0, rowTops[row], c.x1, rowTops[row + 1],
                        QString::fromUtf16(c.caption));

    // C
    d.heading(472, 488, u"C. ROZLICZENIE TRANSAKCJI PODLEGAJĄCYCH OPODATKOWANIU ORAZ PODATKU NALEŻNEGO"_s);
    d.rect(L, 488, C1, 503, Tint);
    d.text(QRectF(L + 3, 488, C1 - L - 6, 15), u"C.1. DOSTAWA TOWARÓW ORAZ ŚWIADCZENIE USŁUG"_s, 8.5, true,
           CaptionAlign::Left, true);
    d.rect(C1, 488, C2, 503, Tint);
    d.text(QRectF(C1, 488, C2 - C1, 15), u"Podstawa opodatkowania w zł"_s, 8.5, true, CaptionAlign::Centre, true);
    d.rect(C2, 488, R, 503, Tint);
    d.text(QRectF(C2, 488, R - C2, 15), u"Podatek należny w zł"_s, 8.5, true, CaptionAlign::Centre, true);

    struct Row { double top; int base, tax; const char16_t *caption; };
    const Row rows[] = {
        {503, 20, 0, u"1. Dostawa towarów oraz świadczenie usług na terytorium kraju, zwolnione od podatku"},
        {535, 21, 0, u"2. Dostawa towarów oraz świadczenie usług poza terytorium kraju"},
        {567, 22, 0, u"2a. w tym świadczenie usług, o których mowa w art. 100 ust. 1 pkt 4 ustawy"},
        {599, 23, 0, u"3. Dostawa towarów oraz świadczenie usług na terytorium kraju, opodatkowane stawką 0%"},
        {629, 24, 0, u"3a. w tym dostawa towarów, o której mowa w art. 129 ustawy"},
        {661, 25, 26, u"4. Dostawa towarów oraz świadczenie usług na terytorium kraju, opodatkowane stawką 3% lub 5%"},
        {693, 27, 28, u"5. Dostawa towarów oraz świadczenie usług na terytorium kraju, opodatkowane stawką 7% lub 8%"},
        {725, 29, 30, u"6. Dostawa towarów oraz świadczenie usług na terytorium kraju, opodatkowane stawką 22% lub 23%"},
        {757, 31, 0, u"7. Wewnątrzwspólnotowa dostawa towarów"},
        {791, 32, 0, u"8. Eksport towarów"},
        {821, 33, 34, u"9. Wewnątrzwspólnotowe nabycie towarów"},
        {853, 35, 36, u"10. Import towarów podlegający rozliczeniu zgodnie z art. 33a ustawy"},
        {883, 37, 38, u"11. Import usług"},
        {913, 39, 40, u"11a. w tym nabycie od podatników podatku od wartości dodanej usług, do których stosuje się "
                      u"art. 28b ustawy"},
        {943, 41, 42, u"12. Dostawa towarów, dla której podatnikiem jest nabywca (wypełnia nabywca towarów)"},
        {975, 0, 43, u"13. Kwota podatku należnego od towarów i usług objętych spisem z natury, o którym mowa "
                     u"w art. 14 ust. 5 ustawy"},
        {1007, 0, 44, u"14. Kwota podatku należnego od wewnątrzwspólnotowego nabycia środków transportu, "
                      u"wykazanego w poz. 33, do wpłaty w terminie, o którym mowa w art. 103 ust. 3 "
                      u"w związku z ust. 4 ustawy"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const double bottom = i + 1 < std::size(rows) ? rows[i + 1].top : 1039;
        d.amountRow(rows[i].top, bottom, rows[i].base, rows[i].tax, QString::fromUtf16(rows[i].caption));
    }

    d.text(QRectF(L, 1041, 400, 9), u"* - dotyczy podmiotów niebędących osobami fizycznymi"_s);
    d.text(QRectF(L, 1050, 400, 9), u"** - dotyczy podmiotów będących osobami fizycznymi"_s);
    d.footer(1, 1056);
    return d.finish();
}
