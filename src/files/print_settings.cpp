#include "files/print_settings.h"

#include "declaration/errors.h"
#include "declaration/whole_number.h"
#include "files/ini_document.h"

#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Section = u"Wydruk"_s;

// A settings file that cannot be read prints as if there were none.
IniDocument loadQuietly(const QString &path)
{
    try {
        return IniDocument::load(path, IniDocument::IfMissing::Empty);
    } catch (const LorqaError &) {
        return {};
    }
}

qint64 shift(const IniDocument &doc, const QString &key)
{
    return parseWholeNumber(doc.text(Section, key, u"0"_s), 64).value_or(0);
}

double scale(const IniDocument &doc)
{
    bool ok = false;
    const double value = QLocale().toDouble(doc.text(Section, u"EditWsp"_s, u"1"_s), &ok);
    return ok ? value : 1.0;
}

PrintSettings settingsOf(const IniDocument &doc)
{
    PrintSettings s;
    s.onForm = doc.number(Section, u"CheckWydrukNaOrg"_s, 0) != 0;
    s.shiftX = shift(doc, u"EditX"_s);
    s.shiftY = shift(doc, u"EditY"_s);
    s.scaleY = scale(doc);
    return s;
}

} // namespace

PrintSettings readPrintSettings(const QString &path)
{
    return settingsOf(loadQuietly(path));
}

PrintSettingsTexts readPrintSettingsTexts(const QString &path)
{
    const PrintSettings s = readPrintSettings(path);
    PrintSettingsTexts t;
    t.onForm = s.onForm;
    t.x = QString::number(s.shiftX);
    t.y = QString::number(s.shiftY);
    t.scale = QLocale().toString(s.scaleY, 'g', QLocale::FloatingPointShortest);
    return t;
}

void writePrintSettings(const QString &path, const PrintSettingsTexts &texts)
{
    const std::pair<QString, QString> values[] = {
        {u"CheckWydrukNaOrg"_s, texts.onForm ? u"1"_s : u"0"_s},
        {u"EditX"_s, texts.x},
        {u"EditY"_s, texts.y},
        {u"EditWsp"_s, texts.scale},
    };
    for (const auto &[key, value] : values)
        if (!IniDocument::encodable(value))
            throw LorqaError(u"Ustawienia nie zostały zapisane: pole %1 zawiera znak, którego "
                             "nie można zapisać w pliku."_s.arg(key));
    IniDocument doc = IniDocument::loadForSaving(path);
    for (const auto &[key, value] : values)
        doc.setValue(Section, key, value);
    doc.save(path);
}
