#include "files/print_settings.h"
#include "printing/lorqa_pages.h"
#include "printing/page_renderer.h"
#include "printing/print_job.h"
#include "support/printing_fixtures.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Both pages of a declaration as the print command composes them, written to
// a PDF and read back word by word.
struct Printout
{
    Tlorqa_str1 str1;
    Tlorqa_str2 str2;
    QList<PdfWord> words;
    QTemporaryDir dir;
    QString path;

    PageComposition &page(int n) { return n == 1 ? static_cast<PageComposition &>(str1) : str2; }

    void print(const FieldAccess &fields, const PrintSettings &settings = {})
    {
        path = dir.filePath(u"out.pdf"_s);
        {
            PrintJob job({&str1, &str2}, fields, settings);
            QPdfWriter writer(path);
            job.paint(writer);
        }
        words = pdfWords(path);
    }

    // The words printed in a box (a little room around it for the glyphs).
    QList<PdfWord> inBox(int n, const QString &box, QPointF shift = {}) const
    {
        const QRectF r = paperRect(n == 1 ? static_cast<const PageComposition &>(str1) : str2, box);
        return wordsIn(words, n, r.translated(shift).adjusted(-2, -2, 2, 2));
    }
};

// The full declaration printed once, on blank paper, for the tests that only
// read it.
Printout &fullPrintout()
{
    static Printout p;
    if (p.words.isEmpty())
        p.print(fullDeclaration());
    return p;
}

// The share of the sheet that is not white, from a coarse rendering.
double inkedShare(const QString &pdf, int page)
{
    const QImage image = pdfPageImage(pdf, page, 20);
    if (image.isNull())
        return -1;
    qsizetype inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += qGray(image.pixel(x, y)) < 250;
    return double(inked) / (image.width() * image.height());
}

QString collapsed(QString text)
{
    return text.simplified();
}

// The PDF's text as a reader finds it, each run of blanks one space.
QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(u"pdftotext"_s, {pdf, u"-"_s});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

} // namespace

class PdfOutputTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every box of a full declaration: its text, and nothing else, inside
    // the box; right-aligned texts end at the box's right edge, left-aligned
    // ones begin at its left edge.
    void valuesAtTheirPlaces_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("box");
        Printout p;
        for (int n : {1, 2})
            for (const TextBox &b : p.page(n).boxes())
                QTest::addRow("page %d %s", n, qPrintable(b.name)) << n << b.name;
    }
    void valuesAtTheirPlaces()
    {
        QFETCH(int, page);
        QFETCH(QString, box);
        Printout &p = fullPrintout();

        const TextBox &b = *p.page(page).box(box);
        const QList<PdfWord> found = p.inBox(page, box);
        QCOMPARE(joined(found), collapsed(b.text));
        if (found.isEmpty())
            return;
        const QRectF r = paperRect(p.page(page), box);
        if (b.align == BoxAlign::Right)
            QVERIFY2(qAbs(found.last().rect.right() - r.right()) < 1.0,
                     qPrintable(u"ends at %1, box ends at %2"_s.arg(found.last().rect.right()).arg(r.right())));
        else
            QVERIFY2(found.first().rect.left() >= r.left() - 0.5 && found.first().rect.left() < r.left() + 2.5,
                     qPrintable(u"begins at %1, box begins at %2"_s.arg(found.first().rect.left()).arg(r.left())));
    }

    // Amounts end 518 and 708 points from the band's left edge; page 2's
    // totals are placed from the paper's corner.
    void amountEdges_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("box");
        QTest::addColumn<double>("right");       // from the band's left edge, or the paper's
        QTest::addColumn<bool>("fromPaper");
        QTest::newRow("left column") << 1 << u"p_25"_s << 518.0 << false;
        QTest::newRow("right column") << 1 << u"p_26"_s << 708.0 << false;
        QTest::newRow("negative amount") << 1 << u"p_44"_s << 708.0 << false;
        QTest::newRow("total placed from the paper") << 2 << u"p_45"_s << 553.0 << true;
    }
    void amountEdges()
    {
        QFETCH(int, page);
        QFETCH(QString, box);
        QFETCH(double, right);
        QFETCH(bool, fromPaper);
        Printout &p = fullPrintout();
        const QList<PdfWord> found = p.inBox(page, box);
        QCOMPARE(found.size(), 1);
        const double origin = fromPaper ? 0 : p.page(page).bandOrigin().x();
        QVERIFY2(qAbs(found.first().rect.right() - origin - right) < 1.0,
                 qPrintable(QString::number(found.first().rect.right() - origin)));
    }

    // NIP, quarter, year and date: one character in each cell of the form.
    void oneCharacterPerCell_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("characters");
        QTest::newRow("NIP") << 1 << u"p_1"_s << u"1234563218"_s;
        QTest::newRow("quarter") << 1 << u"p_4"_s << u"3"_s;
        QTest::newRow("year") << 1 << u"p_5"_s << u"2011"_s;
        QTest::newRow("date") << 2 << u"p_76"_s << u"20102011"_s;
    }
    void oneCharacterPerCell()
    {
        QFETCH(int, page);
        QFETCH(QString, box);
        QFETCH(QString, characters);
        Printout &p = fullPrintout();
        const QList<PdfWord> found = p.inBox(page, box);
        QCOMPARE(found.size(), characters.size());
        for (int i = 0; i < found.size(); ++i) {
            QCOMPARE(found.at(i).text, QString(characters.at(i)));
            const QRectF cell = artworkRect(p.page(page), u"cell_%1_%2"_s.arg(box).arg(i));
            QVERIFY2(cell.contains(found.at(i).rect.adjusted(0, 0.5, 0, -0.5)),
                     qPrintable(u"character %1 outside its cell"_s.arg(i)));
        }
    }

    void marksOnlyWhereChecked()
    {
        Printout &p = fullPrintout();
        QStringList marked;
        for (int n : {1, 2})
            for (const TextBox &b : p.page(n).boxes())
                for (const PdfWord &w : p.inBox(n, b.name))
                    if (w.text == u"x"_s)
                        marked.append(b.name);
        QCOMPARE(marked, (QStringList{u"p_7_2"_s, u"p_8_1"_s, u"p_66"_s, u"p_68"_s, u"p_70_1"_s, u"p_71_2"_s}));
        int marks = 0;
        for (const PdfWord &w : p.words)
            marks += w.text == u"x"_s;
        QCOMPARE(marks, marked.size());
    }

    // A text wider than its box prints its first line only, broken at a space.
    void longNameCutToFirstLine()
    {
        TDeklaracja d = fullDeclaration();
        QStringList name;
        for (int i = 1; i <= 40; ++i)
            name.append(u"Słowo%1"_s.arg(i));
        d.setText(u"p_9"_s, name.join(u' '));
        Printout p;
        p.print(d);
        const QStringList printed = joined(p.inBox(1, u"p_9"_s)).split(u' ');
        QVERIFY(printed.size() > 5);
        QVERIFY(printed.size() < name.size());
        QCOMPARE(printed, name.mid(0, printed.size()));
        for (const PdfWord &w : p.words)
            QVERIFY(w.text != name.last());
    }

    // EditX 10, EditY -5, EditWsp 1,02: p_24 at (370, 642) from the band,
    // and no artwork.
    void onFormShiftExample()
    {
        Printout p;
        p.print(fullDeclaration(), PrintSettings{true, 10, -5, 1.02});
        const QPointF band = p.str1.bandOrigin();
        const QRectF expected(band.x() + 370, band.y() + 642, 158, 18);
        const QList<PdfWord> found = wordsIn(p.words, 1, expected.adjusted(-2, -2, 2, 2));
        QCOMPARE(joined(found), u"3664"_s);
        QVERIFY(qAbs(found.first().rect.right() - expected.right()) < 1.0);
        QVERIFY2(qAbs(found.first().rect.top() - expected.top()) < 1.5, qPrintable(QString::number(found.first().rect.top() - expected.top())));
        for (int page : {1, 2}) {
            const double ink = inkedShare(p.path, page);
            QVERIFY2(ink >= 0 && ink < 0.03, qPrintable(u"page %1: %2 inked"_s.arg(page).arg(ink)));
        }
    }

    // The whole form: the artwork fills the sheet, and the boxes are back at
    // their design places after a printout on a pre-printed form.
    void artworkOnBlankPaper()
    {
        Printout p;
        p.print(fullDeclaration(), PrintSettings{true, 10, -5, 1.02});
        p.print(fullDeclaration());
        for (int page : {1, 2}) {
            const double ink = inkedShare(p.path, page);
            QVERIFY2(ink > 0.5, qPrintable(u"page %1: %2 inked"_s.arg(page).arg(ink)));
        }
        QVERIFY(qAbs(p.inBox(1, u"p_24"_s).first().rect.right() - paperRect(p.str1, u"p_24"_s).right()) < 1.0);
    }

    // The form's own text is real text in the PDF, with the form's numbering
    // and without the main window's typos.
    void formTextIsSearchable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("present");
        QTest::newRow("title") << u"DEKLARACJA DLA PODATKU OD TOWARÓW I USŁUG"_s << true;
        QTest::newRow("amount to pay") << u"Kwota podatku podlegającego wpłacie do urzędu skarbowego"_s << true;
        QTest::newRow("section A") << u"A. MIEJSCE I CEL SKŁADANIA DEKLARACJI"_s << true;
        QTest::newRow("section D.2") << u"D.2. NABYCIE TOWARÓW I USŁUG"_s << true;
        QTest::newRow("section H") << u"H. OŚWIADCZENIE PODATNIKA"_s << true;
        QTest::newRow("legal basis") << u"Podstawa prawna:"_s << true;
        QTest::newRow("place of filing") << u"Miejsce składania:"_s << true;
        QTest::newRow("instruction") << u"Pouczenie"_s << true;
        QTest::newRow("tax office's section") << u"J. ADNOTACJE URZĘDU SKARBOWEGO"_s << true;
        QTest::newRow("first name") << u"72. Imię"_s << true;
        QTest::newRow("surname") << u"73. Nazwisko"_s << true;
        QTest::newRow("signature") << u"74. Podpis"_s << true;
        QTest::newRow("surname numbered as the signature") << u"74. Nazwisko"_s << false;
        QTest::newRow("words run together") << u"októrych"_s << false;
        QTest::newRow("lower-case l for I") << u"MIEJSCE l CEL"_s << false;
    }
    void formTextIsSearchable()
    {
        QFETCH(QString, text);
        QFETCH(bool, present);
        const QString all = pdfText(fullPrintout().path);
        QVERIFY(!all.isEmpty());
        QCOMPARE(all.contains(text), present);
    }

    // On a pre-printed form the sheet carries the values alone: every word
    // of the PDF lies in a box.
    void onFormPrintsOnlyTheValues()
    {
        Printout p;
        p.print(fullDeclaration(), PrintSettings{true, 0, 0, 1});
        QVERIFY(!p.words.isEmpty());
        QStringList stray;
        for (const PdfWord &w : p.words) {
            bool inBox = false;
            for (const TextBox &b : p.page(w.page).boxes())
                inBox = inBox || paperRect(p.page(w.page), b.name).adjusted(-2, -2, 2, 2).contains(w.rect.center());
            if (!inBox)
                stray.append(u"page %1: %2"_s.arg(w.page).arg(w.text));
        }
        QVERIFY2(stray.isEmpty(), qPrintable(stray.join(u", "_s)));
    }

    // Text as text, not outlines: both pages of a full declaration stay small
    // enough to mail and archive.
    void fullFormIsSmall()
    {
        const qint64 size = QFileInfo(fullPrintout().path).size();
        QVERIFY2(size > 0 && size < 200 * 1024, qPrintable(u"%1 bytes"_s.arg(size)));
    }
};

QTEST_MAIN(PdfOutputTest)
#include "pdf_output_test.moc"
