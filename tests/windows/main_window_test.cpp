#include "app/banner.h"
#include "app/help_buttons.h"
#include "declaration/positions.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStackedWidget>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsOnPageOneWithDefaults()
    {
        WindowFixture f;
        QCOMPARE(f.window->windowTitle(),
                 u"Lorqa Deklaracja dla  podatku od towarów i usług - wersja 12.0 zaokrąglanie wg zasad z 2006r."_s);
        QCOMPARE(f.window->width(), 777);
        QCOMPARE(f.window->minimumWidth(), f.window->maximumWidth());
        QCOMPARE(f.window->currentPage(), 1);
        QCOMPARE(f.shownMarker(), 1);
        QCOMPARE(f.window->index(u"p_7"_s), 0);
        QCOMPARE(f.window->index(u"p_8"_s), 0);
        QCOMPARE(f.window->text(u"p_11"_s), QString());
        QVERIFY(f.window->isChecked(u"p_70_2"_s));
        QVERIFY(!f.window->isChecked(u"p_70_1"_s));
        QVERIFY(f.window->isChecked(u"p_71_2"_s));
        QVERIFY(!f.window->isChecked(u"p_66"_s));
        for (int n = FirstAmount; n <= LastAmount; ++n)
            QCOMPARE(f.window->text(positionName(n)), QString());
    }

    // Every position has its control, on its page, with its hint.
    void everyPositionIsOnItsPage()
    {
        WindowFixture f;
        for (const Position &p : positions()) {
            QWidget *w = f.find(p.name);
            QVERIFY2(w, qPrintable(p.name));
            QWidget *page = f.find(u"TabSheet"_s + QString::number(p.page));
            QVERIFY2(page->isAncestorOf(w), qPrintable(p.name));
            QCOMPARE(w->toolTip(), p.hint);
            QCOMPARE(w->statusTip(), p.hint);
        }
        QVERIFY(!f.find(u"p_2"_s));
        QVERIFY(!f.find(u"p_74"_s));
        QVERIFY(f.find<QComboBox>(u"p_1"_s)->isEditable());
        QVERIFY(f.find<QComboBox>(u"p_11"_s)->isEditable());
        QVERIFY(!f.find<QComboBox>(u"p_7"_s)->isEditable());
        QVERIFY(!f.find<QComboBox>(u"p_8"_s)->isEditable());
    }

    // Every heading of the form stands below the positions before it and
    // above the first position of its part.
    void headingsStandBetweenTheirPositions_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("above");
        QTest::addColumn<QString>("below");
        QTest::newRow("A") << u"A. MIEJSCE l CEL SKŁADANIA DEKLARACJI "_s << u"p_5"_s << u"p_6"_s;
        QTest::newRow("B") << u"B. DANE PODATNIKA"_s << u"p_7"_s << u"p_8"_s;
        QTest::newRow("B.1") << u"B.1. DANE IDENTYFIKACYJNE "_s << u"p_8"_s << u"p_9"_s;
        QTest::newRow("B.2") << u"B.2. ADRES SIEDZIBY */ ADRES ZAMIESZKANIA **"_s << u"p_9"_s << u"p_10"_s;
        QTest::newRow("D.2")
            << u"D.2. NABYCIE TOWARÓW l USŁUG ORAZ PODATEK NALICZONY Z UWZGLĘDNIENIEM KOREKT"_s
            << u"p_48"_s << u"p_49"_s;
        QTest::newRow("D.3") << u"D.3. PODATEK NALICZONY - DO ODLICZENIA (w zł)"_s << u"p_54"_s << u"p_55"_s;
        QTest::newRow("F") << u"F. INFORMACJE DODATKOWE"_s << u"p_65"_s << u"p_66"_s;
        QTest::newRow("G") << u"G. INFORMACJA O ZAŁĄCZNIKACH"_s << u"p_69"_s << u"p_70_1"_s;
        QTest::newRow("H") << u"H. OŚWlADCZENIE PODATNIKA LUB OSOBY REPREZENTUJĄCEJ PODATNIKA"_s
                           << u"p_71_2"_s << u"p_72"_s;
    }
    void headingsStandBetweenTheirPositions()
    {
        QFETCH(QString, heading);
        QFETCH(QString, above);
        QFETCH(QString, below);
        WindowFixture f;
        const int page = findPosition(below)->page;
        f.window->findChild<QStackedWidget *>(u"PageControl1"_s)->setCurrentIndex(page - 1);
        QWidget *sheet = f.find<QScrollArea>(u"TabSheet"_s + QString::number(page))->widget();
        QCoreApplication::processEvents();
        QLabel *label = nullptr;
        for (QLabel *l : sheet->findChildren<QLabel *>())
            if (l->text() == heading)
                label = l;
        QVERIFY(label);
        const auto top = [sheet](QWidget *w) { return w->mapTo(sheet, QPoint(0, 0)).y(); };
        QVERIFY(top(f.find(above)) < top(label));
        QVERIFY(top(label) < top(f.find(below)));
    }

    void tabGoesByRisingPosition_data()
    {
        QTest::addColumn<QStringList>("order");
        QTest::newRow("page 1") << QStringList{u"p_1"_s, u"p_4"_s, u"p_5"_s, u"p_6"_s, u"p_7"_s, u"p_8"_s};
        QTest::newRow("address") << QStringList{u"p_16"_s, u"p_17"_s, u"p_18"_s, u"p_19"_s, u"BitBtn12"_s};
        QTest::newRow("help button after its row")
            << QStringList{u"p_34"_s, u"p_35"_s, u"p_36"_s, u"BitBtn17"_s, u"p_37"_s};
        QTest::newRow("rate row") << QStringList{u"p_24"_s, u"BitBtn15"_s, u"p_25"_s, u"p_26"_s, u"p_27"_s};
        QTest::newRow("page 3 end") << QStringList{u"p_54"_s, u"p_55"_s, u"BitBtn14"_s};
        QTest::newRow("copy buttons")
            << QStringList{u"p_61"_s, u"p_62"_s, u"BitBtn16"_s, u"p_63"_s, u"BitBtn3"_s};
        QTest::newRow("pairs") << QStringList{u"p_69"_s, u"BitBtn8"_s, u"p_70_1"_s, u"p_70_2"_s,
                                              u"p_71_1"_s, u"p_71_2"_s, u"p_72"_s, u"p_73"_s,
                                              u"p_75"_s, u"p_76"_s};
    }
    void tabGoesByRisingPosition()
    {
        QFETCH(QStringList, order);
        WindowFixture f;
        const int page = findPosition(order.front()) ? findPosition(order.front())->page : 1;
        f.window->findChild<QStackedWidget *>(u"PageControl1"_s)->setCurrentIndex(page - 1);
        QWidget *w = f.find(order.front());
        w->setFocus(Qt::OtherFocusReason);
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *now = QApplication::focusWidget();
            // An editable drop-down box focuses its own line.
            if (now && !now->objectName().startsWith(u'p') && !now->objectName().startsWith(u'B'))
                now = now->parentWidget();
            QCOMPARE(now ? now->objectName() : QString(), order[i]);
        }
    }

    void pageCommands_data()
    {
        QTest::addColumn<QString>("area");   // banner click area
        QTest::addColumn<QString>("entry");  // "Widok" menu entry
        QTest::addColumn<int>("page");
        QTest::newRow("1") << u"ImageButton1"_s << u"NagwekDane1"_s << 1;
        QTest::newRow("2") << u"ImageButton2"_s << u"Podateknaleny1"_s << 2;
        QTest::newRow("3") << u"ImageButton3"_s << u"Podateknaliczony1"_s << 3;
        QTest::newRow("4") << u"ImageButton4"_s << u"PodsumowaniePozostae1"_s << 4;
    }
    void pageCommands()
    {
        QFETCH(QString, area);
        QFETCH(QString, entry);
        QFETCH(int, page);
        WindowFixture f;
        f.trigger(u"Podateknaliczony1"_s);
        QCOMPARE(f.shownMarker(), 3);
        f.clickArea(area);
        QCOMPARE(f.window->currentPage(), page);
        QCOMPARE(f.shownMarker(), page);
        f.clickArea(u"ImageButton3"_s);
        f.trigger(entry);
        QCOMPARE(f.window->currentPage(), page);
        QCOMPARE(f.shownMarker(), page);
    }

    void bannerAreas_data()
    {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("hint");
        QTest::newRow("ImageButton1") << u"ImageButton1"_s << QRect(68, 84, 95, 31)
                                      << u"Przejdź na stronę \"Nagłówek + dane\"."_s;
        QTest::newRow("ImageButton2") << u"ImageButton2"_s << QRect(174, 84, 93, 31)
                                      << u"Przejdź na stronę \"Podatek należny\"."_s;
        QTest::newRow("ImageButton3") << u"ImageButton3"_s << QRect(276, 84, 97, 31)
                                      << u"Przejdź na stronę \"Podatek naliczony\"."_s;
        QTest::newRow("ImageButton4") << u"ImageButton4"_s << QRect(382, 84, 141, 31)
                                      << u"Przejdź na stronę \"Podsumowanie + pozostałe\"."_s;
        QTest::newRow("ImageButtonPolicz") << u"ImageButtonPolicz"_s << QRect(534, 84, 41, 31)
                                           << u"Wylicz pola deklaracji."_s;
        QTest::newRow("ImageButtonKreator") << u"ImageButtonKreator"_s << QRect(580, 84, 45, 31)
                                            << u"Uruchom kreator wypełniania deklaracji."_s;
        QTest::newRow("ImageButtonStr1") << u"ImageButtonStr1"_s << QRect(630, 84, 51, 31)
                                         << u"Włącz drukowanie pierwszej strony deklaracji."_s;
        QTest::newRow("ImageButtonStr2") << u"ImageButtonStr2"_s << QRect(686, 84, 51, 31)
                                         << u"Włącz drukowanie drugiej strony deklaracji."_s;
        QTest::newRow("Image2") << u"Image2"_s << QRect(202, 16, 251, 53) << QString();
        QTest::newRow("Image3") << u"Image3"_s << QRect(510, 2, 263, 79) << QString();
    }
    // The click areas lie at their places of the banner panel, with the hand
    // pointer and their hints in the tooltip and the status bar.
    void bannerAreas()
    {
        QFETCH(QString, area);
        QFETCH(QRect, place);
        QFETCH(QString, hint);
        WindowFixture f;
        QWidget *a = f.window->Panel1->area(area);
        QVERIFY(a);
        QCOMPARE(a->geometry(), place);
        QCOMPARE(a->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(a->toolTip(), hint);
        QCOMPARE(a->statusTip(), hint);
    }

    void pageMarkers_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QRect>("place");
        QTest::newRow("Shape_str1") << 1 << QRect(76, 108, 85, 1);
        QTest::newRow("Shape_str2") << 2 << QRect(176, 108, 85, 1);
        QTest::newRow("Shape_str3") << 3 << QRect(276, 108, 92, 1);
        QTest::newRow("Shape_str4") << 4 << QRect(382, 108, 140, 1);
    }
    void pageMarkers()
    {
        QFETCH(int, page);
        QFETCH(QRect, place);
        WindowFixture f;
        auto *marker = f.find<QFrame>(u"Shape_str"_s + QString::number(page));
        QCOMPARE(marker->parentWidget(), f.window->Panel1);
        QCOMPARE(marker->geometry(), place);
    }

    void nextPageButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("focus");
        QTest::newRow("BitBtn12") << u"BitBtn12"_s << 2 << u"p_20"_s;
        QTest::newRow("BitBtn13") << u"BitBtn13"_s << 3 << u"p_47"_s;
        QTest::newRow("BitBtn14") << u"BitBtn14"_s << 4 << u"p_56"_s;
    }
    void nextPageButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, page);
        QFETCH(QString, focus);
        WindowFixture f;
        f.window->findChild<QStackedWidget *>(u"PageControl1"_s)->setCurrentIndex(page - 2);
        f.click(button);
        QCOMPARE(f.window->currentPage(), page);
        QCOMPARE(f.shownMarker(), page);
        QCOMPARE(QApplication::focusWidget(), f.find(focus));
    }

    // At the design size page 1 shows whole, without a scroll bar.
    void pageOneFitsTheDesignSize()
    {
        WindowFixture f;
        QCoreApplication::processEvents();
        QCOMPARE(f.window->centralWidget()->height() + f.window->statusBar()->height(), 684);
        auto *sheet = f.find<QScrollArea>(u"TabSheet1"_s);
        QCOMPARE(sheet->verticalScrollBar()->maximum(), 0);
        QVERIFY(!sheet->verticalScrollBar()->isVisible());
    }

    void menuEntriesInOrder()
    {
        WindowFixture f;
        QStringList seen;
        for (QAction *menu : f.window->menuBar()->actions()) {
            seen.append(menu->text() + u':');
            for (QAction *a : menu->menu()->actions())
                seen.append(a->isSeparator() ? u"-"_s : a->text());
        }
        QCOMPARE(seen, (QStringList{
                           u"Plik:"_s, u"Otwórz dane ..."_s, u"Otwórz deklaracje ..."_s,
                           u"Nowa deklaracja z poprzedniej ..."_s, u"Zapisz dane ..."_s, u"Zapisz deklaracje ..."_s, u"-"_s, u"Zakończ"_s,
                           u"Widok:"_s, u"Nagłówek + Dane"_s, u"Podatek należny"_s,
                           u"Podatek naliczony"_s, u"Podsumowanie + Pozostałe"_s, u"Strona 1"_s,
                           u"Strona 2"_s,
                           u"Narzędzia:"_s, u"Policz"_s, u"Kreator ..."_s, u"-"_s, u"Opcje..."_s,
                           u"Pomoc:"_s, u"Objaśnienia"_s, u"Ustawa o Vat "_s, u"Pomoc"_s, u"-"_s,
                           u"O programie"_s}));
    }

    void helpButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("call");
        QTest::newRow("BitBtn17 new") << u"BitBtn17"_s << 10
                                      << u"help: hh lorqa(12).chm::/dzialvii.htm#ustawa_o_podatku"_s;
        QTest::newRow("BitBtn17 old") << u"BitBtn17"_s << 5 << u"show context 33 of lorqa(12).hlp"_s;
        QTest::newRow("BitBtn1 new") << u"BitBtn1"_s << 6 << u"help: hh lorqa(12).chm::/dzialii_rozdzial4.htm#5."_s;
        QTest::newRow("BitBtn19 new") << u"BitBtn19"_s << 10
                                      << u"help: hh lorqa(12).chm::/dzialx_rozdzial3.htm#podsumowujace"_s;
        QTest::newRow("BitBtn19 old") << u"BitBtn19"_s << 5 << u"show context 1001 of lorqa(12).hlp"_s;
        QTest::newRow("BitBtn2 new") << u"BitBtn2"_s << 10 << u"help: hh lorqa(12).chm::/dzialxii_rozdzial1.htm#5."_s;
        QTest::newRow("BitBtn4 new") << u"BitBtn4"_s << 10 << u"help: hh lorqa(12).chm::/dzialxii_rozdzial3.htm#art.119."_s;
        QTest::newRow("BitBtn8 old") << u"BitBtn8"_s << 5 << u"show context 7 of lorqa(12).hlp"_s;
    }
    void helpButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, version);
        QFETCH(QString, call);
        WindowFixture f;
        f.recorder.majorVersion = version;
        for (const HelpButton &h : mainWindowHelpButtons())
            if (h.name == button)
                f.window->findChild<QStackedWidget *>(u"PageControl1"_s)
                    ->setCurrentIndex(findPosition(positionName(h.beside))->page - 1);
        f.click(button);
        QCOMPARE(f.recorder.calls, QStringList{call});
    }

    void helpMenu_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("call");
        QTest::newRow("Objaśnienia") << u"Objanienia1"_s << 10
                                     << u"help: hh lorqak(6).chm::/objasnienia_naglowek.htm"_s;
        QTest::newRow("Ustawa") << u"UstawaoVat1"_s << 10
                                << u"help: hh lorqak(6).chm::/ustawaopodatkuodtowarowi.htm"_s;
        QTest::newRow("Pomoc") << u"Pomoc2"_s << 6 << u"help: hh lorqak(6).chm::/oprogramie.htm"_s;
        QTest::newRow("Objaśnienia old") << u"Objanienia1"_s << 5 << u"show topic Objasnienia of lorqa(12).hlp"_s;
        QTest::newRow("Ustawa old") << u"UstawaoVat1"_s << 5
                                    << u"show topic Ustawaopodatkuodtowarowi of lorqa(12).hlp"_s;
        QTest::newRow("Pomoc old") << u"Pomoc2"_s << 4 << u"show topic Oprogramie of lorqa(12).hlp"_s;
    }
    void helpMenu()
    {
        QFETCH(QString, entry);
        QFETCH(int, version);
        QFETCH(QString, call);
        WindowFixture f;
        f.recorder.majorVersion = version;
        f.trigger(entry);
        QCOMPARE(f.recorder.calls, QStringList{call});
    }

    // F1 shows the help context of the focused control, on any system.
    void f1_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("context");
        QTest::newRow("field") << u"p_5"_s << 92;
        QTest::newRow("editable list") << u"p_11"_s << 92;
        QTest::newRow("next button of page 1") << u"BitBtn12"_s << 21;
        QTest::newRow("help button") << u"BitBtn19"_s << 129;
        QTest::newRow("help button of its own context") << u"BitBtn7"_s << 1034;
        QTest::newRow("check box") << u"p_66"_s << 92;
    }
    void f1()
    {
        QFETCH(QString, control);
        QFETCH(int, context);
        WindowFixture f;
        f.recorder.majorVersion = 10;
        QWidget *w = f.find(control);
        const Position *p = findPosition(control);
        int page = p ? p->page : 1;
        for (const HelpButton &h : mainWindowHelpButtons())
            if (h.name == control)
                page = findPosition(positionName(h.beside))->page;
        f.window->findChild<QStackedWidget *>(u"PageControl1"_s)->setCurrentIndex(page - 1);
        w->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(f.recorder.calls, QStringList{u"show context %1 of lorqa(12).hlp"_s.arg(context)});
    }

    void webLinks()
    {
        WindowFixture f;
        f.clickArea(u"Image2"_s);
        f.clickArea(u"Image3"_s);
        QCOMPARE(f.recorder.callsOf(u"url"_s).size(), 2);
    }

    void optionsAndAboutWaitForTheirDialogs()
    {
        WindowFixture f;
        QVERIFY(!f.action(u"Opcje1"_s)->isEnabled());
        QVERIFY(!f.action(u"Oprogramie1"_s)->isEnabled());
        QDialog about;
        f.window->setAboutDialog(&about);
        QVERIFY(f.action(u"Oprogramie1"_s)->isEnabled());
        QVERIFY(answerModal([](QWidget *w) { static_cast<QDialog *>(w)->accept(); },
                            [&] { f.trigger(u"Oprogramie1"_s); }));
        // The same dialog each time.
        QVERIFY(answerModal([&](QWidget *w) { QCOMPARE(w, &about); static_cast<QDialog *>(w)->accept(); },
                            [&] { f.trigger(u"Oprogramie1"_s); }));
    }

    void zakonczClosesAtOnce()
    {
        WindowFixture f;
        f.window->setText(u"p_20"_s, u"100"_s);
        f.trigger(u"Zakocz1"_s);
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.recorder.calls.isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
