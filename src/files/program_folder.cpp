#include "files/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

QString programFolder()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(executableFolder).isWritable())
        return executableFolder;
    // An installed program's folder belongs to the system: keep the settings
    // and the data folder in the user's own place, and make sure both exist
    // there, since the user cannot create them beside the executable.
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(own + u"/dane"_s);
    return own;
}

QString dataFolder()
{
    return programFolder() + u"/dane"_s;
}

QString printSettingsPath()
{
    return programFolder() + u"/opcje.ini"_s;
}
