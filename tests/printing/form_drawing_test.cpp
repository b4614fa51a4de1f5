#include "printing/form_drawing.h"
#include "printing/lorqa_pages.h"
#include "printing/page_renderer.h"
#include "support/printing_fixtures.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

std::unique_ptr<PageComposition> makePage(int page)
{
    if (page == 1)
        return std::make_unique<Tlorqa_str1>();
    return std::make_unique<Tlorqa_str2>();
}

// A box in the drawing's own coordinates.
QRectF onDrawing(const PageComposition &page, const QString &box)
{
    const Artwork &art = page.artwork();
    return paperRect(page, box).translated(-page.bandOrigin() - QPointF(art.at.left, art.at.top));
}

QString describe(const QRectF &r)
{
    return u"(%1, %2, %3 x %4)"_s.arg(r.x(), 0, 'f', 1).arg(r.y(), 0, 'f', 1).arg(r.width(), 0, 'f', 1)
        .arg(r.height(), 0, 'f', 1);
}

} // namespace

class FormDrawingTest : public QObject
{
    Q_OBJECT

    // Captions are laid out for the device they are painted on; a PDF at
    // its own resolution is what lorqa-cli and the print dialog use.
    QBuffer m_out;
    std::unique_ptr<QPdfWriter> m_writer;

private Q_SLOTS:
    void initTestCase()
    {
        m_out.open(QIODevice::WriteOnly);
        m_writer = std::make_unique<QPdfWriter>(&m_out);
    }

    void pages_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("page 1") << 1;
        QTest::newRow("page 2") << 2;
    }

    // Every caption, as the renderer wraps and places it, stays within its
    // area and on the artwork, and clears every box, so that no caption is
    // cut off and none runs into a printed value.
    void captionsFitAndClearTheBoxes_data() { pages_data(); }
    void captionsFitAndClearTheBoxes()
    {
        QFETCH(int, page);
        const auto p = makePage(page);
        const Artwork &art = p->artwork();
        QVERIFY(art.drawing);
        const QRectF sheet(0, 0, art.width, art.height);
        QStringList faults;
        for (const Caption &caption : art.drawing->captions) {
            const std::vector<CaptionLine> lines = captionLines(caption, m_writer.get());
            if (lines.empty())
                faults.append(u"\"%1\" prints nothing"_s.arg(caption.text));
            for (const CaptionLine &line : lines) {
                const QString where = u"\"%1\" %2"_s.arg(line.text, describe(line.rect));
                if (!caption.area.adjusted(-0.05, -0.05, 0.05, 0.05).contains(line.rect))
                    faults.append(where + u" leaves its area "_s + describe(caption.area));
                if (!sheet.contains(line.rect))
                    faults.append(where + u" leaves the artwork"_s);
                for (const TextBox &b : p->boxes())
                    if (line.rect.intersects(onDrawing(*p, b.name)))
                        faults.append(where + u" overlaps box "_s + b.name);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"\n"_s)));
    }

    // A right-aligned amount ends where its field ends, a few points inside,
    // in either column; a field drawn wider than its box leaves the value
    // floating short of the field's edge.
    void amountFieldsEndWithTheirBoxes_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("box");
        for (int page : {1, 2}) {
            const auto p = makePage(page);
            for (const TextBox &b : p->boxes())
                if (b.align == BoxAlign::Right && b.font == BoxFont::Sans11)
                    QTest::addRow("page %d %s", page, qPrintable(b.name)) << page << b.name;
        }
    }
    void amountFieldsEndWithTheirBoxes()
    {
        QFETCH(int, page);
        QFETCH(QString, box);
        const auto p = makePage(page);
        const QRectF field = artworkRect(*p, u"field_"_s + box);
        QVERIFY2(!field.isEmpty(), "the drawing has no field for the box");
        const double gap = field.right() - paperRect(*p, box).right();
        QVERIFY2(gap >= 0 && gap <= 10, qPrintable(u"field ends %1 points after the box"_s.arg(gap)));
    }
};

QTEST_MAIN(FormDrawingTest)
#include "form_drawing_test.moc"
