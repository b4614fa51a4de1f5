#include "files/data_file.h"

#include "files/file_keys.h"

void ZapiszDane(const FieldAccess &fields, const QString &path)
{
    writeKeys(fields, dataFileKeys(), path);
}

void WczytajDane(FieldAccess &fields, const QString &path)
{
    readKeys(fields, dataFileKeys(), path);
}
