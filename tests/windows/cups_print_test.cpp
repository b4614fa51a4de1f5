// Printing through the system's print service: a cupsd of the test's own,
// with a cups-pdf queue as the default printer, receives the pages that the
// preview prints, and the PDF it makes must carry the boxes of `lorqa-cli pdf`
// at the same places. Starting cupsd and using the cups-pdf backend need
// root; without root, or where cupsd cannot start, the test is skipped.

#include "core/support/test_files.h"
#include "declaration/declaration.h"
#include "files/declaration_file.h"
#include "printing/ui/print_preview.h"
#include "support/recording_platform.h"

#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Queue = u"LorqaTestPDF"_s;

struct Word
{
    QRectF box; // PDF points
    QString text;
};

struct PdfText
{
    int pages = 0;
    QSizeF pageSize;
    QList<Word> words;
};

// The first page's words and the document's page count, from pdftotext -bbox.
PdfText readPdf(const QString &path)
{
    PdfText result;
    QProcess p;
    p.start(u"pdftotext"_s, {u"-bbox"_s, path, u"-"_s});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return result;
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression page(uR"re(<page width="([\d.]+)" height="([\d.]+)">)re"_s);
    static const QRegularExpression word(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    for (auto m = page.globalMatch(html); m.hasNext();) {
        const auto found = m.next();
        if (result.pages++ == 0)
            result.pageSize = QSizeF(found.captured(1).toDouble(), found.captured(2).toDouble());
    }
    const qsizetype secondPage = html.indexOf(u"<page "_s, html.indexOf(u"<page "_s) + 1);
    for (auto m = word.globalMatch(html); m.hasNext();) {
        const auto found = m.next();
        if (secondPage > 0 && found.capturedStart() > secondPage)
            break;
        result.words.append({QRectF(QPointF(found.captured(1).toDouble(), found.captured(2).toDouble()),
                                    QPointF(found.captured(3).toDouble(), found.captured(4).toDouble())),
                             found.captured(5)});
    }
    return result;
}

bool run(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    const bool ok = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return ok;
}

} // namespace

class CupsPrintTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_backendConfig; // cups-pdf reads its settings from /etc/cups only
    QString m_skipReason;
    std::unique_ptr<RecordingPlatform> m_recorder;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString startCupsd()
    {
        if (geteuid() != 0)
            return u"starting cupsd with the cups-pdf backend needs root"_s;
        for (const QString &tool : {u"cupsd"_s, u"lpadmin"_s, u"lpstat"_s, u"pdftotext"_s})
            if (QStandardPaths::findExecutable(tool, {u"/usr/sbin"_s, u"/usr/bin"_s}).isEmpty())
                return u"%1 is not installed (scripts/install-deps.sh installs it)"_s.arg(tool);
        const QString ppd = u"/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd"_s;
        if (!QFile::exists(u"/usr/lib/cups/backend/cups-pdf"_s) || !QFile::exists(ppd))
            return u"the cups-pdf backend is not installed (printer-driver-cups-pdf)"_s;

        // The scheduler's filters run as "lp" and must reach the spool and
        // temporary folders inside the test's folder.
        QFile::setPermissions(m_dir.path(), QFile::Permissions(0x7755));
        for (const QString &folder : {u"conf"_s, u"spool"_s, u"cache"_s, u"state"_s, u"log"_s, u"tmp"_s, u"out"_s})
            QDir(m_dir.path()).mkpath(folder);
        // The backend, being root's only, writes the result.
        run(u"chown"_s, {u"lp"_s, path(u"spool"_s), path(u"cache"_s), path(u"tmp"_s)});
        QFile::setPermissions(path(u"out"_s), QFile::Permissions(0x7777));
        const QString socket = path(u"cups.sock"_s);
        writeAll(path(u"conf/cupsd.conf"_s),
                 u"Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                 "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                 "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n"_s
                     .arg(socket)
                     .toUtf8());
        writeAll(path(u"conf/cups-files.conf"_s),
                 u"ServerRoot %1/conf\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                 "TempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                 "PageLog %1/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                 "SystemGroup root\nUser lp\nGroup lp\n"_s
                     .arg(m_dir.path())
                     .toUtf8());
        const QString name = u"lorqa-test-%1"_s.arg(getpid());
        m_backendConfig = u"/etc/cups/cups-pdf-%1.conf"_s.arg(name);
        writeAll(m_backendConfig, u"Out %1/out\nAnonDirName %1/out\nSpool %1/tmp\nLog %1/log\nLabel 0\n"_s
                                      .arg(m_dir.path())
                                      .toUtf8());

        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start(u"cupsd"_s, {u"-f"_s, u"-c"_s, path(u"conf/cupsd.conf"_s), u"-s"_s,
                                   path(u"conf/cups-files.conf"_s)});
        if (!m_cupsd.waitForStarted())
            return u"cupsd cannot be started: "_s + m_cupsd.errorString();
        // Every CUPS client of this process, Qt's print support among them,
        // talks to this scheduler.
        qputenv("CUPS_SERVER", socket.toLocal8Bit());
        QString said;
        bool running = false;
        for (int i = 0; i < 100 && !running && m_cupsd.state() == QProcess::Running; ++i) {
            running = run(u"lpstat"_s, {u"-r"_s}, &said) && said.contains(u"is running"_s);
            if (!running)
                QTest::qWait(100);
        }
        if (!running)
            return u"cupsd did not start: "_s + QString::fromLocal8Bit(m_cupsd.readAll()).trimmed()
                   + u" "_s + QString::fromLocal8Bit(readAll(path(u"log/error_log"_s))).trimmed();
        if (!run(u"lpadmin"_s, {u"-p"_s, Queue, u"-E"_s, u"-v"_s, u"cups-pdf:/"_s + name, u"-P"_s, ppd,
                                   u"-o"_s, u"printer-error-policy=abort-job"_s}, &said)
            || !run(u"lpadmin"_s, {u"-d"_s, Queue}, &said))
            return u"the cups-pdf queue cannot be set up: "_s + said;
        return {};
    }

    // The one PDF that the queue made, once the job is done.
    QString waitForOutput()
    {
        const QDir out(path(u"out"_s));
        QString pending;
        // ghostscript behind cups-pdf is slow on a busy machine: wait until
        // nothing is queued (a failed job is aborted) and the file is there.
        for (int i = 0; i < 2400; ++i) {
            const bool queued = !run(u"lpstat"_s, {u"-o"_s, Queue}, &pending) || !pending.trimmed().isEmpty();
            const QStringList made = out.entryList({u"*.pdf"_s}, QDir::Files);
            if (!queued && made.size() == 1)
                return out.filePath(made.first());
            if (!queued && made.size() > 1)
                return {};
            QTest::qWait(100);
        }
        return {};
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_skipReason = startCupsd();
        if (!m_skipReason.isEmpty())
            QSKIP(qPrintable(m_skipReason));
        m_recorder = std::make_unique<RecordingPlatform>();
    }

    void cleanupTestCase()
    {
        if (m_cupsd.state() == QProcess::Running) {
            m_cupsd.terminate();
            if (!m_cupsd.waitForFinished(10000))
                m_cupsd.kill();
        }
        if (!m_backendConfig.isEmpty())
            QFile::remove(m_backendConfig);
    }

    void printedByTheQueue_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("page 1") << 1;
        QTest::newRow("page 2") << 2;
    }
    void printedByTheQueue()
    {
        QFETCH(int, page);
        const QString declaration = QStringLiteral(LORQA_SOURCE_DIR "/examples/deklaracja-do-zaplaty.vat");
        const QString reference = path(u"reference%1.pdf"_s.arg(page));
        QVERIFY(run(QStringLiteral(LORQA_BIN_DIR "/lorqa-cli"),
                    {u"pdf"_s, declaration, reference, u"--page"_s, QString::number(page)}));

        TDeklaracja fields;
        WczytajDeklaracje(fields, declaration);
        QWidget window;
        window.show();
        PagePrinter printer(fields, &window);
        printer.setSettingsPath(path(u"brak-opcji.ini"_s)); // the whole form, as lorqa-cli without --options

        QDir out(path(u"out"_s));
        for (const QString &old : out.entryList(QDir::Files))
            out.remove(old);

        QString printerName, title;
        int copies = 0;
        bool printed = false;
        QTimer::singleShot(0, this, [&] {
            QPrintPreviewDialog *preview = printer.openPreview(page);
            if (!preview)
                return;
            printerName = preview->printer()->printerName();
            copies = preview->printer()->copyCount();
            title = preview->printer()->docName();
            // What the preview's print button does once its dialog is accepted.
            preview->findChild<QPrintPreviewWidget *>()->print();
            printed = true;
            preview->close();
        });
        printer.printPage(page);
        QVERIFY2(printed, "no preview was shown");
        QCOMPARE(printerName, Queue);
        QCOMPARE(copies, 1);
        QCOMPARE(m_recorder->calls, QStringList{});

        const QString output = waitForOutput();
        QVERIFY2(!output.isEmpty(), qPrintable(u"no output of the job \"%1\": %2"_s.arg(
                                        title, QString::fromLocal8Bit(readAll(path(u"log/error_log"_s))))));

        const PdfText made = readPdf(output);
        const PdfText expected = readPdf(reference);
        QCOMPARE(made.pages, 1); // one copy of one page
        QVERIFY(qAbs(made.pageSize.width() - 595.3) < 1.5 && qAbs(made.pageSize.height() - 841.9) < 1.5);
        QVERIFY(expected.words.size() > 10);
        // The job goes through PostScript and back, which renumbers the
        // glyphs of the embedded fonts, so the printed words are matched by
        // their boxes: every box of the print lies on a box of lorqa-cli's
        // page, and nearly every box of that page is printed.
        QStringList misplaced;
        int matched = 0;
        for (const Word &w : made.words) {
            const bool found = std::any_of(expected.words.begin(), expected.words.end(), [&](const Word &e) {
                // The re-embedded fonts have other ascents, so the middles
                // are compared; their glyphs are split into words anew, so a
                // printed word may be a part of a word of the page.
                // The difference in ascent grows with the size of the face
                // (the form's title).
                const double slack = qMax(1.0, e.box.height() * 0.1);
                return w.box.left() > e.box.left() - slack && w.box.right() < e.box.right() + slack
                       && qAbs(e.box.center().y() - w.box.center().y()) < qMax(3.0, e.box.height() * 0.6);
            });
            if (found)
                ++matched;
            else
                misplaced.append(u"%1 at %2,%3"_s.arg(w.text).arg(w.box.left()).arg(w.box.top()));
        }
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(u"; "_s)));
        QVERIFY2(matched * 10 >= expected.words.size() * 9,
                 qPrintable(u"%1 of %2 boxes printed"_s.arg(matched).arg(expected.words.size())));
    }
};

QTEST_MAIN(CupsPrintTest)
#include "cups_print_test.moc"
