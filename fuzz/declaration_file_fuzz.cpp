// A declaration file and a data file of arbitrary bytes read into a record:
// either they load or they are refused with a message, never a crash.
#include "fuzz_support.h"

#include "declaration/declaration.h"
#include "declaration/errors.h"
#include "files/data_file.h"
#include "files/declaration_file.h"

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    try {
        TDeklaracja declaration;
        WczytajDeklaracje(declaration, writeInput(bytes, u"input.vat"_s));
    } catch (const LorqaError &) {
    }
    try {
        TDeklaracja declaration;
        WczytajDane(declaration, writeInput(bytes, u"input.dane"_s));
    } catch (const LorqaError &) {
    }
    return 0;
}
