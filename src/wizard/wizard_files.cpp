#include "wizard/wizard_files.h"

#include "declaration/amount.h"
#include "declaration/calculation.h"
#include "declaration/errors.h"
#include "declaration/field_access.h"
#include "declaration/positions.h"
#include "files/data_file.h"
#include "files/declaration_file.h"
#include "wizard/wizard_record.h"

#include <vector>
#include <utility>

using namespace Qt::Literals::StringLiterals;

void WczytajDeklaracjeKreator(FieldAccess &fields, const QString &path)
{
    WczytajDeklaracje(fields, path);
    rebuildCashRegisters(fields);
    deriveQuestions(fields);
}

void WczytajDaneKreator(FieldAccess &fields, const QString &path)
{
    WczytajDane(fields, path);
}

void ZapiszDaneKreator(const FieldAccess &fields, const QString &path)
{
    ZapiszDane(fields, path);
}

void rebuildCashRegisters(FieldAccess &fields)
{
    try {
        const double sum = sumOf(fields, {56, 59});
        fields.setText(CashRegistersTyped, sum == 0 ? QString() : ZaokraglijTekst(1, sum));
    } catch (const ConversionError &) {
        fields.setText(CashRegistersTyped, fields.text(u"p_56"_s));
    }
}

void deriveQuestions(FieldAccess &fields)
{
    const std::pair<const char16_t *, std::vector<int>> questions[] = {
        {u"CB1", {20, 23, 24, 25, 27, 29}},
        {u"CB2", {21, 31, 32, 33, 35, 37, 39, 41}},
        {u"CB3", {43}},
        {u"CB4", {48}},
        {u"CB5", {47}},
        {u"CB6", {56, 59}},
        {u"CB7", {57}},
        {u"CB8", {49, 50, 51, 52, 53, 54}},
    };
    for (const auto &[question, numbers] : questions) {
        bool filled = false;
        for (int n : numbers)
            filled = filled || !fields.text(positionName(n)).isEmpty();
        fields.setChecked(QString::fromUtf16(question), filled);
    }
}
