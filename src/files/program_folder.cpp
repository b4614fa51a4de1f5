#include "files/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

bool isInstalledProgram(const QString &executableFolder)
{
    // `cmake --install` and the package put the program's shared files into
    // <prefix>/share/lorqa beside <prefix>/bin.
    return QFileInfo(executableFolder + u"/../share/lorqa"_s).isDir();
}

QString programFolderFor(const QString &executableFolder)
{
    // A build or a portable copy keeps its files beside the executable. An
    // installed program's folder belongs to the system, even when it can be
    // written (by root): keep the settings and the data folder in the user's
    // own place, and make sure both exist there, since the user cannot create
    // them beside the executable.
    if (QFileInfo(executableFolder).isWritable() && !isInstalledProgram(executableFolder))
        return executableFolder;
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(own + u"/dane"_s);
    return own;
}

QString programFolder()
{
    return programFolderFor(QCoreApplication::applicationDirPath());
}

QString dataFolder()
{
    return programFolder() + u"/dane"_s;
}

QString printSettingsPath()
{
    return programFolder() + u"/opcje.ini"_s;
}
