// The profile reader on arbitrary bytes: reading, looking keys up, setting
// values and writing back must never crash, and a document written back
// must read as the same document.
#include "fuzz_support.h"

#include "files/ini_document.h"

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const IniDocument doc = IniDocument::fromBytes(bytesOf(data, size));
    for (const QString &section : {u"dane"_s, u"liczby"_s, u"Wydruk"_s}) {
        (void)doc.hasSection(section);
        for (const QString &key : {u"1_NIP"_s, u"4_Kwartał"_s, u"25"_s, u"EditX"_s, u""_s})
            (void)doc.number(section, key, 0);
    }
    const QByteArray written = doc.toBytes();
    if (IniDocument::fromBytes(written).toBytes() != written)
        std::abort(); // a second round trip must change nothing

    IniDocument changed = doc;
    changed.setValue(u"dane"_s, u"1_NIP"_s, u"1234563218"_s);
    changed.setValue(u"liczby"_s, u"25"_s, u"100"_s);
    if (changed.value(u"dane"_s, u"1_NIP"_s) != u"1234563218"_s
        || changed.value(u"liczby"_s, u"25"_s) != u"100"_s)
        std::abort(); // what was set must read back
    (void)changed.toBytes();
    return 0;
}
