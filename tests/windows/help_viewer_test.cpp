#include "windows/help_topics.h"
#include "app/help_launcher.h"
#include "app/help_buttons.h"
#include "app/help_viewer.h"
#include "support/recording_platform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

using namespace Qt::Literals::StringLiterals;

namespace {

// The anchors a page defines.
QStringList anchorsOf(const QTextDocument &document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names += it.fragment().charFormat().anchorNames();
    }
    return names;
}

// Where the anchor starts in the document, or -1.
int anchorPosition(const QTextDocument &document, const QString &name)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(name))
                return it.fragment().position();
        }
    }
    return -1;
}

QString readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList helpPages()
{
    QStringList pages;
    QDirIterator it(u":/help"_s, {u"*.htm"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        pages.append(it.next());
    pages.sort();
    return pages;
}

// Every help request the program makes: the help buttons of the main window
// and of the wizard, the menu "Pomoc", and the WinHelp contexts and topics.
struct Reference
{
    const char *name;
    QString commandLine;
};

const QList<Reference> &allReferences()
{
    static const QList<Reference> references{
        {"BitBtn19 p_22 / wizard BitBtn16", u"hh lorqa(12).chm::/dzialx_rozdzial3.htm#podsumowujace"_s},
        {"BitBtn15 p_24 / wizard BitBtn10, BitBtn15", u"hh lorqa(12).chm::/dzialxii_rozdzial6.htm#art.129."_s},
        {"BitBtn17 p_35 p_36", u"hh lorqa(12).chm::/dzialvii.htm#ustawa_o_podatku"_s},
        {"BitBtn18 p_39 p_40 / wizard BitBtn14", u"hh lorqa(12).chm::/dzialv_rozdzial3.htm#uslugi"_s},
        {"BitBtn1 p_43", u"hh lorqa(12).chm::/dzialii_rozdzial4.htm#5."_s},
        {"BitBtn7 p_44 / wizard BitBtn11", u"hh lorqa(12).chm::/dzialx_rozdzial4.htm#4."_s},
        {"BitBtn2 p_48 / wizard BitBtn1", u"hh lorqa(12).chm::/dzialxii_rozdzial1.htm#5."_s},
        {"BitBtn4 p_66 / wizard BitBtn3", u"hh lorqa(12).chm::/dzialxii_rozdzial3.htm#art.119."_s},
        {"BitBtn6 p_67 / wizard BitBtn4", u"hh lorqa(12).chm::/dzialxii_rozdzial4.htm#4."_s},
        {"BitBtn5 p_68 / wizard BitBtn5", u"hh lorqa(12).chm::/dzialxii_rozdzial5.htm#art.122"_s},
        {"BitBtn8 p_69 / wizard BitBtn6", u"hh lorqa(12).chm::/dzialxii_rozdzial8.htm#art.136"_s},
        {"Objaśnienia", u"hh lorqak(6).chm::/objasnienia_naglowek.htm"_s},
        {"Ustawa o Vat", u"hh lorqak(6).chm::/ustawaopodatkuodtowarowi.htm"_s},
        {"Pomoc", u"hh lorqak(6).chm::/oprogramie.htm"_s},
        {"FormHelp: start page", u"hh lorqa(12).chm"_s},
        {"context 1001", helpCommandForContext(1001)},
        {"context 129", helpCommandForContext(129)},
        {"context 33", helpCommandForContext(33)},
        {"context 1002", helpCommandForContext(1002)},
        {"context 1", helpCommandForContext(1)},
        {"context 1034", helpCommandForContext(1034)},
        {"context 2", helpCommandForContext(2)},
        {"context 4", helpCommandForContext(4)},
        {"context 5", helpCommandForContext(5)},
        {"context 6", helpCommandForContext(6)},
        {"context 7", helpCommandForContext(7)},
        {"context 92", helpCommandForContext(92)},
        {"context 21", helpCommandForContext(21)},
        {"topic Objasnienia", helpCommandForTopic(u"Objasnienia"_s)},
        {"topic Ustawaopodatkuodtowarowi", helpCommandForTopic(u"Ustawaopodatkuodtowarowi"_s)},
        {"topic Oprogramie", helpCommandForTopic(u"Oprogramie"_s)},
    };
    return references;
}

} // namespace

class HelpViewerTest : public QObject
{
    Q_OBJECT

private:
    RecordingPlatform recorder;

    HelpViewer *viewer() const { return HelpViewer::instance(); }

private Q_SLOTS:
    void initTestCase() { recorder.urlOpens = false; }

    // Runs first, while no viewer exists yet.
    void opensNothingForWhatWeDoNotHave_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("unknown file") << u"hh lorqa(11).chm::/dzialvii.htm#ustawa_o_podatku"_s;
        QTest::newRow("unknown page") << u"hh lorqa(12).chm::/dzialxx.htm"_s;
        QTest::newRow("no file") << u"hh"_s;
        QTest::newRow("not the viewer") << u"winhlp32 lorqa(12).hlp"_s;
        QTest::newRow("empty") << QString();
    }
    void opensNothingForWhatWeDoNotHave()
    {
        QFETCH(QString, commandLine);
        QVERIFY(!launchHelp(commandLine));
        QVERIFY(!viewer());
        QVERIFY(recorder.calls.isEmpty());
    }

    void opensEveryReferenceAtItsAnchor_data()
    {
        QTest::addColumn<QString>("commandLine");
        for (const Reference &reference : allReferences())
            QTest::newRow(reference.name) << reference.commandLine;
        // The main window's own tables, so that a reference changed there
        // cannot point nowhere.
        for (const HelpButton &button : mainWindowHelpButtons())
            QTest::addRow("main window %s", qPrintable(button.name)) << helpCommandLine(button.pageReference());
        for (const HelpMenuEntry &entry : helpMenuEntries())
            QTest::addRow("menu %s", qPrintable(entry.name)) << entry.command;
    }
    void opensEveryReferenceAtItsAnchor()
    {
        QFETCH(QString, commandLine);
        const HelpRequest request = parseHelpCommand(commandLine).value();

        QVERIFY2(launchHelp(commandLine), qPrintable(commandLine));
        QVERIFY(viewer());
        // A low window, so that an anchor below the first lines needs scrolling.
        viewer()->resize(640, 240);
        QVERIFY(QTest::qWaitForWindowExposed(viewer()));

        const QUrl source = viewer()->source();
        const QString page = request.page.isEmpty() ? HelpStartPage.toString() : request.page;
        QCOMPARE(source.path(), u"/help/"_s + request.file + u'/' + page);
        QTextBrowser *browser = viewer()->browser();
        QVERIFY(!browser->toPlainText().trimmed().isEmpty());
        if (request.anchor.isEmpty())
            return;

        const int position = anchorPosition(*browser->document(), request.anchor);
        QVERIFY2(position >= 0, qPrintable(u"no anchor "_s + request.anchor));
        QTextCursor cursor(browser->document());
        cursor.setPosition(position);
        const QRect at = browser->cursorRect(cursor);
        QVERIFY2(browser->viewport()->rect().contains(at.center()),
                 qPrintable(u"anchor not in view at %1,%2"_s.arg(at.x()).arg(at.y())));
    }

    // The article pages hold the anchors the references name, and no others
    // that a reference could be mistaken for.
    void articlePagesHoldExactlyTheReferencedAnchors()
    {
        QHash<QString, QStringList> expected;
        for (const Reference &reference : allReferences()) {
            const HelpRequest request = parseHelpCommand(reference.commandLine).value();
            if (request.file == u"lorqa(12).chm" && !request.page.isEmpty()) {
                QStringList &anchors = expected[request.page];
                if (!anchors.contains(request.anchor))
                    anchors.append(request.anchor);
            }
        }
        QCOMPARE(expected.size(), 11);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            QTextDocument document;
            document.setHtml(readResource(u":/help/lorqa(12).chm/"_s + it.key()));
            QCOMPARE(anchorsOf(document), it.value());
        }
    }

    void everyLinkOfTheHelpLeadsToAPageAndAnchor_data()
    {
        QTest::addColumn<QString>("page");
        for (const QString &page : helpPages())
            QTest::newRow(qPrintable(page)) << page;
    }
    void everyLinkOfTheHelpLeadsToAPageAndAnchor()
    {
        QFETCH(QString, page);
        const QString html = readResource(page);
        QVERIFY(html.contains(u"<title>"_s));
        const QUrl base(u"qrc"_s + page);
        static const QRegularExpression href(u"href=\"([^\"]*)\""_s);
        for (auto match = href.globalMatch(html); match.hasNext();) {
            const QString link = match.next().captured(1);
            const QUrl target = base.resolved(QUrl(link));
            QCOMPARE(target.scheme(), u"qrc"_s);
            const QString targetHtml = readResource(u':' + target.path());
            QVERIFY2(!targetHtml.isEmpty(), qPrintable(u"no page for "_s + link));
            if (target.hasFragment()) {
                QTextDocument document;
                document.setHtml(targetHtml);
                QVERIFY2(anchorsOf(document).contains(target.fragment()),
                         qPrintable(u"no anchor for "_s + link));
            }
        }
    }

    void reusesOneWindow()
    {
        QVERIFY(launchHelp(u"hh lorqa(12).chm::/dzialvii.htm#ustawa_o_podatku"_s));
        HelpViewer *first = viewer();
        QVERIFY(launchHelp(u"hh lorqak(6).chm::/oprogramie.htm"_s));
        QCOMPARE(viewer(), first);
        int viewers = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            viewers += qobject_cast<HelpViewer *>(window) ? 1 : 0;
        QCOMPARE(viewers, 1);
    }

    void closedWindowOpensAgain()
    {
        QVERIFY(launchHelp(u"hh lorqa(12).chm"_s));
        viewer()->close();
        QVERIFY(!viewer()->isVisible());
        QVERIFY(launchHelp(u"hh lorqa(12).chm::/dzialxii_rozdzial8.htm#art.136"_s));
        QVERIFY(viewer()->isVisible());
        QCOMPARE(viewer()->source().fileName(), u"dzialxii_rozdzial8.htm"_s);
    }

    void goesBackForwardAndToTheStartPage()
    {
        QVERIFY(launchHelp(u"hh lorqa(12).chm::/dzialxii_rozdzial5.htm#art.122"_s));
        QVERIFY(launchHelp(u"hh lorqa(12).chm::/dzialxii_rozdzial4.htm#4."_s));
        auto *back = viewer()->findChild<QAction *>(u"HelpBack"_s);
        auto *forward = viewer()->findChild<QAction *>(u"HelpForward"_s);
        auto *home = viewer()->findChild<QAction *>(u"HelpHome"_s);
        QVERIFY(back && forward && home);

        QVERIFY(back->isEnabled());
        back->trigger();
        QCOMPARE(viewer()->source().fileName(), u"dzialxii_rozdzial5.htm"_s);
        QVERIFY(forward->isEnabled());
        forward->trigger();
        QCOMPARE(viewer()->source().fileName(), u"dzialxii_rozdzial4.htm"_s);

        home->trigger();
        QCOMPARE(viewer()->source(), QUrl(u"qrc:/help/lorqa(12).chm/index.htm"_s));
        QVERIFY(launchHelp(u"hh lorqak(6).chm::/oprogramie.htm"_s));
        home->trigger();
        QCOMPARE(viewer()->source(), QUrl(u"qrc:/help/lorqak(6).chm/index.htm"_s));
    }

    void followsLinksBetweenTheHelpFiles()
    {
        QVERIFY(launchHelp(u"hh lorqak(6).chm::/ustawaopodatkuodtowarowi.htm"_s));
        Q_EMIT viewer()->browser()->anchorClicked(QUrl(u"../lorqa(12).chm/dzialvii.htm#ustawa_o_podatku"_s));
        QCOMPARE(viewer()->source(), QUrl(u"qrc:/help/lorqa(12).chm/dzialvii.htm#ustawa_o_podatku"_s));
        QVERIFY(recorder.callsOf(u"url"_s).isEmpty());
    }

    void sendsOutsideAddressesToThePlatform()
    {
        QVERIFY(launchHelp(u"hh lorqak(6).chm::/oprogramie.htm"_s));
        const QUrl before = viewer()->source();
        recorder.calls.clear();
        Q_EMIT viewer()->browser()->anchorClicked(QUrl(u"https://lorqa.example/pomoc"_s));
        QCOMPARE(recorder.callsOf(u"url"_s), QStringList{u"https://lorqa.example/pomoc"_s});
        // A link to a page we do not have leaves the page as it was, and
        // nothing is reported.
        Q_EMIT viewer()->browser()->anchorClicked(QUrl(u"brak.htm"_s));
        QCOMPARE(viewer()->source(), before);
        QCOMPARE(recorder.calls, QStringList{u"url: https://lorqa.example/pomoc"_s});
        recorder.calls.clear();
    }

    // While a modal window (the wizard) is open, help opened from it must
    // take input: the viewer becomes that window's child.
    void takesInputWhileAModalWindowIsOpen()
    {
        QDialog wizard;
        wizard.setModal(true);
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        QCOMPARE(QApplication::activeModalWidget(), &wizard);

        QVERIFY(launchHelp(u"hh lorqa(12).chm::/dzialxii_rozdzial6.htm#art.129."_s));
        QCOMPARE(viewer()->parentWidget(), &wizard);
        QVERIFY(viewer()->isWindow());
        QVERIFY(viewer()->isVisible());
        QVERIFY(!blockedByModal(viewer()));

        wizard.close();
        delete viewer(); // goes with the wizard in the program; here before the stack unwinds
        QVERIFY(launchHelp(u"hh lorqa(12).chm"_s));
        QVERIFY(!viewer()->parentWidget());
    }

private:
    // True when a modal window keeps input from `window`.
    static bool blockedByModal(QWidget *window)
    {
        QWidget *modal = QApplication::activeModalWidget();
        for (QWidget *w = window; w; w = w->parentWidget()) {
            if (w == modal)
                return false;
        }
        return modal != nullptr;
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
