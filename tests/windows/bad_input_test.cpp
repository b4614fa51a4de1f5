#include "core/support/fixtures.h"
#include "declaration/positions.h"
#include "declaration/ui/form_error.h"
#include "files/declaration_file.h"
#include "files/ini_document.h"
#include "printing/lorqa_pages.h"
#include "printing/print_job.h"
#include "support/window_fixture.h"
#include "wizard/ui/form_kreator.h"

#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Texts that are no amount, or only just one, as other programs and hands
// leave them in a declaration file.
void addBadAmounts()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<bool>("converts"); // a whole number of 32 bits, as read from the file
    QTest::newRow("minus alone") << u"-"_s << false;
    QTest::newRow("minus after") << u"1-"_s << false;
    QTest::newRow("decimal comma") << u"12,5"_s << false;
    QTest::newRow("2^31") << u"2147483648"_s << false;
    QTest::newRow("-2^31-1") << u"-2147483649"_s << false;
    QTest::newRow("hex $ at the top") << u"$7FFFFFFF"_s << true;
    QTest::newRow("hex 0x over the top") << u"0x80000000"_s << false;
    // The reader drops the blanks around a value.
    QTest::newRow("blank before") << u" 5"_s << true;
    QTest::newRow("blank after") << u"5 "_s << true;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("2047 digits") << QString(2047, u'9') << false;
}

// A valid declaration whose every amount holds the text.
QString writeDeclaration(const QString &folder, const QString &amount)
{
    const QString path = folder + u"/zle-kwoty.vat"_s;
    ZapiszDeklaracje(validDeclaration(), path);
    IniDocument doc = IniDocument::load(path, IniDocument::IfMissing::Fail);
    for (int n = FirstAmount; n <= LastAmount; ++n)
        doc.setValue(u"liczby"_s, QString::number(n), amount);
    doc.save(path);
    return path;
}

// The amount of every position, as the window holds it now.
QStringList amountTexts(const FieldAccess &fields)
{
    QStringList out;
    for (int n = FirstAmount; n <= LastAmount; ++n)
        out.append(fields.text(positionName(n)));
    return out;
}

// What a command may show: nothing but the conversion error, naming a text
// that is really in one of the amounts (the file's or one the calculation
// wrote). Returns the text named, or a null text when nothing was shown.
QString conversionErrorOf(const QStringList &calls, const FieldAccess &fields)
{
    static const QRegularExpression error(u"^error: '(.*)' is not a valid integer value$"_s,
                                          QRegularExpression::DotMatchesEverythingOption);
    const QStringList errors = calls.filter(QRegularExpression(u"^error: "_s));
    if (errors.isEmpty())
        return {};
    const QRegularExpressionMatch m = error.match(errors.first());
    if (errors.size() != 1 || !m.hasMatch()) {
        qWarning("%s", qPrintable(errors.join(u'\n')));
        return u"<another error>"_s;
    }
    const QString named = m.captured(1);
    return amountTexts(fields).contains(named) ? named : u"<not in a field: "_s + named + u'>';
}

} // namespace

class BadInputTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void mainWindowCommands_data() { addBadAmounts(); }
    void mainWindowCommands()
    {
        QFETCH(QString, amount);
        QFETCH(bool, converts);
        WindowFixture f;
        TFormError errorForm(f.window.get());
        f.window->setErrorForm(&errorForm);
        // The real pages, filled and painted into a PDF in memory.
        QList<int> printed;
        f.window->setPagePrinter([&](int page) {
            Tlorqa_str1 str1;
            Tlorqa_str2 str2;
            PrintJob job({page == 1 ? static_cast<PageComposition *>(&str1) : &str2}, *f.window, {});
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            job.paint(writer);
            printed.append(page);
        });

        f.recorder.fileNames = {writeDeclaration(m_dir.path(), amount)};
        f.trigger(u"Wczytajdeklaracje1"_s);
        QCOMPARE(f.recorder.callsOf(u"error"_s), QStringList());
        // As read; a field's length limit may cut a long text.
        const QString loaded = f.window->text(u"p_25"_s);
        QVERIFY(loaded.isEmpty() || amount.trimmed().startsWith(loaded));
        QCOMPARE(loaded.isEmpty(), amount.trimmed().isEmpty());

        // "Policz" from the banner and from the menu.
        for (const QString &entry : {u"ImageButtonPolicz"_s, u"Policz2"_s}) {
            f.recorder.calls.clear();
            const QStringList before = amountTexts(*f.window);
            if (entry == u"Policz2"_s)
                f.trigger(entry);
            else
                f.clickArea(entry);
            const QString named = conversionErrorOf(f.recorder.calls, *f.window);
            if (named.isNull()) {
                QCOMPARE(f.recorder.calls, QStringList{u"message: Pola zostały wyliczone"_s});
            } else {
                QVERIFY2(!named.startsWith(u'<'), qPrintable(named));
                QVERIFY(f.recorder.callsOf(u"message"_s).isEmpty());
            }
            if (!converts && entry == u"ImageButtonPolicz"_s)
                QVERIFY2(before.contains(named), qPrintable(named)); // the file's text
        }

        // "Strona 1" and "Strona 2": the checks, then the page. The checks'
        // dialog, when it comes, is answered with OK.
        for (int page : {1, 2}) {
            f.recorder.calls.clear();
            printed.clear();
            answerModal([](QWidget *w) { QTest::mouseClick(w->findChild<QPushButton *>(u"ButtonOk"_s), Qt::LeftButton); },
                        [&] { f.clickArea(page == 1 ? u"ImageButtonStr1"_s : u"ImageButtonStr2"_s); });
            const QString named = conversionErrorOf(f.recorder.calls, *f.window);
            QVERIFY2(named.isNull() || !named.startsWith(u'<'), qPrintable(named));
            QCOMPARE(printed, named.isNull() ? QList<int>{page} : QList<int>{});
            if (!converts)
                QVERIFY(!named.isNull());
        }

        // The window goes on: emptied amounts compute and print.
        for (int n = FirstAmount; n <= LastAmount; ++n)
            f.window->setText(positionName(n), QString());
        f.recorder.calls.clear();
        f.trigger(u"Policz2"_s);
        QCOMPARE(f.recorder.calls, QStringList{u"message: Pola zostały wyliczone"_s});
        printed.clear();
        f.clickArea(u"ImageButtonStr2"_s);
        QCOMPARE(printed, QList<int>{2});
        QCOMPARE(f.window->text(u"p_1"_s), u"1234563218"_s);
    }

    // The wizard: the file read by its own button, then "Dalej >" page after
    // page up to "Zakończ". A conversion error keeps the page; the wizard
    // still goes back and can be left.
    void wizardCommands_data() { addBadAmounts(); }
    void wizardCommands()
    {
        QFETCH(QString, amount);
        QFETCH(bool, converts);
        WindowFixture f;
        TFormKreator wizard(*f.window, f.window.get());
        f.window->setWizard(&wizard);
        wizard.show();
        QApplication::setActiveWindow(&wizard);
        QVERIFY(QTest::qWaitForWindowActive(&wizard));

        f.recorder.fileNames = {writeDeclaration(m_dir.path(), amount)};
        f.recorder.okCancelAnswers = {false}; // not saved at the end
        QTest::mouseClick(wizard.findChild<QPushButton *>(u"ButtonLoad"_s), Qt::LeftButton);
        QCOMPARE(f.recorder.callsOf(u"error"_s), QStringList());
        f.recorder.calls.clear();

        QList<int> pages{wizard.currentPage()};
        QString named;
        for (int step = 0; step < 12 && wizard.isVisible() && named.isNull(); ++step) {
            const int page = wizard.currentPage();
            QTest::mouseClick(wizard.ButtonNext, Qt::LeftButton);
            named = conversionErrorOf(f.recorder.calls, wizard.fields());
            if (!named.isNull()) {
                QVERIFY2(!named.startsWith(u'<'), qPrintable(named));
                QCOMPARE(wizard.currentPage(), page);
                QVERIFY(wizard.isVisible());
            } else if (wizard.isVisible()) {
                QVERIFY2(wizard.currentPage() != page, qPrintable(f.recorder.calls.join(u'\n')));
                pages.append(wizard.currentPage());
            }
        }
        if (!converts)
            QVERIFY2(!named.isNull(), qPrintable(QString::number(pages.last())));
        if (named.isNull()) {
            // Finished: handed over, not saved.
            QVERIFY(!wizard.isVisible());
            QCOMPARE(f.recorder.callsOf(u"ask"_s).size(), 1);
            QCOMPARE(f.window->text(u"p_1"_s), u"1234563218"_s);
        } else {
            // Stopped on the page: back works, and "Anuluj" hands nothing over.
            if (wizard.currentPage() > 1) {
                const int page = wizard.currentPage();
                QTest::mouseClick(wizard.ButtonLast, Qt::LeftButton);
                QVERIFY(wizard.currentPage() < page);
            }
            QTest::mouseClick(wizard.ButtonAnuluj, Qt::LeftButton);
            QVERIFY(!wizard.isVisible());
            QCOMPARE(f.window->text(u"p_1"_s), QString());
        }
    }
};

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
