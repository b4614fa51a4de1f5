#include "app/start_arguments.h"

#include "app/main_window.h"
#include "declaration/errors.h"
#include "files/data_file.h"
#include "files/declaration_file.h"
#include "windows/command.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

StartArguments parseStartArguments(const QStringList &arguments)
{
    StartArguments result;
    QStringList files;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument == u"--"_s) {
            optionsEnded = true;
        } else if (!optionsEnded && argument == u"--version"_s) {
            result.kind = StartArguments::Kind::Version;
            return result;
        } else if (!optionsEnded && (argument == u"--help"_s || argument == u"-h"_s)) {
            result.kind = StartArguments::Kind::Help;
            return result;
        } else if (!optionsEnded && argument.startsWith(u'-') && argument.size() > 1) {
            result.kind = StartArguments::Kind::Wrong;
            result.error = u"nieznana opcja „%1”."_s.arg(argument);
            return result;
        } else if (!argument.isEmpty()) {
            files.append(argument);
        }
    }
    if (files.size() > 1) {
        result.kind = StartArguments::Kind::Wrong;
        result.error = u"można podać tylko jeden plik, podano %1."_s.arg(files.size());
        return result;
    }
    if (files.size() == 1) {
        result.kind = StartArguments::Kind::OpenFile;
        // Some file managers hand over a file:// address instead of a path.
        const QUrl url(files.first());
        result.path = url.isLocalFile() ? url.toLocalFile() : files.first();
    }
    return result;
}

QString startUsage()
{
    return u"Użycie: lorqa [PLIK.vat | PLIK.dane]\n"
           "\n"
           "Uruchamia program Lorqa. Podany plik deklaracji (*.vat) albo danych\n"
           "podatnika (*.dane) zostaje wczytany jak poleceniem „Otwórz deklaracje ...”\n"
           "albo „Otwórz dane ...”.\n"
           "\n"
           "  --version  wersja programu\n"
           "  --help     ten opis\n"_s;
}

bool openStartFile(TForm1 &window, const QString &path)
{
    return runCommand(&window, [&] {
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == u"vat"_s)
            WczytajDeklaracje(window, path);
        else if (suffix == u"dane"_s)
            WczytajDane(window, path);
        else
            throw LorqaError(u"Plik „%1” nie jest ani deklaracją (*.vat), ani plikiem danych (*.dane). "
                             "Nic nie zostało wczytane."_s
                                 .arg(QDir::toNativeSeparators(path)));
    });
}
