#include "declaration/errors.h"
#include "declaration/positions.h"
#include "files/data_file.h"
#include "files/declaration_file.h"
#include "files/file_keys.h"
#include "support/fixtures.h"
#include "support/test_files.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray NewDataFile =
    "[dane]\r\n1_NIP=\r\n6_US=\r\n8_RodzajPlatnika=0\r\n9_Nazwa=\r\n10_Kraj=\r\n"
    "11_Wojewodztwo=\r\n12_Powiat=\r\n13_Gmina=\r\n14_Ulica=\r\n15_Nrdomu=\r\n"
    "16_Nrlokalu=\r\n17_Miejscowosc=\r\n18_Kod=\r\n19_Poczta=\r\n61_Imie=\r\n"
    "62_Nazwisko=\r\n64_Telefon=\r\n";

QByteArray newDeclarationFile()
{
    QByteArray b = "[dane]\r\n1_NIP=\r\n4_Kwarta\xB3=\r\n5_Rok=\r\n6_US=\r\n7_CelZlozenia=0\r\n"
                   "8_RodzajPlatnika=0\r\n9_Nazwa=\r\n10_Kraj=\r\n11_Wojewodztwo=\r\n12_Powiat=\r\n"
                   "13_Gmina=\r\n14_Ulica=\r\n15_Nrdomu=\r\n16_Nrlokalu=\r\n17_Miejscowosc=\r\n"
                   "18_Kod=\r\n19_Poczta=\r\n63=0\r\n64=0\r\n65=0\r\n66=0\r\n67_Zwrot=0\r\n"
                   "68_Przyspieszenie=0\r\n73_Data=\r\n61_Imie=\r\n62_Nazwisko=\r\n64_Telefon=\r\n"
                   "[liczby]\r\n";
    for (int n = 20; n <= 65; ++n)
        b += QByteArray::number(n) + "=\r\n";
    return b;
}

// Every position set to something of its own, so that a key mixed up with
// another shows.
TDeklaracja everyPositionSet()
{
    TDeklaracja d;
    for (const Position &p : positions()) {
        if (p.holdsText())
            d.setText(p.name, u"%1 zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ"_s.arg(p.name));
    }
    d.setIndex(u"p_7"_s, 1);
    d.setIndex(u"p_8"_s, 1);
    d.setChecked(u"p_66"_s, true);
    d.setChecked(u"p_68"_s, true);
    d.setChecked(u"p_70_1"_s, true);
    return d;
}

void compareAll(const TDeklaracja &a, const TDeklaracja &b, const QStringList &only = {})
{
    for (const Position &p : positions()) {
        if (!only.isEmpty() && !only.contains(p.name))
            continue;
        if (p.holdsText())
            QCOMPARE(a.text(p.name), b.text(p.name));
        else if (p.kind == PositionKind::Choice)
            QCOMPARE(a.index(p.name), b.index(p.name));
        else
            QCOMPARE(a.isChecked(p.name), b.isChecked(p.name));
    }
}

} // namespace

class FilesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void keyTables()
    {
        QCOMPARE(declarationKeys().size(), size_t(73));
        QCOMPARE(dataFileKeys().size(), size_t(17));
        for (const FileKey &k : declarationKeys())
            QVERIFY2(findPosition(k.position), qPrintable(k.position));
    }

    void newFilesByteForByte()
    {
        ZapiszDane(TDeklaracja(), path(u"new.dane"_s));
        QCOMPARE(readAll(path(u"new.dane"_s)), NewDataFile);
        ZapiszDeklaracje(TDeklaracja(), path(u"new.vat"_s));
        QCOMPARE(readAll(path(u"new.vat"_s)), newDeclarationFile());
    }

    void declarationRoundTrip()
    {
        const TDeklaracja saved = everyPositionSet();
        ZapiszDeklaracje(saved, path(u"all.vat"_s));
        TDeklaracja loaded;
        WczytajDeklaracje(loaded, path(u"all.vat"_s));
        compareAll(saved, loaded);
    }

    void dataRoundTripTouchesOnlyItsKeys()
    {
        const TDeklaracja saved = everyPositionSet();
        ZapiszDane(saved, path(u"all.dane"_s));
        TDeklaracja loaded;
        loaded.setText(u"p_61"_s, u"100"_s);
        loaded.setText(u"p_4"_s, u"2"_s);
        WczytajDane(loaded, path(u"all.dane"_s));
        QStringList seventeen;
        for (const FileKey &k : dataFileKeys())
            seventeen << k.position;
        compareAll(saved, loaded, seventeen);
        QCOMPARE(loaded.text(u"p_61"_s), u"100"_s); // "61_Imie" is p_72, not p_61
        QCOMPARE(loaded.text(u"p_4"_s), u"2"_s);
        QCOMPARE(loaded.index(u"p_7"_s), 0);
    }

    void longValueIsCut()
    {
        TDeklaracja d;
        d.setText(u"p_9"_s, QString(2047, u'ż') + u"abc"_s);
        ZapiszDeklaracje(d, path(u"long.vat"_s));
        TDeklaracja loaded;
        WczytajDeklaracje(loaded, path(u"long.vat"_s));
        QCOMPARE(loaded.text(u"p_9"_s), QString(2047, u'ż'));
    }

    void blanksAndQuotesDropped()
    {
        TDeklaracja d;
        d.setText(u"p_9"_s, u"  Firma  "_s);
        d.setText(u"p_10"_s, u"\"Polska\""_s);
        ZapiszDane(d, path(u"q.dane"_s));
        TDeklaracja loaded;
        WczytajDane(loaded, path(u"q.dane"_s));
        QCOMPARE(loaded.text(u"p_9"_s), u"Firma"_s);
        QCOMPARE(loaded.text(u"p_10"_s), u"Polska"_s);
    }

    // Files written by hand or by other programs.
    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected"); // "name=text", "name#index", "name!" checked, "name." unchecked
        QTest::newRow("liczby before dane, other case")
            << QByteArray("[LICZBY]\r\n25=100\r\n63=7\r\n[Dane]\r\n1_nip=123\r\n63=1\r\n67_ZWROT=1\r\n")
            << QStringList{u"p_25=100"_s, u"p_63=7"_s, u"p_1=123"_s, u"p_66!"_s, u"p_70_1!"_s, u"p_70_2."_s};
        QTest::newRow("only liczby: boxes unchecked")
            << QByteArray("[liczby]\r\n63=1\r\n64=1\r\n")
            << QStringList{u"p_63=1"_s, u"p_64=1"_s, u"p_66."_s, u"p_67."_s, u"p_70_2!"_s};
        QTest::newRow("Zwrot 2 and -1 mean Tak")
            << QByteArray("[dane]\r\n67_Zwrot=2\r\n68_Przyspieszenie=-1\r\n")
            << QStringList{u"p_70_1!"_s, u"p_70_2."_s, u"p_71_1!"_s, u"p_71_2."_s};
        QTest::newRow("Zwrot not a number means Nie")
            << QByteArray("[dane]\r\n67_Zwrot=tak\r\n") << QStringList{u"p_70_1."_s, u"p_70_2!"_s};
        QTest::newRow("index outside the list")
            << QByteArray("[dane]\r\n7_CelZlozenia=2\r\n8_RodzajPlatnika=-1\r\n")
            << QStringList{u"p_7#-1"_s, u"p_8#-1"_s};
        QTest::newRow("index in hexadecimal")
            << QByteArray("[dane]\r\n8_RodzajPlatnika=$1\r\n") << QStringList{u"p_8#1"_s};
        QTest::newRow("amount text taken unchanged")
            << QByteArray("[liczby]\r\n20=12,50\r\n21= -5 \r\n") << QStringList{u"p_20=12,50"_s, u"p_21=-5"_s};
        QTest::newRow("only an empty dane: defaults")
            << QByteArray("[DANE]\r\n") << QStringList{u"p_1="_s, u"p_7#0"_s, u"p_25="_s, u"p_70_2!"_s};
        QTest::newRow("a data file read as a declaration")
            << QByteArray(NewDataFile).replace("1_NIP=", "1_NIP=555") << QStringList{u"p_1=555"_s, u"p_4="_s, u"p_70_2!"_s};
        QTest::newRow("key in UTF-8 is not the Windows-1250 key")
            << QByteArray("[dane]\r\n4_Kwarta\xC5\x82=3\r\n") << QStringList{u"p_4="_s};
    }
    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        writeAll(path(u"in.vat"_s), file);
        TDeklaracja d = everyPositionSet(); // nothing of it may remain
        WczytajDeklaracje(d, path(u"in.vat"_s));
        for (const QString &e : expected) {
            if (e.endsWith(u'!') || e.endsWith(u'.'))
                QCOMPARE(d.isChecked(e.chopped(1)), e.endsWith(u'!'));
            else if (e.contains(u'#'))
                QCOMPARE(d.index(e.section(u'#', 0, 0)), e.section(u'#', 1).toInt());
            else
                QCOMPARE(d.text(e.section(u'=', 0, 0)), e.section(u'=', 1));
        }
        // Every other text position is back to empty.
        for (const Position &p : positions())
            if (p.holdsText() && !expected.join(u' ').contains(p.name + u'='))
                QVERIFY2(d.text(p.name).isEmpty(), qPrintable(p.name));
    }

    void savingKeepsOtherKeysAndOrder()
    {
        const QString file = path(u"other.vat"_s);
        writeAll(file, "[liczby]\r\n65=1\r\n20=2\r\nuwagi=moje\r\n[inne]\r\nx=y\r\n[dane]\r\n1_NIP=stary\r\n");
        TDeklaracja d;
        d.setText(u"p_1"_s, u"nowy"_s);
        d.setText(u"p_20"_s, u"7"_s);
        ZapiszDeklaracje(d, file);
        const QByteArray bytes = readAll(file);
        QVERIFY(bytes.startsWith("[liczby]\r\n65=\r\n20=7\r\nuwagi=moje\r\n21=\r\n"));
        QVERIFY(bytes.contains("[inne]\r\nx=y\r\n[dane]\r\n1_NIP=nowy\r\n4_Kwarta\xB3=\r\n"));
        QVERIFY(!bytes.contains("stary"));
        TDeklaracja loaded;
        WczytajDeklaracje(loaded, file);
        compareAll(d, loaded);
    }

    void dataFileSavedOverADeclaration()
    {
        const QString file = path(u"mixed.vat"_s);
        ZapiszDeklaracje(everyPositionSet(), file);
        TDeklaracja header;
        header.setText(u"p_1"_s, u"999"_s);
        ZapiszDane(header, file);
        TDeklaracja loaded;
        WczytajDeklaracje(loaded, file);
        QCOMPARE(loaded.text(u"p_1"_s), u"999"_s);
        QCOMPARE(loaded.text(u"p_9"_s), QString());
        QCOMPARE(loaded.text(u"p_25"_s), everyPositionSet().text(u"p_25"_s));
        QVERIFY(loaded.isChecked(u"p_70_1"_s));
    }

    void pairWithoutAnswerBecomesNie()
    {
        TDeklaracja d;
        d.setChecked(u"p_70_2"_s, false); // runs the rule: Tak checked
        d.setChecked(u"p_70_1"_s, false); // and back: Nie checked
        ZapiszDeklaracje(d, path(u"pair.vat"_s));
        QVERIFY(readAll(path(u"pair.vat"_s)).contains("67_Zwrot=0\r\n"));
    }

    void indexWithNothingChosenWritesMinusOne()
    {
        TDeklaracja d;
        d.setIndex(u"p_8"_s, 5);
        ZapiszDane(d, path(u"minus.dane"_s));
        QVERIFY(readAll(path(u"minus.dane"_s)).contains("8_RodzajPlatnika=-1\r\n"));
    }

    void failedSaveLeavesTheOldFile_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("a letter Windows-1250 lacks") << u"letter"_s;
        QTest::newRow("a line break in a text") << u"break"_s;
        QTest::newRow("the path is a folder") << u"folder"_s;
        QTest::newRow("the folder is not writable") << u"readonly"_s;
        QTest::newRow("the folder does not exist") << u"nofolder"_s;
    }
    void failedSaveLeavesTheOldFile()
    {
        QFETCH(QString, what);
        QTemporaryDir dir;
        QString file = dir.filePath(u"old.vat"_s);
        const QByteArray old = "[dane]\r\n1_NIP=stary\r\n";
        writeAll(file, old);
        TDeklaracja d;
        d.setText(u"p_1"_s, u"nowy"_s);
        if (what == u"letter"_s)
            d.setText(u"p_9"_s, u"ООО Ромашка"_s);
        if (what == u"break"_s)
            d.setText(u"p_9"_s, u"a\r\n[liczby]\r\n20=666"_s);
        if (what == u"folder"_s)
            file = dir.path();
        if (what == u"nofolder"_s)
            file = dir.filePath(u"brak/old.vat"_s);
        if (what == u"readonly"_s) {
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
            if (QFile(dir.filePath(u"probe"_s)).open(QIODevice::WriteOnly))
                QSKIP("running as root: folder permissions do not apply");
        }
        try {
            ZapiszDeklaracje(d, file);
            QFAIL("no error");
        } catch (const LorqaError &e) {
            if (what == u"letter"_s || what == u"break"_s)
                QVERIFY2(e.message().contains(u"pole 9"_s), qPrintable(e.message()));
            else
                QCOMPARE(e.message(), u"Unable to write to %1"_s.arg(file));
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readAll(dir.filePath(u"old.vat"_s)), old);
    }

    // A file that is no file of ours is refused whole, naming the file, and
    // leaves every position as it was; one of our sections is enough to read
    // it, empty or not.
    void otherFilesAreRefused_data()
    {
        QTest::addColumn<QString>("kind"); // "vat" or "dane"
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("refused");
        QByteArray noise(3000, '\0');
        QRandomGenerator random(10);
        for (char &c : noise)
            c = char(random.bounded(256));
        const QByteArray png("\x89PNG\r\n\x1a\n\x00\x00", 10);
        const QByteArray keysWithoutSection = "1_NIP=123\r\n25=100\r\n";
        const QByteArray printSettings = "[Wydruk]\r\nCheckWydrukNaOrg=1\r\nEditX=5\r\n";
        for (const QString &kind : {u"vat"_s, u"dane"_s}) {
            const auto row = [&](const char *name) -> QTestData & {
                return QTest::newRow(qPrintable(kind + u": "_s + QLatin1StringView(name))) << kind;
            };
            row("random bytes") << noise << true;
            row("a picture") << png << true;
            row("an empty file") << QByteArray() << true;
            row("keys without a section") << keysWithoutSection << true;
            row("print settings") << printSettings << true;
            row("an empty dane") << QByteArray("[dane]\r\n") << false;
            row("dane among others") << QByteArray("[inne]\r\nx=1\r\n[Dane]\r\n") << false;
        }
        QTest::newRow("vat: only liczby") << u"vat"_s << QByteArray("[liczby]\r\n25=1\r\n") << false;
        QTest::newRow("dane: only liczby") << u"dane"_s << QByteArray("[liczby]\r\n25=1\r\n") << true;
    }
    void otherFilesAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, file);
        QFETCH(bool, refused);
        const QString name = path(u"plik."_s + kind);
        writeAll(name, file);
        TDeklaracja d = everyPositionSet();
        try {
            if (kind == u"vat"_s)
                WczytajDeklaracje(d, name);
            else
                WczytajDane(d, name);
            QVERIFY2(!refused, "read");
        } catch (const LorqaError &e) {
            QVERIFY2(refused, qPrintable(e.message()));
            QVERIFY2(e.message().contains(u"„"_s + name + u"”"_s), qPrintable(e.message()));
            QVERIFY2(e.message().contains(kind == u"vat"_s ? u"deklaracji"_s : u"danych"_s),
                     qPrintable(e.message()));
            compareAll(d, everyPositionSet());
            return;
        }
        // Read: the keys it lacks give the defaults.
        QCOMPARE(d.text(u"p_1"_s), QString());
        QCOMPARE(d.index(u"p_8"_s), 0);
    }

    void loadingAMissingFileChangesNothing()
    {
        TDeklaracja d = everyPositionSet();
        QVERIFY_THROWS_EXCEPTION(LorqaError, WczytajDeklaracje(d, path(u"none.vat"_s)));
        compareAll(d, everyPositionSet());
    }

    // The examples are what the program writes: loading and saving one
    // again gives the same bytes.
    void examplesAreProgramWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("data") << u"examples/przyklad.dane"_s;
        QTest::newRow("to pay") << u"examples/deklaracja-do-zaplaty.vat"_s;
        QTest::newRow("refund") << u"examples/deklaracja-zwrot.vat"_s;
    }
    void examplesAreProgramWritten()
    {
        QFETCH(QString, name);
        const QString source = QStringLiteral(LORQA_SOURCE_DIR) + u'/' + name;
        QVERIFY(QFile::exists(source));
        const QByteArray original = readAll(source);
        QVERIFY(!original.isEmpty());
        TDeklaracja d;
        const QString copy = path(u"copy"_s + name.section(u'.', -1));
        if (name.endsWith(u".dane"_s)) {
            WczytajDane(d, source);
            ZapiszDane(d, copy);
        } else {
            WczytajDeklaracje(d, source);
            ZapiszDeklaracje(d, copy);
        }
        QCOMPARE(readAll(copy), original);
        QFile::remove(copy);
    }
};

QTEST_APPLESS_MAIN(FilesTest)
#include "files_test.moc"
