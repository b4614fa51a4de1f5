#include "core/support/fixtures.h"
#include "core/support/test_files.h"
#include "support/cli_run.h"
#include "declaration/positions.h"
#include "files/declaration_file.h"
#include "files/ini_document.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class CliTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void help()
    {
        const Run r = cli({u"--help"_s});
        QCOMPARE(r.exitCode, 0);
        for (const QString &command : {u"calc"_s, u"check"_s, u"pdf"_s})
            QVERIFY2(r.out.contains(command), qPrintable(command));
    }

    void wrongArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList();
        QTest::newRow("unknown command") << QStringList{u"policz"_s};
        QTest::newRow("calc without output") << QStringList{u"calc"_s, example(u"deklaracja-zwrot.vat"_s)};
        QTest::newRow("check with two files") << QStringList{u"check"_s, u"a"_s, u"b"_s};
        QTest::newRow("missing input") << QStringList{u"check"_s, u"/nie/ma/takiego.vat"_s};
        QTest::newRow("input is a folder") << QStringList{u"calc"_s, u"/tmp"_s, u"/tmp/x.vat"_s};
        QTest::newRow("output folder missing")
            << QStringList{u"calc"_s, example(u"deklaracja-zwrot.vat"_s), u"/nie/ma/out.vat"_s};
    }
    void wrongArguments()
    {
        QFETCH(QStringList, args);
        const Run r = cli(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.startsWith(u"lorqa-cli: "_s));
    }

    void calcOfAComputedExampleChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("to pay") << u"deklaracja-do-zaplaty.vat"_s;
        QTest::newRow("refund") << u"deklaracja-zwrot.vat"_s;
    }
    void calcOfAComputedExampleChangesNothing()
    {
        QFETCH(QString, name);
        const QString out = path(u"out-"_s + name);
        const Run r = cli({u"calc"_s, example(name), out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readAll(out), readAll(example(name)));
    }

    void calcComputesInPlaceKeepingOtherKeys()
    {
        const QString file = path(u"inplace.vat"_s);
        writeAll(file, "[liczby]\r\n25=100\r\n27=1000\r\n29=50\r\n[moje]\r\nnotatka=tak\r\n");
        const Run r = cli({u"calc"_s, file, file});
        QCOMPARE(r.exitCode, 0);
        const QByteArray bytes = readAll(file);
        for (const char *line : {"26=5\r\n", "28=80\r\n", "30=12\r\n", "45=1150\r\n", "46=97\r\n",
                                 "58=97\r\n", "[moje]\r\nnotatka=tak\r\n"})
            QVERIFY2(bytes.contains(line), line);
    }

    void calcConversionErrorLeavesOutputAlone()
    {
        const QString in = path(u"bad.vat"_s);
        const QString out = path(u"existing.vat"_s);
        writeAll(in, "[liczby]\r\n25=100\r\n27=1-0\r\n");
        writeAll(out, "[dane]\r\n1_NIP=stary\r\n");
        const Run r = cli({u"calc"_s, in, out});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(u"'1-0' is not a valid integer value"_s), qPrintable(r.err));
        QCOMPARE(readAll(out), QByteArray("[dane]\r\n1_NIP=stary\r\n"));
        QCOMPARE(readAll(in), QByteArray("[liczby]\r\n25=100\r\n27=1-0\r\n"));
    }

    void check_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("new declaration")
            << QByteArray("[dane]\r\n1_NIP=1\r\n") << 1
            << u"Nie wypełnione pole kwartał.\nBłąd w polu rok\nBrak urzędu skarbowego\n"
               "Brak nazwy podatnika\nNiewypełnione dane adresowe\n"
               "Brak danych osoby wypełniającej\nBrak daty wypełnienia deklaracji\n"_s;
        QTest::newRow("conversion error")
            << QByteArray("[dane]\r\n4_Kwarta\xB3=x\r\n") << 2 << QString();
    }
    void check()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        writeAll(path(u"check.vat"_s), file);
        const Run r = cli({u"check"_s, path(u"check.vat"_s)});
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.out, out);
        if (exitCode == 2)
            QVERIFY(r.err.contains(u"'x' is not a valid integer value"_s));
    }

    void checkExamples()
    {
        // Warnings alone leave the result at "no error".
        Run r = cli({u"check"_s, example(u"deklaracja-do-zaplaty.vat"_s)});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, u"Pola 47 i 48 powinny być wypełnione łącznie\n"_s);
        r = cli({u"check"_s, example(u"deklaracja-zwrot.vat"_s)});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QString());
    }

    void pdf_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("pages");
        QTest::newRow("both pages") << QStringList() << 2;
        QTest::newRow("page 2") << QStringList{u"--page"_s, u"2"_s} << 1;
        QTest::newRow("page 1") << QStringList{u"--page"_s, u"1"_s} << 1;
    }
    void pdf()
    {
        QFETCH(QStringList, options);
        QFETCH(int, pages);
        const QString out = path(u"out.pdf"_s);
        QFile::remove(out);
        const Run r = cli(QStringList{u"pdf"_s, example(u"deklaracja-zwrot.vat"_s), out} + options);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(readAll(out).startsWith("%PDF"));
        QProcess info;
        info.start(u"pdfinfo"_s, {out});
        QVERIFY(info.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(u"Pages:\\s+%1\\n"_s.arg(pages))));
    }

    void pdfWrongArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no output") << QStringList{example(u"deklaracja-zwrot.vat"_s)};
        QTest::newRow("page 3") << QStringList{example(u"deklaracja-zwrot.vat"_s), path(u"x.pdf"_s),
                                               u"--page"_s, u"3"_s};
        QTest::newRow("missing options file")
            << QStringList{example(u"deklaracja-zwrot.vat"_s), path(u"x.pdf"_s), u"--options"_s,
                           path(u"brak.ini"_s)};
        QTest::newRow("missing input") << QStringList{path(u"brak.vat"_s), path(u"x.pdf"_s)};
        QTest::newRow("output folder missing")
            << QStringList{example(u"deklaracja-zwrot.vat"_s), path(u"brak/x.pdf"_s)};
    }
    void pdfWrongArguments()
    {
        QFETCH(QStringList, args);
        const Run r = cli(QStringList{u"pdf"_s} + args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(u"lorqa-cli"_s));
        QVERIFY(!QFile::exists(path(u"x.pdf"_s)));
    }

    // A file that is no declaration is refused by every command, naming the
    // file, and no output is written.
    void refusesAFileOfAnotherKind_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("calc") << u"calc"_s;
        QTest::newRow("check") << u"check"_s;
        QTest::newRow("pdf") << u"pdf"_s;
    }
    void refusesAFileOfAnotherKind()
    {
        QFETCH(QString, command);
        const QString in = path(u"obrazek.vat"_s);
        writeAll(in, QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16));
        const QString out = path(u"wynik."_s + (command == u"pdf"_s ? u"pdf"_s : u"vat"_s));
        QStringList args{command, in};
        if (command != u"check"_s)
            args << out;
        const Run r = cli(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(in) && r.err.contains(u"nie jest plikiem deklaracji"_s), qPrintable(r.err));
        QCOMPARE(r.out, QString());
        QVERIFY(!QFile::exists(out));
    }

    void refusesAHugeFile()
    {
        const QString big = path(u"big.vat"_s);
        QFile f(big);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(17 * 1024 * 1024));
        f.close();
        const QString out = path(u"big-out.vat"_s);
        const Run r = cli({u"calc"_s, big, out});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(u"16 MiB"_s));
        QVERIFY(!QFile::exists(out));
    }

    // Every amount of a valid declaration holds the text: each command works,
    // or ends with the conversion error naming the text and writes nothing.
    void badAmounts_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("converts"); // a whole number of 32 bits, as read
        const std::pair<QString, bool> amounts[] = {
            {u"-"_s, false}, {u"1-"_s, false}, {u"12,5"_s, false}, {u"2147483648"_s, false},
            {u"-2147483649"_s, false}, {u"$7FFFFFFF"_s, true}, {u"0x80000000"_s, false},
            {u" 5"_s, true}, {u"5 "_s, true}, {QString(), true}, {QString(2047, u'9'), false},
        };
        for (const QString &command : {u"calc"_s, u"check"_s, u"pdf"_s})
            for (const auto &[amount, converts] : amounts)
                QTest::addRow("%s '%s'", qPrintable(command), qPrintable(amount.left(12)))
                    << command << amount << converts;
    }
    void badAmounts()
    {
        QFETCH(QString, command);
        QFETCH(QString, amount);
        QFETCH(bool, converts);
        const QString in = path(u"kwoty.vat"_s);
        ZapiszDeklaracje(validDeclaration(), in);
        IniDocument doc = IniDocument::load(in, IniDocument::IfMissing::Fail);
        for (int n = FirstAmount; n <= LastAmount; ++n)
            doc.setValue(u"liczby"_s, QString::number(n), amount);
        doc.save(in);
        const QByteArray before = readAll(in);
        const QString out = path(u"kwoty-wynik."_s + (command == u"pdf"_s ? u"pdf"_s : u"vat"_s));
        QFile::remove(out);

        QStringList args{command, in};
        if (command != u"check"_s)
            args << out;
        const Run r = cli(args);
        const QString error = u"'%1' is not a valid integer value"_s.arg(amount.trimmed());
        const int conversionExit = command == u"calc"_s ? 1 : 2;
        if (r.exitCode == conversionExit && r.err.contains(u" is not a valid integer value"_s)) {
            // A text that converts may still add up to a total of more than
            // 32 bits, which is named when the calculation reads it back.
            QVERIFY2(converts || r.err.contains(error), qPrintable(r.err.left(300)));
            QVERIFY(!QFile::exists(out));
        } else {
            QVERIFY2(r.exitCode == 0 || (command == u"check"_s && r.exitCode == 1),
                     qPrintable(u"%1: %2"_s.arg(r.exitCode).arg(r.err.left(300))));
            if (command != u"check"_s)
                QVERIFY(QFile::exists(out));
        }
        if (!converts && command == u"calc"_s)
            QCOMPARE(r.exitCode, 1);
        QCOMPARE(readAll(in), before);
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "cli_test.moc"
