#include "cli/commands.h"

#include "declaration/declaration.h"
#include "declaration/errors.h"
#include "files/declaration_file.h"
#include "files/print_settings.h"
#include "printing/lorqa_pages.h"
#include "printing/print_job.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

struct PdfArgs
{
    QString input;
    QString output;
    int page = 0;                  // 0: both pages
    std::optional<QString> options;
};

std::optional<PdfArgs> parseArgs(const QStringList &args)
{
    PdfArgs result;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == u"--page"_s || arg == u"--options"_s) {
            if (i + 1 >= args.size()) {
                printError(u"po %1 brakuje wartości."_s.arg(arg));
                return std::nullopt;
            }
            const QString value = args.at(++i);
            if (arg == u"--options"_s) {
                result.options = value;
            } else if (value == u"1"_s || value == u"2"_s) {
                result.page = value.toInt();
            } else {
                printError(u"strona musi być 1 albo 2, podano „%1”."_s.arg(value));
                return std::nullopt;
            }
        } else if (arg.startsWith(u"--"_s)) {
            printError(u"nieznana opcja „%1”."_s.arg(arg));
            return std::nullopt;
        } else {
            files.append(arg);
        }
    }
    if (files.size() != 2) {
        printError(u"polecenie pdf potrzebuje pliku deklaracji i pliku PDF."_s);
        return std::nullopt;
    }
    result.input = files.at(0);
    result.output = files.at(1);
    return result;
}

int writePdf(const PdfArgs &args)
{
    if (!checkInput(args.input) || (args.options && !checkInput(*args.options)))
        return ExitFailure;

    TDeklaracja declaration;
    WczytajDeklaracje(declaration, args.input);
    const PrintSettings settings = args.options ? readPrintSettings(*args.options) : PrintSettings{};

    Tlorqa_str1 str1;
    Tlorqa_str2 str2;
    std::vector<PageComposition *> pages;
    if (args.page != 2)
        pages.push_back(&str1);
    if (args.page != 1)
        pages.push_back(&str2);

    PrintJob job(pages, declaration, settings);

    // Written through QSaveFile: a failure leaves an existing file whole.
    QSaveFile file(args.output);
    if (!file.open(QIODevice::WriteOnly)) {
        printError(u"nie można zapisać pliku „%1”."_s.arg(args.output));
        return ExitFailure;
    }
    {
        QPdfWriter writer(&file);
        writer.setCreator(u"Lorqa"_s);
        writer.setTitle(u"Deklaracja dla podatku od towarów i usług"_s);
        job.paint(writer);
    }
    // Flushed before the commit, so that a full disk keeps the old file.
    if (!file.flush() || file.error() != QFileDevice::NoError || !file.commit()) {
        printError(u"nie można zapisać pliku „%1”."_s.arg(args.output));
        return ExitFailure;
    }
    return ExitOk;
}

} // namespace

int runPdf(int argc, char **argv)
{
    // Fonts need a GUI application, but no display: without a chosen
    // platform, the offscreen one serves.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::optional<PdfArgs> args = parseArgs(app.arguments().mid(2));
    if (!args) {
        printError(u"użycie: lorqa-cli pdf WEJŚCIE.vat WYJŚCIE.pdf [--page 1|2] [--options PLIK]"_s);
        return ExitFailure;
    }
    try {
        return writePdf(*args);
    } catch (const LorqaError &e) {
        printError(e.message());
    }
    return ExitFailure;
}
