#pragma once

#include <QString>
#include <vector>

class FieldAccess;
class IniDocument;

// How a position is held in a file.
enum class ValueForm {
    Text,   // the text as it stands
    Index,  // the chosen entry of a list, 0-based; -1 when none is chosen
    Check,  // "1" or "0"
    Pair,   // a Tak/Nie pair: 1 when its "Tak" box is checked
};

struct FileKey
{
    QString section;
    QString key;
    QString position;  // the position's name; for a pair its "Tak" box
    ValueForm form;
    bool inDataFile;   // also one of the seventeen keys of a data file
};

// The declaration file's keys in the order they are written and read: the
// first block of "dane", the amounts of "liczby", the second block of "dane".
// The data file is the keys marked inDataFile, in the same order.
const std::vector<FileKey> &declarationKeys();
std::vector<FileKey> dataFileKeys();

// Writes the keys into the file at path (keeping everything else in it) in
// one go. Throws LorqaError when a text cannot be written in Windows-1250,
// WriteError when the file cannot be written; in both cases nothing changes.
void writeKeys(const FieldAccess &fields, const std::vector<FileKey> &keys, const QString &path);

// Sets the positions from the keys of a document read whole beforehand, in
// the keys' order; a missing key gives its default.
void readKeys(FieldAccess &fields, const std::vector<FileKey> &keys, const IniDocument &doc);
