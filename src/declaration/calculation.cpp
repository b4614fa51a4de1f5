#include "declaration/calculation.h"

#include "declaration/amount.h"
#include "declaration/field_access.h"
#include "declaration/positions.h"

namespace {

QString textOf(const FieldAccess &f, int n) { return f.text(positionName(n)); }
bool filled(const FieldAccess &f, int n) { return !textOf(f, n).isEmpty(); }
void set(FieldAccess &f, int n, const QString &value) { f.setText(positionName(n), value); }

// A typed amount may take no more than what is available and is emptied when
// nothing is.
template<typename Available>
void limitTyped(FieldAccess &f, int n, Available available)
{
    if (!filled(f, n))
        return;
    const double a = available();
    if (a <= 0)
        set(f, n, QString());
    else if (amountOf(f, n) > a)
        writeLimit(f, n, a);
}

} // namespace

double amountOf(const FieldAccess &fields, int n)
{
    const QString t = textOf(fields, n);
    return t.isEmpty() ? 0.0 : double(parseAmount(t));
}

double sumOf(const FieldAccess &fields, std::initializer_list<int> plus, std::initializer_list<int> minus)
{
    double a = 0;
    for (int n : plus)
        a += amountOf(fields, n);
    for (int n : minus)
        a -= amountOf(fields, n);
    return a;
}

void writeTotal(FieldAccess &fields, int n, double value)
{
    set(fields, n, value == 0 ? QString() : ZaokraglijTekst(1, value));
}

void writeLimit(FieldAccess &fields, int n, double value)
{
    set(fields, n, ZaokraglijTekst(1, value));
}

void fillRateRowTax(FieldAccess &fields, const RateRow &row)
{
    const QString base = textOf(fields, row.base);
    if (base.isEmpty())
        return;
    set(fields, row.tax, ZaokraglijTekst(1, taxOf(parseAmount(base), row.rate)));
}

void fillRateRowTaxes(FieldAccess &fields)
{
    for (const RateRow &row : RateRows)
        fillRateRowTax(fields, row);
}

double outputTaxTotal(const FieldAccess &fields)
{
    return sumOf(fields, {26, 28, 30, 34, 36, 38, 42, 43}, {44});
}

double inputTaxTotal(const FieldAccess &fields)
{
    return sumOf(fields, {47, 48, 50, 52, 53, 54});
}

void writeTotals(FieldAccess &fields)
{
    writeTotal(fields, 45, sumOf(fields, {20, 21, 23, 25, 27, 29, 31, 32, 33, 35, 37, 41}));
    writeTotal(fields, 46, outputTaxTotal(fields));
    writeTotal(fields, 55, inputTaxTotal(fields));
}

void limitCashRegisters(FieldAccess &fields)
{
    limitTyped(fields, 56, [&] { return sumOf(fields, {46}, {55}); });
}

void limitAbandonedTax(FieldAccess &fields)
{
    limitTyped(fields, 57, [&] { return sumOf(fields, {46}, {55, 56}); });
}

void writeTaxToPay(FieldAccess &fields)
{
    const double a = sumOf(fields, {46}, {55});
    if (a <= 0)
        set(fields, 58, QString());
    else
        writeTotal(fields, 58, a - sumOf(fields, {56, 57}));
}

void writeSurplus(FieldAccess &fields)
{
    const double a = sumOf(fields, {55}, {46});
    if (a < 0)
        set(fields, 60, QString());
    else
        writeTotal(fields, 60, a + amountOf(fields, 59));
}

void splitRefund(FieldAccess &f)
{
    double a = amountOf(f, 60);
    if (a == 0) {
        for (int n : {61, 62, 63, 64, 65})
            set(f, n, QString());
        return;
    }
    if (filled(f, 61)) {
        if (amountOf(f, 61) > a)
            writeLimit(f, 61, a);
        double r = amountOf(f, 61);
        a -= r;
        if (!filled(f, 62) && !filled(f, 63) && !filled(f, 64))
            writeLimit(f, 63, r); // a refund with no term chosen goes to 60 days
        for (int term : {63, 62, 64}) {
            if (!filled(f, term))
                continue;
            if (amountOf(f, term) > r)
                writeLimit(f, term, r);
            r -= amountOf(f, term);
        }
        // What no term took is added to the 60-day term; "0" before the text
        // makes an empty term read as 0.
        if (r > 0)
            set(f, 63, ZaokraglijTekst(1, parseAmount(u'0' + textOf(f, 63)) + r));
    }
    writeTotal(f, 65, a);
}

void PoliczPola(FieldAccess &fields)
{
    fillRateRowTaxes(fields);
    writeTotals(fields);
    limitCashRegisters(fields);
    limitAbandonedTax(fields);
    writeTaxToPay(fields);
    writeSurplus(fields);
    splitRefund(fields);
}
