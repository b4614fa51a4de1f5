#include "declaration/errors.h"
#include "printing/lorqa_pages.h"
#include "support/printing_fixtures.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class PageFillTest : public QObject
{
    Q_OBJECT

private:
    static QString boxText(const PageComposition &page, const QString &name)
    {
        const TextBox *b = page.box(name);
        return b ? b->text : u"<no box>"_s;
    }

private Q_SLOTS:
    void fullDeclarationFillsEveryBox_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");

        const auto row = [](int page, const QString &box, const QString &text) {
            QTest::addRow("%d %s", page, qPrintable(box)) << page << box << text;
        };
        row(1, u"p_1"_s, u"1 2 3 4 5 6 3 2 1 8"_s);
        row(1, u"p_4"_s, u"3"_s);
        row(1, u"p_5"_s, u"2 0 1 1"_s);
        row(1, u"p_6"_s, u"Urząd Skarbowy Łódź-Śródmieście"_s);
        row(1, u"p_7_1"_s, QString());
        row(1, u"p_7_2"_s, u"x"_s);
        row(1, u"p_8_1"_s, u"x"_s);
        row(1, u"p_8_2"_s, QString());
        row(1, u"p_11"_s, u"Świętokrzyskie"_s);
        row(1, u"p_18"_s, u"26-060"_s);
        row(1, u"p_20"_s, u"3220"_s);
        row(1, u"p_44"_s, u"-4884"_s);
        row(2, u"p_45"_s, u"5995"_s);
        row(2, u"p_65"_s, u"8215"_s);
        row(2, u"p_66"_s, u"x"_s);
        row(2, u"p_67"_s, QString());
        row(2, u"p_68"_s, u"x"_s);
        row(2, u"p_69"_s, QString());
        row(2, u"p_70_1"_s, u"x"_s);
        row(2, u"p_70_2"_s, QString());
        row(2, u"p_71_1"_s, QString());
        row(2, u"p_71_2"_s, u"x"_s);
        row(2, u"p_73"_s, u"Żółkiewska"_s);
        row(2, u"p_75"_s, u"41-555-01-23"_s);
        row(2, u"p_76"_s, u"2 0  1 0  2 0 1 1"_s);
    }
    void fullDeclarationFillsEveryBox()
    {
        QFETCH(int, page);
        QFETCH(QString, box);
        QFETCH(QString, text);

        const TDeklaracja d = fullDeclaration();
        Tlorqa_str1 str1;
        Tlorqa_str2 str2;
        str1.setNip(d.text(u"p_1"_s));
        str1.str1BeforePrint(d);
        str2.str2BeforePrint(d);
        QCOMPARE(boxText(page == 1 ? static_cast<PageComposition &>(str1) : str2, box), text);
    }

    // The first entry marks the first box; the second entry, or none at all,
    // marks the second.
    void choiceMarks_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        for (const QString &choice : {u"p_7"_s, u"p_8"_s}) {
            QTest::addRow("%s first", qPrintable(choice)) << choice << 0 << u"x"_s << QString();
            QTest::addRow("%s second", qPrintable(choice)) << choice << 1 << QString() << u"x"_s;
            QTest::addRow("%s none", qPrintable(choice)) << choice << -1 << QString() << u"x"_s;
        }
    }
    void choiceMarks()
    {
        QFETCH(QString, choice);
        QFETCH(int, index);
        QFETCH(QString, first);
        QFETCH(QString, second);

        TDeklaracja d;
        d.setIndex(choice, index);
        Tlorqa_str1 str1;
        str1.str1BeforePrint(d);
        QCOMPARE(boxText(str1, choice + u"_1"_s), first);
        QCOMPARE(boxText(str1, choice + u"_2"_s), second);
    }

    // Page 1's NIP box holds what the print command put there: a composition
    // only spaces it, the same way each time, and never reads the field.
    void nipIsSpacedNotRefilled()
    {
        TDeklaracja d = fullDeclaration();
        Tlorqa_str1 str1;
        str1.setNip(u"123 456-32 18"_s);
        d.setText(u"p_1"_s, u"999"_s);
        str1.str1BeforePrint(d);
        QCOMPARE(boxText(str1, u"p_1"_s), u"1 2 3 4 5 6 3 2 1 8"_s);
        str1.str1BeforePrint(d);
        QCOMPARE(boxText(str1, u"p_1"_s), u"1 2 3 4 5 6 3 2 1 8"_s);
    }

    // Every composition rewrites the boxes: an emptied field prints nothing.
    void emptiedFieldsPrintNothing()
    {
        TDeklaracja d = fullDeclaration();
        Tlorqa_str2 str2;
        str2.str2BeforePrint(d);
        d.setText(u"p_72"_s, QString());
        d.setChecked(u"p_66"_s, false);
        str2.str2BeforePrint(d);
        QCOMPARE(boxText(str2, u"p_72"_s), QString());
        QCOMPARE(boxText(str2, u"p_66"_s), QString());
    }
};

QTEST_APPLESS_MAIN(PageFillTest)
#include "page_fill_test.moc"
