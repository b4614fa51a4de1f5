#include "printing/page_renderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class BoxLinesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The box is as wide as `fitting` (plus a hair): a text is broken at
    // spaces only, never after a hyphen or a slash.
    void breaksAtSpacesOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fitting");
        QTest::addColumn<int>("maxLines");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("fits whole") << u"Jan Kowalski"_s << u"Jan Kowalski"_s << 1
                                    << QStringList{u"Jan Kowalski"_s};
        QTest::newRow("hyphen is no break")
            << u"Przedsiębiorstwo Handlowo-Usługowe Żuraw"_s << u"Przedsiębiorstwo Handlowo-"_s << 1
            << QStringList{u"Przedsiębiorstwo"_s};
        QTest::newRow("slash is no break") << u"ul. Długa 12/14 m. 3"_s << u"ul. Długa 12/"_s << 1
                                           << QStringList{u"ul. Długa"_s};
        QTest::newRow("run of spaces dropped at the break") << u"Kowalski   Jan"_s << u"Kowalski   "_s << 2
                                                            << QStringList{u"Kowalski"_s, u"Jan"_s};
        QTest::newRow("word wider than the box") << u"Konstantynopolitańczykowianeczka"_s
                                                 << u"Konstantynopo"_s << 1
                                                 << QStringList{u"Konstantynopo"_s};
        QTest::newRow("no more lines than asked") << u"a b c d"_s << u"a"_s << 2
                                                  << QStringList{u"a"_s, u"b"_s};
    }
    void breaksAtSpacesOnly()
    {
        QFETCH(QString, text);
        QFETCH(QString, fitting);
        QFETCH(int, maxLines);
        QFETCH(QStringList, lines);

        QFont font(u"Liberation Sans"_s);
        font.setPointSizeF(11);
        const QFontMetricsF metrics(font);
        QCOMPARE(boxLines(text, metrics, metrics.horizontalAdvance(fitting) + 0.01, maxLines), lines);
    }
};

QTEST_MAIN(BoxLinesTest)
#include "box_lines_test.moc"
