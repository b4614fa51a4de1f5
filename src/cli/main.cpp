// lorqa-cli: the declaration core without windows, for batch work.

#include "cli/commands.h"

#include "declaration/errors.h"
#include "lorqa_version.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

void printOut(const QString &line)
{
    std::fputs((line + u'\n').toUtf8().constData(), stdout);
}

void printError(const QString &line)
{
    std::fputs((u"lorqa-cli: "_s + line + u'\n').toUtf8().constData(), stderr);
}

bool checkInput(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        printError(u"plik „%1” nie istnieje."_s.arg(path));
    else if (!info.isFile())
        printError(u"„%1” nie jest plikiem."_s.arg(path));
    else if (!info.isReadable())
        printError(u"nie można odczytać pliku „%1”."_s.arg(path));
    else
        return true;
    return false;
}

QString usage()
{
    return u"Użycie: lorqa-cli POLECENIE ARGUMENTY\n"
           "\n"
           "Polecenia:\n"
           "  calc WEJŚCIE.vat WYJŚCIE.vat\n"
           "      Wczytuje deklarację, wylicza pola (jak polecenie „Policz”) i zapisuje\n"
           "      wynik. WYJŚCIE może być tym samym plikiem; pozostałe klucze istniejącego\n"
           "      pliku wyjściowego zostają zachowane.\n"
           "      Kod wyjścia: 0 gdy wyliczono, 1 przy błędzie konwersji liczby (plik\n"
           "      wyjściowy nie jest zmieniany), 2 przy innym błędzie.\n"
           "  check WEJŚCIE.vat\n"
           "      Sprawdza deklarację jak przed wydrukiem i wypisuje znalezione błędy\n"
           "      i ostrzeżenia, po jednym w wierszu.\n"
           "      Kod wyjścia: 0 gdy nie ma błędów (ostrzeżenia mogą być wypisane),\n"
           "      1 gdy znaleziono błąd, 2 przy błędzie konwersji lub pliku.\n"
           "  next POPRZEDNIA.vat NOWA.vat\n"
           "      Tworzy deklarację za następny kwartał: dane podatnika i osoby\n"
           "      podpisującej z poprzedniej, okres o kwartał dalej, cel „złożenie\n"
           "      deklaracji”, w poz. 47 kwota z poz. 65 poprzedniej, pozostałe kwoty\n"
           "      puste, data wypełnienia dzisiejsza. NOWA musi być innym plikiem.\n"
           "      Kod wyjścia: 0 gdy zapisano, 2 przy błędzie argumentów lub pliku.\n"
           "  pdf WEJŚCIE.vat WYJŚCIE.pdf [--page 1|2] [--options PLIK]\n"
           "      Składa strony deklaracji tak jak wydruk i zapisuje je jako PDF\n"
           "      (domyślnie obie strony). --options wskazuje plik ustawień wydruku\n"
           "      (jak opcje.ini): wydruk na oryginalnym formularzu, przesunięcia, skala.\n"
           "  --help\n"
           "      Ten opis.\n"
           "  --version\n"
           "      Wersja programu.\n"_s;
}

int main(int argc, char **argv)
{
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command == u"pdf"_s)
        return runPdf(argc, argv);

    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(2);
    if (command == u"--help"_s || command == u"-h"_s || command == u"help"_s) {
        printOut(usage());
        return ExitOk;
    }
    if (command == u"--version"_s) {
        printOut(u"lorqa-cli "_s + lorqaVersion());
        return ExitOk;
    }
    try {
        if (command == u"calc"_s)
            return runCalc(args);
        if (command == u"check"_s)
            return runCheck(args);
        if (command == u"next"_s)
            return runNext(args);
    } catch (const LorqaError &e) {
        printError(e.message());
        return ExitFailure;
    }
    printError(command.isEmpty() ? u"nie podano polecenia."_s
                                 : u"nieznane polecenie „%1”."_s.arg(command));
    std::fputs(usage().toUtf8().constData(), stderr);
    return ExitFailure;
}
