#include "windows/command.h"

#include "windows/platform.h"
#include "declaration/errors.h"

#include <exception>

bool runCommand(QWidget *parent, const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const LorqaError &e) {
        platform().showError(parent, e.message());
    } catch (const std::exception &e) {
        // A fault of the program rather than of the input: still no crash.
        platform().showError(parent, QString::fromLocal8Bit(e.what()));
    }
    return false;
}
