#include "declaration/declaration.h"
#include "declaration/calculation.h"
#include "declaration/entry_rules.h"
#include "declaration/errors.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class EntryRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyFilters_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<QString>("refused");

        const QString letters = u"aZ ,.+łx\t\r\x1b"_s;
        QTest::newRow("amount") << int(KeyFilter::AmountChars) << u"0123456789-\b"_s << letters;
        QTest::newRow("quarter and year") << int(KeyFilter::Digits) << u"0123456789\b"_s
                                          << QString(letters + u'-');
        QTest::newRow("date") << int(KeyFilter::DateChars) << u"0123456789-\b"_s
                              << QString(letters + u'/');
        QTest::newRow("free text") << int(KeyFilter::Any) << QString(letters + u"-0\b"_s) << QString();
    }
    void keyFilters()
    {
        QFETCH(int, filter);
        QFETCH(QString, accepted);
        QFETCH(QString, refused);
        for (QChar c : accepted)
            QVERIFY2(acceptsKey(KeyFilter(filter), c), qPrintable(QString(c)));
        for (QChar c : refused)
            QVERIFY2(!acceptsKey(KeyFilter(filter), c), qPrintable(QString(c)));
    }

    void quarter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("outOfRange");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("0") << u"0"_s << true;
        QTest::newRow("1") << u"1"_s << false;
        QTest::newRow("4") << u"4"_s << false;
        QTest::newRow("04") << u"04"_s << false;
        QTest::newRow("5") << u"5"_s << true;
        QTest::newRow("99") << u"99"_s << true;
    }
    void quarter()
    {
        QFETCH(QString, text);
        QFETCH(bool, outOfRange);
        QCOMPARE(quarterOutOfRange(text), outOfRange);
    }

    void quarterNotANumber()
    {
        QVERIFY_THROWS_EXCEPTION(ConversionError, quarterOutOfRange(u"1a"_s));
    }

    void town()
    {
        TDeklaracja d;
        d.setText(u"p_17"_s, u"Łódź"_s);
        copyTownToPostOffice(d);
        QCOMPARE(d.text(u"p_19"_s), u"Łódź"_s);

        d.setText(u"p_17"_s, u"Zgierz"_s);
        copyTownToPostOffice(d);
        QCOMPARE(d.text(u"p_19"_s), u"Łódź"_s);
    }

    void rateRowTax_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("before"); // the tax field before leaving the base
        QTest::addColumn<QString>("after");
        QTest::newRow("25=10") << u"p_25"_s << u"10"_s << u"7"_s << u"1"_s;
        QTest::newRow("25=9 rounds to 0") << u"p_25"_s << u"9"_s << QString() << u"0"_s;
        QTest::newRow("25=100") << u"p_25"_s << u"100"_s << QString() << u"5"_s;
        QTest::newRow("27=1000") << u"p_27"_s << u"1000"_s << QString() << u"80"_s;
        QTest::newRow("29=50") << u"p_29"_s << u"50"_s << u"99"_s << u"12"_s;
        QTest::newRow("29=-50") << u"p_29"_s << u"-50"_s << QString() << u"-11"_s;
        QTest::newRow("empty base keeps tax") << u"p_27"_s << QString() << u"7"_s << u"7"_s;
    }
    void rateRowTax()
    {
        QFETCH(QString, base);
        QFETCH(QString, value);
        QFETCH(QString, before);
        QFETCH(QString, after);
        const RateRow *row = rateRowOfBase(base);
        QVERIFY(row);
        TDeklaracja d;
        d.setText(base, value);
        d.setText(positionName(row->tax), before);
        fillRateRowTax(d, *row);
        QCOMPARE(d.text(positionName(row->tax)), after);
    }

    void rateRowBaseNotANumber()
    {
        TDeklaracja d;
        d.setText(u"p_25"_s, u"1-0"_s);
        d.setText(u"p_26"_s, u"3"_s);
        QVERIFY_THROWS_EXCEPTION(ConversionError, fillRateRowTax(d, *rateRowOfBase(u"p_25"_s)));
        QCOMPARE(d.text(u"p_26"_s), u"3"_s);
        QVERIFY(!rateRowOfBase(u"p_26"_s));
    }

    void date_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("31-12-2011") << u"31-12-2011"_s << true;
        QTest::newRow("31-02-2011 (month not checked)") << u"31-02-2011"_s << true;
        QTest::newRow("separators not examined") << u"01x01x1900"_s << true;
        QTest::newRow("2100") << u"01-01-2100"_s << true;
        QTest::newRow("32-01-2011") << u"32-01-2011"_s << false;
        QTest::newRow("00-01-2011") << u"00-01-2011"_s << false;
        QTest::newRow("01-13-2011") << u"01-13-2011"_s << false;
        QTest::newRow("01-00-2011") << u"01-00-2011"_s << false;
        QTest::newRow("01-01-1899") << u"01-01-1899"_s << false;
        QTest::newRow("01-01-2101") << u"01-01-2101"_s << false;
        QTest::newRow("1-1-2011") << u"1-1-2011"_s << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("no year") << u"01-01-"_s << false;
        QTest::newRow("letters") << u"ab-cd-efgh"_s << false;
        QTest::newRow("minus in day") << u"-1-01-2011"_s << false;
    }
    void date()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(isValidDate(text), valid);
    }

    void surplusCopy_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("after"); // p_61 .. p_65
        const QString s = u"700"_s;
        QTest::newRow("BitBtn9") << u"BitBtn9"_s << QStringList{s, {}, {}, {}, {}};
        QTest::newRow("BitBtn16") << u"BitBtn16"_s << QStringList{s, s, {}, {}, {}};
        QTest::newRow("BitBtn3") << u"BitBtn3"_s << QStringList{s, {}, s, {}, {}};
        QTest::newRow("BitBtn10") << u"BitBtn10"_s << QStringList{s, {}, {}, s, {}};
        QTest::newRow("BitBtn11") << u"BitBtn11"_s << QStringList{{}, {}, {}, {}, s};
    }
    void surplusCopy()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, after);
        TDeklaracja d;
        d.setText(u"p_60"_s, u"700"_s);
        for (int n = 61; n <= 65; ++n)
            d.setText(positionName(n), u"1"_s);
        for (const SurplusCopyButton &b : surplusCopyButtons())
            if (b.name == button)
                copySurplus(d, b);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(d.text(positionName(61 + i)), after[i]);
    }

    void emptySurplusIsCopiedAsEmpty()
    {
        TDeklaracja d;
        d.setText(u"p_61"_s, u"5"_s);
        copySurplus(d, surplusCopyButtons()[0]);
        QCOMPARE(d.text(u"p_61"_s), QString());
    }
};

QTEST_APPLESS_MAIN(EntryRulesTest)
#include "entry_rules_test.moc"
