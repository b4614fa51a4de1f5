#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// One request to the HTML Help viewer: a help file, a page inside it and an
// anchor on that page. An empty page means the file's start page.
struct HelpRequest
{
    QString file;   // "lorqa(12).chm"
    QString page;   // "dzialvii.htm", or empty
    QString anchor; // "ustawa_o_podatku", or empty

    friend bool operator==(const HelpRequest &, const HelpRequest &) = default;
};

// Reads a command line of "hh": "hh <file>", "hh <file>::/<page>" or
// "hh <file>::/<page>#<anchor>". Nothing for a line that is not such a
// command (another program, no file, a page reference without "::").
std::optional<HelpRequest> parseHelpCommand(const QString &commandLine);

// Our help files are folders of pages in the resources, one per compiled
// help file, each with its start page.
inline constexpr QStringView HelpRoot = u":/help";
inline constexpr QStringView HelpStartPage = u"index.htm";

// The address of the requested page in our resources ("qrc:/help/<file>/
// <page>#<anchor>"), file and page matched without regard to letter case as
// the Windows viewer does. An empty address when we have no such file or page.
QUrl helpPageUrl(const HelpRequest &request);

// Stands in for the HTML Help viewer "hh": takes its command line
// ("hh lorqa(12).chm::/dzialvii.htm#ustawa_o_podatku") and opens our help
// viewer at that file, page and anchor. False when the line names nothing
// we have; then nothing opens and nothing is reported.
bool launchHelp(const QString &commandLine);
