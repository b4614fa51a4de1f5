#include "core/support/test_files.h"
#include "support/cli_run.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <system_error>

using namespace Qt::Literals::StringLiterals;

namespace {


QStringList linesOf(const QString &path)
{
    QStringDecoder decode("windows-1250");
    return QString(decode(readAll(path))).split(u"\r\n"_s, Qt::SkipEmptyParts);
}

// The value of a key in a section of a file, as the program writes it.
QString valueOf(const QStringList &lines, const QString &section, const QString &key)
{
    QString current;
    for (const QString &line : lines) {
        if (line.startsWith(u'['))
            current = line.mid(1, line.size() - 2);
        else if (current == section && line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    }
    return u"<missing>"_s;
}

} // namespace

class NextCommandTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void helpNamesIt()
    {
        const Run r = cli({u"--help"_s});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(u"next POPRZEDNIA.vat NOWA.vat"_s));
    }

    void writesTheNextQuarter()
    {
        const QString in = path(u"poprzednia.vat"_s);
        writeAll(in, "[dane]\r\n1_NIP=1234563218\r\n4_Kwarta\xB3=4\r\n5_Rok=2011\r\n7_CelZlozenia=1\r\n"
                     "8_RodzajPlatnika=1\r\n9_Nazwa=Kowalski Jan\r\n63=1\r\n67_Zwrot=1\r\n"
                     "73_Data=20-01-2012\r\n62_Nazwisko=Kowalski\r\n"
                     "[liczby]\r\n25=100\r\n47=9\r\n60=400\r\n61=100\r\n65=300\r\n");
        const QByteArray before = readAll(in);
        const QString out = path(u"nastepna.vat"_s);

        const QDate dayBefore = QDate::currentDate();
        const Run r = cli({u"next"_s, in, out});
        const QDate dayAfter = QDate::currentDate();
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err, QString());
        QCOMPARE(readAll(in), before);

        const QStringList lines = linesOf(out);
        QCOMPARE(lines.size(), 2 + 73);
        const QList<std::pair<QString, QString>> dane = {
            {u"1_NIP"_s, u"1234563218"_s}, {u"4_Kwartał"_s, u"1"_s}, {u"5_Rok"_s, u"2012"_s},
            {u"7_CelZlozenia"_s, u"0"_s}, {u"8_RodzajPlatnika"_s, u"1"_s},
            {u"9_Nazwa"_s, u"Kowalski Jan"_s}, {u"63"_s, u"0"_s}, {u"67_Zwrot"_s, u"0"_s},
            {u"62_Nazwisko"_s, u"Kowalski"_s},
        };
        for (const auto &[key, value] : dane)
            QCOMPARE(valueOf(lines, u"dane"_s, key), value);
        QCOMPARE(valueOf(lines, u"liczby"_s, u"47"_s), u"300"_s);
        for (const QString &key : {u"25"_s, u"60"_s, u"61"_s, u"65"_s})
            QCOMPARE(valueOf(lines, u"liczby"_s, key), QString());
        const QString date = valueOf(lines, u"dane"_s, u"73_Data"_s);
        QVERIFY2(date == dayBefore.toString(u"dd-MM-yyyy"_s) || date == dayAfter.toString(u"dd-MM-yyyy"_s),
                 qPrintable(date));
    }

    void theExamplesGiveTheNextQuarter()
    {
        const QString out = path(u"z-przykladu.vat"_s);
        const Run r = cli({u"next"_s, example(u"deklaracja-zwrot.vat"_s), out});
        QCOMPARE(r.exitCode, 0);
        const QStringList in = linesOf(example(u"deklaracja-zwrot.vat"_s));
        const QStringList next = linesOf(out);
        QCOMPARE(valueOf(next, u"liczby"_s, u"47"_s), valueOf(in, u"liczby"_s, u"65"_s));
        QCOMPARE(valueOf(next, u"dane"_s, u"1_NIP"_s), valueOf(in, u"dane"_s, u"1_NIP"_s));
    }

    // Exit code 2, a message, and neither file touched. The output is a
    // separate name, or the input itself by another road.
    void refuses_data()
    {
        QTest::addColumn<QString>("input");   // a name in a fresh folder
        QTest::addColumn<QByteArray>("bytes"); // its content; empty: not created
        QTest::addColumn<QString>("output");  // "same", "spelled", "symlink", "hardlink", a name, or "" (none)
        QTest::addColumn<QString>("message");
        const QByteArray declaration("[dane]\r\n4_Kwarta\xB3=1\r\n5_Rok=2011\r\n[liczby]\r\n65=5\r\n");
        QTest::newRow("output is the input") << u"a.vat"_s << declaration << u"same"_s << u"innego pliku"_s;
        QTest::newRow("output is the input spelled otherwise")
            << u"a.vat"_s << declaration << u"spelled"_s << u"innego pliku"_s;
        QTest::newRow("output is a link to the input")
            << u"a.vat"_s << declaration << u"symlink"_s << u"innego pliku"_s;
        QTest::newRow("output is a hard link of the input")
            << u"a.vat"_s << declaration << u"hardlink"_s << u"innego pliku"_s;
        QTest::newRow("missing input") << u"brak.vat"_s << QByteArray() << u"x.vat"_s << u"nie istnieje"_s;
        QTest::newRow("no declaration") << u"obrazek.vat"_s << QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16)
                                        << u"x.vat"_s << u"nie jest plikiem deklaracji"_s;
        QTest::newRow("output folder missing") << u"a.vat"_s << declaration << u"brak/x.vat"_s
                                               << u"Unable to write to"_s;
        QTest::newRow("one file only") << u"a.vat"_s << declaration << QString() << u"dwóch plików"_s;
    }
    void refuses()
    {
        QFETCH(QString, input);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, output);
        QFETCH(QString, message);

        QTemporaryDir dir;
        const QString in = dir.filePath(input);
        if (!bytes.isEmpty())
            writeAll(in, bytes);
        QString out;
        bool sameFile = true;
        if (output == u"same"_s) {
            out = in;
        } else if (output == u"spelled"_s) {
            out = dir.path() + u"/./brak/../"_s + input;
            QVERIFY(QDir(dir.path()).mkdir(u"brak"_s));
        } else if (output == u"symlink"_s) {
            out = dir.filePath(u"link.vat"_s);
            QVERIFY(QFile::link(in, out));
        } else if (output == u"hardlink"_s) {
            out = dir.filePath(u"twardy.vat"_s);
            std::error_code error;
            std::filesystem::create_hard_link(QFile::encodeName(in).toStdString(),
                                              QFile::encodeName(out).toStdString(), error);
            QVERIFY2(!error, error.message().c_str());
        } else if (!output.isEmpty()) {
            out = dir.filePath(output);
            sameFile = false;
        }

        QStringList args{u"next"_s, in};
        if (!out.isEmpty())
            args << out;
        const Run r = cli(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.startsWith(u"lorqa-cli: "_s) && r.err.contains(message), qPrintable(r.err));
        QCOMPARE(r.out, QString());
        if (!bytes.isEmpty())
            QCOMPARE(readAll(in), bytes);
        if (!out.isEmpty() && !sameFile)
            QVERIFY(!QFile::exists(out));
    }
};

QTEST_GUILESS_MAIN(NextCommandTest)
#include "next_command_test.moc"
