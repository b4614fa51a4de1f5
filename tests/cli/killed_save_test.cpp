#include "core/support/test_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

// A save killed at any moment leaves the old file or the new one, whole: the
// tool computes a large declaration into itself and is killed part way.
class KilledSaveTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_old;
    QByteArray m_new;
    qint64 m_fullRunMs = 0;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    static void startCalc(QProcess &p, const QString &file)
    {
        p.start(QStringLiteral(LORQA_BIN_DIR) + u"/lorqa-cli"_s, {u"calc"_s, file, file});
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A declaration that the calculation changes (the tax of 25), with
        // some 4 MiB of keys of another program that a save keeps: large
        // enough that a kill lands in the middle of the write, small enough
        // for the sanitizer build.
        m_old = "[dane]\r\n1_NIP=1234563218\r\n4_Kwarta\xb3=3\r\n5_Rok=2011\r\n"
                "[liczby]\r\n25=100\r\n[notatki]\r\n";
        for (int i = 0; m_old.size() < 4 * 1024 * 1024; ++i)
            m_old += "notatka" + QByteArray::number(i) + "=zapisana przez inny program\r\n";
        writeAll(path(u"wzor.vat"_s), m_old);

        // The new file, from a run that is not disturbed.
        QProcess p;
        QElapsedTimer clock;
        clock.start();
        startCalc(p, path(u"wzor.vat"_s));
        QVERIFY(p.waitForFinished(120000));
        m_fullRunMs = clock.elapsed();
        QCOMPARE(p.exitCode(), 0);
        m_new = readAll(path(u"wzor.vat"_s));
        QVERIFY(m_new != m_old);
        QVERIFY(m_new.contains("\r\n26=5\r\n"));
    }

    // Killed after a tenth, two tenths, ... of a full run.
    void killedPartWay_data()
    {
        QTest::addColumn<int>("tenths");
        for (int t = 0; t <= 12; ++t)
            QTest::addRow("after %d/10 of a run", t) << t;
    }
    void killedPartWay()
    {
        QFETCH(int, tenths);
        const QString file = path(u"deklaracja.vat"_s);
        writeAll(file, m_old);
        QProcess p;
        startCalc(p, file);
        QVERIFY(p.waitForStarted());
        QThread::msleep(quint64(m_fullRunMs * tenths / 10));
        p.kill();
        QVERIFY(p.waitForFinished(60000));
        const QByteArray now = readAll(file);
        QVERIFY2(now == m_old || now == m_new,
                 qPrintable(u"%1 bytes, neither the old file nor the new one"_s.arg(now.size())));
    }
};

QTEST_MAIN(KilledSaveTest)
#include "killed_save_test.moc"
