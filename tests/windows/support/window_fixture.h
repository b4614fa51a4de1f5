#pragma once

#include "app/main_window.h"
#include "support/recording_platform.h"

#include <QAction>
#include <functional>
#include <memory>

// A main window shown and active, with the recording platform installed.
struct WindowFixture
{
    WindowFixture();
    ~WindowFixture();

    RecordingPlatform recorder;
    std::unique_ptr<TForm1> window;

    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    QAction *action(const QString &name) const;
    void trigger(const QString &actionName) const;
    void clickArea(const QString &name) const;
    void click(const QString &buttonName) const;

    // Focuses the field, then moves on with Tab, as the user leaves it.
    void leave(const QString &name) const;
    // Types the keys into the field (focusing it first).
    void type(const QString &name, const QString &keys) const;

    // Every position as in the core's validDeclaration(): header, signatory
    // and date filled, the rest at its defaults, so that the checks find nothing.
    void fillValidDeclaration() const;
    // The marker shown, 1 to 4; 0 when none or more than one is shown.
    int shownMarker() const;
};

// Runs `action`; if it shows a modal dialog, `answer` gets that dialog while
// it is shown. True when a dialog was shown and answered.
bool answerModal(const std::function<void(QWidget *)> &answer, const std::function<void()> &action);
