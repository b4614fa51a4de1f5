#include "cli/commands.h"

using namespace Qt::Literals::StringLiterals;

int runPdf(int, char **)
{
    printError(u"polecenie pdf nie jest jeszcze dostępne."_s);
    return ExitFailure;
}
