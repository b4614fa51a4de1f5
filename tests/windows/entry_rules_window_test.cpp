#include "declaration/positions.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class EntryRulesWindowTest : public QObject
{
    Q_OBJECT

    static void showPageOf(WindowFixture &f, const QString &name)
    {
        f.window->findChild<QStackedWidget *>(u"PageControl1"_s)
            ->setCurrentIndex(findPosition(name)->page - 1);
    }

private Q_SLOTS:
    void typing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("result");
        QTest::newRow("amount") << u"p_25"_s << u"1a2, 3.-4"_s << u"123-4"_s;
        QTest::newRow("amount minus anywhere") << u"p_60"_s << u"--5-"_s << u"--5-"_s;
        QTest::newRow("every amount field filters") << u"p_65"_s << u"x9"_s << u"9"_s;
        QTest::newRow("quarter: digits, 2 at most") << u"p_4"_s << u"-1x234"_s << u"12"_s;
        QTest::newRow("year: digits, 4 at most") << u"p_5"_s << u"2o011-9"_s << u"2011"_s;
        QTest::newRow("date: digits and minus, 10 at most")
            << u"p_76"_s << u"15.10-2011/12"_s << u"1510-20111"_s;
        QTest::newRow("text takes anything") << u"p_9"_s << u"Ala, 1-2 ?"_s << u"Ala, 1-2 ?"_s;
        QTest::newRow("town takes anything") << u"p_17"_s << u"Lodz 2."_s << u"Lodz 2."_s;
    }
    void typing()
    {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(QString, result);
        WindowFixture f;
        showPageOf(f, field);
        f.type(field, keys);
        QCOMPARE(f.window->text(field), result);
    }

    void backspaceAndEditingKeysWork()
    {
        WindowFixture f;
        showPageOf(f, u"p_25"_s);
        f.type(u"p_25"_s, u"123"_s);
        QTest::keyClick(f.find(u"p_25"_s), Qt::Key_Backspace);
        QTest::keyClick(f.find(u"p_25"_s), Qt::Key_Home);
        QTest::keyClick(f.find(u"p_25"_s), Qt::Key_Delete);
        QCOMPARE(f.window->text(u"p_25"_s), u"2"_s);
    }

    // Pasting passes the filter but not the length limit.
    void pastingIsCutToTheLimit()
    {
        WindowFixture f;
        QApplication::clipboard()->setText(u"2011x-7"_s);
        f.find(u"p_4"_s)->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(f.find(u"p_4"_s), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.window->text(u"p_4"_s), u"20"_s);
    }

    // A loaded text longer than the field's limit is kept whole.
    void limitDoesNotCutLoadedText()
    {
        WindowFixture f;
        f.window->setText(u"p_5"_s, u"201122"_s);
        QCOMPARE(f.window->text(u"p_5"_s), u"201122"_s);
    }

    void leavingQuarter_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("calls");
        const QStringList complaint{u"message: Błąd w polu kwartał!"_s};
        QTest::newRow("0") << u"0"_s << QString() << complaint;
        QTest::newRow("5") << u"5"_s << QString() << complaint;
        QTest::newRow("04") << u"04"_s << u"04"_s << QStringList();
        QTest::newRow("1") << u"1"_s << u"1"_s << QStringList();
        QTest::newRow("empty") << QString() << QString() << QStringList();
        QTest::newRow("pasted letters")
            << u"x"_s << u"x"_s << QStringList{u"error: 'x' is not a valid integer value"_s};
    }
    void leavingQuarter()
    {
        QFETCH(QString, value);
        QFETCH(QString, after);
        QFETCH(QStringList, calls);
        WindowFixture f;
        f.window->setText(u"p_4"_s, value);
        f.leave(u"p_4"_s);
        QCOMPARE(f.window->text(u"p_4"_s), after);
        QCOMPARE(f.recorder.calls, calls);
        QCOMPARE(QApplication::focusWidget(), f.find(u"p_5"_s)); // the focus goes on
    }

    // Going to the menu with the Alt key does not leave the field: the rule
    // runs only when the user moves on to another control.
    void altKeyDoesNotLeaveTheField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("quarter") << u"p_4"_s << u"5"_s;
        QTest::newRow("date") << u"p_76"_s << u"1"_s;
    }
    void altKeyDoesNotLeaveTheField()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        WindowFixture f;
        showPageOf(f, field);
        f.window->setText(field, value);
        f.find(field)->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(f.find(field), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(f.recorder.calls, QStringList());
        QCOMPARE(f.window->text(field), value);
        QCOMPARE(QApplication::focusWidget(), f.find(field));
    }

    void leavingTown()
    {
        WindowFixture f;
        f.window->setText(u"p_17"_s, u"Łódź"_s);
        f.leave(u"p_17"_s);
        QCOMPARE(f.window->text(u"p_19"_s), u"Łódź"_s);
        f.window->setText(u"p_17"_s, u"Zgierz"_s);
        f.leave(u"p_17"_s);
        QCOMPARE(f.window->text(u"p_19"_s), u"Łódź"_s);
    }

    void leavingRateBase_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("tax");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("25=10") << u"p_25"_s << u"10"_s << u"p_26"_s << u"1"_s << QStringList();
        QTest::newRow("25=9") << u"p_25"_s << u"9"_s << u"p_26"_s << u"0"_s << QStringList();
        QTest::newRow("27=1000") << u"p_27"_s << u"1000"_s << u"p_28"_s << u"80"_s << QStringList();
        QTest::newRow("29=50") << u"p_29"_s << u"50"_s << u"p_30"_s << u"12"_s << QStringList();
        QTest::newRow("empty base") << u"p_29"_s << QString() << u"p_30"_s << u"7"_s << QStringList();
        QTest::newRow("minus after digit") << u"p_27"_s << u"1-"_s << u"p_28"_s << u"7"_s
                                           << QStringList{u"error: '1-' is not a valid integer value"_s};
    }
    void leavingRateBase()
    {
        QFETCH(QString, base);
        QFETCH(QString, value);
        QFETCH(QString, tax);
        QFETCH(QString, result);
        QFETCH(QStringList, calls);
        WindowFixture f;
        showPageOf(f, base);
        f.window->setText(tax, u"7"_s);
        f.type(base, value);
        QTest::keyClick(f.find(base), Qt::Key_Tab);
        QCOMPARE(f.window->text(tax), result);
        QCOMPARE(f.recorder.calls, calls);
    }

    void leavingDate_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("valid");
        QTest::newRow("31-12-2011") << u"31-12-2011"_s << true;
        QTest::newRow("31-02-2011") << u"31-02-2011"_s << true;
        QTest::newRow("32-01-2011") << u"32-01-2011"_s << false;
        QTest::newRow("01-13-2011") << u"01-13-2011"_s << false;
        QTest::newRow("01-01-1899") << u"01-01-1899"_s << false;
        QTest::newRow("01-01-2101") << u"01-01-2101"_s << false;
        QTest::newRow("1-1-2011") << u"1-1-2011"_s << false;
        QTest::newRow("empty") << QString() << false;
    }
    void leavingDate()
    {
        QFETCH(QString, value);
        QFETCH(bool, valid);
        WindowFixture f;
        showPageOf(f, u"p_76"_s);
        f.type(u"p_76"_s, value);
        f.window->findChild<QWidget *>(u"p_75"_s)->setFocus(Qt::BacktabFocusReason);
        QCOMPARE(f.recorder.calls, valid ? QStringList() : QStringList{u"message: Niepawidłowa data."_s});
        QCOMPARE(QApplication::focusWidget(), f.find(valid ? u"p_75"_s : u"p_76"_s));
        QCOMPARE(f.window->text(u"p_76"_s), value);
    }

    void pairs_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("tak");
        QTest::addColumn<bool>("nie");
        QTest::newRow("Nie unchecked checks Tak") << QStringList{u"_2"_s} << true << false;
        QTest::newRow("Tak checked unchecks Nie") << QStringList{u"_1"_s} << true << false;
        QTest::newRow("Tak again checks Nie") << QStringList{u"_1"_s, u"_1"_s} << false << true;
        QTest::newRow("Nie twice") << QStringList{u"_2"_s, u"_2"_s} << false << true;
    }
    void pairs()
    {
        QFETCH(QStringList, clicks);
        QFETCH(bool, tak);
        QFETCH(bool, nie);
        for (const QString &position : {u"p_70"_s, u"p_71"_s}) {
            WindowFixture f;
            showPageOf(f, position + u"_1"_s);
            for (const QString &box : clicks)
                QTest::mouseClick(f.find(position + box), Qt::LeftButton);
            QCOMPARE(f.window->isChecked(position + u"_1"_s), tak);
            QCOMPARE(f.window->isChecked(position + u"_2"_s), nie);
        }
    }

    void pairRuleRunsWhenSetFromCode()
    {
        WindowFixture f;
        f.window->setChecked(u"p_71_1"_s, true);
        QVERIFY(!f.window->isChecked(u"p_71_2"_s));
        f.window->setChecked(u"p_71_2"_s, true);
        QVERIFY(!f.window->isChecked(u"p_71_1"_s));
    }

    void copyButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("after"); // p_61 .. p_65
        const QString s = u"700"_s;
        QTest::newRow("BitBtn16") << u"BitBtn16"_s << QStringList{s, s, {}, {}, {}};
        QTest::newRow("BitBtn3") << u"BitBtn3"_s << QStringList{s, {}, s, {}, {}};
        QTest::newRow("BitBtn10") << u"BitBtn10"_s << QStringList{s, {}, {}, s, {}};
        QTest::newRow("BitBtn11") << u"BitBtn11"_s << QStringList{{}, {}, {}, {}, s};
    }
    void copyButtons()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, after);
        WindowFixture f;
        showPageOf(f, u"p_60"_s);
        f.window->setText(u"p_60"_s, u"700"_s);
        for (int n = 61; n <= 65; ++n)
            f.window->setText(positionName(n), u"5"_s);
        f.click(button);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(f.window->text(positionName(61 + i)), after[i]);
    }

    void copyButtonOfRow61IsHidden()
    {
        WindowFixture f;
        showPageOf(f, u"p_61"_s);
        QVERIFY(f.find(u"BitBtn9"_s));
        QVERIFY(!f.find(u"BitBtn9"_s)->isVisible());
        QVERIFY(f.find(u"BitBtn16"_s)->isVisible());
    }
};

QTEST_MAIN(EntryRulesWindowTest)
#include "entry_rules_window_test.moc"
