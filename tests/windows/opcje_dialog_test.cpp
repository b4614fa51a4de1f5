#include "core/support/test_files.h"
#include "files/ui/form_opcje.h"
#include "support/recording_platform.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class OpcjeDialogTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<RecordingPlatform> m_recorder;
    std::unique_ptr<TFormOpcje> m_dialog;

    void open()
    {
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The scale is written with the user's decimal separator; ours is Polish.
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    }

    void init()
    {
        m_path = m_dir.filePath(u"opcje.ini"_s);
        QFile::remove(m_path);
        m_recorder = std::make_unique<RecordingPlatform>();
        m_dialog = std::make_unique<TFormOpcje>();
        m_dialog->setSettingsPath(m_path);
    }

    void cleanup()
    {
        m_dialog.reset();
        m_recorder.reset();
    }

    void layout()
    {
        QCOMPARE(m_dialog->windowTitle(), u"Opcje"_s);
        QCOMPARE(m_dialog->size(), QSize(428, 198));
        QCOMPARE(m_dialog->CheckWydrukNaOrg->text(), u"Wydruk na orginalnym formularzu"_s);
        QVERIFY(m_dialog->CheckWydrukNaOrg->font().bold());
        QCOMPARE(m_dialog->EditWsp->geometry(), QRect(100, 118, 100, 19));
        QVERIFY(!m_dialog->Image1->pixmap().isNull());
    }

    // Every showing reads the file; what cannot be converted shows as 0 or 1.
    void showReadsTheFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("scale");

        QTest::newRow("no file") << QByteArray() << false << u"0"_s << u"0"_s << u"1"_s;
        QTest::newRow("no section") << QByteArray("[Inne]\r\nEditX=5\r\n") << false << u"0"_s << u"0"_s << u"1"_s;
        QTest::newRow("plain numbers") << QByteArray("[Wydruk]\r\nCheckWydrukNaOrg=1\r\nEditX=+007\r\nEditY=-5\r\nEditWsp=1,50\r\n")
                                       << true << u"7"_s << u"-5"_s << u"1,5"_s;
        QTest::newRow("texts that do not convert") << QByteArray("[Wydruk]\r\nCheckWydrukNaOrg=0\r\nEditX=abc\r\nEditY=0x10\r\nEditWsp=0.98\r\n")
                                                   << false << u"0"_s << u"16"_s << u"1"_s;
    }
    void showReadsTheFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, checked);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QString, scale);

        if (!file.isEmpty())
            writeAll(m_path, file);
        open();
        QCOMPARE(m_dialog->CheckWydrukNaOrg->isChecked(), checked);
        QCOMPARE(m_dialog->EditX->text(), x);
        QCOMPARE(m_dialog->EditY->text(), y);
        QCOMPARE(m_dialog->EditWsp->text(), scale);
        for (QLineEdit *edit : {m_dialog->EditX, m_dialog->EditY, m_dialog->EditWsp})
            QCOMPARE(edit->isEnabled(), checked);
        QVERIFY(m_recorder->calls.isEmpty());
    }

    void checkBoxEnablesTheFields()
    {
        open();
        QTest::mouseClick(m_dialog->CheckWydrukNaOrg, Qt::LeftButton, {}, QPoint(8, 8));
        QVERIFY(m_dialog->EditX->isEnabled() && m_dialog->EditY->isEnabled() && m_dialog->EditWsp->isEnabled());
        QTest::mouseClick(m_dialog->CheckWydrukNaOrg, Qt::LeftButton, {}, QPoint(8, 8));
        QVERIFY(!m_dialog->EditX->isEnabled() && !m_dialog->EditY->isEnabled() && !m_dialog->EditWsp->isEnabled());
        QCOMPARE(readAll(m_path), QByteArray("<missing>"));
    }

    void tabOrder()
    {
        writeAll(m_path, "[Wydruk]\r\nCheckWydrukNaOrg=1\r\n");
        open();
        QWidget *expected[] = {m_dialog->CheckWydrukNaOrg, m_dialog->EditX, m_dialog->EditY,
                               m_dialog->EditWsp, m_dialog->ButtonOK, m_dialog->ButtonAnuluj};
        QCOMPARE(QApplication::focusWidget(), expected[0]);
        for (int i = 1; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected[i]);
        }
    }

    // "OK" writes the four keys as typed, the disabled fields' texts too.
    void okWritesWhatWasTyped_data()
    {
        QTest::addColumn<bool>("check");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("on form") << true
            << QByteArray("[Wydruk]\r\nCheckWydrukNaOrg=1\r\nEditX=-5\r\nEditY=abc\r\nEditWsp=0.98\r\n");
        QTest::newRow("whole form") << false
            << QByteArray("[Wydruk]\r\nCheckWydrukNaOrg=0\r\nEditX=-5\r\nEditY=abc\r\nEditWsp=0.98\r\n");
    }
    void okWritesWhatWasTyped()
    {
        QFETCH(bool, check);
        QFETCH(QByteArray, written);
        writeAll(m_path, "[Wydruk]\r\nCheckWydrukNaOrg=1\r\n");
        open();
        for (auto [edit, text] : {std::pair{m_dialog->EditX, u"-5"_s}, {m_dialog->EditY, u"abc"_s},
                                  {m_dialog->EditWsp, u"0.98"_s}}) {
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
        if (!check)
            QTest::mouseClick(m_dialog->CheckWydrukNaOrg, Qt::LeftButton, {}, QPoint(8, 8));
        QTest::mouseClick(m_dialog->ButtonOK, Qt::LeftButton);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(readAll(m_path), written);

        // The next showing reads the file back as the print flow will.
        open();
        QCOMPARE(m_dialog->EditX->text(), u"-5"_s);
        QCOMPARE(m_dialog->EditY->text(), u"0"_s);
        QCOMPARE(m_dialog->EditWsp->text(), u"1"_s);
    }

    // "Anuluj", the caption button, Escape and Enter write nothing; the next
    // showing shows the file, not what was typed.
    void leavingWithoutOk_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Anuluj") << u"Anuluj"_s;
        QTest::newRow("caption button") << u"close"_s;
        QTest::newRow("Escape") << u"Escape"_s;
        QTest::newRow("Enter") << u"Enter"_s;
    }
    void leavingWithoutOk()
    {
        QFETCH(QString, how);
        const QByteArray file("[Wydruk]\r\nCheckWydrukNaOrg=1\r\nEditX=3\r\nEditY=4\r\nEditWsp=1,2\r\n");
        writeAll(m_path, file);
        open();
        m_dialog->EditX->selectAll();
        QTest::keyClicks(m_dialog->EditX, u"99"_s);
        if (how == u"Anuluj"_s) {
            QTest::mouseClick(m_dialog->ButtonAnuluj, Qt::LeftButton);
        } else if (how == u"close"_s) {
            m_dialog->close();
        } else {
            QTest::keyClick(m_dialog->EditX, how == u"Escape"_s ? Qt::Key_Escape : Qt::Key_Return);
            QTest::keyClick(m_dialog->ButtonOK, how == u"Escape"_s ? Qt::Key_Escape : Qt::Key_Enter);
            QVERIFY2(m_dialog->isVisible(), "the key closed the dialog");
            m_dialog->hide();
        }
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(readAll(m_path), file);
        open();
        QCOMPARE(m_dialog->EditX->text(), u"3"_s);
    }

    void unwritableFileKeepsTheDialogOpen()
    {
        const QString path = m_dir.filePath(u"no-such-folder/opcje.ini"_s);
        m_dialog->setSettingsPath(path);
        open();
        QTest::mouseClick(m_dialog->ButtonOK, Qt::LeftButton);
        QCOMPARE(m_recorder->callsOf(u"error"_s), QStringList{u"Unable to write to %1"_s.arg(path)});
        QVERIFY(m_dialog->isVisible());
    }
};

QTEST_MAIN(OpcjeDialogTest)
#include "opcje_dialog_test.moc"
