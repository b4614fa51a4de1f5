#include "declaration/amount.h"
#include "declaration/errors.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class AmountTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesWholeNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint32>("value");
        QTest::newRow("plain") << u"1150"_s << 1150;
        QTest::newRow("zero") << u"0"_s << 0;
        QTest::newRow("negative") << u"-7"_s << -7;
        QTest::newRow("plus") << u"+12"_s << 12;
        QTest::newRow("leading blanks") << u"   42"_s << 42;
        QTest::newRow("leading zeros") << u"0004"_s << 4;
        QTest::newRow("dollar hex") << u"$FF"_s << 255;
        QTest::newRow("0x hex") << u"0x1a"_s << 26;
        QTest::newRow("negative hex") << u"-$10"_s << -16;
        QTest::newRow("max") << u"2147483647"_s << 2147483647;
        QTest::newRow("min") << u"-2147483648"_s << qint32(-2147483647 - 1);
    }
    void parsesWholeNumbers()
    {
        QFETCH(QString, text);
        QFETCH(qint32, value);
        QCOMPARE(parseAmount(text), value);
    }

    void rejectsOtherTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("lone minus") << u"-"_s;
        QTest::newRow("minus after digit") << u"12-3"_s;
        QTest::newRow("two signs") << u"--5"_s;
        QTest::newRow("decimal comma") << u"12,50"_s;
        QTest::newRow("letters") << u"abc"_s;
        QTest::newRow("trailing blank") << u"12 "_s;
        QTest::newRow("blank only") << u"  "_s;
        QTest::newRow("above range") << u"2147483648"_s;
        QTest::newRow("below range") << u"-2147483649"_s;
        QTest::newRow("hex above range") << u"$80000000"_s;
        QTest::newRow("prefix only") << u"$"_s;
        QTest::newRow("hex digits without prefix") << u"1F"_s;
        QTest::newRow("arabic-indic digit") << u"\u0663"_s;
        QTest::newRow("fullwidth digit") << u"\uFF11"_s;
        QTest::newRow("huge") << u"99999999999999999999999999"_s;
    }
    void rejectsOtherTexts()
    {
        QFETCH(QString, text);
        try {
            parseAmount(text);
            QFAIL("no error");
        } catch (const ConversionError &e) {
            QCOMPARE(e.message(), u"'%1' is not a valid integer value"_s.arg(text));
        }
    }

    void rounds_data()
    {
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("just under the threshold's half") << 1.0 << 2.49999995 << 3.0;
        QTest::newRow("below the threshold") << 1.0 << 2.4999998 << 2.0;
        QTest::newRow("half") << 1.0 << 2.5 << 3.0;
        QTest::newRow("whole") << 1.0 << 7.0 << 7.0;
        QTest::newRow("negative half goes up") << 1.0 << -2.5 << -2.0;
        QTest::newRow("negative -2.6") << 1.0 << -2.6 << -3.0;
        QTest::newRow("negative -2.4") << 1.0 << -2.4 << -2.0;
        QTest::newRow("-0.5") << 1.0 << -0.5 << 0.0;
        QTest::newRow("-1.5") << 1.0 << -1.5 << -1.0;
        QTest::newRow("-0.7") << 1.0 << -0.7 << -1.0;
        QTest::newRow("-0.3") << 1.0 << -0.3 << 0.0;
        QTest::newRow("beyond 32 bits unchanged") << 1.0 << 2147483648.0 << 2147483648.0;
        QTest::newRow("far beyond") << 1.0 << 1e14 << 1e14;
        QTest::newRow("step 0.1") << 0.1 << 12.46 << 12.5;
    }
    void rounds()
    {
        QFETCH(double, step);
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(Zaokraglij(step, value), rounded);
    }

    void roundsToText_data()
    {
        QTest::addColumn<double>("step");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 1.0 << 12.0 << u"12"_s;
        QTest::newRow("zero") << 1.0 << 0.0 << u"0"_s;
        QTest::newRow("negative") << 1.0 << -7.0 << u"-7"_s;
        QTest::newRow("negative rounding to zero, no minus") << 1.0 << -0.3 << u"0"_s;
        QTest::newRow("one decimal gets a zero") << 0.1 << 12.46 << u"12,50"_s;
        QTest::newRow("two decimals") << 0.01 << 12.25 << u"12,25"_s;
        QTest::newRow("step 1 drops decimals") << 1.0 << 12.46 << u"12"_s;
        QTest::newRow("no thousands separator") << 1.0 << 1234567.0 << u"1234567"_s;
        QTest::newRow("beyond 32 bits") << 1.0 << 25769803764.0 << u"25769803764"_s;
        QTest::newRow("more than 15 digits") << 1.0 << 1e16 << u"10000000000000000"_s;
    }
    void roundsToText()
    {
        QFETCH(double, step);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(ZaokraglijTekst(step, value), text);
    }

    void taxOfBase_data()
    {
        QTest::addColumn<qint32>("base");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("tax");
        QTest::newRow("10 at 5%") << 10 << RateRow4 << 1.0;
        QTest::newRow("9 at 5%") << 9 << RateRow4 << 0.0;
        QTest::newRow("30 at 5%") << 30 << RateRow4 << 2.0;
        QTest::newRow("50 at 23%") << 50 << RateRow6 << 12.0;
        QTest::newRow("100 at 23%") << 100 << RateRow6 << 23.0;
        QTest::newRow("1000 at 8%") << 1000 << RateRow5 << 80.0;
        QTest::newRow("-10 at 5%") << -10 << RateRow4 << 0.0;
        QTest::newRow("-30 at 23%") << -30 << RateRow6 << -7.0;
        QTest::newRow("0") << 0 << RateRow6 << 0.0;
        QTest::newRow("largest base") << 2147483647 << RateRow6 << 493921239.0;
    }
    void taxOfBase()
    {
        QFETCH(qint32, base);
        QFETCH(double, rate);
        QFETCH(double, tax);
        QCOMPARE(taxOf(base, rate), tax);
    }
};

QTEST_APPLESS_MAIN(AmountTest)
#include "amount_test.moc"
