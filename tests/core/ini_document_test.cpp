#include "declaration/errors.h"
#include "files/ini_document.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class IniDocumentTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsValues_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value"); // "<none>" for missing
        const QByteArray base = "[dane]\r\n1_NIP=123\r\n9_Nazwa=  Firma  \r\n";
        QTest::newRow("plain") << base << u"dane"_s << u"1_NIP"_s << u"123"_s;
        QTest::newRow("blanks dropped") << base << u"dane"_s << u"9_Nazwa"_s << u"Firma"_s;
        QTest::newRow("section case") << base << u"DANE"_s << u"1_NIP"_s << u"123"_s;
        QTest::newRow("key case") << base << u"dane"_s << u"1_nip"_s << u"123"_s;
        QTest::newRow("missing key") << base << u"dane"_s << u"6_US"_s << u"<none>"_s;
        QTest::newRow("missing section") << base << u"liczby"_s << u"1_NIP"_s << u"<none>"_s;
        QTest::newRow("double quotes") << QByteArray("[a]\r\nk=\"  x \"\r\n") << u"a"_s << u"k"_s << u"  x "_s;
        QTest::newRow("single quotes") << QByteArray("[a]\r\nk='x'\r\n") << u"a"_s << u"k"_s << u"x"_s;
        QTest::newRow("quotes that do not match") << QByteArray("[a]\r\nk=\"x'\r\n") << u"a"_s << u"k"_s << u"\"x'"_s;
        QTest::newRow("a lone quote") << QByteArray("[a]\r\nk=\"\r\n") << u"a"_s << u"k"_s << u"\""_s;
        QTest::newRow("blanks around key and section")
            << QByteArray("  [ a ]  \r\n  k  =v\r\n") << u"a"_s << u"k"_s << u"v"_s;
        QTest::newRow("LF line ends") << QByteArray("[a]\nk=v\nm=w") << u"a"_s << u"m"_s << u"w"_s;
        QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xEF\xBB\xBF[a]\r\nk=v\r\n") << u"a"_s << u"k"_s << u"v"_s;
        QTest::newRow("first duplicate section counts")
            << QByteArray("[a]\r\nk=1\r\n[A]\r\nk=2\r\nm=3\r\n") << u"a"_s << u"k"_s << u"1"_s;
        QTest::newRow("second duplicate section is not read")
            << QByteArray("[a]\r\nk=1\r\n[A]\r\nm=3\r\n") << u"a"_s << u"m"_s << u"<none>"_s;
        QTest::newRow("first duplicate key counts")
            << QByteArray("[a]\r\nk=1\r\nK=2\r\n") << u"a"_s << u"k"_s << u"1"_s;
        QTest::newRow("lines without =") << QByteArray("[a]\r\nrubbish\r\nk=v\r\n") << u"a"_s << u"k"_s << u"v"_s;
        QTest::newRow("Windows-1250 letters")
            << QByteArray("[dane]\r\n4_Kwarta\xB3=3\r\nx=\xA3\xF3\xBF\r\n") << u"dane"_s << u"x"_s << u"Łóż"_s;
        QTest::newRow("Polish key, other case")
            << QByteArray("[dane]\r\n4_Kwarta\xB3=3\r\n") << u"dane"_s << u"4_KWARTAŁ"_s << u"3"_s;
        QTest::newRow("value with =") << QByteArray("[a]\r\nk=a=b\r\n") << u"a"_s << u"k"_s << u"a=b"_s;
        QTest::newRow("key before any section") << QByteArray("k=v\r\n[a]\r\n") << u"a"_s << u"k"_s << u"<none>"_s;
        QTest::newRow("binary") << QByteArray("\x00\x01\xFF[\x00]=\x81\x83", 10) << u"a"_s << u"k"_s << u"<none>"_s;
    }
    void readsValues()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const auto got = IniDocument::fromBytes(file).value(section, key);
        QCOMPARE(got.value_or(u"<none>"_s), value);
    }

    void cutsLongValues()
    {
        const QByteArray file = "[a]\r\nk=" + QByteArray(3000, 'x') + "\r\n";
        QCOMPARE(IniDocument::fromBytes(file).text(u"a"_s, u"k"_s).size(), 2047);
    }

    void readsALongLine()
    {
        const QByteArray file = "[a]\r\nk=v\r\n" + QByteArray(10 * 1024 * 1024, 'z');
        QCOMPARE(IniDocument::fromBytes(file).text(u"a"_s, u"k"_s), u"v"_s);
    }

    // Whatever the bytes, reading and writing do not crash, and a value
    // written reads back.
    void survivesRandomBytes()
    {
        QRandomGenerator random(1250);
        const char alphabet[] = "[]=\"' \r\n\t\xB3\xEF\xBB\xBF\x00\x81$0xaZ-dane";
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes;
            const int size = random.bounded(200);
            for (int i = 0; i < size; ++i)
                bytes += random.bounded(4) == 0 ? char(random.bounded(256))
                                                : alphabet[random.bounded(int(sizeof alphabet) - 1)];
            IniDocument doc = IniDocument::fromBytes(bytes);
            (void)doc.value(u"dane"_s, u"1_NIP"_s);
            (void)doc.number(u"Dane"_s, u"=0x"_s, 0);
            doc.setValue(u"dane"_s, u"1_NIP"_s, u"ż"_s);
            const IniDocument again = IniDocument::fromBytes(doc.toBytes());
            QCOMPARE(again.text(u"dane"_s, u"1_NIP"_s), u"ż"_s);
        }
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<qint64>("number");
        QTest::newRow("decimal") << u"12"_s << qint64(12);
        QTest::newRow("negative") << u"-1"_s << qint64(-1);
        QTest::newRow("plus") << u"+7"_s << qint64(7);
        QTest::newRow("0x") << u"0x10"_s << qint64(16);
        QTest::newRow("0X") << u"0XfF"_s << qint64(255);
        QTest::newRow("dollar") << u"$A"_s << qint64(10);
        QTest::newRow("64-bit") << u"-9223372036854775808"_s << std::numeric_limits<qint64>::min();
        QTest::newRow("empty is the default") << QString() << qint64(99);
        QTest::newRow("letters") << u"abc"_s << qint64(99);
        QTest::newRow("trailing letters") << u"12abc"_s << qint64(99);
        QTest::newRow("decimal comma") << u"1,5"_s << qint64(99);
        QTest::newRow("out of range") << u"9223372036854775808"_s << qint64(99);
        QTest::newRow("prefix alone") << u"0x"_s << qint64(99);
    }
    void numbers()
    {
        QFETCH(QString, value);
        QFETCH(qint64, number);
        const QByteArray file = "[a]\r\nk=" + value.toLatin1() + "\r\n";
        QCOMPARE(IniDocument::fromBytes(file).number(u"a"_s, u"k"_s, 99), number);
    }

    void writes_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << u"dane"_s << u"1_NIP"_s << u"1"_s
                                  << QByteArray("[dane]\r\n1_NIP=1\r\n");
        QTest::newRow("replaced in place, other case")
            << QByteArray("[DANE]\r\nA=1\r\n1_nip=old\r\nB=2\r\n") << u"dane"_s << u"1_NIP"_s << u"new"_s
            << QByteArray("[DANE]\r\nA=1\r\n1_NIP=new\r\nB=2\r\n");
        QTest::newRow("added at the end of its section")
            << QByteArray("[dane]\r\nA=1\r\n\r\n[liczby]\r\n20=5\r\n") << u"dane"_s << u"63"_s << u"0"_s
            << QByteArray("[dane]\r\nA=1\r\n63=0\r\n\r\n[liczby]\r\n20=5\r\n");
        QTest::newRow("missing section appended")
            << QByteArray("[x]\r\ny=z\r\n") << u"liczby"_s << u"20"_s << QString()
            << QByteArray("[x]\r\ny=z\r\n[liczby]\r\n20=\r\n");
        QTest::newRow("first of duplicate keys replaced")
            << QByteArray("[a]\r\nk=1\r\nk=2\r\n") << u"a"_s << u"k"_s << u"3"_s
            << QByteArray("[a]\r\nk=3\r\nk=2\r\n");
        QTest::newRow("other lines kept byte for byte, line ends made CR LF")
            << QByteArray("; note \x81\r\n[a]\nstray\nk=1\n") << u"a"_s << u"k"_s << u"ż"_s
            << QByteArray("; note \x81\r\n[a]\r\nstray\r\nk=\xBF\r\n");
        QTest::newRow("file without a final line end")
            << QByteArray("[a]\r\nk=1") << u"a"_s << u"m"_s << u"2"_s
            << QByteArray("[a]\r\nk=1\r\nm=2\r\n");
        QTest::newRow("Polish key written in Windows-1250")
            << QByteArray() << u"dane"_s << u"4_Kwartał"_s << u"3"_s
            << QByteArray("[dane]\r\n4_Kwarta\xB3=3\r\n");
    }
    void writes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        IniDocument doc = IniDocument::fromBytes(before);
        doc.setValue(section, key, value);
        QCOMPARE(doc.toBytes(), after);
    }

    void encodable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::newRow("Polish letters") << u"ĄĆĘŁŃÓŚŹŻąćęłńóśźż"_s << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("Cyrillic") << u"Жук"_s << false;
        QTest::newRow("emoji") << u"Firma 😀"_s << false;
        QTest::newRow("line break") << u"a\nb"_s << false;
        QTest::newRow("carriage return") << u"a\rb"_s << false;
    }
    void encodable()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QCOMPARE(IniDocument::encodable(text), ok);
    }

    void refusesAFileOverTheLimit()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"big.vat"_s);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(IniDocument::MaxFileSize + 1));
        f.close();
        try {
            IniDocument::load(path, IniDocument::IfMissing::Fail);
            QFAIL("no error");
        } catch (const LorqaError &e) {
            QVERIFY(e.message().contains(u"16 MiB"_s));
        }
    }

    void missingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"none.vat"_s);
        QVERIFY(!IniDocument::load(path, IniDocument::IfMissing::Empty).value(u"a"_s, u"k"_s));
        QVERIFY_THROWS_EXCEPTION(LorqaError, IniDocument::load(path, IniDocument::IfMissing::Fail));
    }
};

QTEST_APPLESS_MAIN(IniDocumentTest)
#include "ini_document_test.moc"
