#include "files/declaration_file.h"

#include "files/file_keys.h"

void ZapiszDeklaracje(const FieldAccess &fields, const QString &path)
{
    writeKeys(fields, declarationKeys(), path);
}

void WczytajDeklaracje(FieldAccess &fields, const QString &path)
{
    readKeys(fields, declarationKeys(), path);
}
