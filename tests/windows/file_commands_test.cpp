#include "declaration/positions.h"
#include "declaration/ui/form_error.h"
#include "support/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList linesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder decode("windows-1250");
    const QString text = decode(file.readAll());
    return text.split(u"\r\n"_s, Qt::SkipEmptyParts);
}

} // namespace

class FileCommandsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString pathIn(const QString &name) const
    {
        QDir(m_dir.path()).mkpath(u"dane"_s);
        return m_dir.path() + u"/dane/"_s + name;
    }

private Q_SLOTS:
    void saveAndLoadData()
    {
        const QString path = pathIn(u"firma.dane"_s);
        {
            WindowFixture f;
            f.fillValidDeclaration();
            f.window->setIndex(u"p_8"_s, 1);
            f.window->setText(u"p_20"_s, u"100"_s); // not part of a data file
            f.recorder.fileNames = {path};
            f.trigger(u"Zapiszdane1"_s);
            QCOMPARE(f.recorder.calls.size(), 2);
            QVERIFY(f.recorder.calls[0].startsWith(u"save: "_s));
            QVERIFY(f.recorder.calls[0].endsWith(u"/dane|Dane (*.dane)|dane"_s));
            QCOMPARE(f.recorder.calls[1], u"message: Dane zostały zapisane"_s);
        }
        const QStringList lines = linesOf(path);
        QCOMPARE(lines.value(0), u"[dane]"_s);
        QCOMPARE(lines.size(), 18);
        QVERIFY(lines.contains(u"1_NIP=1234563218"_s));
        QVERIFY(lines.contains(u"8_RodzajPlatnika=1"_s));
        QVERIFY(lines.contains(u"11_Wojewodztwo=Łódzkie"_s));
        QVERIFY(lines.contains(u"62_Nazwisko=Kowalski"_s));

        WindowFixture f;
        f.window->setText(u"p_5"_s, u"2012"_s);
        f.recorder.fileNames = {path};
        f.trigger(u"Wczytajdane1"_s);
        QCOMPARE(f.recorder.calls.size(), 1); // loading is silent
        QVERIFY(f.recorder.calls[0].endsWith(u"/dane|Dane (*.dane)"_s));
        QCOMPARE(f.window->text(u"p_1"_s), u"1234563218"_s);
        QCOMPARE(f.window->index(u"p_8"_s), 1);
        QCOMPARE(f.window->text(u"p_11"_s), u"Łódzkie"_s);
        QCOMPARE(f.window->text(u"p_72"_s), u"Jan"_s);
        QCOMPARE(f.window->text(u"p_5"_s), u"2012"_s); // not in a data file
        QCOMPARE(f.window->text(u"p_76"_s), QString());
        QCOMPARE(f.window->currentPage(), 1);
    }

    void saveAndLoadDeclaration()
    {
        const QString path = pathIn(u"kwartal3.vat"_s);
        {
            WindowFixture f;
            f.fillValidDeclaration();
            f.window->setIndex(u"p_7"_s, 1);
            f.window->setText(u"p_25"_s, u"100"_s);
            f.window->setText(u"p_65"_s, u"-3"_s);
            f.window->setChecked(u"p_67"_s, true);
            f.window->setChecked(u"p_70_1"_s, true);
            f.recorder.fileNames = {path};
            f.trigger(u"Zapiszdeklaracje1"_s);
            QVERIFY(f.recorder.calls.value(0).endsWith(u"/dane|Deklaracje (*.vat)|vat"_s));
            QCOMPARE(f.recorder.calls.value(1), u"message: Deklaracja została zapisana"_s);
        }
        const QStringList lines = linesOf(path);
        QCOMPARE(lines.size(), 2 + 73);
        QVERIFY(lines.contains(u"4_Kwartał=3"_s));
        QVERIFY(lines.contains(u"7_CelZlozenia=1"_s));
        QVERIFY(lines.contains(u"25=100"_s));
        QVERIFY(lines.contains(u"67_Zwrot=1"_s));
        QVERIFY(lines.contains(u"68_Przyspieszenie=0"_s));
        QVERIFY(lines.contains(u"73_Data=15-10-2011"_s));

        WindowFixture f;
        f.window->setText(u"p_30"_s, u"9"_s); // no value of the old declaration stays
        f.recorder.fileNames = {path};
        f.trigger(u"Wczytajdeklaracje1"_s);
        QVERIFY(f.recorder.calls.value(0).endsWith(u"/dane|Deklaracje (*.vat)"_s));
        QCOMPARE(f.recorder.calls.size(), 1);
        QCOMPARE(f.window->text(u"p_4"_s), u"3"_s);
        QCOMPARE(f.window->index(u"p_7"_s), 1);
        QCOMPARE(f.window->text(u"p_25"_s), u"100"_s);
        QCOMPARE(f.window->text(u"p_65"_s), u"-3"_s);
        QCOMPARE(f.window->text(u"p_30"_s), QString());
        QVERIFY(f.window->isChecked(u"p_67"_s));
        QVERIFY(f.window->isChecked(u"p_70_1"_s));
        QVERIFY(!f.window->isChecked(u"p_70_2"_s));
        QVERIFY(f.window->isChecked(u"p_71_2"_s));
        QCOMPARE(f.window->text(u"p_76"_s), u"15-10-2011"_s);
    }

    // Random bytes opened as a file of ours are refused with the box, and the
    // declaration on screen stays as it was.
    void otherFileIsRefused_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("open data") << u"Wczytajdane1"_s;
        QTest::newRow("open declaration") << u"Wczytajdeklaracje1"_s;
    }
    void otherFileIsRefused()
    {
        QFETCH(QString, entry);
        const QString path = pathIn(u"losowe.bin"_s);
        QByteArray noise(3000, '\0');
        QRandomGenerator random(3000);
        for (char &c : noise)
            c = char(random.bounded(256));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(noise);
        file.close();

        WindowFixture f;
        f.fillValidDeclaration();
        f.window->setText(u"p_25"_s, u"700"_s);
        f.window->setChecked(u"p_70_1"_s, true);
        f.recorder.fileNames = {path};
        f.trigger(entry);
        QCOMPARE(f.recorder.calls.size(), 2);
        QVERIFY2(f.recorder.calls[1].startsWith(u"error: Plik „"_s + QDir::toNativeSeparators(path) + u"” nie jest"_s),
                 qPrintable(f.recorder.calls[1]));
        QCOMPARE(f.window->text(u"p_1"_s), u"1234563218"_s);
        QCOMPARE(f.window->text(u"p_72"_s), u"Jan"_s);
        QCOMPARE(f.window->text(u"p_25"_s), u"700"_s);
        QVERIFY(f.window->isChecked(u"p_70_1"_s));
    }

    void savingNeedsNip_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("data") << u"Zapiszdane1"_s;
        QTest::newRow("declaration") << u"Zapiszdeklaracje1"_s;
    }
    void savingNeedsNip()
    {
        QFETCH(QString, entry);
        WindowFixture f;
        f.trigger(entry);
        QCOMPARE(f.recorder.calls, QStringList{u"message: Wpisz numer NIP!"_s});
    }

    void cancelledDialogsDoNothing_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("save data") << u"Zapiszdane1"_s;
        QTest::newRow("save declaration") << u"Zapiszdeklaracje1"_s;
        QTest::newRow("open data") << u"Wczytajdane1"_s;
        QTest::newRow("open declaration") << u"Wczytajdeklaracje1"_s;
    }
    void cancelledDialogsDoNothing()
    {
        QFETCH(QString, entry);
        WindowFixture f;
        f.fillValidDeclaration();
        f.trigger(entry);
        QCOMPARE(f.recorder.calls.size(), 1); // the dialog only
        QCOMPARE(f.window->text(u"p_1"_s), u"1234563218"_s);
    }

    void writeErrorShowsTheBox()
    {
        WindowFixture f;
        f.fillValidDeclaration();
        const QString path = m_dir.path() + u"/no-such-folder/x.vat"_s;
        f.recorder.fileNames = {path};
        f.trigger(u"Zapiszdeklaracje1"_s);
        QCOMPARE(f.recorder.calls.value(1), u"error: Unable to write to "_s + path);
        QCOMPARE(f.recorder.calls.size(), 2); // no success message
        QCOMPARE(f.window->text(u"p_1"_s), u"1234563218"_s);
    }

    // A conversion error ends "Policz" with the box: what was written stays,
    // no success message, and the window goes on working.
    void conversionErrorDuringCalculation()
    {
        WindowFixture f;
        f.window->setText(u"p_25"_s, u"100"_s);
        f.window->setText(u"p_31"_s, u"12x"_s);
        f.clickArea(u"ImageButtonPolicz"_s);
        QCOMPARE(f.recorder.calls, QStringList{u"error: '12x' is not a valid integer value"_s});
        QCOMPARE(f.window->text(u"p_26"_s), u"5"_s);
        QCOMPARE(f.window->text(u"p_45"_s), QString());

        f.recorder.calls.clear();
        f.window->setText(u"p_31"_s, u"12"_s);
        f.trigger(u"Policz2"_s);
        QCOMPARE(f.recorder.calls, QStringList{u"message: Pola zostały wyliczone"_s});
        QCOMPARE(f.window->text(u"p_45"_s), u"112"_s);
        f.clickArea(u"ImageButton2"_s);
        QCOMPARE(f.window->currentPage(), 2);
    }

    void calculationKeepsThePage()
    {
        WindowFixture f;
        f.clickArea(u"ImageButton3"_s);
        f.window->setText(u"p_29"_s, u"50"_s);
        f.clickArea(u"ImageButtonPolicz"_s);
        QCOMPARE(f.window->text(u"p_30"_s), u"12"_s);
        QCOMPARE(f.window->text(u"p_46"_s), u"12"_s);
        QCOMPARE(f.window->currentPage(), 3);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
