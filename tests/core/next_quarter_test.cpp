#include "declaration/errors.h"
#include "declaration/positions.h"
#include "files/declaration_file.h"
#include "files/next_quarter.h"
#include "support/fixtures.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDate Today(2012, 1, 9);

// Last quarter's declaration as a bookkeeper leaves it: header and signatory,
// a correction of a natural person, amounts everywhere (p_47 included, which
// must not survive), boxes of part F and both "Tak" boxes checked, an old date.
TDeklaracja previousDeclaration()
{
    TDeklaracja d = validDeclaration();
    d.setText(u"p_16"_s, u"4a"_s);
    d.setIndex(u"p_7"_s, 1);
    d.setIndex(u"p_8"_s, 1);
    for (int n = FirstAmount; n <= LastAmount; ++n)
        d.setText(positionName(n), QString::number(n * 10));
    for (const QString &box : {u"p_66"_s, u"p_67"_s, u"p_68"_s, u"p_69"_s, u"p_70_1"_s, u"p_71_1"_s})
        d.setChecked(box, true);
    d.setText(u"p_76"_s, u"14-10-2011"_s);
    return d;
}

// Every position of `next` is as `expected` says, or as a new declaration has
// it when `expected` does not name it.
void compareWithNew(const TDeklaracja &next, const QMap<QString, QString> &expectedTexts,
                    const QMap<QString, int> &expectedIndexes)
{
    const TDeklaracja fresh;
    for (const Position &p : positions()) {
        if (p.holdsText())
            QVERIFY2(next.text(p.name) == expectedTexts.value(p.name, fresh.text(p.name)),
                     qPrintable(p.name + u": "_s + next.text(p.name)));
        else if (p.kind == PositionKind::Choice)
            QVERIFY2(next.index(p.name) == expectedIndexes.value(p.name, fresh.index(p.name)), qPrintable(p.name));
        else
            QVERIFY2(next.isChecked(p.name) == fresh.isChecked(p.name), qPrintable(p.name));
    }
}

QMap<QString, QString> keptTexts(const TDeklaracja &previous)
{
    QMap<QString, QString> kept;
    for (const QString &name : {u"p_1"_s, u"p_6"_s, u"p_9"_s, u"p_10"_s, u"p_11"_s, u"p_12"_s,
                                u"p_13"_s, u"p_14"_s, u"p_15"_s, u"p_16"_s, u"p_17"_s, u"p_18"_s,
                                u"p_19"_s, u"p_72"_s, u"p_73"_s, u"p_75"_s})
        kept.insert(name, previous.text(name));
    return kept;
}

} // namespace

class NextQuarterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void rule_data()
    {
        QTest::addColumn<QString>("quarter");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("p65");
        QTest::addColumn<QString>("nextQuarter");
        QTest::addColumn<QString>("nextYear");
        QTest::addColumn<QString>("p47");

        QTest::newRow("1 -> 2, surplus carried") << u"1"_s << u"2011"_s << u"1500"_s << u"2"_s << u"2011"_s << u"1500"_s;
        QTest::newRow("3 -> 4, no surplus") << u"3"_s << u"2011"_s << QString() << u"4"_s << u"2011"_s << QString();
        QTest::newRow("4 -> next year's 1") << u"4"_s << u"2011"_s << u"7"_s << u"1"_s << u"2012"_s << u"7"_s;
        QTest::newRow("4 of 1999 -> 1 of 2000") << u"4"_s << u"1999"_s << u"0"_s << u"1"_s << u"2000"_s << u"0"_s;
        QTest::newRow("leading zero") << u"02"_s << u"2011"_s << QString() << u"3"_s << u"2011"_s << QString();
        // The carried amount is taken as it stands, as loading takes it; the
        // calculation or the checks will name it if it is wrong.
        QTest::newRow("surplus not a number") << u"2"_s << u"2011"_s << u"12x"_s << u"3"_s << u"2011"_s << u"12x"_s;

        // Periods that cannot be advanced: both left empty, the rest as always.
        QTest::newRow("quarter 0") << u"0"_s << u"2011"_s << u"5"_s << QString() << QString() << u"5"_s;
        QTest::newRow("quarter 5") << u"5"_s << u"2011"_s << u"5"_s << QString() << QString() << u"5"_s;
        QTest::newRow("quarter empty") << QString() << u"2011"_s << QString() << QString() << QString() << QString();
        QTest::newRow("quarter with letters") << u"I"_s << u"2011"_s << QString() << QString() << QString() << QString();
        QTest::newRow("quarter with a blank") << u" 1"_s << u"2011"_s << QString() << QString() << QString() << QString();
        QTest::newRow("quarter three digits") << u"001"_s << u"2011"_s << QString() << QString() << QString() << QString();
        QTest::newRow("quarter negative") << u"-1"_s << u"2011"_s << QString() << QString() << QString() << QString();
        QTest::newRow("year two digits") << u"1"_s << u"11"_s << u"5"_s << QString() << QString() << u"5"_s;
        QTest::newRow("year five digits") << u"1"_s << u"20111"_s << QString() << QString() << QString() << QString();
        QTest::newRow("year empty") << u"4"_s << QString() << QString() << QString() << QString() << QString();
        QTest::newRow("year with a letter") << u"1"_s << u"2O11"_s << QString() << QString() << QString() << QString();
        QTest::newRow("year with a sign") << u"1"_s << u"+201"_s << QString() << QString() << QString() << QString();
        QTest::newRow("year 9999, quarter 3") << u"3"_s << u"9999"_s << QString() << u"4"_s << u"9999"_s << QString();
        QTest::newRow("year 9999, quarter 4") << u"4"_s << u"9999"_s << QString() << QString() << QString() << QString();
    }
    void rule()
    {
        QFETCH(QString, quarter);
        QFETCH(QString, year);
        QFETCH(QString, p65);
        QFETCH(QString, nextQuarter);
        QFETCH(QString, nextYear);
        QFETCH(QString, p47);

        TDeklaracja previous = previousDeclaration();
        previous.setText(u"p_4"_s, quarter);
        previous.setText(u"p_5"_s, year);
        previous.setText(u"p_65"_s, p65);

        const TDeklaracja next = nextQuarterOf(previous, Today);

        QMap<QString, QString> texts = keptTexts(previous);
        texts.insert(u"p_4"_s, nextQuarter);
        texts.insert(u"p_5"_s, nextYear);
        texts.insert(u"p_47"_s, p47);
        texts.insert(u"p_76"_s, u"09-01-2012"_s);
        compareWithNew(next, texts, {{u"p_8"_s, 1}});
    }

    // The kind of taxpayer is kept as it is, the purpose always starts anew.
    void choices_data()
    {
        QTest::addColumn<int>("p7");
        QTest::addColumn<int>("p8");
        QTest::newRow("new, company") << 0 << 0;
        QTest::newRow("correction, person") << 1 << 1;
        QTest::newRow("nothing chosen") << -1 << -1;
    }
    void choices()
    {
        QFETCH(int, p7);
        QFETCH(int, p8);
        TDeklaracja previous = previousDeclaration();
        previous.setIndex(u"p_7"_s, p7);
        previous.setIndex(u"p_8"_s, p8);
        const TDeklaracja next = nextQuarterOf(previous, Today);
        QCOMPARE(next.index(u"p_7"_s), 0);
        QCOMPARE(next.index(u"p_8"_s), p8);
    }

    // Through the file: every position of the target is overwritten, the
    // previous file stays as it was.
    void loadFromFile()
    {
        const QString path = m_dir.filePath(u"kwartal4.vat"_s);
        TDeklaracja previous = previousDeclaration();
        previous.setText(u"p_4"_s, u"4"_s);
        previous.setText(u"p_5"_s, u"2011"_s);
        ZapiszDeklaracje(previous, path);
        const QByteArray before = readAll(path);

        TDeklaracja target = previousDeclaration(); // as if typed in the window
        target.setText(u"p_1"_s, u"inny NIP"_s);
        loadNextQuarter(target, path, Today);

        QMap<QString, QString> texts = keptTexts(previous);
        texts.insert(u"p_4"_s, u"1"_s);
        texts.insert(u"p_5"_s, u"2012"_s);
        texts.insert(u"p_47"_s, u"650"_s);
        texts.insert(u"p_76"_s, u"09-01-2012"_s);
        compareWithNew(target, texts, {{u"p_8"_s, 1}});
        QCOMPARE(readAll(path), before);
    }

    void refusedFileChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // empty: no such file
        QTest::addColumn<QString>("message");
        QTest::newRow("picture") << u"obrazek.vat"_s << QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16)
                                 << u"nie jest plikiem deklaracji"_s;
        QTest::newRow("missing") << u"brak.vat"_s << QByteArray() << u"brak.vat"_s;
    }
    void refusedFileChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString path = m_dir.filePath(name);
        if (!bytes.isEmpty())
            writeAll(path, bytes);

        TDeklaracja target = previousDeclaration();
        try {
            loadNextQuarter(target, path, Today);
            QFAIL("no error");
        } catch (const LorqaError &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
        const TDeklaracja untouched = previousDeclaration();
        for (const Position &p : positions()) {
            if (p.holdsText())
                QCOMPARE(target.text(p.name), untouched.text(p.name));
            else if (p.kind == PositionKind::Choice)
                QCOMPARE(target.index(p.name), untouched.index(p.name));
            else
                QCOMPARE(target.isChecked(p.name), untouched.isChecked(p.name));
        }
    }
};

QTEST_GUILESS_MAIN(NextQuarterTest)
#include "next_quarter_test.moc"
