#pragma once

#include <QString>

// The program's folder, where `dane/` and `opcje.ini` live: the executable's
// folder when it is writable (a build, a portable copy), otherwise the
// per-user data folder, since an installed program's folder is not writable.
QString programFolder();

// programFolder() + "/dane", the folder the file dialogs start in.
QString dataFolder();

// programFolder() + "/opcje.ini".
QString printSettingsPath();
