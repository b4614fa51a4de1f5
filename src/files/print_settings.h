#pragma once

#include <QString>
#include <QtGlobal>

// The print settings of opcje.ini, section "Wydruk", as the Options dialog
// and the print flow both read them.
struct PrintSettings
{
    bool onForm = false;   // CheckWydrukNaOrg: text alone onto a pre-printed form
    qint64 shiftX = 0;     // EditX, layout points
    qint64 shiftY = 0;     // EditY, layout points
    double scaleY = 1.0;   // EditWsp, vertical scale of the top edges
};

// The texts as typed in the Options dialog; written without validation.
struct PrintSettingsTexts
{
    bool onForm = false;
    QString x = QStringLiteral("0");
    QString y = QStringLiteral("0");
    QString scale = QStringLiteral("1");
};

// Reads the file; every value that is missing or does not convert falls back
// on its own (no, 0, 0, 1).
PrintSettings readPrintSettings(const QString &path);

// The same, written back as the dialog shows it: shifts in plain decimal, the
// scale in its shortest form with the user's decimal separator.
PrintSettingsTexts readPrintSettingsTexts(const QString &path);

// Writes the four keys as typed. Throws WriteError.
void writePrintSettings(const QString &path, const PrintSettingsTexts &texts);
