#include "windows/file_dialogs.h"

#include "declaration/field_access.h"
#include "files/program_folder.h"
#include "windows/platform.h"

using namespace Qt::Literals::StringLiterals;

bool hasNipOrSay(QWidget *parent, const FieldAccess &fields)
{
    if (!fields.text(u"p_1"_s).isEmpty())
        return true;
    platform().showMessage(parent, u"Wpisz numer NIP!"_s);
    return false;
}

void saveWithDialog(QWidget *parent, const QString &filter, const QString &suffix,
                    const std::function<void(const QString &)> &write, const QString &savedMessage)
{
    const QString path = platform().saveFileName(parent, dataFolder(), filter, suffix);
    if (path.isEmpty())
        return;
    write(path);
    platform().showMessage(parent, savedMessage);
}

void openWithDialog(QWidget *parent, const QString &filter, const std::function<void(const QString &)> &read)
{
    const QString path = platform().openFileName(parent, dataFolder(), filter);
    if (!path.isEmpty())
        read(path);
}
