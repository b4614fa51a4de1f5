#pragma once

#include <QString>
#include <array>

class Platform;

// The help files lie beside the program; the viewer resolves their names.
inline const QString ApplicationHelpFile = QStringLiteral("lorqa(12).hlp");
inline const QString FormHelpFile = QStringLiteral("lorqa(12).chm");

// Help contexts that F1 uses: nearly every field and the next-page buttons of
// pages 2 and 3 carry 92, the next-page button of page 1 carries 21.
inline constexpr int FieldHelpContext = 92;
inline constexpr int FirstPageHelpContext = 21;

// The page of "lorqa(12).chm" ("::/dzialvii.htm#ustawa_o_podatku") that a
// context number of the WinHelp file stands for: the one table of help
// topics. 92 and 21 stand for the start page (the empty text), as does any
// context that is not ours.
QString helpPageOfContext(int context);
// Whether the context is one of ours.
bool isHelpContext(int context);

// A small help button beside a position. Each window has its own table of
// them, keyed by the row the button stands in: the windows reuse button
// names with other meanings.
struct HelpButton
{
    QString name;          // "BitBtn17"
    int beside;            // the last position of its row; the button follows it
    QString hint;
    int context;           // context number in the WinHelp file
    int helpContext;       // what F1 shows when the button has the focus
    QString pageReference() const { return helpPageOfContext(context); }
};

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

// Our help has no WinHelp file: these give the command line of our help
// viewer ("hh ...") that shows the same topic as a context number or a topic
// name ("Objasnienia", "Ustawaopodatkuodtowarowi", "Oprogramie", any letter
// case) of "lorqa(12).hlp"; an empty text for what is not ours.
QString helpCommandForContext(int context);
QString helpCommandForTopic(const QString &topicName);
