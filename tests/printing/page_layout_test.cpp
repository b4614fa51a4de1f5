#include "declaration/errors.h"
#include "files/print_settings.h"
#include "printing/lorqa_pages.h"
#include "printing/page_renderer.h"
#include "printing/print_job.h"
#include "support/printing_fixtures.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTest>

#include <limits>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

std::unique_ptr<PageComposition> makePage(int page)
{
    if (page == 1)
        return std::make_unique<Tlorqa_str1>();
    return std::make_unique<Tlorqa_str2>();
}

PrintSettings onForm(qint64 x, qint64 y, double scale)
{
    return PrintSettings{true, x, y, scale};
}

// A declaration whose reading fails halfway, as a conversion error would.
class FailingFields : public TDeklaracja
{
public:
    QString text(const QString &name) const override
    {
        if (name == u"p_30"_s)
            throw ConversionError(u"abc"_s);
        return TDeklaracja::text(name);
    }
};

} // namespace

Q_DECLARE_METATYPE(PrintSettings)

class PageLayoutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Band boxes measured from the margins, page boxes from the paper's
    // corner: each must lie wholly in the field the drawing gives it.
    void everyBoxLiesInItsField_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("box");
        for (int page : {1, 2}) {
            const auto p = makePage(page);
            for (const TextBox &b : p->boxes())
                QTest::addRow("page %d %s", page, qPrintable(b.name)) << page << b.name;
        }
    }
    void everyBoxLiesInItsField()
    {
        QFETCH(int, page);
        QFETCH(QString, box);
        const auto p = makePage(page);
        const QRectF field = artworkRect(*p, u"field_"_s + box);
        QVERIFY2(!field.isEmpty(), "the drawing has no field for the box");
        const QRectF r = paperRect(*p, box);
        QVERIFY2(field.contains(r), qPrintable(u"box (%1, %2, %3 x %4) outside field (%5, %6, %7 x %8)"_s
                                                    .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                                                    .arg(field.x()).arg(field.y()).arg(field.width())
                                                    .arg(field.height())));
    }

    void artworkIsOurDrawingAtItsOwnSize_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("width");
        QTest::newRow("page 1") << 1 << 721;
        QTest::newRow("page 2") << 2 << 725;
    }
    void artworkIsOurDrawingAtItsOwnSize()
    {
        QFETCH(int, page);
        QFETCH(int, width);
        const auto p = makePage(page);
        QCOMPARE(p->artwork().width, width);
        QCOMPARE(p->artwork().height, 1063);
        QVERIFY(p->artwork().visible);
    }

    // A box designed at (Left, Top) goes to (Left + dx, trunc(Top × f) + dy)
    // from its own anchor.
    void shiftAndScale_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("box");
        QTest::addColumn<PrintSettings>("settings");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");

        QTest::newRow("example of the Options dialog") << 1 << u"p_24"_s << onForm(10, -5, 1.02) << 370 << 642;
        QTest::newRow("no shift") << 1 << u"p_24"_s << onForm(0, 0, 1) << 360 << 635;
        QTest::newRow("shift left and up") << 2 << u"p_76"_s << onForm(-5, -7, 1) << 233 << 890;
        QTest::newRow("page box scaled from the paper") << 2 << u"p_45"_s << onForm(0, 3, 2) << 395 << 131;
        QTest::newRow("huge shift stays in range") << 1 << u"p_1"_s
            << onForm(std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::min(), 1)
            << std::numeric_limits<int>::max() << std::numeric_limits<int>::min();
        QTest::newRow("huge scale stays in range") << 1 << u"p_1"_s << onForm(0, 0, 1e300)
            << 56 << std::numeric_limits<int>::max();
        QTest::newRow("huge negative scale stays in range") << 1 << u"p_1"_s << onForm(0, 0, -1e300)
            << 56 << std::numeric_limits<int>::min();
    }
    void shiftAndScale()
    {
        QFETCH(int, page);
        QFETCH(QString, box);
        QFETCH(PrintSettings, settings);
        QFETCH(int, left);
        QFETCH(int, top);

        const auto p = makePage(page);
        const auto design = p->placements();
        p->ZastosujOpcjeWydruku(settings);
        QCOMPARE(p->box(box)->at, (Placement{left, top}));
        QVERIFY(!p->artwork().visible);
        QVERIFY(p->isShifted());

        p->PrzywrocPolozenia();
        QVERIFY(p->placements() == design);
        QVERIFY(p->artwork().visible);
        QVERIFY(!p->isShifted());
    }

    void wholeFormLeavesThePageAlone()
    {
        Tlorqa_str1 page;
        const auto design = page.placements();
        page.ZastosujOpcjeWydruku(PrintSettings{false, 10, 10, 2});
        QVERIFY(page.placements() == design);
        QVERIFY(page.artwork().visible);
        QVERIFY(!page.isShifted());
        page.PrzywrocPolozenia();
        QVERIFY(page.placements() == design);
    }

    // A second shift before the restore must not leave the page off its
    // design once the restore has run.
    void shiftTwiceRestoreOnce()
    {
        Tlorqa_str2 page;
        const auto design = page.placements();
        page.ZastosujOpcjeWydruku(onForm(10, 10, 1.5));
        page.ZastosujOpcjeWydruku(onForm(20, 20, 1.5));
        QCOMPARE(page.box(u"p_47"_s)->at, (Placement{573, 212}));
        page.PrzywrocPolozenia();
        QVERIFY(page.placements() == design);
    }

    // Composing fails while the page is shifted: the guard puts it back.
    void errorWhileShiftedRestores()
    {
        Tlorqa_str1 page;
        const auto design = page.placements();
        FailingFields fields;
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QPdfWriter writer(&out);
        bool thrown = false;
        try {
            PrintJob job({&page}, fields, onForm(10, -5, 1.02));
            job.paint(writer);
        } catch (const ConversionError &) {
            thrown = true;
        }
        QVERIFY(thrown);
        QVERIFY(page.placements() == design);
        QVERIFY(page.artwork().visible);
        QVERIFY(!page.isShifted());
    }
};

QTEST_MAIN(PageLayoutTest)
#include "page_layout_test.moc"
