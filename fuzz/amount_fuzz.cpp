// parseAmount on arbitrary text: a number or a ConversionError, and a number
// written back in decimal parses to itself.
#include "fuzz_support.h"

#include "declaration/amount.h"
#include "declaration/errors.h"

#include <cstdlib>

namespace {

void parse(const QString &text)
{
    try {
        const qint32 value = parseAmount(text);
        if (parseAmount(QString::number(value)) != value)
            std::abort();
    } catch (const ConversionError &) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    parse(QString::fromUtf8(bytes));
    parse(QString::fromLatin1(bytes));
    return 0;
}
