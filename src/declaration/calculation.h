#pragma once

#include <QString>

#include <initializer_list>

class FieldAccess;
struct RateRow;

// The calculation command: taxes of the rate rows, the three totals, the tax
// to pay or the surplus, and the split of the surplus into refund terms and
// carry-forward. Each step reads a position when it needs it, so a later step
// sees what an earlier one wrote. A text that is not a whole number throws
// ConversionError; what was written before stays.
void PoliczPola(FieldAccess &fields);

// The steps of PoliczPola, each on its own, so that the wizard's computation
// is made of the same steps. Amounts are reached by their numbers (25 is
// "p_25"); an empty amount counts as 0.

// The value of an amount position: 0 when empty, otherwise its text parsed.
double amountOf(const FieldAccess &fields, int n);
// The amounts of `plus` added and those of `minus` subtracted, in the order
// given, so that the first text that is not a number is the one reported.
double sumOf(const FieldAccess &fields, std::initializer_list<int> plus,
             std::initializer_list<int> minus = {});

// A filled base writes its rounded tax ("0" when it rounds to zero); an empty
// base leaves the tax as it is. A base that is not a whole number throws
// ConversionError and the tax keeps its text. Also the rule on leaving a base.
void fillRateRowTax(FieldAccess &fields, const RateRow &row);
void fillRateRowTaxes(FieldAccess &fields);

// The totals p_45, p_46 and p_55 as the steps write them; the first two are
// also what the cap of p_57 compares with.
double outputTaxTotal(const FieldAccess &fields);  // p_46
double inputTaxTotal(const FieldAccess &fields);   // p_55
void writeTotals(FieldAccess &fields);             // p_45, p_46, p_55

// A typed p_56 takes no more than the tax due; a typed p_57 no more than what
// p_56 leaves of it. Emptied when nothing is available.
void limitCashRegisters(FieldAccess &fields);
void limitAbandonedTax(FieldAccess &fields);
// The tax to pay p_58 and the surplus p_60.
void writeTaxToPay(FieldAccess &fields);
void writeSurplus(FieldAccess &fields);
// The split of the surplus p_60 into the refund p_61, its terms p_62 to p_64
// and the carry-forward p_65.
void splitRefund(FieldAccess &fields);

// W(v) of the amounts: a total of zero leaves the position empty; T(v): a
// limit is written even then.
void writeTotal(FieldAccess &fields, int n, double value);
void writeLimit(FieldAccess &fields, int n, double value);
