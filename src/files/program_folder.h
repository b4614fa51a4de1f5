#pragma once

#include <QString>

// The program's folder, where `dane/` and `opcje.ini` live: the executable's
// folder when it is writable (a build, a portable copy), otherwise, and
// always for an installed program, the per-user data folder.
QString programFolder();

// programFolder() for a program whose executable lies in `executableFolder`.
QString programFolderFor(const QString &executableFolder);

// True when the executable lies in an installed tree (<prefix>/bin beside
// <prefix>/share/lorqa), whose folders are not the user's to fill.
bool isInstalledProgram(const QString &executableFolder);

// programFolder() + "/dane", the folder the file dialogs start in.
QString dataFolder();

// programFolder() + "/opcje.ini".
QString printSettingsPath();
