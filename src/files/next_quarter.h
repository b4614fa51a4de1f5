#pragma once

#include "declaration/declaration.h"

#include <QDate>
#include <QString>

// The declaration of the quarter that follows a saved one: what a bookkeeper
// would otherwise retype every quarter.
//
// Kept from the previous declaration: the taxpayer's header data, the kind of
// taxpayer and the signatory (the seventeen positions of a data file).
// Advanced: the period by one quarter, quarter 4 going to quarter 1 of the
// next year; a quarter that is not 1 to 4 or a year that is not four digits
// leaves both p_4 and p_5 empty for the user rather than guessing.
// Carried: p_47 (surplus from the previous declaration) takes the previous
// p_65 (surplus carried forward), as it stands.
// Reset: purpose "1. złożenie deklaracji", every other amount empty, p_66 to
// p_69 unchecked, both Tak/Nie pairs at "Nie"; p_76 is `today` (dd-mm-yyyy).
TDeklaracja nextQuarterOf(const FieldAccess &previous, const QDate &today);

// Reads the declaration file at `previousPath` and overwrites every position
// of `target` with the next quarter's declaration. A file that cannot be read
// or is no declaration throws LorqaError before anything of `target` is
// touched. The one routine behind the main window's "Nowa deklaracja z
// poprzedniej ..." and `lorqa-cli next`.
void loadNextQuarter(FieldAccess &target, const QString &previousPath, const QDate &today);
