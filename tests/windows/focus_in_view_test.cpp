#include "support/window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QScrollArea *sheet(const WindowFixture &f, int page)
{
    return f.find<QScrollArea>(u"TabSheet"_s + QString::number(page));
}

// Scrolls the page to its end (or start) as the user would with the bar.
void scrollPage(const WindowFixture &f, int page, bool toEnd)
{
    QScrollBar *bar = sheet(f, page)->verticalScrollBar();
    bar->setValue(toEnd ? bar->maximum() : bar->minimum());
}

// The whole control lies inside the visible part of its page.
bool inView(const WindowFixture &f, int page, QWidget *w)
{
    QWidget *viewport = sheet(f, page)->viewport();
    const QRect r(w->mapTo(viewport, QPoint(0, 0)), w->size());
    return viewport->rect().contains(r);
}

} // namespace

// Whatever puts the cursor into a field brings the field into view first, on
// a window lower than the page, so that typing never changes an amount the
// user cannot see.
class FocusInViewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void focusedFieldIsInView_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("page");     // scrolled away before
        QTest::addColumn<QString>("field"); // focused after
        QTest::newRow("next-page button of page 1") << u"BitBtn12"_s << 2 << u"p_20"_s;
        QTest::newRow("next-page button of page 2") << u"BitBtn13"_s << 3 << u"p_47"_s;
        QTest::newRow("next-page button of page 3") << u"BitBtn14"_s << 4 << u"p_56"_s;
        QTest::newRow("page shown around the cursor") << u"banner"_s << 2 << u"p_20"_s;
        QTest::newRow("rule puts the cursor back") << u"rule"_s << 4 << u"p_76"_s;
        QTest::newRow("window active again") << u"return"_s << 4 << u"p_76"_s;
    }
    void focusedFieldIsInView()
    {
        QFETCH(QString, how);
        QFETCH(int, page);
        QFETCH(QString, field);
        WindowFixture f;
        f.window->resize(f.window->width(), 340);
        auto *stack = f.window->findChild<QStackedWidget *>(u"PageControl1"_s);
        stack->setCurrentIndex(page - 1);
        QCoreApplication::processEvents();
        QVERIFY(sheet(f, page)->verticalScrollBar()->maximum() > 0); // lower than the page
        stack->setCurrentIndex(0);
        if (how.startsWith(u"BitBtn"_s) || how == u"banner"_s) {
            // The target page left at its end, then the page before it shown.
            stack->setCurrentIndex(page - 1);
            scrollPage(f, page, true);
            stack->setCurrentIndex(page - 2);
            if (how == u"banner"_s) {
                f.find(u"p_5"_s)->setFocus(Qt::OtherFocusReason);
                f.clickArea(u"ImageButton2"_s);
            } else {
                scrollPage(f, page - 1, true);
                f.click(how);
            }
        } else if (how == u"rule"_s) {
            // A wrong date, left with a click on the top of the page: the
            // message, and the cursor back in the date at the foot.
            f.clickArea(u"ImageButton4"_s);
            f.type(u"p_76"_s, u"32-13-2011"_s);
            scrollPage(f, page, false);
            QTest::mouseClick(f.find(u"p_56"_s), Qt::LeftButton);
            QCOMPARE(f.recorder.callsOf(u"message"_s), QStringList{u"Niepawidłowa data."_s});
        } else if (how == u"return"_s) {
            // As after F1: another window had the focus, the user scrolled
            // meanwhile, and comes back.
            f.clickArea(u"ImageButton4"_s);
            f.find(u"p_76"_s)->setFocus(Qt::OtherFocusReason);
            QWidget help;
            help.show();
            help.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&help));
            scrollPage(f, page, false);
            QVERIFY(!inView(f, page, f.find(field)));
            f.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        }
        QCOMPARE(f.window->currentPage(), page);
        QWidget *focused = QApplication::focusWidget();
        QCOMPARE(focused ? focused->objectName() : QString(), field);
        QVERIFY(inView(f, page, f.find(field)));
    }
};

QTEST_MAIN(FocusInViewTest)
#include "focus_in_view_test.moc"
