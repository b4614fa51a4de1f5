#pragma once

#include <QString>

class FieldAccess;
class IniDocument;

// The taxpayer data file (*.dane): the header data of one taxpayer in the
// section "dane", seventeen keys. Saving keeps every other key and section of
// an existing file and replaces the file as a whole, so a failed save
// (WriteError) leaves the old file untouched. Loading changes only those
// seventeen positions; a missing key reads as its default.
void ZapiszDane(const FieldAccess &fields, const QString &path);
void WczytajDane(FieldAccess &fields, const QString &path);

// Reads the whole file for loading. A file without the section "dane" holds
// no taxpayer data: it throws LorqaError naming the file, so that no position
// is emptied by it. Every loader of data files starts here.
IniDocument loadDataFile(const QString &path);
