#include "declaration/errors.h"
#include "declaration/positions.h"
#include "files/declaration_file.h"
#include "support/fixtures.h"
#include "support/test_files.h"
#include "wizard/wizard_files.h"
#include "wizard/wizard_navigation.h"
#include "wizard/wizard_record.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// A declaration file read into a freshly opened wizard.
class WizardFilesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // A declaration file with those amounts and the refund request.
    QString declarationFile(const QString &list, bool refund, bool correction = false)
    {
        TDeklaracja d = validDeclaration();
        setAmounts(d, amounts(list));
        d.setChecked(u"p_70_1"_s, refund);
        d.setIndex(u"p_7"_s, correction ? 1 : 0);
        const QString path = m_dir.filePath(u"d.vat"_s);
        ZapiszDeklaracje(d, path);
        return path;
    }

    static WizardDeclaration opened()
    {
        // As the opening leaves it: the opening answers ticked.
        WizardDeclaration w;
        w.setChecked(u"CB1"_s, true);
        w.setChecked(u"CB8"_s, true);
        return w;
    }

    static QString tickedQuestions(const FieldAccess &f)
    {
        const WizardQuestions q = questionsOf(f);
        QStringList out;
        for (int n = 1; n <= 8; ++n)
            if (q[n])
                out.append(QString::number(n));
        return out.join(u' ');
    }

private Q_SLOTS:
    void readsIntoTheWizard_data()
    {
        QTest::addColumn<QString>("amounts");
        QTest::addColumn<bool>("refund");
        QTest::addColumn<QString>("questions");
        QTest::addColumn<QString>("typedCash");
        QTest::addColumn<QString>("expected"); // amounts that differ from the file
        QTest::newRow("nothing filled") << QString() << false << QString() << QString() << QString();
        QTest::newRow("each question from its positions")
            << u"24=1 41=2 43=3 48=4 47=5 57=6 53=7"_s << false << u"1 2 3 4 5 7 8"_s << QString() << QString();
        QTest::newRow("p_22 alone is no foreign trade") << u"22=5"_s << false << QString() << QString() << QString();
        QTest::newRow("refunded cash registers") << u"59=400"_s << false << u"6"_s << u"400"_s << QString();
        QTest::newRow("both parts of the cash registers")
            << u"56=100 59=400"_s << false << u"6"_s << u"500"_s << QString();
        QTest::newRow("cash registers not a number keep their text")
            << u"56=1,5"_s << false << u"6"_s << u"1,5"_s << QString();
        QTest::newRow("no refund keeps the split")
            << u"60=500 61=200 63=200 65=300"_s << false << QString() << QString() << QString();
        QTest::newRow("a refund puts the surplus into 61")
            << u"60=500 61=200 63=200 65=300"_s << true << QString() << QString()
            << u"61=500 63= 65="_s;
    }
    void readsIntoTheWizard()
    {
        QFETCH(QString, amounts);
        QFETCH(bool, refund);
        QFETCH(QString, questions);
        QFETCH(QString, typedCash);
        QFETCH(QString, expected);
        WizardDeclaration w = opened();
        w.setText(CashRegistersTyped, u"999"_s); // typed before, in the same opening
        WczytajDeklaracjeKreator(w, declarationFile(amounts, refund));
        QCOMPARE(tickedQuestions(w), questions);
        QCOMPARE(w.text(CashRegistersTyped), typedCash);
        QMap<int, QString> want = ::amounts(amounts);
        const QMap<int, QString> changes = ::amounts(expected);
        for (auto it = changes.begin(); it != changes.end(); ++it)
            want[it.key()] = it.value();
        for (int n = FirstAmount; n <= LastAmount; ++n)
            QCOMPARE(w.text(positionName(n)), want.value(n));
        QCOMPARE(w.isChecked(u"p_70_1"_s), refund);
        QCOMPARE(w.text(u"p_1"_s), validDeclaration().text(u"p_1"_s));
    }

    // Neither the positions nor the questions change for a file that is no
    // declaration.
    void foreignFileChangesNothing()
    {
        const QString path = m_dir.filePath(u"obraz.vat"_s);
        writeAll(path, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        WizardDeclaration w = opened();
        w.setText(u"p_9"_s, u"Firma"_s);
        w.setText(CashRegistersTyped, u"5"_s);
        QVERIFY_THROWS_EXCEPTION(LorqaError, WczytajDeklaracjeKreator(w, path));
        QCOMPARE(w.text(u"p_9"_s), u"Firma"_s);
        QCOMPARE(w.text(CashRegistersTyped), u"5"_s);
        QCOMPARE(tickedQuestions(w), u"1 8"_s);
    }

    void purposeToTheRadioPair_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("purpose");
        QTest::newRow("new") << QByteArray("7_CelZlozenia=0") << 0;
        QTest::newRow("correction") << QByteArray("7_CelZlozenia=1") << 1;
        QTest::newRow("any other number is a correction") << QByteArray("7_CelZlozenia=5") << 1;
        QTest::newRow("missing is new") << QByteArray() << 0;
    }
    void purposeToTheRadioPair()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, purpose);
        const QString path = m_dir.filePath(u"p.vat"_s);
        writeAll(path, "[dane]\r\n1_NIP=1\r\n" + line + "\r\n[liczby]\r\n");
        WizardDeclaration w = opened();
        w.setIndex(u"p_7"_s, 1 - purpose);
        WczytajDeklaracjeKreator(w, path);
        QCOMPARE(w.index(u"p_7"_s), purpose);
    }
};

QTEST_APPLESS_MAIN(WizardFilesTest)
#include "wizard_files_test.moc"
