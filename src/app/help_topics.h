#pragma once

#include <QString>
#include <array>
#include <vector>

class Platform;

// The help files lie beside the program; the viewer resolves their names.
inline const QString ApplicationHelpFile = QStringLiteral("lorqa(12).hlp");
inline const QString FormHelpFile = QStringLiteral("lorqa(12).chm");

// Help contexts that F1 uses: nearly every field and the next-page buttons of
// pages 2 and 3 carry 92, the next-page button of page 1 carries 21.
inline constexpr int FieldHelpContext = 92;
inline constexpr int FirstPageHelpContext = 21;

// A small help button beside a position of the main window.
struct HelpButton
{
    QString name;          // "BitBtn17"
    int beside;            // the last position of its row; the button follows it
    QString hint;
    int context;           // context number in the WinHelp file
    QString pageReference; // page inside lorqa(12).chm, "::/..."
    int helpContext;       // what F1 shows when the button has the focus
};
const std::vector<HelpButton> &mainWindowHelpButtons();

// An entry of the menu "Pomoc".
struct HelpMenuEntry
{
    QString name;    // the menu item, "Objanienia1"
    QString caption;
    QString topic;   // topic name in the WinHelp file
    QString command; // command line on newer systems
};
const std::array<HelpMenuEntry, 3> &helpMenuEntries();

// "hh lorqa(12).chm" immediately followed by the page reference.
QString helpCommandLine(const QString &pageReference);

// PokazPomoc: below version 6 shows the context of the WinHelp file,
// from 6 on starts the HTML help at the page.
void showHelpTopic(Platform &platform, int context, const QString &pageReference);

// A menu entry of "Pomoc", on either kind of system.
void showHelpMenuEntry(Platform &platform, const HelpMenuEntry &entry);

// F1 on a control with that help context: the WinHelp file shows it, on
// every system.
void showContextHelp(Platform &platform, int helpContext);
