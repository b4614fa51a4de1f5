#include "cli/commands.h"

#include "declaration/declaration.h"
#include "files/declaration_file.h"
#include "files/next_quarter.h"

#include <QDate>
#include <QFile>

#include <filesystem>
#include <system_error>

using namespace Qt::Literals::StringLiterals;

namespace {

// True when both names lead to one file: the same path, a symbolic link or a
// hard link. Writing the next quarter there would replace the previous
// declaration, which the bookkeeper keeps.
bool sameFile(const QString &a, const QString &b)
{
    std::error_code error;
    return std::filesystem::equivalent(QFile::encodeName(a).toStdString(),
                                       QFile::encodeName(b).toStdString(), error)
        && !error;
}

} // namespace

int runNext(const QStringList &args)
{
    if (args.size() != 2) {
        printError(u"next potrzebuje dwóch plików: POPRZEDNIA.vat NOWA.vat."_s);
        return ExitFailure;
    }
    if (!checkInput(args[0]))
        return ExitFailure;
    if (sameFile(args[0], args[1])) {
        printError(u"„%1” to plik poprzedniej deklaracji; nowa deklaracja musi trafić do innego pliku."_s
                       .arg(args[1]));
        return ExitFailure;
    }
    TDeklaracja next;
    loadNextQuarter(next, args[0], QDate::currentDate());
    ZapiszDeklaracje(next, args[1]);
    return ExitOk;
}
