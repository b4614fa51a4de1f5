#include "printing/ui/preview_window_size.h"

#include <QAction>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

void sizePreviewForReading(QPrintPreviewDialog &preview)
{
    const QWidget *near = preview.parentWidget() ? preview.parentWidget() : &preview;
    const QScreen *screen = near->screen() ? near->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        const int height = available.height() * 9 / 10;
        // A sheet fitted to this width is a little taller than the window,
        // so a value reads at about the size it prints.
        const int width = qMin(available.width() * 9 / 10, height * 3 / 4);
        preview.resize(width, height);
        preview.move(available.center() - QPoint(width / 2, height / 2));
    }
    // Through the dialog's own action, so that its tool bar shows the mode.
    if (QAction *fitWidth = preview.findChild<QAction *>(u"fitWidthAction"_s))
        fitWidth->trigger();
    else if (QPrintPreviewWidget *view = preview.findChild<QPrintPreviewWidget *>())
        view->fitToWidth();
}
