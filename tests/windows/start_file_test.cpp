#include "app/start_arguments.h"
#include "support/window_fixture.h"
#include "core/support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using Kind = StartArguments::Kind;
Q_DECLARE_METATYPE(StartArguments::Kind)

class StartFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("path");

        QTest::newRow("nothing") << QStringList{} << Kind::Start << QString();
        QTest::newRow("a declaration") << QStringList{u"/tmp/a b.vat"_s} << Kind::OpenFile << u"/tmp/a b.vat"_s;
        QTest::newRow("a relative path") << QStringList{u"dane/firma.dane"_s} << Kind::OpenFile
                                         << u"dane/firma.dane"_s;
        QTest::newRow("a file address") << QStringList{u"file:///tmp/za%C5%BC%C3%B3%C5%82%C4%87.vat"_s}
                                        << Kind::OpenFile << u"/tmp/zażółć.vat"_s;
        QTest::newRow("an empty argument is no file") << QStringList{QString()} << Kind::Start << QString();
        QTest::newRow("version") << QStringList{u"--version"_s} << Kind::Version << QString();
        QTest::newRow("help") << QStringList{u"--help"_s} << Kind::Help << QString();
        QTest::newRow("short help") << QStringList{u"-h"_s} << Kind::Help << QString();
        QTest::newRow("version beside a file") << QStringList{u"a.vat"_s, u"--version"_s} << Kind::Version
                                               << QString();
        QTest::newRow("unknown option") << QStringList{u"--print"_s} << Kind::Wrong << QString();
        QTest::newRow("two files") << QStringList{u"a.vat"_s, u"b.vat"_s} << Kind::Wrong << QString();
        QTest::newRow("a dash file after --") << QStringList{u"--"_s, u"-x.vat"_s} << Kind::OpenFile
                                              << u"-x.vat"_s;
        QTest::newRow("a lone dash is a name") << QStringList{u"-"_s} << Kind::OpenFile << u"-"_s;
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Kind, kind);
        QFETCH(QString, path);
        const StartArguments parsed = parseStartArguments(arguments);
        QCOMPARE(parsed.kind, kind);
        QCOMPARE(parsed.path, path);
        // A refused command line says why, in words.
        QCOMPARE(parsed.error.isEmpty(), kind != Kind::Wrong);
    }

    // The file given at start-up is loaded as the open commands load it,
    // chosen by its extension; whatever cannot be loaded shows the error box
    // and leaves the declaration as it was.
    void startingWithAFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // empty: the file is not made
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("p_1");
        QTest::addColumn<QString>("p_20");
        QTest::addColumn<QString>("error"); // a part of the error box's text

        const QByteArray declaration = "[dane]\r\n1_NIP=1234563218\r\n4_Kwarta\xb3=3\r\n5_Rok=2011\r\n"
                                       "[liczby]\r\n20=1000\r\n";
        const QByteArray data = "[dane]\r\n1_NIP=5260001246\r\n";
        QTest::newRow("declaration") << u"deklaracja.vat"_s << declaration << true << u"1234563218"_s
                                     << u"1000"_s << QString();
        QTest::newRow("declaration, capital extension") << u"DEKLARACJA.VAT"_s << declaration << true
                                                        << u"1234563218"_s << u"1000"_s << QString();
        QTest::newRow("name with Polish letters and blanks") << u"zażółć gęślą.vat"_s << declaration << true
                                                             << u"1234563218"_s << u"1000"_s << QString();
        QTest::newRow("taxpayer data") << u"firma.dane"_s << data << true << u"5260001246"_s << u"7"_s
                                       << QString();
        QTest::newRow("missing declaration") << u"brak.vat"_s << QByteArray() << false << u"9999999999"_s
                                             << u"7"_s << u"brak.vat"_s;
        QTest::newRow("not a declaration") << u"obcy.vat"_s << QByteArray("tekst\r\n") << false
                                           << u"9999999999"_s << u"7"_s << u"nie jest plikiem deklaracji"_s;
        QTest::newRow("another kind of file") << u"notatka.txt"_s << declaration << false << u"9999999999"_s
                                              << u"7"_s << u"(*.vat)"_s;
        QTest::newRow("no extension") << u"deklaracja"_s << declaration << false << u"9999999999"_s
                                      << u"7"_s << u"(*.dane)"_s;
    }
    void startingWithAFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, loaded);
        QFETCH(QString, p_1);
        QFETCH(QString, p_20);
        QFETCH(QString, error);

        const QString path = m_dir.filePath(name);
        QFile::remove(path);
        if (!content.isEmpty())
            writeAll(path, content);

        WindowFixture f;
        f.window->setText(u"p_1"_s, u"9999999999"_s);
        f.window->setText(u"p_20"_s, u"7"_s);
        const StartArguments start = parseStartArguments({path});
        QCOMPARE(start.kind, Kind::OpenFile);
        QCOMPARE(openStartFile(*f.window, start.path), loaded);

        QCOMPARE(f.window->text(u"p_1"_s), p_1);
        QCOMPARE(f.window->text(u"p_20"_s), p_20);
        if (error.isEmpty()) {
            QCOMPARE(f.recorder.calls, QStringList{});
        } else {
            QCOMPARE(f.recorder.calls.size(), 1);
            QVERIFY2(f.recorder.calls.first().startsWith(u"error: "_s), qPrintable(f.recorder.calls.first()));
            QVERIFY2(f.recorder.calls.first().contains(error), qPrintable(f.recorder.calls.first()));
        }
    }

    void aFolderNamedLikeADeclarationIsRefused()
    {
        const QString path = m_dir.filePath(u"folder.vat"_s);
        QVERIFY(QDir().mkpath(path));
        WindowFixture f;
        f.window->setText(u"p_1"_s, u"9999999999"_s);
        QVERIFY(!openStartFile(*f.window, path));
        QCOMPARE(f.window->text(u"p_1"_s), u"9999999999"_s);
        QCOMPARE(f.recorder.callsOf(u"error"_s).size(), 1);
    }
};

QTEST_MAIN(StartFileTest)
#include "start_file_test.moc"
