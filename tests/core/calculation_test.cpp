#include "declaration/calculation.h"
#include "declaration/checks.h"
#include "declaration/errors.h"
#include "declaration/positions.h"
#include "support/fixtures.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class CalculationTest : public QObject
{
    Q_OBJECT

    static void addCases()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");

        QTest::newRow("rate rows and totals")
            << u"25=100 27=1000 29=50"_s
            << u"26=5 28=80 30=12 45=1150 46=97 58=97"_s;
        QTest::newRow("tax that rounds to zero is written")
            << u"25=9"_s << u"26=0 45=9"_s;
        QTest::newRow("empty base keeps a typed tax, which counts")
            << u"26=7"_s << u"46=7 58=7"_s;
        QTest::newRow("every amount empty") << QString() << QString();
        QTest::newRow("parts of rows are not added")
            << u"21=100 22=60 23=50 24=40 37=10 38=2 39=5 40=1"_s
            << u"45=160 46=2 58=2"_s;
        QTest::newRow("all bases added")
            << u"20=1 21=2 23=4 25=8 27=16 29=32 31=64 32=128 33=256 35=512 37=1024 41=2048"_s
            << u"26=0 28=1 30=7 45=4095 46=8 58=8"_s;
        QTest::newRow("p_44 is subtracted")
            << u"34=100 36=10 38=1 42=1000 43=10000 44=5"_s
            << u"46=11106 58=11106"_s;
        QTest::newRow("net values are not input tax")
            << u"47=1 48=2 49=1000 50=4 51=2000 52=8 53=16 54=-32"_s
            << u"55=-1 58=1"_s;
        QTest::newRow("p_56 limited, p_57 emptied")
            << u"43=100 56=150 57=20"_s << u"46=100 56=100 57="_s;
        QTest::newRow("p_56 and p_57 within the limit")
            << u"43=100 56=30 57=20"_s << u"46=100 58=50"_s;
        QTest::newRow("p_57 limited to what p_56 leaves")
            << u"43=100 56=30 57=90"_s << u"46=100 57=70"_s;
        QTest::newRow("p_56 of 0 stays 0")
            << u"43=100 56=0"_s << u"46=100 58=100"_s;
        QTest::newRow("input tax larger: p_56, p_57 emptied, surplus with p_59")
            << u"43=100 47=300 56=10 57=10 59=25"_s
            << u"46=100 55=300 56= 57= 60=225 65=225"_s;
        QTest::newRow("output tax larger: p_59 goes nowhere")
            << u"43=100 47=30 59=500 61=9 62=1 63=2 64=3 65=4"_s
            << u"46=100 55=30 58=70 61= 62= 63= 64= 65="_s;
        QTest::newRow("equal taxes leave p_60 empty")
            << u"43=100 47=100"_s << u"46=100 55=100"_s;
        QTest::newRow("equal taxes with p_59")
            << u"43=100 47=100 59=40"_s << u"46=100 55=100 60=40 65=40"_s;
        QTest::newRow("refund larger than the surplus, no term")
            << u"47=1000 61=1500"_s << u"55=1000 60=1000 61=1000 63=1000 65="_s;
        QTest::newRow("what the terms leave goes to 60 days")
            << u"47=1000 61=600 62=100 64=200"_s << u"55=1000 60=1000 63=300 65=400"_s;
        QTest::newRow("60 days limited to the refund")
            << u"47=1000 61=600 63=700"_s << u"55=1000 60=1000 63=600 65=400"_s;
        QTest::newRow("nothing left for 25 days")
            << u"47=1000 61=600 63=600 62=50"_s << u"55=1000 60=1000 62=0 65=400"_s;
        QTest::newRow("180 days limited last")
            << u"47=1000 61=600 62=500 64=300"_s << u"55=1000 60=1000 64=100 65=400"_s;
        QTest::newRow("no refund keeps the terms")
            << u"47=1000 62=7 63=8 64=9"_s << u"55=1000 60=1000 65=1000"_s;
        QTest::newRow("refund of 0")
            << u"47=1000 61=0"_s << u"55=1000 60=1000 63=0 65=1000"_s;
        QTest::newRow("whole surplus refunded")
            << u"47=1000 61=1000 62=1000"_s << u"55=1000 60=1000 65="_s;
        QTest::newRow("p_44 above the other taxes")
            << u"43=10 44=15"_s << u"46=-5 60=5 65=5"_s;
        QTest::newRow("computed totals replaced on a second run")
            << u"45=1 46=2 55=3 58=4 60=5 65=6"_s << u"45= 46= 55= 58= 60= 65="_s;
        QTest::newRow("hexadecimal from a file counts")
            << u"43=$10"_s << u"46=16 58=16"_s;
    }

