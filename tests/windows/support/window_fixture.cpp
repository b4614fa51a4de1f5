#include "support/window_fixture.h"

#include "app/banner.h"
#include "core/support/fixtures.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

WindowFixture::WindowFixture() : window(std::make_unique<TForm1>())
{
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the main window did not become active");
}

WindowFixture::~WindowFixture() = default;

QAction *WindowFixture::action(const QString &name) const
{
    return window->findChild<QAction *>(name);
}

void WindowFixture::trigger(const QString &actionName) const
{
    QAction *a = action(actionName);
    if (!a)
        qFatal("no menu entry %s", qPrintable(actionName));
    a->trigger();
}

void WindowFixture::clickArea(const QString &name) const
{
    QWidget *area = window->Panel1->area(name);
    if (!area)
        qFatal("no click area %s", qPrintable(name));
    QTest::mouseClick(area, Qt::LeftButton);
}

void WindowFixture::click(const QString &buttonName) const
{
    auto *b = find<QPushButton>(buttonName);
    if (!b)
        qFatal("no button %s", qPrintable(buttonName));
    QTest::mouseClick(b, Qt::LeftButton);
}

void WindowFixture::leave(const QString &name) const
{
    QWidget *w = find(name);
    w->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(w, Qt::Key_Tab);
}

void WindowFixture::type(const QString &name, const QString &keys) const
{
    QWidget *w = find(name);
    w->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(w, keys);
}

void WindowFixture::fillValidDeclaration() const
{
    copyPositions(validDeclaration(), *window);
}

int WindowFixture::shownMarker() const
{
    int shown = 0;
    for (int page = 1; page <= 4; ++page)
        if (find<QFrame>(u"Shape_str"_s + QString::number(page))->isVisible())
            shown = shown ? -1 : page;
    return qMax(shown, 0);
}

bool answerModal(const std::function<void(QWidget *)> &answer, const std::function<void()> &action)
{
    auto answered = std::make_shared<bool>(false);
    QTimer::singleShot(0, qApp, [answer, answered] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            *answered = true;
            answer(modal);
        }
    });
    action();
    QCoreApplication::processEvents(); // a dialog that never came: the timer finds none
    return *answered;
}
