#include "windows/help_topics.h"
#include "app/help_launcher.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(HelpRequest)

class HelpCommandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsCommandLines_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<HelpRequest>("request");
        QTest::newRow("page and anchor")
            << u"hh lorqa(12).chm::/dzialii_rozdzial4.htm#5."_s
            << HelpRequest{u"lorqa(12).chm"_s, u"dzialii_rozdzial4.htm"_s, u"5."_s};
        QTest::newRow("anchor with dots")
            << u"hh lorqa(12).chm::/dzialxii_rozdzial6.htm#art.129."_s
            << HelpRequest{u"lorqa(12).chm"_s, u"dzialxii_rozdzial6.htm"_s, u"art.129."_s};
        QTest::newRow("page without anchor")
            << u"hh lorqak(6).chm::/oprogramie.htm"_s
            << HelpRequest{u"lorqak(6).chm"_s, u"oprogramie.htm"_s, {}};
        QTest::newRow("bare file") << u"hh lorqa(12).chm"_s << HelpRequest{u"lorqa(12).chm"_s, {}, {}};
        QTest::newRow("empty page reference")
            << u"hh lorqa(12).chm::/"_s << HelpRequest{u"lorqa(12).chm"_s, {}, {}};
        QTest::newRow("blanks around")
            << u"  hh \t lorqa(12).chm::/dzialvii.htm#ustawa_o_podatku  "_s
            << HelpRequest{u"lorqa(12).chm"_s, u"dzialvii.htm"_s, u"ustawa_o_podatku"_s};
        QTest::newRow("program with extension and capitals")
            << u"HH.EXE lorqa(12).chm::/dzialvii.htm"_s
            << HelpRequest{u"lorqa(12).chm"_s, u"dzialvii.htm"_s, {}};
        QTest::newRow("program with a folder")
            << u"C:\\Windows\\hh.exe lorqa(12).chm"_s << HelpRequest{u"lorqa(12).chm"_s, {}, {}};
        QTest::newRow("quoted target")
            << u"hh \"lorqa(12).chm::/dzialvii.htm#ustawa_o_podatku\""_s
            << HelpRequest{u"lorqa(12).chm"_s, u"dzialvii.htm"_s, u"ustawa_o_podatku"_s};
        QTest::newRow("file with a folder")
            << u"hh C:\\Program Files\\Lorqa\\lorqa(12).chm::/dzialvii.htm"_s
            << HelpRequest{u"lorqa(12).chm"_s, u"dzialvii.htm"_s, {}};
        QTest::newRow("long address form")
            << u"hh mk:@MSITStore:lorqak(6).chm::/oprogramie.htm"_s
            << HelpRequest{u"lorqak(6).chm"_s, u"oprogramie.htm"_s, {}};
    }
    void readsCommandLines()
    {
        QFETCH(QString, commandLine);
        QFETCH(HelpRequest, request);
        const std::optional<HelpRequest> read = parseHelpCommand(commandLine);
        QVERIFY(read.has_value());
        QCOMPARE(read->file, request.file);
        QCOMPARE(read->page, request.page);
        QCOMPARE(read->anchor, request.anchor);
    }

    void rejectsOtherLines_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << u"   "_s;
        QTest::newRow("program alone") << u"hh"_s;
        QTest::newRow("another program") << u"notepad lorqa(12).chm"_s;
        QTest::newRow("program name glued to the file") << u"hhlorqa(12).chm::/dzialvii.htm"_s;
        QTest::newRow("no file before the page") << u"hh ::/dzialvii.htm#ustawa_o_podatku"_s;
    }
    void rejectsOtherLines()
    {
        QFETCH(QString, commandLine);
        QVERIFY(!parseHelpCommand(commandLine).has_value());
    }

    void findsOurPages_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("url");
        QTest::newRow("article page")
            << u"hh lorqa(12).chm::/dzialxii_rozdzial6.htm#art.129."_s
            << u"qrc:/help/lorqa(12).chm/dzialxii_rozdzial6.htm#art.129."_s;
        QTest::newRow("start page of the articles")
            << u"hh lorqa(12).chm"_s << u"qrc:/help/lorqa(12).chm/index.htm"_s;
        QTest::newRow("start page of the explanations")
            << u"hh lorqak(6).chm"_s << u"qrc:/help/lorqak(6).chm/index.htm"_s;
        // The Windows viewer does not mind letter case in file and page names.
        QTest::newRow("other letter case")
            << u"hh LORQAK(6).CHM::/OProgramie.HTM"_s << u"qrc:/help/lorqak(6).chm/oprogramie.htm"_s;
    }
    void findsOurPages()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, url);
        QCOMPARE(helpPageUrl(*parseHelpCommand(commandLine)), QUrl(url));
    }

    void findsNothingElse_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("unknown file") << u"hh lorqa(11).chm::/dzialvii.htm"_s;
        QTest::newRow("unknown page") << u"hh lorqa(12).chm::/dzialxx.htm#1."_s;
        QTest::newRow("page of the other file") << u"hh lorqak(6).chm::/dzialvii.htm"_s;
        QTest::newRow("page outside the file") << u"hh lorqa(12).chm::/../../splash.svg"_s;
        QTest::newRow("page in a subfolder") << u"hh lorqa(12).chm::/x/dzialvii.htm"_s;
        QTest::newRow("the help folder itself") << u"hh ..::/splash.svg"_s;
        QTest::newRow("a folder, not a file") << u"hh lorqa(12).chm::/."_s;
    }
    void findsNothingElse()
    {
        QFETCH(QString, commandLine);
        const std::optional<HelpRequest> request = parseHelpCommand(commandLine);
        QVERIFY(request.has_value());
        QVERIFY(helpPageUrl(*request).isEmpty());
    }

    void mapsWinHelpRequests_data()
    {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("command");
        QTest::newRow("129") << 129 << u"hh lorqa(12).chm::/dzialxii_rozdzial6.htm#art.129."_s;
        QTest::newRow("33") << 33 << u"hh lorqa(12).chm::/dzialvii.htm#ustawa_o_podatku"_s;
        QTest::newRow("1034") << 1034 << u"hh lorqa(12).chm::/dzialx_rozdzial4.htm#4."_s;
        QTest::newRow("7") << 7 << u"hh lorqa(12).chm::/dzialxii_rozdzial8.htm#art.136"_s;
        QTest::newRow("fields: start page") << 92 << u"hh lorqa(12).chm"_s;
        QTest::newRow("first page's button: start page") << 21 << u"hh lorqa(12).chm"_s;
        QTest::newRow("no context") << 0 << QString();
        QTest::newRow("unknown context") << 3 << QString();
    }
    void mapsWinHelpRequests()
    {
        QFETCH(int, context);
        QFETCH(QString, command);
        QCOMPARE(helpCommandForContext(context), command);
    }

    void mapsWinHelpTopics_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("command");
        QTest::newRow("Objasnienia")
            << u"Objasnienia"_s << u"hh lorqak(6).chm::/objasnienia_naglowek.htm"_s;
        QTest::newRow("Ustawaopodatkuodtowarowi")
            << u"Ustawaopodatkuodtowarowi"_s << u"hh lorqak(6).chm::/ustawaopodatkuodtowarowi.htm"_s;
        QTest::newRow("Oprogramie") << u"Oprogramie"_s << u"hh lorqak(6).chm::/oprogramie.htm"_s;
        QTest::newRow("letter case") << u"OPROGRAMIE"_s << u"hh lorqak(6).chm::/oprogramie.htm"_s;
        QTest::newRow("unknown") << u"Spis"_s << QString();
    }
    void mapsWinHelpTopics()
    {
        QFETCH(QString, topic);
        QFETCH(QString, command);
        QCOMPARE(helpCommandForTopic(topic), command);
    }
};

QTEST_GUILESS_MAIN(HelpCommandTest)
#include "help_command_test.moc"
