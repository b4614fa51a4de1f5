#include "declaration/errors.h"
#include "files/print_settings.h"
#include "support/test_files.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class PrintSettingsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private Q_SLOTS:
    void init()
    {
        // The dialog and the print flow read the scale with the user's
        // decimal separator: a Polish user's comma.
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        m_path = m_dir.filePath(u"opcje.ini"_s);
        QFile::remove(m_path);
    }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("onForm");
        QTest::addColumn<qint64>("x");
        QTest::addColumn<qint64>("y");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QStringList>("shown"); // x, y, scale as the dialog shows them
        QTest::newRow("no file") << QByteArray() << false << qint64(0) << qint64(0) << 1.0
                                 << QStringList{u"0"_s, u"0"_s, u"1"_s};
        QTest::newRow("no section") << QByteArray("[inne]\r\nEditX=5\r\n") << false << qint64(0) << qint64(0) << 1.0
                                    << QStringList{u"0"_s, u"0"_s, u"1"_s};
        QTest::newRow("all set")
            << QByteArray("[Wydruk]\r\nCheckWydrukNaOrg=1\r\nEditX=10\r\nEditY=-5\r\nEditWsp=1,02\r\n")
            << true << qint64(10) << qint64(-5) << 1.02 << QStringList{u"10"_s, u"-5"_s, u"1,02"_s};
        QTest::newRow("plus sign, zeros, hex, trailing zeros")
            << QByteArray("[wydruk]\r\ncheckwydruknaorg=7\r\nEditX=+007\r\nEditY=$10\r\nEditWsp=0,980\r\n")
            << true << qint64(7) << qint64(16) << 0.98 << QStringList{u"7"_s, u"16"_s, u"0,98"_s};
        QTest::newRow("each value falls back on its own")
            << QByteArray("[Wydruk]\r\nCheckWydrukNaOrg=tak\r\nEditX=abc\r\nEditY=3\r\nEditWsp=0.98\r\n")
            << false << qint64(0) << qint64(3) << 1.0 << QStringList{u"0"_s, u"3"_s, u"1"_s};
        QTest::newRow("64-bit shift")
            << QByteArray("[Wydruk]\r\nEditX=-9223372036854775808\r\nEditY=99999999999999999999\r\n")
            << false << std::numeric_limits<qint64>::min() << qint64(0) << 1.0
            << QStringList{u"-9223372036854775808"_s, u"0"_s, u"1"_s};
        QTest::newRow("empty values")
            << QByteArray("[Wydruk]\r\nEditX=\r\nEditWsp=\r\n") << false << qint64(0) << qint64(0) << 1.0
            << QStringList{u"0"_s, u"0"_s, u"1"_s};
    }
    void reads()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, onForm);
        QFETCH(qint64, x);
        QFETCH(qint64, y);
        QFETCH(double, scale);
        QFETCH(QStringList, shown);
        if (!file.isEmpty())
            writeAll(m_path, file);
        const PrintSettings s = readPrintSettings(m_path);
        QCOMPARE(s.onForm, onForm);
        QCOMPARE(s.shiftX, x);
        QCOMPARE(s.shiftY, y);
        QCOMPARE(s.scaleY, scale);
        const PrintSettingsTexts t = readPrintSettingsTexts(m_path);
        QCOMPARE(t.onForm, onForm);
        QCOMPARE((QStringList{t.x, t.y, t.scale}), shown);
    }

    void writesAsTyped()
    {
        writeAll(m_path, "[Wydruk]\r\nEditWsp=2\r\n[inne]\r\nk=v\r\n");
        writePrintSettings(m_path, {false, u"abc"_s, u"-5"_s, u"0.98"_s});
        QCOMPARE(readAll(m_path), QByteArray("[Wydruk]\r\nEditWsp=0.98\r\nCheckWydrukNaOrg=0\r\nEditX=abc\r\n"
                                            "EditY=-5\r\n[inne]\r\nk=v\r\n"));
        const PrintSettings s = readPrintSettings(m_path);
        QCOMPARE(s.shiftX, 0);
        QCOMPARE(s.shiftY, -5);
        QCOMPARE(s.scaleY, 1.0);
    }

    void newFile()
    {
        writePrintSettings(m_path, {true, u"10"_s, u"-5"_s, u"1,02"_s});
        QCOMPARE(readAll(m_path), QByteArray("[Wydruk]\r\nCheckWydrukNaOrg=1\r\nEditX=10\r\nEditY=-5\r\nEditWsp=1,02\r\n"));
    }

    void unwritableFile()
    {
        const QString folder = m_dir.filePath(u"brak"_s);
        const QString path = folder + u"/opcje.ini"_s;
        try {
            writePrintSettings(path, {});
            QFAIL("no error");
        } catch (const WriteError &e) {
            QCOMPARE(e.message(), u"Unable to write to %1"_s.arg(path));
        }
    }
};

QTEST_APPLESS_MAIN(PrintSettingsTest)
#include "print_settings_test.moc"
