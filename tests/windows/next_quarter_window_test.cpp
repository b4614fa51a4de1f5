#include "core/support/fixtures.h"
#include "core/support/test_files.h"
#include "declaration/positions.h"
#include "files/declaration_file.h"
#include "support/window_fixture.h"

#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Entry = u"Nowadeklaracjazpoprzedniej1"_s;

// Last quarter's refund declaration of a natural person, filed as a correction.
TDeklaracja lastQuarter()
{
    TDeklaracja d = validDeclaration();
    d.setText(u"p_4"_s, u"4"_s);
    d.setText(u"p_5"_s, u"2010"_s);
    d.setIndex(u"p_7"_s, 1);
    d.setIndex(u"p_8"_s, 1);
    setAmounts(d, amounts(u"29=1000 30=230 46=230 47=90 51=2000 52=460 55=460 60=230 61=100 63=100 65=130"_s));
    d.setChecked(u"p_67"_s, true);
    d.setChecked(u"p_70_1"_s, true);
    d.setText(u"p_76"_s, u"20-01-2011"_s);
    return d;
}

// What the window shows before the command: something else in every kind of
// position, so that a position the command forgets shows.
void typeSomethingElse(WindowFixture &f)
{
    f.window->setText(u"p_1"_s, u"9999999999"_s);
    f.window->setText(u"p_4"_s, u"2"_s);
    f.window->setText(u"p_25"_s, u"700"_s);
    f.window->setText(u"p_47"_s, u"5"_s);
    f.window->setChecked(u"p_69"_s, true);
    f.window->setChecked(u"p_71_1"_s, true);
    f.window->setText(u"p_76"_s, u"01-01-2000"_s);
}

} // namespace

class NextQuarterWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString pathIn(const QString &name) const
    {
        QDir(m_dir.path()).mkpath(u"dane"_s);
        return m_dir.path() + u"/dane/"_s + name;
    }

private Q_SLOTS:
    void entryStandsAfterOpeningADeclaration()
    {
        WindowFixture f;
        QAction *open = f.action(u"Wczytajdeklaracje1"_s);
        const QList<QAction *> entries = f.find<QMenu>(u"Plik1"_s)->actions();
        const qsizetype at = entries.indexOf(open);
        QCOMPARE(entries.value(at + 1), f.action(Entry));
        QCOMPARE(f.action(Entry)->text(), u"Nowa deklaracja z poprzedniej ..."_s);
    }

    void fillsTheNextQuarter()
    {
        const QString path = pathIn(u"2010-4.vat"_s);
        ZapiszDeklaracje(lastQuarter(), path);
        const QByteArray saved = readAll(path);

        WindowFixture f;
        typeSomethingElse(f);
        f.clickArea(u"ImageButton3"_s);
        f.recorder.fileNames = {path};
        f.trigger(Entry);

        // The dialog of "Otwórz deklaracje ..." and nothing else: silent on success.
        QCOMPARE(f.recorder.calls.size(), 1);
        QVERIFY2(f.recorder.calls[0].startsWith(u"open: "_s), qPrintable(f.recorder.calls[0]));
        QVERIFY(f.recorder.calls[0].endsWith(u"/dane|Deklaracje (*.vat)"_s));

        QCOMPARE(f.window->text(u"p_1"_s), u"1234563218"_s);
        QCOMPARE(f.window->text(u"p_4"_s), u"1"_s);
        QCOMPARE(f.window->text(u"p_5"_s), u"2011"_s);
        QCOMPARE(f.window->text(u"p_6"_s), u"Urząd Skarbowy Łódź-Bałuty"_s);
        QCOMPARE(f.window->index(u"p_7"_s), 0);
        QCOMPARE(f.window->index(u"p_8"_s), 1);
        QCOMPARE(f.window->text(u"p_11"_s), u"Łódzkie"_s);
        QCOMPARE(f.window->text(u"p_47"_s), u"130"_s);
        for (int n = FirstAmount; n <= LastAmount; ++n)
            if (n != 47)
                QVERIFY2(f.window->text(positionName(n)).isEmpty(), qPrintable(positionName(n)));
        for (const QString &box : {u"p_66"_s, u"p_67"_s, u"p_68"_s, u"p_69"_s, u"p_70_1"_s, u"p_71_1"_s})
            QVERIFY2(!f.window->isChecked(box), qPrintable(box));
        QVERIFY(f.window->isChecked(u"p_70_2"_s));
        QVERIFY(f.window->isChecked(u"p_71_2"_s));
        QCOMPARE(f.window->text(u"p_72"_s), u"Jan"_s);
        QCOMPARE(f.window->text(u"p_73"_s), u"Kowalski"_s);
        QCOMPARE(f.window->text(u"p_75"_s), u"42 123 45 67"_s);
        QCOMPARE(f.window->text(u"p_76"_s), u"15-10-2011"_s); // the platform's today
        QCOMPARE(f.window->currentPage(), 3);
        QCOMPARE(readAll(path), saved);
    }

    // A cancelled dialog, a file that is no declaration or one that vanished
    // after it was chosen: the window keeps what it had.
    void nothingChangesWithoutADeclaration_data()
    {
        QTest::addColumn<QString>("name");   // empty: the dialog is cancelled
        QTest::addColumn<QByteArray>("bytes"); // empty: the file is not there
        QTest::addColumn<QString>("error");
        QTest::newRow("cancelled") << QString() << QByteArray() << QString();
        QTest::newRow("picture") << u"obrazek.vat"_s << QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16)
                                 << u"nie jest plikiem deklaracji"_s;
        QTest::newRow("data file") << u"firma.dane"_s << QByteArray("[firma]\r\nnazwa=Przykładowa\r\n")
                                   << u"nie jest plikiem deklaracji"_s;
        QTest::newRow("vanished") << u"usuniety.vat"_s << QByteArray() << u"nie istnieje"_s;
    }
    void nothingChangesWithoutADeclaration()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);

        WindowFixture f;
        f.fillValidDeclaration();
        typeSomethingElse(f);
        if (!name.isEmpty()) {
            const QString path = pathIn(name);
            if (!bytes.isEmpty())
                writeAll(path, bytes);
            f.recorder.fileNames = {path};
        }
        f.trigger(Entry);

        if (error.isEmpty()) {
            QCOMPARE(f.recorder.calls.size(), 1); // the dialog only
        } else {
            QCOMPARE(f.recorder.calls.size(), 2);
            QVERIFY2(f.recorder.calls[1].startsWith(u"error: "_s) && f.recorder.calls[1].contains(error),
                     qPrintable(f.recorder.calls[1]));
        }
        QCOMPARE(f.window->text(u"p_1"_s), u"9999999999"_s);
        QCOMPARE(f.window->text(u"p_4"_s), u"2"_s);
        QCOMPARE(f.window->text(u"p_25"_s), u"700"_s);
        QCOMPARE(f.window->text(u"p_47"_s), u"5"_s);
        QCOMPARE(f.window->text(u"p_72"_s), u"Jan"_s);
        QVERIFY(f.window->isChecked(u"p_69"_s));
        QVERIFY(f.window->isChecked(u"p_71_1"_s));
        QCOMPARE(f.window->text(u"p_76"_s), u"01-01-2000"_s);
    }
};

QTEST_MAIN(NextQuarterWindowTest)
#include "next_quarter_window_test.moc"
