#include "cli/commands.h"

#include "declaration/checks.h"
#include "declaration/declaration.h"
#include "declaration/errors.h"
#include "files/declaration_file.h"

using namespace Qt::Literals::StringLiterals;

int runCheck(const QStringList &args)
{
    if (args.size() != 1) {
        printError(u"check potrzebuje jednego pliku: WEJŚCIE.vat."_s);
        return ExitFailure;
    }
    if (!checkInput(args[0]))
        return ExitFailure;
    TDeklaracja declaration;
    WczytajDeklaracje(declaration, args[0]);
    QStringList ListaBledow;
    bool errorFound = false;
    try {
        errorFound = SprawdzDeklaracje(declaration, ListaBledow);
    } catch (const ConversionError &e) {
        printError(e.message());
        return ExitFailure;
    }
    for (const QString &line : ListaBledow)
        printOut(line);
    return errorFound ? ExitFindings : ExitOk;
}
