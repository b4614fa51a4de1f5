#pragma once

#include <QString>

class FieldAccess;

// The declaration file (*.vat): the whole declaration, 73 keys in the
// sections "dane" and "liczby". Saving and loading behave as for the data
// file; loading sets all 73 positions, so nothing of the previous declaration
// remains.
void ZapiszDeklaracje(const FieldAccess &fields, const QString &path);
void WczytajDeklaracje(FieldAccess &fields, const QString &path);
