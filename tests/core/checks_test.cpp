#include "declaration/checks.h"
#include "declaration/errors.h"
#include "support/fixtures.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(QList<QStringList>)

class ChecksTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixturePasses()
    {
        QStringList lines{u"a line of an earlier run"_s};
        QVERIFY(!SprawdzDeklaracje(validDeclaration(), lines));
        QVERIFY(lines.isEmpty());
    }

    // One change to the passing fixture, the one line it brings, and whether
    // that line is an error.
    void findings_data()
    {
        QTest::addColumn<QStringList>("changes"); // "name=text" or "name!" to check a box
        QTest::addColumn<QString>("line");        // empty: no line
        QTest::addColumn<bool>("error");

        const auto row = [](const char *name, QStringList changes, QString line, bool error) {
            QTest::newRow(name) << changes << line << error;
        };
        row("no NIP", {u"p_1="_s}, u"Brak numeru NIP."_s, true);
        row("NIP of blanks is filled", {u"p_1= "_s}, {}, false);
        row("quarter 0", {u"p_4=0"_s}, u"Błąd w polu kwartał."_s, true);
        row("quarter 5", {u"p_4=5"_s}, u"Błąd w polu kwartał."_s, true);
        row("quarter 04", {u"p_4=04"_s}, {}, false);
        row("quarter 1", {u"p_4=1"_s}, {}, false);
        row("no quarter", {u"p_4="_s}, u"Nie wypełnione pole kwartał."_s, true);
        row("year 2004", {u"p_5=2004"_s}, u"Błąd w polu rok"_s, true);
        row("year 1999", {u"p_5=1999"_s}, u"Błąd w polu rok"_s, true);
        row("no year", {u"p_5="_s}, u"Błąd w polu rok"_s, true);
        row("year 200", {u"p_5=200"_s}, u"Błąd w polu rok"_s, true);
        row("year 21", {u"p_5=21"_s}, u"Błąd w polu rok"_s, true);
        row("year 3", {u"p_5=3"_s}, u"Błąd w polu rok"_s, true);
        row("year 20a5", {u"p_5=20a5"_s}, u"Błąd w polu rok"_s, true);
        row("year 2005", {u"p_5=2005"_s}, {}, false);
        row("year 9999", {u"p_5=9999"_s}, {}, false);
        row("no tax office", {u"p_6="_s}, u"Brak urzędu skarbowego"_s, true);
        row("no name", {u"p_9="_s}, u"Brak nazwy podatnika"_s, true);
        row("no street and no postal code", {u"p_14="_s, u"p_18="_s},
            u"Niewypełnione dane adresowe"_s, true);
        row("no country", {u"p_10="_s}, u"Niewypełnione dane adresowe"_s, true);
        row("no post office", {u"p_19="_s}, u"Niewypełnione dane adresowe"_s, true);
        row("no flat number is fine", {u"p_16="_s}, {}, false);
        row("no first name", {u"p_72="_s}, u"Brak danych osoby wypełniającej"_s, true);
        row("no phone", {u"p_75="_s}, u"Brak danych osoby wypełniającej"_s, true);
        row("no date", {u"p_76="_s}, u"Brak daty wypełnienia deklaracji"_s, true);
        row("surplus neither refunded nor carried", {u"p_60=100"_s},
            u"Niepoprawne informacje o zwrocie podatku"_s, true);
        row("carried forward", {u"p_60=100"_s, u"p_65=100"_s}, {}, false);
        row("refund and carry-forward", {u"p_60=100"_s, u"p_61=40"_s, u"p_63=40"_s, u"p_65=60"_s, u"p_70_1!"_s}, {}, false);
        row("terms do not make the refund",
            {u"p_60=100"_s, u"p_61=40"_s, u"p_62=10"_s, u"p_63=20"_s, u"p_65=60"_s, u"p_70_1!"_s},
            u"Niepoprawne informacje o zwrocie podatku"_s, true);
        row("terms without a refund are not compared", {u"p_62=10"_s}, {}, false);
        row("180 days filled, 70 says no", {u"p_64=5"_s},
            u"Niezaznaczone pole 70 (wniosek o zwrot podatku)"_s, true);
        row("180 days filled, 70 says yes", {u"p_64=5"_s, u"p_70_1!"_s}, {}, false);
        row("25 days filled alone, 70 says no", {u"p_62=5"_s}, {}, false);
        row("60 days filled alone, 70 says no", {u"p_63=5"_s}, {}, false);
        row("p_25 without p_26", {u"p_25=100"_s}, u"Pola 25 i 26 powinny być wypełnione łącznie"_s, false);
        row("p_26 without p_25", {u"p_26=0"_s}, u"Pola 25 i 26 powinny być wypełnione łącznie"_s, false);
        row("p_25 with p_26", {u"p_25=100"_s, u"p_26=5"_s}, {}, false);
        row("p_28 alone", {u"p_28=8"_s}, u"Pola 27 i 28 powinny być wypełnione łącznie"_s, false);
        row("p_29 alone", {u"p_29=8"_s}, u"Pola 29 i 30 powinny być wypełnione łącznie"_s, false);
        row("p_33 alone", {u"p_33=8"_s}, u"Pola 33 i 34 powinny być wypełnione łącznie"_s, false);
        row("p_36 alone", {u"p_36=8"_s}, u"Pola 35 i 36 powinny być wypełnione łącznie"_s, false);
        row("p_37 alone", {u"p_37=8"_s}, u"Pola 37 i 38 powinny być wypełnione łącznie"_s, false);
        row("p_40 alone", {u"p_40=8"_s}, u"Pola 39 i 40 powinny być wypełnione łącznie"_s, false);
        row("p_41 alone", {u"p_41=8"_s}, u"Pola 41 i 42 powinny być wypełnione łącznie"_s, false);
        row("p_48 alone", {u"p_48=8"_s}, u"Pola 47 i 48 powinny być wypełnione łącznie"_s, false);
        row("p_49 alone", {u"p_49=8"_s}, u"Pola 49 i 50 powinny być wypełnione łącznie"_s, false);
        row("p_52 alone", {u"p_52=8"_s}, u"Pola 51 i 52 powinny być wypełnione łącznie"_s, false);
    }
    void findings()
    {
        QFETCH(QStringList, changes);
        QFETCH(QString, line);
        QFETCH(bool, error);
        TDeklaracja d = validDeclaration();
        for (const QString &change : changes) {
            if (change.endsWith(u'!'))
                d.setChecked(change.chopped(1), true);
            else
                d.setText(change.section(u'=', 0, 0), change.section(u'=', 1));
        }
        QStringList lines;
        QCOMPARE(SprawdzDeklaracje(d, lines), error);
        QCOMPARE(lines, line.isEmpty() ? QStringList() : QStringList{line});
    }

    void linesInTheirOrder()
    {
        TDeklaracja d = validDeclaration();
        d.setText(u"p_25"_s, u"100"_s);
        d.setText(u"p_6"_s, QString());
        d.setText(u"p_76"_s, QString());
        d.setText(u"p_1"_s, QString());
        d.setText(u"p_52"_s, u"1"_s);
        QStringList lines;
        QVERIFY(SprawdzDeklaracje(d, lines));
        QCOMPARE(lines, (QStringList{u"Brak numeru NIP."_s, u"Brak urzędu skarbowego"_s,
                                     u"Brak daty wypełnienia deklaracji"_s,
                                     u"Pola 25 i 26 powinny być wypełnione łącznie"_s,
                                     u"Pola 51 i 52 powinny być wypełnione łącznie"_s}));

        // Mended, the next run starts from an empty list.
        d = validDeclaration();
        QVERIFY(!SprawdzDeklaracje(d, lines));
        QVERIFY(lines.isEmpty());
    }

    void newDeclarationFindsEverything()
    {
        QStringList lines;
        QVERIFY(SprawdzDeklaracje(TDeklaracja(), lines));
        QCOMPARE(lines, (QStringList{u"Brak numeru NIP."_s, u"Nie wypełnione pole kwartał."_s,
                                     u"Błąd w polu rok"_s, u"Brak urzędu skarbowego"_s,
                                     u"Brak nazwy podatnika"_s, u"Niewypełnione dane adresowe"_s,
                                     u"Brak danych osoby wypełniającej"_s,
                                     u"Brak daty wypełnienia deklaracji"_s}));
    }

    void conversionErrors_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("quarter") << u"p_4"_s << u"1a"_s;
        QTest::newRow("surplus") << u"p_60"_s << u"12,5"_s;
        QTest::newRow("carry-forward") << u"p_65"_s << u"-"_s;
        QTest::newRow("a term of the refund") << u"p_63"_s << u"x"_s;
    }
    void conversionErrors()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        TDeklaracja d = validDeclaration();
        d.setText(u"p_60"_s, u"5"_s);
        d.setText(u"p_61"_s, u"5"_s);
        d.setText(name, text);
        QStringList lines;
        QVERIFY_THROWS_EXCEPTION(ConversionError, SprawdzDeklaracje(d, lines));
    }
};

QTEST_APPLESS_MAIN(ChecksTest)
#include "checks_test.moc"
