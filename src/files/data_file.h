#pragma once

#include <QString>

class FieldAccess;

// The taxpayer data file (*.dane): the header data of one taxpayer in the
// section "dane", seventeen keys. Saving keeps every other key and section of
// an existing file and replaces the file as a whole, so a failed save
// (WriteError) leaves the old file untouched. Loading changes only those
// seventeen positions; a missing key reads as its default.
void ZapiszDane(const FieldAccess &fields, const QString &path);
void WczytajDane(FieldAccess &fields, const QString &path);
