#pragma once

#include <functional>

class QWidget;

// Runs one command of a window. An error that ends the command (a conversion
// or a write error) is shown in the error box titled "Lorqa" with its
// message; whatever the command did before stays, and the window goes on.
// No exception leaves a handler, so none crosses the event loop.
// Returns false when the command ended with an error.
bool runCommand(QWidget *parent, const std::function<void()> &command);
