#pragma once

#include <QString>
#include <functional>

class FieldAccess;
class QWidget;

// The file commands' common steps, shared by the main window and the wizard.
// The dialogs go through the platform and start in the "dane" folder.

inline const QString DataFilter = QStringLiteral("Dane (*.dane)");
inline const QString DeclarationFilter = QStringLiteral("Deklaracje (*.vat)");

// A file is saved only with a NIP: an empty p_1 says "Wpisz numer NIP!" and
// gives false.
bool hasNipOrSay(QWidget *parent, const FieldAccess &fields);

// The save dialog with the filter and default suffix; on a chosen file runs
// `write` with its path and then says `savedMessage`. Cancelling writes
// nothing. A write error goes on to the command wrapper, so no message of
// success follows it.
void saveWithDialog(QWidget *parent, const QString &filter, const QString &suffix,
                    const std::function<void(const QString &path)> &write,
                    const QString &savedMessage);

// The open dialog with the filter; on a chosen file runs `read` with its path.
void openWithDialog(QWidget *parent, const QString &filter,
                    const std::function<void(const QString &path)> &read);
