#include "declaration/errors.h"
#include "support/fixtures.h"
#include "wizard/wizard_navigation.h"
#include "wizard/wizard_record.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// "1 8" ticks CB1 and CB8.
WizardQuestions ticked(const QString &list)
{
    WizardQuestions q;
    for (const QString &n : list.split(u' ', Qt::SkipEmptyParts))
        q.cb[size_t(n.toInt())] = true;
    return q;
}

void tick(WizardDeclaration &d, const QString &list)
{
    for (int n = 1; n <= 8; ++n)
        d.setChecked(WizardQuestionNames[n - 1], ticked(list)[n]);
}

QString pagesOf(const QList<int> &pages)
{
    QStringList out;
    for (int p : pages)
        out.append(QString::number(p));
    return out.join(u' ');
}

} // namespace

class WizardNavigationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Next from page 1 until the wizard finishes, then Back to page 1.
    void walk_data()
    {
        QTest::addColumn<QString>("questions");
        QTest::addColumn<QString>("amounts");
        QTest::addColumn<QString>("forward");
        QTest::addColumn<QString>("back");
        QTest::newRow("opening answers, tax to pay")
            << u"1 8"_s << u"26=100"_s << u"1 2 3 4 5 6 8"_s << u"8 6 5 4 3 2 1"_s;
        QTest::newRow("no question") << QString() << QString() << u"1 2 3 5 8"_s << u"8 5 3 2 1"_s;
        QTest::newRow("foreign trade only") << u"2"_s << QString() << u"1 2 3 4 5 6 8"_s << u"8 6 5 4 3 2 1"_s;
        QTest::newRow("liquidation only") << u"3"_s << QString() << u"1 2 3 4 5 8"_s << u"8 5 4 3 2 1"_s;
        QTest::newRow("each of the other deductions") << u"6"_s << QString() << u"1 2 3 5 7 8"_s << u"8 7 5 3 2 1"_s;
        QTest::newRow("everything, with a surplus")
            << u"1 2 3 4 5 6 7 8"_s << u"50=100"_s << u"1 2 3 4 5 6 7 8 9"_s << u"9 8 7 6 5 4 3 2 1"_s;
        QTest::newRow("surplus with no question") << QString() << u"47=10"_s << u"1 2 3 5 8 9"_s << u"9 8 5 3 2 1"_s;
    }
    void walk()
    {
        QFETCH(QString, questions);
        QFETCH(QString, amounts);
        QFETCH(QString, forward);
        QFETCH(QString, back);
        WizardDeclaration d;
        tick(d, questions);
        setAmounts(d, ::amounts(amounts));
        WizardState s;
        QList<int> visited{s.page};
        while (wizardNext(s, d) == NextOutcome::Moved) {
            QVERIFY(s.backEnabled);
            visited.append(s.page);
            QVERIFY(visited.size() < 12);
        }
        QCOMPARE(pagesOf(visited), forward);
        QCOMPARE(nextCaption(s), u"Zakończ"_s);

        QList<int> backward{s.page};
        while (s.page != 1) {
            wizardBack(s, questionsOf(d));
            QCOMPARE(nextCaption(s), u"Dalej >"_s);
            backward.append(s.page);
        }
        QCOMPARE(pagesOf(backward), back);
        QVERIFY(!s.backEnabled);
    }

    void captionBeforePage8_data()
    {
        QTest::addColumn<QString>("amounts");
        QTest::addColumn<QString>("caption");
        QTest::newRow("no surplus: page 8 is the last") << QString() << u"Zakończ"_s;
        QTest::newRow("a surplus leads to page 9") << u"50=5"_s << u"Dalej >"_s;
    }
    void captionBeforePage8()
    {
        QFETCH(QString, amounts);
        QFETCH(QString, caption);
        WizardDeclaration d;
        setAmounts(d, ::amounts(amounts));
        WizardState s{5, false, true};
        QCOMPARE(wizardNext(s, d), NextOutcome::Moved);
        QCOMPARE(s.page, 8);
        QCOMPARE(nextCaption(s), caption);
    }

    void page9NeverMoves()
    {
        WizardDeclaration d;
        WizardState s{9, true, true};
        QCOMPARE(wizardNext(s, d), NextOutcome::Finish);
        QCOMPARE(s.page, 9);
    }

    void failedComputationKeepsThePage_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("on the way to page 8") << 7;
        QTest::newRow("on page 8") << 8;
    }
    void failedComputationKeepsThePage()
    {
        QFETCH(int, page);
        WizardDeclaration d;
        d.setText(u"p_48"_s, u"12,5"_s);
        WizardState s{page, false, true};
        QVERIFY_THROWS_EXCEPTION(ConversionError, wizardNext(s, d));
        QCOMPARE(s.page, page);
        QCOMPARE(nextCaption(s), u"Dalej >"_s);
    }

    void layouts_data()
    {
        QTest::addColumn<QString>("questions");
        QTest::addColumn<QString>("page4");  // caption: shown groups
        QTest::addColumn<QString>("page6");  // caption: shown groups with tops
        QTest::addColumn<QString>("page7");  // shown groups with tops
        QTest::newRow("opening answers")
            << u"1 8"_s << u"Sprzedaż: Panel4_1"_s
            << u"Nabycie / Korekta podatku: Panel6_1@34 Panel6_3@116"_s << QString();
        QTest::newRow("foreign trade only")
            << u"2"_s << u"Sprzedaż: Panel4_2"_s << u"Nabycie: Panel6_2@34"_s << QString();
        QTest::newRow("liquidation only") << u"3"_s << u"Podatek należny: Panel4_3"_s << u"Nabycie: "_s << QString();
        QTest::newRow("sales and liquidation")
            << u"1 3"_s << u"Sprzedaż / Podatek należny: Panel4_1 Panel4_3"_s << u"Nabycie: "_s << QString();
        QTest::newRow("both purchases")
            << u"2 8"_s << u"Sprzedaż: Panel4_2"_s
            << u"Nabycie / Korekta podatku: Panel6_1@34 Panel6_2@113 Panel6_3@314"_s << QString();
        QTest::newRow("all deductions")
            << u"4 5 6 7"_s << u"Sprzedaż: "_s << u"Nabycie: "_s
            << u"Panel7_1@34 Panel7_2@70 Panel7_3@126 Panel7_4@168 Panel7_5@232"_s;
        QTest::newRow("carried surplus and registers")
            << u"5 6"_s << u"Sprzedaż: "_s << u"Nabycie: "_s << u"Panel7_1@34 Panel7_2@70 Panel7_4@128"_s;
        QTest::newRow("threshold and abandoned tax")
            << u"4 7"_s << u"Sprzedaż: "_s << u"Nabycie: "_s << u"Panel7_1@34 Panel7_3@70 Panel7_5@110"_s;
        QTest::newRow("threshold, registers, abandoned tax")
            << u"4 6 7"_s << u"Sprzedaż: "_s << u"Nabycie: "_s << u"Panel7_1@34 Panel7_3@70 Panel7_4@110 Panel7_5@174"_s;
        QTest::newRow("registers only") << u"6"_s << u"Sprzedaż: "_s << u"Nabycie: "_s << u"Panel7_4@34"_s;
        QTest::newRow("abandoned tax only") << u"7"_s << u"Sprzedaż: "_s << u"Nabycie: "_s << u"Panel7_5@34"_s;
        QTest::newRow("registers and abandoned tax")
            << u"6 7"_s << u"Sprzedaż: "_s << u"Nabycie: "_s << u"Panel7_4@34 Panel7_5@98"_s;
        QTest::newRow("carried surplus and abandoned tax")
            << u"5 7"_s << u"Sprzedaż: "_s << u"Nabycie: "_s << u"Panel7_1@34 Panel7_2@70 Panel7_5@128"_s;
        QTest::newRow("carried, registers, abandoned")
            << u"5 6 7"_s << u"Sprzedaż: "_s << u"Nabycie: "_s
            << u"Panel7_1@34 Panel7_2@70 Panel7_4@128 Panel7_5@192"_s;
    }
    void layouts()
    {
        QFETCH(QString, questions);
        QFETCH(QString, page4);
        QFETCH(QString, page6);
        QFETCH(QString, page7);
        const WizardQuestions q = ticked(questions);
        const auto shown = [](const std::vector<GroupPlace> &groups, bool tops) {
            QStringList out;
            for (const GroupPlace &g : groups)
                if (g.visible)
                    out.append(tops ? u"%1@%2"_s.arg(g.name).arg(g.top) : g.name);
            return out.join(u' ');
        };
        QCOMPARE(page4Caption(q) + u": "_s + shown(page4Groups(q), false), page4);
        QCOMPARE(page6Caption(q) + u": "_s + shown(page6Groups(q), true), page6);
        QCOMPARE(shown(page7Groups(q), true), page7);
    }
};

QTEST_APPLESS_MAIN(WizardNavigationTest)
#include "wizard_navigation_test.moc"
