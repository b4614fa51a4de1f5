#include "files/file_keys.h"

#include "declaration/errors.h"
#include "declaration/field_access.h"
#include "declaration/positions.h"
#include "files/ini_document.h"

#include <QStringList>

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

std::vector<FileKey> buildDeclarationKeys()
{
    const QString dane = u"dane"_s;
    std::vector<FileKey> keys = {
        {dane, u"1_NIP"_s, u"p_1"_s, ValueForm::Text, true},
        {dane, u"4_Kwartał"_s, u"p_4"_s, ValueForm::Text, false},
        {dane, u"5_Rok"_s, u"p_5"_s, ValueForm::Text, false},
        {dane, u"6_US"_s, u"p_6"_s, ValueForm::Text, true},
        {dane, u"7_CelZlozenia"_s, u"p_7"_s, ValueForm::Index, false},
        {dane, u"8_RodzajPlatnika"_s, u"p_8"_s, ValueForm::Index, true},
        {dane, u"9_Nazwa"_s, u"p_9"_s, ValueForm::Text, true},
        {dane, u"10_Kraj"_s, u"p_10"_s, ValueForm::Text, true},
        {dane, u"11_Wojewodztwo"_s, u"p_11"_s, ValueForm::Text, true},
        {dane, u"12_Powiat"_s, u"p_12"_s, ValueForm::Text, true},
        {dane, u"13_Gmina"_s, u"p_13"_s, ValueForm::Text, true},
        {dane, u"14_Ulica"_s, u"p_14"_s, ValueForm::Text, true},
        {dane, u"15_Nrdomu"_s, u"p_15"_s, ValueForm::Text, true},
        {dane, u"16_Nrlokalu"_s, u"p_16"_s, ValueForm::Text, true},
        {dane, u"17_Miejscowosc"_s, u"p_17"_s, ValueForm::Text, true},
        {dane, u"18_Kod"_s, u"p_18"_s, ValueForm::Text, true},
        {dane, u"19_Poczta"_s, u"p_19"_s, ValueForm::Text, true},
    };
    // The amounts are reached by number: key "20" holds p_20, ...
    for (int n = FirstAmount; n <= LastAmount; ++n)
        keys.push_back({u"liczby"_s, QString::number(n), positionName(n), ValueForm::Text, false});
    const std::vector<FileKey> second = {
        {dane, u"63"_s, u"p_66"_s, ValueForm::Check, false},
        {dane, u"64"_s, u"p_67"_s, ValueForm::Check, false},
        {dane, u"65"_s, u"p_68"_s, ValueForm::Check, false},
        {dane, u"66"_s, u"p_69"_s, ValueForm::Check, false},
        {dane, u"67_Zwrot"_s, u"p_70_1"_s, ValueForm::Pair, false},
        {dane, u"68_Przyspieszenie"_s, u"p_71_1"_s, ValueForm::Pair, false},
        {dane, u"73_Data"_s, u"p_76"_s, ValueForm::Text, false},
        {dane, u"61_Imie"_s, u"p_72"_s, ValueForm::Text, true},
        {dane, u"62_Nazwisko"_s, u"p_73"_s, ValueForm::Text, true},
        {dane, u"64_Telefon"_s, u"p_75"_s, ValueForm::Text, true},
    };
    keys.insert(keys.end(), second.begin(), second.end());
    return keys;
}

QString valueOf(const FieldAccess &fields, const FileKey &k)
{
    switch (k.form) {
    case ValueForm::Text:
        return fields.text(k.position);
    case ValueForm::Index:
        return QString::number(fields.index(k.position));
    case ValueForm::Check:
    case ValueForm::Pair:
        return fields.isChecked(k.position) ? u"1"_s : u"0"_s;
    }
    return {};
}

// "p_70_1" -> "70", "p_9" -> "9": the number the user sees on the form.
QString numberOf(const QString &position)
{
    const Position *p = findPosition(position);
    return p ? QString::number(p->number) : position;
}

} // namespace

const std::vector<FileKey> &declarationKeys()
{
    static const std::vector<FileKey> keys = buildDeclarationKeys();
    return keys;
}

std::vector<FileKey> dataFileKeys()
{
    std::vector<FileKey> keys;
    for (const FileKey &k : declarationKeys())
        if (k.inDataFile)
            keys.push_back(k);
    return keys;
}

void writeKeys(const FieldAccess &fields, const std::vector<FileKey> &keys, const QString &path)
{
    QStringList values;
    for (const FileKey &k : keys) {
        const QString v = valueOf(fields, k);
        // A letter the code page lacks would come back as "?", and a line break
        // would split the file's lines: refuse before anything is written.
        if (!IniDocument::encodable(v))
            throw LorqaError(u"Plik nie został zapisany: pole %1 zawiera znak, którego nie "
                             "można zapisać w pliku (np. znak spoza polskiego alfabetu lub koniec "
                             "wiersza). Popraw to pole i zapisz ponownie."_s.arg(numberOf(k.position)));
        values.append(v);
    }
    IniDocument doc = IniDocument::loadForSaving(path);
    for (size_t i = 0; i < keys.size(); ++i)
        doc.setValue(keys[i].section, keys[i].key, values[qsizetype(i)]);
    doc.save(path);
}

void readKeys(FieldAccess &fields, const std::vector<FileKey> &keys, const IniDocument &doc)
{
    for (const FileKey &k : keys) {
        switch (k.form) {
        case ValueForm::Text:
            fields.setText(k.position, doc.text(k.section, k.key));
            break;
        case ValueForm::Index: {
            const qint64 n = doc.number(k.section, k.key, 0);
            fields.setIndex(k.position, n >= std::numeric_limits<int>::min()
                                            && n <= std::numeric_limits<int>::max() ? int(n) : -1);
            break;
        }
        case ValueForm::Check:
            fields.setChecked(k.position, doc.number(k.section, k.key, 0) != 0);
            break;
        case ValueForm::Pair: {
            // "Tak" first, then "Nie"; the pair rule keeps one of them checked.
            const bool yes = doc.number(k.section, k.key, 0) != 0;
            fields.setChecked(k.position, yes);
            fields.setChecked(pairPartner(k.position), !yes);
            break;
        }
        }
    }
}
