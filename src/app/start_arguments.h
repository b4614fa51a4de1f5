#pragma once

#include <QString>
#include <QStringList>

class TForm1;

// What the program's command line asks for. The program takes one optional
// file, as a file manager passes it, and the usual --version and --help.
struct StartArguments
{
    enum class Kind { Start, OpenFile, Version, Help, Wrong };
    Kind kind = Kind::Start;
    QString path;  // OpenFile: the file to load
    QString error; // Wrong: what is wrong, in Polish
};

// `arguments` without the program's own name (and without the options Qt
// takes for itself).
StartArguments parseStartArguments(const QStringList &arguments);

// The text of --help, also shown after a wrong command line.
QString startUsage();

// Loads the file as "Otwórz deklaracje ..." (*.vat) or "Otwórz dane ..."
// (*.dane) would, chosen by its extension; any other file and any error of
// reading are shown in the error box, and the window goes on as it was.
// Returns true when the file was loaded.
bool openStartFile(TForm1 &window, const QString &path);
