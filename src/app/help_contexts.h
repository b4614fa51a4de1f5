#pragma once

#include <QString>

// The program addresses the WinHelp file "lorqa(12).hlp" by context numbers
// (help buttons, F1) and by topic names (menu "Pomoc"). Our help has no
// WinHelp file: these give the command line of our help viewer ("hh ...",
// for launchHelp) that shows the same topic, so both ways end in one viewer.

// Contexts of the help buttons open their article; 92 and 21 (the fields and
// the next-page buttons) open the start page of "lorqa(12).chm". An empty
// text for a context that is not ours.
QString helpCommandForContext(int context);

// "Objasnienia", "Ustawaopodatkuodtowarowi" and "Oprogramie" (any letter
// case) open their pages of "lorqak(6).chm"; an empty text for other names.
QString helpCommandForTopic(const QString &topicName);
