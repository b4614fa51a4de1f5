#include "declaration/errors.h"
#include "declaration/positions.h"
#include "support/fixtures.h"
#include "wizard/wizard_record.h"
#include "wizard/wizard_rules.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The wizard's computation and field rules on its record, without a window.
class WizardRulesTest : public QObject
{
    Q_OBJECT

    static void compare(const WizardDeclaration &d, const QString &input, const QString &expected)
    {
        compareAmounts(d, amounts(input), amounts(expected));
    }

    static WizardDeclaration record(const QString &input, const QString &typedCash = {})
    {
        WizardDeclaration d;
        setAmounts(d, amounts(input));
        d.setText(CashRegistersTyped, typedCash);
        return d;
    }

private Q_SLOTS:
    void computation_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("typedCash");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing typed") << QString() << QString() << QString();
        QTest::newRow("rate-row taxes are not recomputed")
            << u"25=1000"_s << QString() << u"45=1000"_s;
        QTest::newRow("cash registers above the tax due move to 59")
            << u"26=500 50=200 56=400"_s << u"400"_s << u"45= 46=500 55=200 56=300 59=100"_s;
        QTest::newRow("cash registers with no tax due all go to 59")
            << u"26=500 50=600 56=400"_s << u"400"_s << u"46=500 55=600 56= 59=400 60=500 65=500"_s;
        QTest::newRow("cash registers within the tax due")
            << u"26=500 56=100 59=7"_s << u"100"_s << u"46=500 58=400 59="_s;
        // p_56 as an earlier computation capped it: the split stays.
        QTest::newRow("computing again keeps the refunded part")
            << u"26=500 50=200 56=300 59=100"_s << u"400"_s << u"46=500 55=200"_s;
        QTest::newRow("cash registers come back when tax is due again")
            << u"26=500 59=400"_s << u"400"_s << u"46=500 56=400 58=100 59="_s;
        QTest::newRow("no typed cash leaves 56 and 59 alone")
            << u"26=500 50=600 56=400 59=9"_s << QString() << u"46=500 55=600 60=109 65=109"_s;
        QTest::newRow("57 is not capped by the computation")
            << u"26=100 57=500"_s << QString() << u"46=100 58=-400"_s;
        QTest::newRow("refund larger than the surplus")
            << u"50=500 61=700"_s << QString() << u"55=500 60=500 61=500 63=500 65="_s;
        QTest::newRow("refund partly split, the rest to 60 days")
            << u"50=500 61=300 62=100"_s << QString() << u"55=500 60=500 63=200 65=200"_s;
    }
    void computation()
    {
        QFETCH(QString, input);
        QFETCH(QString, typedCash);
        QFETCH(QString, expected);
        WizardDeclaration d = record(input, typedCash);
        PoliczKreator(d);
        compare(d, input, expected);
    }

    void computationStopsAtTextThatIsNoNumber()
    {
        WizardDeclaration d = record(u"20=5 48=12,5"_s);
        try {
            PoliczKreator(d);
            QFAIL("no conversion error");
        } catch (const ConversionError &e) {
            QCOMPARE(e.message(), u"'12,5' is not a valid integer value"_s);
        }
        QCOMPARE(d.text(u"p_45"_s), u"5"_s); // written before the failing step
        QCOMPARE(d.text(u"p_55"_s), QString());
    }

    void exitRules_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("typedCash"); // p_56_temp afterwards
        QTest::addColumn<QString>("expected");
        QTest::newRow("p_56 becomes the typed amount") << u"p_56"_s << u"56=400"_s << u"400"_s << QString();
        QTest::newRow("empty p_56 empties it") << u"p_56"_s << QString() << QString() << QString();
        // The cap uses fresh totals: before any computation p_46 and p_55
        // are empty, and the entry must not be lost.
        QTest::newRow("p_57 within fresh totals")
            << u"p_57"_s << u"26=500 50=100 57=300"_s << u"old"_s << QString();
        QTest::newRow("p_57 capped")
            << u"p_57"_s << u"26=500 50=100 56=50 57=900"_s << u"old"_s << u"57=350"_s;
        QTest::newRow("p_57 with nothing due") << u"p_57"_s << u"26=100 50=100 57=5"_s << u"old"_s << u"57="_s;
        QTest::newRow("empty p_57 stays") << u"p_57"_s << u"26=100"_s << u"old"_s << QString();
    }
    void exitRules()
    {
        QFETCH(QString, rule);
        QFETCH(QString, input);
        QFETCH(QString, typedCash);
        QFETCH(QString, expected);
        WizardDeclaration d = record(input, u"old"_s);
        if (rule == u"p_56"_s)
            p_56Exit(d);
        else
            p_57Exit(d);
        QCOMPARE(d.text(CashRegistersTyped), typedCash);
        compare(d, input, expected);
    }

    static void setMarks(WizardDeclaration &d, const QString &marks)
    {
        d.setChecked(u"p_70_1"_s, marks[0] == u'1');
        d.setChecked(u"p_71_1"_s, marks[2] == u'1');
        QCOMPARE(marksOf(d), marks);
    }
    static QString marksOf(const WizardDeclaration &d)
    {
        QString got;
        for (const char16_t *b : {u"p_70_1", u"p_70_2", u"p_71_1", u"p_71_2"})
            got += d.isChecked(QString::fromUtf16(b)) ? u'1' : u'0';
        return got;
    }

    // Marks are p_70_1 p_70_2 p_71_1 p_71_2. The net effect of one change of
    // a box on the marks and on the refund fields: "tak" puts the surplus
    // into p_61, "nie" into p_65, the other four emptied either way.
    void clickRules_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("mark");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("effect");
        QTest::newRow("refund Tak ticked") << u"0101"_s << u"p_70_1"_s << true << u"1001"_s << u"tak"_s;
        QTest::newRow("refund Nie unticked") << u"0101"_s << u"p_70_2"_s << false << u"1001"_s << u"tak"_s;
        QTest::newRow("speed-up Tak asks for a refund")
            << u"0101"_s << u"p_71_1"_s << true << u"1010"_s << u"tak"_s;
        QTest::newRow("speed-up Nie unticked asks for a refund")
            << u"0101"_s << u"p_71_2"_s << false << u"1010"_s << u"tak"_s;
        QTest::newRow("refund Nie ticked ends the speed-up")
            << u"1010"_s << u"p_70_2"_s << true << u"0101"_s << u"nie"_s;
        QTest::newRow("refund Tak unticked ends the speed-up")
            << u"1010"_s << u"p_70_1"_s << false << u"0101"_s << u"nie"_s;
        QTest::newRow("speed-up Tak with a refund") << u"1001"_s << u"p_71_1"_s << true << u"1010"_s << u"none"_s;
        QTest::newRow("speed-up Nie changes only the pair")
            << u"1010"_s << u"p_71_2"_s << true << u"1001"_s << u"none"_s;
        QTest::newRow("the mark it has runs nothing") << u"0101"_s << u"p_70_2"_s << true << u"0101"_s << u"none"_s;
    }
    void clickRules()
    {
        QFETCH(QString, start);
        QFETCH(QString, box);
        QFETCH(bool, mark);
        QFETCH(QString, marks);
        QFETCH(QString, effect);
        WizardDeclaration d;
        setMarks(d, start);
        const QString input = u"60=500 61=3 62=1 65=7"_s;
        setAmounts(d, amounts(input));
        d.setChecked(box, mark);
        QCOMPARE(marksOf(d), marks);
        const QString expected = effect == u"tak"_s ? u"61=500 62= 63= 64= 65="_s
                                 : effect == u"nie"_s ? u"61= 62= 63= 64= 65=500"_s
                                                      : QString();
        compare(d, input, expected);
    }

    void refundPage_data()
    {
        QTest::addColumn<bool>("refund");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Tak empties 61 to 64, 65 stays") << true << u"60=500 61=5 62=5 65=9"_s << u"61= 62="_s;
        QTest::newRow("Tak with nothing filled gets the surplus") << true << u"60=500"_s << u"61=500"_s;
        QTest::newRow("Nie with nothing filled carries it") << false << u"60=500"_s << u"65=500"_s;
        QTest::newRow("Nie keeps what is filled") << false << u"60=500 63=5"_s << QString();
    }
    void refundPage()
    {
        QFETCH(bool, refund);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        WizardDeclaration d;
        d.setChecked(u"p_70_1"_s, refund);
        setAmounts(d, amounts(input));
        TabSheet9Show(d);
        compare(d, input, expected);
    }

    void copyButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("expected");
        QTest::newRow("BitBtn12") << u"BitBtn12"_s << u"1001"_s << u"61=500 62=500 63= 64= 65="_s;
        QTest::newRow("BitBtn2") << u"BitBtn2"_s << u"1001"_s << u"61=500 62= 63=500 64= 65="_s;
        QTest::newRow("BitBtn8") << u"BitBtn8"_s << u"1001"_s << u"61=500 62= 63= 64=500 65="_s;
        QTest::newRow("BitBtn9") << u"BitBtn9"_s << u"0101"_s << u"61= 62= 63= 64= 65=500"_s;
    }
    void copyButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, marks);
        QFETCH(QString, expected);
        WizardDeclaration d;
        setMarks(d, u"1010"_s); // refund and speed-up "Tak"
        setAmounts(d, amounts(u"60=500 63=3"_s));
        for (const WizardCopyButton &b : wizardCopyButtons())
            if (b.copy.name == button)
                copyWizardSurplus(d, b);
        QCOMPARE(marksOf(d).left(2), marks.left(2));
        if (button == u"BitBtn9"_s)
            QCOMPARE(marksOf(d), marks);
        compare(d, u"60=500"_s, expected);
    }

    void keyFilters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("amount digit") << u"p_20"_s << QString() << u"7"_s << true;
        QTest::newRow("amount minus") << u"p_61"_s << QString() << u"-"_s << true;
        QTest::newRow("amount letter") << u"p_44"_s << QString() << u"a"_s << false;
        QTest::newRow("amount comma") << u"p_25"_s << u"12"_s << u","_s << false;
        QTest::newRow("postal code digit") << u"p_18"_s << QString() << u"9"_s << true;
        QTest::newRow("p_48 any key") << u"p_48"_s << QString() << u","_s << true;
        QTest::newRow("p_56 any key") << u"p_56"_s << QString() << u"x"_s << true;
        QTest::newRow("town any key") << u"p_17"_s << QString() << u"x"_s << true;
        QTest::newRow("quarter second digit") << u"p_4"_s << u"1"_s << u"2"_s << true;
        QTest::newRow("quarter full") << u"p_4"_s << u"12"_s << u"3"_s << false;
        QTest::newRow("quarter full, backspace") << u"p_4"_s << u"12"_s << u"\b"_s << true;
        QTest::newRow("quarter minus") << u"p_4"_s << QString() << u"-"_s << false;
        QTest::newRow("year fourth digit") << u"p_5"_s << u"201"_s << u"1"_s << true;
        QTest::newRow("year full") << u"p_5"_s << u"2011"_s << u"1"_s << false;
        QTest::newRow("date minus") << u"p_76"_s << u"31"_s << u"-"_s << true;
        QTest::newRow("date letter") << u"p_76"_s << u"31"_s << u"a"_s << false;
        QTest::newRow("date full") << u"p_76"_s << u"31-12-2011"_s << u"1"_s << false;
    }
    void keyFilters()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        const std::optional<WizardKeyRule> rule = wizardKeyRule(field);
        const bool passes = !rule || wizardAcceptsKey(*rule, text.size(), typed.at(0));
        QCOMPARE(passes, accepted);
    }
};

QTEST_APPLESS_MAIN(WizardRulesTest)
#include "wizard_rules_test.moc"
