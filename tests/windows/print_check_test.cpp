#include "declaration/ui/form_error.h"
#include "support/window_fixture.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The checks that come before printing a page, with the error dialog's
// answers, and the hand-over to whoever prints the page.
class PrintCheckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<QString>("answer"); // ButtonOk, ButtonAnuluj, or "close"
        QTest::addColumn<bool>("goOn");
        QTest::newRow("OK") << u"ButtonOk"_s << true;
        QTest::newRow("Anuluj") << u"ButtonAnuluj"_s << false;
        QTest::newRow("closed by its title bar") << u"close"_s << true;
    }
    void answers()
    {
        QFETCH(QString, answer);
        QFETCH(bool, goOn);
        WindowFixture f;
        TFormError form(f.window.get());
        f.window->setErrorForm(&form);
        QList<int> printed;
        f.window->setPagePrinter([&](int page) { printed.append(page); });
        f.fillValidDeclaration();
        f.window->setText(u"p_6"_s, QString());
        f.window->setText(u"p_25"_s, u"100"_s);

        QString shown;
        bool wasModal = false;
        const bool dialog = answerModal(
            [&](QWidget *w) {
                wasModal = w == &form;
                shown = form.Memo1->toPlainText();
                if (answer == u"close"_s)
                    form.close();
                else
                    QTest::mouseClick(form.findChild<QPushButton *>(answer), Qt::LeftButton);
            },
            [&] { f.clickArea(u"ImageButtonStr2"_s); });
        QVERIFY(dialog);
        QVERIFY(wasModal);
        QCOMPARE(shown, u"Brak urzędu skarbowego\nPola 25 i 26 powinny być wypełnione łącznie"_s);
        QCOMPARE(form.Kontynuuj, goOn);
        QCOMPARE(printed, goOn ? QList<int>{2} : QList<int>{});
        QVERIFY(f.recorder.calls.isEmpty());
    }

    // Warnings alone show no dialog and printing goes on.
    void warningsAloneGoOn()
    {
        WindowFixture f;
        QList<int> printed;
        f.window->setPagePrinter([&](int page) { printed.append(page); });
        f.fillValidDeclaration();
        f.window->setText(u"p_25"_s, u"100"_s);
        QVERIFY(!answerModal([](QWidget *w) { w->close(); },
                             [&] { f.trigger(u"Strona11"_s); }));
        QCOMPARE(printed, QList<int>{1});
        QCOMPARE(f.window->ListaBledow, QStringList{u"Pola 25 i 26 powinny być wypełnione łącznie"_s});
    }

    void emptyNipStopsAfterTheDialog()
    {
        WindowFixture f;
        QList<int> printed;
        f.window->setPagePrinter([&](int page) { printed.append(page); });
        f.fillValidDeclaration();
        f.window->setText(u"p_1"_s, QString());
        QVERIFY(answerModal([](QWidget *w) { QTest::mouseClick(w->findChild<QPushButton *>(u"ButtonOk"_s), Qt::LeftButton); },
                            [&] { f.clickArea(u"ImageButtonStr1"_s); }));
        QCOMPARE(f.recorder.calls, QStringList{u"message: Wpisz numer NIP!"_s});
        QVERIFY(printed.isEmpty());
    }

    void noPrinterYet()
    {
        WindowFixture f;
        f.fillValidDeclaration();
        f.trigger(u"Strona21"_s);
        QCOMPARE(f.recorder.calls, QStringList{u"message: Drukowanie nie jest jeszcze dostępne."_s});
    }

    void conversionErrorInTheChecksEndsTheCommand()
    {
        WindowFixture f;
        QList<int> printed;
        f.window->setPagePrinter([&](int page) { printed.append(page); });
        f.fillValidDeclaration();
        f.window->setText(u"p_4"_s, u"1 "_s);
        QVERIFY(!answerModal([](QWidget *w) { w->close(); }, [&] { f.clickArea(u"ImageButtonStr1"_s); }));
        QCOMPARE(f.recorder.calls, QStringList{u"error: '1 ' is not a valid integer value"_s});
        QVERIFY(printed.isEmpty());
    }

    // A second check after everything is mended shows nothing of the first.
    void listHoldsOnlyTheLastRun()
    {
        WindowFixture f;
        f.window->setPagePrinter([](int) {});
        answerModal([](QWidget *w) { QTest::mouseClick(w->findChild<QPushButton *>(u"ButtonAnuluj"_s), Qt::LeftButton); },
                    [&] { f.clickArea(u"ImageButtonStr1"_s); });
        QVERIFY(!f.window->ListaBledow.isEmpty());
        f.fillValidDeclaration();
        QVERIFY(f.window->checkBeforePrint());
        QVERIFY(f.window->ListaBledow.isEmpty());
    }
};

QTEST_MAIN(PrintCheckTest)
#include "print_check_test.moc"
