// A declaration file of arbitrary bytes read into the wizard's record, then
// the wizard's computation and the checks before printing.
#include "fuzz_support.h"

#include "declaration/checks.h"
#include "declaration/errors.h"
#include "wizard/wizard_files.h"
#include "wizard/wizard_record.h"
#include "wizard/wizard_rules.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    WizardDeclaration declaration;
    try {
        WczytajDeklaracjeKreator(declaration, writeInput(bytesOf(data, size), u"input.vat"_s));
    } catch (const LorqaError &) {
        return 0;
    }
    try {
        PoliczKreator(declaration);
    } catch (const LorqaError &) {
    }
    try {
        QStringList errors;
        SprawdzDeklaracje(declaration, errors);
    } catch (const LorqaError &) {
    }
    return 0;
}
