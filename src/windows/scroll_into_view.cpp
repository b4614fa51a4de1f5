#include "windows/scroll_into_view.h"

#include <QApplication>
#include <QScrollArea>

void scrollFocusIntoView(QScrollArea *area)
{
    // A focus-in event does not travel to the parents, so the application's
    // focus signal is the one place that sees every control of the area.
    QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget *, QWidget *now) {
        QWidget *content = area->widget();
        if (now && content && content->isAncestorOf(now))
            area->ensureWidgetVisible(now);
    });
}
