#pragma once

#include "declaration/entry_rules.h"
#include "declaration/positions.h"

#include <QChar>
#include <QString>
#include <array>
#include <optional>

class FieldAccess;

// The wizard's computation and field rules. They run on any FieldAccess that
// also offers p_56_temp (the wizard's window, WizardDeclaration); a text that
// is not a whole number throws ConversionError and what was written stays.

// The computation at the wizard's fixed steps: the three totals, the split of
// the cash-register amount, the tax to pay, the surplus and its split.
// Silent; the taxes of the rate rows are left to the rules of their bases.
void PoliczKreator(FieldAccess &fields);

// The typed cash-register amount p_56_temp split between p_56 (deducted now,
// up to the tax due) and p_59 (to be refunded). Nothing when p_56_temp is
// empty. Computing again gives the same split.
void splitCashRegisters(FieldAccess &fields);

// Leaving p_56: what the user typed becomes the amount to split.
void p_56Exit(FieldAccess &fields);
// Leaving p_57: a filled p_57 takes no more than the tax due less p_56, with
// the totals worked out afresh from the fields (not the stored totals, which
// are empty before the first computation).
void p_57Exit(FieldAccess &fields);

// The click rules of the boxes p_70_1, p_70_2, p_71_1 and p_71_2: they move
// the surplus between the refund p_61 and the carry-forward p_65 and keep the
// requests consistent. Call it after the box named changed to `checked`; the
// boxes it sets run their own rules in turn. Other names are passed over.
void refundBoxChanged(FieldAccess &fields, const QString &name, bool checked);

// Page 9 becoming current: the refund fields agree with the request.
void TabSheet9Show(FieldAccess &fields);

// The copy buttons of page 9: each first sets the refund request (through
// the boxes, so their rules run), then writes p_61 .. p_65.
struct WizardCopyButton
{
    SurplusCopyButton copy;
    bool refund; // "Tak"; false: "Nie" and no speed-up
};
const std::array<WizardCopyButton, 5> &wizardCopyButtons();
void copyWizardSurplus(FieldAccess &fields, const WizardCopyButton &button);

// The key filter of a wizard field: which characters, and from how many
// characters on only backspace passes (0: no such limit).
struct WizardKeyRule
{
    KeyFilter filter;
    int fullAt = 0;
};
std::optional<WizardKeyRule> wizardKeyRule(const QString &name);
bool wizardAcceptsKey(const WizardKeyRule &rule, qsizetype length, QChar typed);
