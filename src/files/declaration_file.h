#pragma once

#include <QString>

class FieldAccess;
class IniDocument;

// The declaration file (*.vat): the whole declaration, 73 keys in the
// sections "dane" and "liczby". Saving and loading behave as for the data
// file; loading sets all 73 positions, so nothing of the previous declaration
// remains.
void ZapiszDeklaracje(const FieldAccess &fields, const QString &path);
void WczytajDeklaracje(FieldAccess &fields, const QString &path);

// Reads the whole file for loading. A file with neither section "dane" nor
// "liczby" is no declaration (a picture, a text chosen by mistake): it throws
// LorqaError naming the file, so that no position is reset by it. Every
// loader of declarations starts here.
IniDocument loadDeclarationFile(const QString &path);
