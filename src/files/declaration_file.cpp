#include "files/declaration_file.h"

#include "declaration/errors.h"
#include "files/file_keys.h"
#include "files/ini_document.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

void ZapiszDeklaracje(const FieldAccess &fields, const QString &path)
{
    writeKeys(fields, declarationKeys(), path);
}

IniDocument loadDeclarationFile(const QString &path)
{
    IniDocument doc = IniDocument::load(path, IniDocument::IfMissing::Fail);
    if (!doc.hasSection(u"dane"_s) && !doc.hasSection(u"liczby"_s))
        throw LorqaError(u"Plik „%1” nie jest plikiem deklaracji: nie ma w nim sekcji [dane] "
                         "ani [liczby]. Deklaracja nie została wczytana, nic nie zostało zmienione."_s
                             .arg(QDir::toNativeSeparators(path)));
    return doc;
}

void WczytajDeklaracje(FieldAccess &fields, const QString &path)
{
    readKeys(fields, declarationKeys(), loadDeclarationFile(path));
}
