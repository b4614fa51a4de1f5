#include "printing/page_composition.h"

#include "files/print_settings.h"
#include "files/program_folder.h"

// Kept apart so that a page can be built and shifted without the program's
// folder, as lorqa-cli and the tests do.
void PageComposition::ZastosujOpcjeWydruku()
{
    ZastosujOpcjeWydruku(readPrintSettings(printSettingsPath()));
}
