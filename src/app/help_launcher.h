#pragma once

#include <QString>

// Stands in for the HTML Help viewer "hh": takes its command line
// ("hh lorqa(12).chm::/dzialvii.htm#ustawa_o_podatku") and opens our help
// viewer at that file, page and anchor. False when the line names nothing
// we have.
bool launchHelp(const QString &commandLine);
