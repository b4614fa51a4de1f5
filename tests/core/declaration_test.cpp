#include "declaration/declaration.h"
#include "declaration/positions.h"

#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class DeclarationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableHoldsEachPositionOnce()
    {
        QSet<QString> names;
        QSet<int> numbers;
        for (const Position &p : positions()) {
            QVERIFY2(!names.contains(p.name), qPrintable(p.name));
            names.insert(p.name);
            numbers.insert(p.number);
            QVERIFY(p.page >= 1 && p.page <= 4);
            QVERIFY(!p.caption.isEmpty());
            QCOMPARE(findPosition(p.name), &p);
        }
        // 1 to 76 without 2, 3 and 74; positions 70 and 71 are two boxes each.
        QCOMPARE(numbers.size(), 73);
        QCOMPARE(names.size(), 75);
        for (int missing : {2, 3, 74})
            QVERIFY(!numbers.contains(missing));
    }

    void lookups_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        for (int n = FirstAmount; n <= LastAmount; ++n)
            QTest::addRow("p_%d", n) << positionName(n) << true;
        QTest::newRow("p_2") << u"p_2"_s << false;
        QTest::newRow("p_3") << u"p_3"_s << false;
        QTest::newRow("p_74") << u"p_74"_s << false;
        QTest::newRow("p_70 is a pair, not a field") << u"p_70"_s << false;
        QTest::newRow("p_70_1") << u"p_70_1"_s << true;
        QTest::newRow("case matters") << u"P_25"_s << false;
    }
    void lookups()
    {
        QFETCH(QString, name);
        QFETCH(bool, found);
        const Position *p = findPosition(name);
        QCOMPARE(p != nullptr, found);
        if (p && name.size() == 4 && name[2].isDigit() && name.mid(2).toInt() >= FirstAmount)
            QVERIFY(p->isAmount());
    }

    void listsAndFilters()
    {
        QCOMPARE(findPosition(u"p_7"_s)->items,
                 (QStringList{u"1. złożenie deklaracji"_s, u"2. korekta deklaracji"_s}));
        QCOMPARE(findPosition(u"p_8"_s)->items.first(), u"1. podatnik niebędący osobą fizyczną "_s);
        QCOMPARE(findPosition(u"p_11"_s)->items.size(), 16);
        QCOMPARE(findPosition(u"p_11"_s)->items.at(3), u"Łódzkie"_s);
        QCOMPARE(findPosition(u"p_4"_s)->maxLength, 2);
        QCOMPARE(findPosition(u"p_5"_s)->maxLength, 4);
        QCOMPARE(findPosition(u"p_76"_s)->maxLength, 10);
        QCOMPARE(findPosition(u"p_73"_s)->caption, u"74. Nazwisko "_s);
        QCOMPARE(findPosition(u"p_1"_s)->hint, QString());
        for (const Position &p : positions())
            QCOMPARE(p.filter == KeyFilter::AmountChars, p.isAmount());
    }

    void newRecordHasDefaults()
    {
        const TDeklaracja d;
        for (const Position &p : positions()) {
            switch (p.kind) {
            case PositionKind::Choice:
                QCOMPARE(d.index(p.name), 0);
                break;
            case PositionKind::CheckMark:
                QVERIFY(!d.isChecked(p.name));
                break;
            case PositionKind::YesNoBox:
                QCOMPARE(d.isChecked(p.name), p.name.endsWith(u"_2"_s));
                break;
            default:
                QCOMPARE(d.text(p.name), QString());
            }
        }
    }

    void pairKeepsOneBoxChecked_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("yes"); // the "Tak" box afterwards
        QTest::addColumn<bool>("no");
        QTest::newRow("check Tak") << u"p_70_1"_s << true << true << false;
        QTest::newRow("uncheck Nie") << u"p_70_2"_s << false << true << false;
        QTest::newRow("check Nie again") << u"p_70_2"_s << true << false << true;
        QTest::newRow("uncheck Tak (already)") << u"p_70_1"_s << false << false << true;
    }
    void pairKeepsOneBoxChecked()
    {
        QFETCH(QString, box);
        QFETCH(bool, checked);
        QFETCH(bool, yes);
        QFETCH(bool, no);
        TDeklaracja d;
        d.setChecked(box, checked);
        QCOMPARE(d.isChecked(u"p_70_1"_s), yes);
        QCOMPARE(d.isChecked(u"p_70_2"_s), no);
        QVERIFY(d.isChecked(u"p_71_2"_s)); // the other pair is untouched
    }

    void pairClickedTwice()
    {
        TDeklaracja d;
        d.setChecked(u"p_71_1"_s, true);
        d.setChecked(u"p_71_1"_s, false);
        QVERIFY(!d.isChecked(u"p_71_1"_s));
        QVERIFY(d.isChecked(u"p_71_2"_s));
    }

    void choiceOutsideItsListChoosesNothing()
    {
        TDeklaracja d;
        d.setIndex(u"p_8"_s, 2);
        QCOMPARE(d.index(u"p_8"_s), -1);
        d.setIndex(u"p_8"_s, 1);
        QCOMPARE(d.index(u"p_8"_s), 1);
        d.setIndex(u"p_7"_s, -5);
        QCOMPARE(d.index(u"p_7"_s), -1);
    }

    void editableListTakesAnyText()
    {
        TDeklaracja d;
        d.setText(u"p_11"_s, u"Pomorze Środkowe"_s);
        QCOMPARE(d.text(u"p_11"_s), u"Pomorze Środkowe"_s);
    }

    void unknownNameIsAProgramFault()
    {
        TDeklaracja d;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, d.setText(u"p_74"_s, u"x"_s));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, d.text(u"p_7"_s));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, d.isChecked(u"p_25"_s));
    }
};

QTEST_APPLESS_MAIN(DeclarationTest)
#include "declaration_test.moc"
