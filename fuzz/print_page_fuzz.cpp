// A printed page filled from an arbitrary record and painted into a small
// PDF in memory. The record is the input read as a declaration file, so every
// position can hold any text; its section [Wydruk] gives the print settings.
#include "fuzz_support.h"

#include "declaration/declaration.h"
#include "declaration/errors.h"
#include "files/file_keys.h"
#include "files/ini_document.h"
#include "printing/lorqa_pages.h"
#include "printing/print_job.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <memory>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const IniDocument doc = IniDocument::fromBytes(bytesOf(data, size));
    TDeklaracja declaration;
    readKeys(declaration, declarationKeys(), doc);
    // The same bytes as opcje.ini, as `lorqa-cli pdf --options` reads it.
    const PrintSettings settings = readPrintSettings(writeInput(doc.toBytes(), u"opcje.ini"_s));

    Tlorqa_str1 str1;
    Tlorqa_str2 str2;
    try {
        // One page an input, as the print commands do: odd sizes page 1.
        PrintJob job({size % 2 ? static_cast<PageComposition *>(&str1) : &str2}, declaration, settings);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        job.paint(writer);
    } catch (const LorqaError &) {
    }
    return 0;
}
