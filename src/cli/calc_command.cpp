#include "cli/commands.h"

#include "declaration/calculation.h"
#include "declaration/declaration.h"
#include "declaration/errors.h"
#include "files/declaration_file.h"

using namespace Qt::Literals::StringLiterals;

int runCalc(const QStringList &args)
{
    if (args.size() != 2) {
        printError(u"calc potrzebuje dwóch plików: WEJŚCIE.vat WYJŚCIE.vat."_s);
        return ExitFailure;
    }
    if (!checkInput(args[0]))
        return ExitFailure;
    TDeklaracja declaration;
    WczytajDeklaracje(declaration, args[0]);
    try {
        PoliczPola(declaration);
    } catch (const ConversionError &e) {
        // Nothing is written: a half-computed declaration is of no use in a file.
        printError(e.message());
        return ExitFindings;
    }
    ZapiszDeklaracje(declaration, args[1]);
    return ExitOk;
}
