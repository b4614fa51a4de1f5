#include "files/data_file.h"

#include "declaration/errors.h"
#include "files/file_keys.h"
#include "files/ini_document.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

void ZapiszDane(const FieldAccess &fields, const QString &path)
{
    writeKeys(fields, dataFileKeys(), path);
}

IniDocument loadDataFile(const QString &path)
{
    IniDocument doc = IniDocument::load(path, IniDocument::IfMissing::Fail);
    if (!doc.hasSection(u"dane"_s))
        throw LorqaError(u"Plik „%1” nie jest plikiem danych podatnika: nie ma w nim sekcji "
                         "[dane]. Dane nie zostały wczytane, nic nie zostało zmienione."_s
                             .arg(QDir::toNativeSeparators(path)));
    return doc;
}

void WczytajDane(FieldAccess &fields, const QString &path)
{
    readKeys(fields, dataFileKeys(), loadDataFile(path));
}