private Q_SLOTS:
    void computes_data() { addCases(); }
    void computes()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        TDeklaracja d;
        setAmounts(d, amounts(input));
        PoliczPola(d);
        compareAmounts(d, amounts(input), amounts(expected));
    }

    // Running the calculation again changes nothing.
    void isStable_data() { addCases(); }
    void isStable()
    {
        QFETCH(QString, input);
        TDeklaracja d;
        setAmounts(d, amounts(input));
        PoliczPola(d);
        TDeklaracja again = d;
        PoliczPola(again);
        for (int n = FirstAmount; n <= LastAmount; ++n)
            QCOMPARE(again.text(positionName(n)), d.text(positionName(n)));
    }

    // A declaration the calculation completed agrees with the refund check.
    void completedPassesRefundCheck_data() { addCases(); }
    void completedPassesRefundCheck()
    {
        QFETCH(QString, input);
        TDeklaracja d = validDeclaration();
        setAmounts(d, amounts(input));
        d.setChecked(u"p_70_1"_s, true);
        PoliczPola(d);
        QStringList lines;
        SprawdzDeklaracje(d, lines);
        QVERIFY2(!lines.contains(u"Niepoprawne informacje o zwrocie podatku"_s),
                 qPrintable(lines.join(u'|')));
    }

    // The same over many random declarations, with the refund positions
    // filled in every way.
    void randomDeclarationsPassRefundCheck()
    {
        QRandomGenerator random(20111015);
        const int refundFields[] = {47, 43, 59, 61, 62, 63, 64, 56, 57};
        for (int round = 0; round < 5000; ++round) {
            TDeklaracja d = validDeclaration();
            d.setChecked(u"p_70_1"_s, true);
            for (int n : refundFields) {
                if (random.bounded(3) == 0)
                    continue;
                const int magnitude = random.bounded(3) == 0 ? 100 : 5000;
                d.setText(positionName(n), QString::number(random.bounded(magnitude)));
            }
            PoliczPola(d);
            QStringList lines;
            SprawdzDeklaracje(d, lines);
            if (lines.contains(u"Niepoprawne informacje o zwrocie podatku"_s)) {
                QString state;
                for (int n = 43; n <= 65; ++n)
                    state += u" %1=%2"_s.arg(n).arg(d.text(positionName(n)));
                QFAIL(qPrintable(state));
            }
        }
    }

    void conversionErrorStopsAtItsStep_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QString>("expected");
        QTest::newRow("base of a rate row: earlier taxes stay")
            << u"25=100 27=1-0 29=50 45=9"_s << u"1-0"_s << u"26=5"_s;
        QTest::newRow("typed tax in the totals: totals of bases written")
            << u"20=5 34=abc 46=1"_s << u"abc"_s << u"45=5"_s;
        QTest::newRow("input tax with a comma")
            << u"43=10 48=12,50"_s << u"12,50"_s << u"46=10"_s;
        QTest::newRow("p_56 is read when filled")
            << u"43=10 56=x"_s << u"x"_s << u"46=10"_s;
        QTest::newRow("p_59 after the tax to pay")
            << u"47=10 59=-"_s << u"-"_s << u"55=10"_s;
        QTest::newRow("a negative 60-day term cannot take the rest")
            << u"47=1000 61=600 63=-5"_s << u"0-5"_s << u"55=1000 60=1000"_s;
        QTest::newRow("out of range")
            << u"20=2147483648"_s << u"2147483648"_s << QString();
    }
    void conversionErrorStopsAtItsStep()
    {
        QFETCH(QString, input);
        QFETCH(QString, bad);
        QFETCH(QString, expected);
        TDeklaracja d;
        setAmounts(d, amounts(input));
        try {
            PoliczPola(d);
            QFAIL("no error");
        } catch (const ConversionError &e) {
            QCOMPARE(e.message(), u"'%1' is not a valid integer value"_s.arg(bad));
        }
        compareAmounts(d, amounts(input), amounts(expected));
    }

    // Empty positions are not parsed, so a bad text where nothing reads it is
    // harmless.
    void badTextNobodyReads()
    {
        TDeklaracja d;
        setAmounts(d, amounts(u"22=x 24=y 39=z 40=w 49=v 51=u 43=10"_s));
        PoliczPola(d);
        QCOMPARE(d.text(u"p_46"_s), u"10"_s);
    }
};

QTEST_APPLESS_MAIN(CalculationTest)
#include "calculation_test.moc"
