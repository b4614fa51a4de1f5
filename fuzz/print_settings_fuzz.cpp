// opcje.ini of arbitrary bytes: the settings always come out, every value
// that does not convert at its default.
#include "fuzz_support.h"

#include "files/print_settings.h"

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = writeInput(bytesOf(data, size), u"opcje.ini"_s);
    (void)readPrintSettings(path);
    (void)readPrintSettingsTexts(path);
    return 0;
}
