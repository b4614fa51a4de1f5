#include "printing/spaced_text.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class SpacedTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void spacing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("dashAsGap");
        QTest::addColumn<QString>("spaced");

        QTest::newRow("NIP with dashes") << u"123-456-32-18"_s << false << u"1 2 3 4 5 6 3 2 1 8"_s;
        QTest::newRow("NIP with spaces") << u"123 456 32 18"_s << false << u"1 2 3 4 5 6 3 2 1 8"_s;
        QTest::newRow("NIP plain") << u"1234563218"_s << false << u"1 2 3 4 5 6 3 2 1 8"_s;
        QTest::newRow("spaced again") << u"1 2 3 4 5 6 3 2 1 8"_s << false << u"1 2 3 4 5 6 3 2 1 8"_s;
        QTest::newRow("quarter") << u"3"_s << false << u"3"_s;
        QTest::newRow("year") << u"2011"_s << false << u"2 0 1 1"_s;
        QTest::newRow("date") << u"25-05-2011"_s << true << u"2 5  0 5  2 0 1 1"_s;
        QTest::newRow("date, dashes at the ends") << u"-25-05-2011-"_s << true << u"2 5  0 5  2 0 1 1"_s;
        QTest::newRow("empty") << QString() << false << QString();
        QTest::newRow("only blanks and dashes") << u" - -"_s << true << QString();
        QTest::newRow("control character trimmed") << u"12\t"_s << false << u"1 2"_s;
        QTest::newRow("Polish letters") << u"Łś"_s << false << u"Ł ś"_s;
    }
    void spacing()
    {
        QFETCH(QString, text);
        QFETCH(bool, dashAsGap);
        QFETCH(QString, spaced);
        QCOMPARE(RozstrzelZnaki(text, dashAsGap), spaced);
        if (!dashAsGap)
            QCOMPARE(RozstrzelZnaki(spaced, false), spaced);
    }
};

QTEST_APPLESS_MAIN(SpacedTextTest)
#include "spaced_text_test.moc"
