#include "app/help_launcher.h"

#include "app/help_viewer.h"

#include <QDir>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringView withoutQuotes(QStringView text)
{
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        return text.sliced(1, text.size() - 2);
    return text;
}

// The last part of a path given with either kind of slash.
QStringView fileNameOf(QStringView path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.sliced(slash + 1);
}

bool isViewerProgram(QStringView program)
{
    const QStringView name = fileNameOf(withoutQuotes(program));
    return name.compare(u"hh", Qt::CaseInsensitive) == 0
        || name.compare(u"hh.exe", Qt::CaseInsensitive) == 0;
}

// The entry of `folder` whose name equals `name` without regard to case.
QString findEntry(const QString &folder, const QString &name, QDir::Filters filters)
{
    if (name.isEmpty())
        return {};
    const QStringList entries = QDir(folder).entryList(filters);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

std::optional<HelpRequest> parseHelpCommand(const QString &commandLine)
{
    const QStringView line = QStringView(commandLine).trimmed();
    qsizetype gap = 0;
    while (gap < line.size() && !line[gap].isSpace())
        ++gap;
    if (!isViewerProgram(line.first(gap)))
        return std::nullopt;

    QStringView target = withoutQuotes(line.sliced(gap).trimmed());
    // The viewer also takes the long form of a compiled help address.
    for (QStringView prefix : {u"mk:@MSITStore:", u"ms-its:", u"its:"}) {
        if (target.startsWith(prefix, Qt::CaseInsensitive)) {
            target = target.sliced(prefix.size());
            break;
        }
    }

    HelpRequest request;
    const qsizetype separator = target.indexOf(u"::");
    QStringView file = separator < 0 ? target : target.first(separator);
    if (separator >= 0) {
        QStringView reference = target.sliced(separator + 2);
        if (reference.startsWith(u'/'))
            reference = reference.sliced(1);
        const qsizetype hash = reference.indexOf(u'#');
        request.page = (hash < 0 ? reference : reference.first(hash)).toString();
        if (hash >= 0)
            request.anchor = reference.sliced(hash + 1).toString();
    }
    request.file = fileNameOf(file.trimmed()).toString();
    if (request.file.isEmpty())
        return std::nullopt;
    return request;
}

QUrl helpPageUrl(const HelpRequest &request)
{
    const QString root = HelpRoot.toString();
    const QString folder = findEntry(root, request.file, QDir::Dirs | QDir::NoDotAndDotDot);
    if (folder.isEmpty())
        return {};
    const QString folderPath = root + u'/' + folder;
    // A page name with a slash would leave the file's folder: we have none.
    const QString page = findEntry(folderPath,
                                   request.page.isEmpty() ? HelpStartPage.toString() : request.page,
                                   QDir::Files);
    if (page.isEmpty())
        return {};

    QUrl url;
    url.setScheme(u"qrc"_s);
    url.setPath(folderPath.sliced(1) + u'/' + page); // ":/help/..." -> "/help/..."
    if (!request.anchor.isEmpty())
        url.setFragment(request.anchor, QUrl::DecodedMode);
    return url;
}

bool launchHelp(const QString &commandLine)
{
    const std::optional<HelpRequest> request = parseHelpCommand(commandLine);
    if (!request)
        return false;
    const QUrl url = helpPageUrl(*request);
    if (url.isEmpty())
        return false;
    HelpViewer::showPage(url);
    return true;
}
