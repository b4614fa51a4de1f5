#include "core/support/test_files.h"
#include "declaration/declaration.h"
#include "declaration/errors.h"
#include "printing/ui/print_preview.h"
#include "support/recording_platform.h"

#include <QApplication>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

// A declaration whose amount p_30 does not read, as a conversion error would.
class FailingFields : public TDeklaracja
{
public:
    bool failing = false;
    QString text(const QString &name) const override
    {
        if (failing && name == u"p_30"_s)
            throw ConversionError(u"abc"_s);
        return TDeklaracja::text(name);
    }
};

int previewCount()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<QPrintPreviewDialog *>(w) && w->isVisible();
    return n;
}

} // namespace

class PrintingPreviewTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<RecordingPlatform> m_recorder;
    std::unique_ptr<QWidget> m_window;
    FailingFields m_fields;
    std::unique_ptr<PagePrinter> m_printer;

    void writeSettings(const QByteArray &content)
    {
        writeAll(m_dir.filePath(u"opcje.ini"_s), content);
    }

    // Runs the print command; `whileOpen` runs once the preview is up, and
    // the preview is closed after it whatever it found.
    void printWithPreviewOpen(int page, const std::function<void(QPrintPreviewDialog *)> &whileOpen)
    {
        bool ran = false;
        QTimer::singleShot(0, this, [&] {
            QPrintPreviewDialog *preview = m_printer->openPreview(page);
            if (preview) {
                [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(preview);
                whileOpen(preview);
                ran = true;
                preview->close();
            }
        });
        m_printer->printPage(page);
        QVERIFY2(ran, "no preview was shown");
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    }

    void init()
    {
        m_recorder = std::make_unique<RecordingPlatform>();
        m_window = std::make_unique<QWidget>();
        m_window->show();
        m_fields = FailingFields();
        m_fields.setText(u"p_1"_s, u"123-456-32-18"_s);
        m_fields.setText(u"p_24"_s, u"5000"_s);
        m_fields.setText(u"p_76"_s, u"20-10-2011"_s);
        m_printer = std::make_unique<PagePrinter>(m_fields, m_window.get());
        m_printer->setSettingsPath(m_dir.filePath(u"opcje.ini"_s));
        QFile::remove(m_dir.filePath(u"opcje.ini"_s));
    }

    void cleanup()
    {
        m_printer.reset();
        m_window.reset();
        m_recorder.reset();
    }

    // The preview is not modal, the page is shifted while it is open, and
    // back at its design layout once it has been closed.
    void previewOnPrePrintedForm()
    {
        writeSettings("[Wydruk]\r\nCheckWydrukNaOrg=1\r\nEditX=10\r\nEditY=-5\r\nEditWsp=1,02\r\n");
        const auto design = m_printer->lorqa_str1.placements();
        Placement whileOpen;
        bool artworkWhileOpen = true;
        bool modal = true;
        QString nip;
        printWithPreviewOpen(1, [&](QPrintPreviewDialog *preview) {
            whileOpen = m_printer->lorqa_str1.box(u"p_24"_s)->at;
            artworkWhileOpen = m_printer->lorqa_str1.artwork().visible;
            modal = preview->isModal() || QApplication::activeModalWidget() != nullptr
                    || !m_window->isEnabled();
            nip = m_printer->lorqa_str1.box(u"p_1"_s)->text;
        });
        QCOMPARE(whileOpen, (Placement{370, 642}));
        QVERIFY(!artworkWhileOpen);
        QVERIFY(!modal);
        QCOMPARE(nip, u"1 2 3 4 5 6 3 2 1 8"_s);
        QVERIFY(m_printer->lorqa_str1.placements() == design);
        QVERIFY(m_printer->lorqa_str1.artwork().visible);
        QVERIFY(!m_printer->openPreview(1));
        QCOMPARE(previewCount(), 0);
    }

    void wholeFormWithoutSettingsFile()
    {
        const auto design = m_printer->lorqa_str2.placements();
        bool artwork = false;
        bool same = false;
        printWithPreviewOpen(2, [&](QPrintPreviewDialog *) {
            artwork = m_printer->lorqa_str2.artwork().visible;
            same = m_printer->lorqa_str2.placements() == design;
        });
        QVERIFY(artwork);
        QVERIFY(same);
    }

    // Printing from the preview composes again, from the declaration as it
    // is then.
    void composesAgainFromCurrentValues()
    {
        QString before, after;
        printWithPreviewOpen(2, [&](QPrintPreviewDialog *preview) {
            before = m_printer->lorqa_str2.box(u"p_76"_s)->text;
            m_fields.setText(u"p_76"_s, u"21-10-2011"_s);
            preview->findChild<QPrintPreviewWidget *>()->updatePreview();
            QApplication::processEvents();
            after = m_printer->lorqa_str2.box(u"p_76"_s)->text;
        });
        QCOMPARE(before, u"2 0  1 0  2 0 1 1"_s);
        QCOMPARE(after, u"2 1  1 0  2 0 1 1"_s);
    }

    // The preview's printer: A4 portrait with the page's margins, one copy,
    // one-sided.
    void printerSetUp_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QMarginsF>("margins");
        QTest::newRow("page 1") << 1 << QMarginsF(10, 8, 9, 7);
        QTest::newRow("page 2") << 2 << QMarginsF(9, 8, 10, 7);
    }
    void printerSetUp()
    {
        QFETCH(int, page);
        QFETCH(QMarginsF, margins);
        QPageLayout layout;
        int copies = 0;
        QPrinter::DuplexMode duplex = QPrinter::DuplexAuto;
        printWithPreviewOpen(page, [&](QPrintPreviewDialog *preview) {
            layout = preview->printer()->pageLayout();
            copies = preview->printer()->copyCount();
            duplex = preview->printer()->duplex();
        });
        QCOMPARE(layout.pageSize().id(), QPageSize::A4);
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
        QCOMPARE(layout.margins(QPageLayout::Millimeter), margins);
        QCOMPARE(copies, 1);
        QCOMPARE(duplex, QPrinter::DuplexNone);
    }

    // A second command for a page whose preview is open brings that preview
    // to the front and composes nothing.
    void secondCommandRaisesTheOpenPreview()
    {
        writeSettings("[Wydruk]\r\nCheckWydrukNaOrg=1\r\nEditX=10\r\nEditY=-5\r\nEditWsp=1\r\n");
        const auto design = m_printer->lorqa_str1.placements();
        int previews = 0;
        Placement shifted;
        printWithPreviewOpen(1, [&](QPrintPreviewDialog *) {
            m_printer->printPage(1);
            previews = previewCount();
            shifted = m_printer->lorqa_str1.box(u"p_24"_s)->at;
        });
        QCOMPARE(previews, 1);
        QCOMPARE(shifted, (Placement{370, 630}));
        QVERIFY(m_printer->lorqa_str1.placements() == design);
    }

    // Page 1's preview is closed and brought back by a new command while a
    // command for page 2 waits inside page 1's: page 1's command goes on
    // waiting until its preview has been closed again.
    void previewBroughtBackStaysOpen()
    {
        QPointer<QPrintPreviewDialog> first;
        bool closedAgain = false;
        QTimer::singleShot(0, this, [&] {
            first = m_printer->openPreview(1);
            QTimer::singleShot(0, this, [&] {
                if (first)
                    first->close();
                m_printer->printPage(1);
                if (QPrintPreviewDialog *second = m_printer->openPreview(2))
                    second->close();
            });
            m_printer->printPage(2);
            QTimer::singleShot(0, this, [&] {
                closedAgain = first && first->isVisible();
                if (first)
                    first->close();
            });
        });
        m_printer->printPage(1);
        QVERIFY(closedAgain);
        QVERIFY(!m_printer->openPreview(1));
        QCOMPARE(previewCount(), 0);
    }

    // An error while composing a shifted page: the error box, and the page
    // back at its design layout once the preview has closed.
    void errorWhileComposingShiftedPage()
    {
        writeSettings("[Wydruk]\r\nCheckWydrukNaOrg=1\r\nEditX=10\r\nEditY=-5\r\nEditWsp=1,02\r\n");
        const auto design = m_printer->lorqa_str1.placements();
        m_fields.failing = true;
        printWithPreviewOpen(1, [](QPrintPreviewDialog *) {});
        QVERIFY(m_recorder->callsOf(u"error"_s).contains(u"'abc' is not a valid integer value"_s));
        QVERIFY(m_printer->lorqa_str1.placements() == design);
        QVERIFY(m_printer->lorqa_str1.artwork().visible);
    }
};

QTEST_MAIN(PrintingPreviewTest)
#include "printing_preview_test.moc"
