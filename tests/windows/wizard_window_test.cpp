#include "core/support/fixtures.h"
#include "declaration/positions.h"
#include "files/declaration_file.h"
#include "support/window_fixture.h"
#include "wizard/ui/form_kreator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QApplication>

using namespace Qt::Literals::StringLiterals;

// The wizard as the user meets it: opened from the main window, walked with
// the mouse and the keyboard, the platform answering its dialogs.
struct WizardFixture : WindowFixture
{
    WizardFixture() : wizard(*window, window.get())
    {
        window->setWizard(&wizard);
        open();
    }

    void open()
    {
        wizard.show();
        // The offscreen platform leaves the main window active otherwise.
        QApplication::setActiveWindow(&wizard);
        if (!QTest::qWaitForWindowActive(&wizard))
            qWarning("the wizard did not become active");
    }

    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        T *w = wizard.findChild<T *>(name);
        if (!w)
            qFatal("no control %s in the wizard", qPrintable(name));
        return w;
    }

    void next() { QTest::mouseClick(wizard.ButtonNext, Qt::LeftButton); }
    void back() { QTest::mouseClick(wizard.ButtonLast, Qt::LeftButton); }

    void typeInto(const QString &name, const QString &keys)
    {
        QWidget *w = control(name);
        w->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(w, keys);
    }

    // Ticks or unticks a box as a click would.
    void mark(const QString &name, bool checked)
    {
        auto *box = control<QCheckBox>(name);
        if (box->isChecked() != checked)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    QString text(const QString &name) { return wizard.fields().text(name); }

    TFormKreator wizard;
};

class WizardWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void bothEntriesOpenTheWizard_data()
    {
        QTest::addColumn<bool>("banner");
        QTest::newRow("menu Kreator ...") << false;
        QTest::newRow("banner Kreator") << true;
    }
    void bothEntriesOpenTheWizard()
    {
        QFETCH(bool, banner);
        WizardFixture f;
        f.wizard.hide();
        QString title;
        const bool shown = answerModal(
            [&](QWidget *w) {
                title = w->windowTitle();
                QTest::mouseClick(f.wizard.ButtonAnuluj, Qt::LeftButton);
            },
            [&] {
                if (banner)
                    f.clickArea(u"ImageButtonKreator"_s);
                else
                    f.trigger(u"Kreator1"_s);
            });
        QVERIFY(shown);
        QCOMPARE(title, u"Kreator"_s);
        QVERIFY(!f.wizard.isVisible());
        QVERIFY(f.recorder.callsOf(u"message"_s).isEmpty());
    }

    // From an empty declaration to the main window, with and without saving.
    void walkToTheMainWindow_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("saved") << true;
        QTest::newRow("not saved") << false;
    }
    void walkToTheMainWindow()
    {
        QFETCH(bool, save);
        WizardFixture f;
        f.window->setText(u"p_30"_s, u"77"_s); // an earlier entry, overwritten
        f.window->setText(u"p_9"_s, u"stara nazwa"_s);
        const QString path = m_dir.filePath(save ? u"saved.vat"_s : u"unsaved.vat"_s);
        f.recorder.okCancelAnswers = {save};
        f.recorder.fileNames = {path};

        QTest::mouseClick(f.control<QRadioButton>(u"RadioP_7_2"_s), Qt::LeftButton, {}, QPoint(6, 8));
        f.next();
        QCOMPARE(f.wizard.currentPage(), 2);
        f.typeInto(u"p_1"_s, u"1234563218"_s);
        f.typeInto(u"p_9"_s, u"Firma"_s);
        f.next(); // page 3, the opening answers
        f.next();
        QCOMPARE(f.wizard.currentPage(), 4);
        f.typeInto(u"p_25"_s, u"10000"_s);
        f.next(); // leaving p_25 computes its tax first
        QCOMPARE(f.text(u"p_26"_s), u"500"_s);
        QCOMPARE(f.wizard.currentPage(), 5);
        f.mark(u"CB6"_s, true);
        f.next();
        QCOMPARE(f.wizard.currentPage(), 6);
        f.typeInto(u"p_50"_s, u"200"_s);
        f.next();
        QCOMPARE(f.wizard.currentPage(), 7);
        f.typeInto(u"p_56"_s, u"400"_s);
        f.next(); // p_56 reaches p_56_temp before the computation
        QCOMPARE(f.wizard.currentPage(), 8);
        QCOMPARE(f.text(u"p_56"_s), u"300"_s);
        QCOMPARE(f.text(u"p_59"_s), u"100"_s);
        QCOMPARE(f.wizard.ButtonNext->text(), u"Zakończ"_s);
        f.next();

        QVERIFY(!f.wizard.isVisible());
        QCOMPARE(f.recorder.callsOf(u"ask"_s), QStringList{u"Zapis deklaracji|Czy chcesz zapisać tą deklarację?"_s});
        QCOMPARE(f.window->text(u"p_1"_s), u"1234563218"_s);
        QCOMPARE(f.window->text(u"p_9"_s), u"Firma"_s);
        QCOMPARE(f.window->text(u"p_26"_s), u"500"_s);
        QCOMPARE(f.window->text(u"p_30"_s), QString());
        QCOMPARE(f.window->text(u"p_59"_s), u"100"_s);
        QCOMPARE(f.window->text(u"p_58"_s), QString());
        QCOMPARE(f.window->index(u"p_7"_s), 1);
        QCOMPARE(f.window->text(u"p_76"_s), u"15-10-2011"_s);
        QCOMPARE(QFile::exists(path), save);
        QCOMPARE(f.recorder.callsOf(u"message"_s),
                 save ? QStringList{u"Deklaracja została zapisana"_s} : QStringList{});
        if (save) {
            TDeklaracja reread;
            WczytajDeklaracje(reread, path);
            QCOMPARE(reread.text(u"p_56"_s), u"300"_s);
            QCOMPARE(reread.index(u"p_7"_s), 1);
        }
    }

    void cancelHandsNothingOver()
    {
        WizardFixture f;
        f.window->setText(u"p_9"_s, u"stara nazwa"_s);
        f.next();
        f.typeInto(u"p_9"_s, u"Firma"_s);
        f.typeInto(u"p_1"_s, u"1"_s);
        QTest::mouseClick(f.wizard.ButtonAnuluj, Qt::LeftButton);
        QVERIFY(!f.wizard.isVisible());
        QCOMPARE(f.window->text(u"p_9"_s), u"stara nazwa"_s);
        QVERIFY(f.recorder.calls.isEmpty());
    }

    void reopeningResets()
    {
        WizardFixture f;
        f.next();
        f.typeInto(u"p_9"_s, u"Firma"_s);
        f.control<QComboBox>(u"p_11"_s)->setEditText(u"Łódzkie"_s);
        f.next();
        f.mark(u"CB1"_s, false);
        f.mark(u"CB3"_s, true);
        f.wizard.reject();
        f.open();
        QCOMPARE(f.wizard.currentPage(), 1);
        QCOMPARE(f.wizard.PageControl1->currentIndex(), 0);
        QCOMPARE(f.wizard.ButtonNext->text(), u"Dalej >"_s);
        QVERIFY(!f.wizard.ButtonLast->isEnabled());
        for (const Position &p : positions()) {
            if (!p.holdsText())
                continue;
            const QString expected = p.name == u"p_76"_s ? u"15-10-2011"_s
                                     : p.name == u"p_4"_s ? u"3"_s
                                     : p.name == u"p_5"_s ? u"2011"_s
                                                          : QString();
            QCOMPARE(f.text(p.name), expected);
        }
        for (const auto &[name, checked] :
             {std::pair{u"CB1"_s, true}, {u"CB3"_s, false}, {u"CB8"_s, true}, {u"p_70_2"_s, true},
              {u"p_70_1"_s, false}, {u"p_71_2"_s, true}, {u"p_66"_s, false}})
            QCOMPARE(f.wizard.fields().isChecked(name), checked);
        QVERIFY(f.wizard.RadioP_7_1->isChecked());
        QVERIFY(!f.wizard.LabelPath->isVisible());
    }

    void conversionErrorKeepsThePage()
    {
        WizardFixture f;
        for (int i = 0; i < 4; ++i)
            f.next();
        f.mark(u"CB4"_s, true);
        f.next(); // page 6, then 7
        f.next();
        QCOMPARE(f.wizard.currentPage(), 7);
        f.typeInto(u"p_48"_s, u"12,5"_s);
        f.next();
        QCOMPARE(f.recorder.callsOf(u"error"_s), QStringList{u"'12,5' is not a valid integer value"_s});
        QCOMPARE(f.wizard.currentPage(), 7);
        QCOMPARE(f.wizard.ButtonNext->text(), u"Dalej >"_s);
    }

    void finishingWithoutNipStaysOnPage8()
    {
        WizardFixture f;
        while (f.wizard.currentPage() != 8)
            f.next();
        QCOMPARE(f.wizard.ButtonNext->text(), u"Zakończ"_s);
        f.next();
        QCOMPARE(f.recorder.callsOf(u"message"_s), QStringList{u"Wpisz numer NIP!"_s});
        QVERIFY(f.wizard.isVisible());
        QCOMPARE(f.wizard.currentPage(), 8);
        QCOMPARE(f.wizard.ButtonNext->text(), u"Zakończ"_s);
    }

    void loadedDeclarationTicksItsQuestions()
    {
        WizardFixture f;
        TDeklaracja d = validDeclaration();
        setAmounts(d, amounts(u"31=100 47=20 50=300"_s));
        const QString path = m_dir.filePath(u"in.vat"_s);
        ZapiszDeklaracje(d, path);
        f.recorder.fileNames = {path};
        QTest::mouseClick(f.control<QPushButton>(u"ButtonLoad"_s), Qt::LeftButton);
        QVERIFY(f.wizard.LabelPath->isVisible());
        QCOMPARE(f.wizard.LabelPath->text(), QDir::toNativeSeparators(path));
        QCOMPARE(f.text(u"p_9"_s), d.text(u"p_9"_s));
        QList<int> pages{1};
        while (f.wizard.currentPage() < 8) {
            f.next();
            pages.append(f.wizard.currentPage());
        }
        QCOMPARE(pages, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        QVERIFY(f.control(u"Panel4_1"_s)->isHidden());
        QVERIFY(!f.control(u"Panel4_2"_s)->isHidden());
    }

    // Tab follows page 2 from its top to its bottom.
    void tabFollowsThePage()
    {
        WizardFixture f;
        f.next();
        f.control(u"p_1"_s)->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < 19; ++i) {
            QWidget *w = QApplication::focusWidget();
            while (w && w->objectName().isEmpty()) // the edit inside a list
                w = w->parentWidget();
            visited.append(w ? w->objectName() : u"?"_s);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited.join(u' '), u"p_1 p_6 p_8 p_9 p_10 p_11 p_12 p_13 p_14 p_15 p_16 p_17 p_18 p_19 "
                                     "p_72 p_73 p_75 ButtonLoadDane ButtonSaveDane"_s);
    }

    void keyFiltersSwallowKeys()
    {
        WizardFixture f;
        f.control<QLineEdit>(u"p_4"_s)->clear();
        f.typeInto(u"p_4"_s, u"1x23"_s);
        QCOMPARE(f.text(u"p_4"_s), u"12"_s);
        f.control<QLineEdit>(u"p_76"_s)->clear();
        f.typeInto(u"p_76"_s, u"31-12-2011abc9"_s);
        QCOMPARE(f.text(u"p_76"_s), u"31-12-2011"_s);
    }

    void quarterExitRule()
    {
        WizardFixture f;
        f.control<QLineEdit>(u"p_4"_s)->clear();
        f.typeInto(u"p_4"_s, u"7"_s);
        f.next();
        QCOMPARE(f.recorder.callsOf(u"message"_s), QStringList{u"Błąd w polu kwartał!"_s});
        QCOMPARE(f.text(u"p_4"_s), QString());
    }

    void helpButtonsOpenTheirArticles_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("command");
        QTest::newRow("BitBtn10") << u"BitBtn10"_s << 4 << u"hh lorqa(12).chm::/dzialxii_rozdzial6.htm#art.129."_s;
        QTest::newRow("BitBtn15") << u"BitBtn15"_s << 6 << u"hh lorqa(12).chm::/dzialvii.htm#ustawa_o_podatku"_s;
        QTest::newRow("BitBtn6") << u"BitBtn6"_s << 8 << u"hh lorqa(12).chm::/dzialxii_rozdzial8.htm#art.136"_s;
    }
    void helpButtonsOpenTheirArticles()
    {
        QFETCH(QString, button);
        QFETCH(int, page);
        QFETCH(QString, command);
        WizardFixture f;
        f.mark(u"CB2"_s, true);
        while (f.wizard.currentPage() != page)
            f.next();
        QTest::mouseClick(f.control<QPushButton>(button), Qt::LeftButton);
        QCOMPARE(f.recorder.callsOf(u"help"_s), QStringList{command});
    }
};

QTEST_MAIN(WizardWindowTest)
#include "wizard_window_test.moc"
