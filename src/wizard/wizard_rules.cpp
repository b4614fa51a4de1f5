#include "wizard/wizard_rules.h"

#include "declaration/amount.h"
#include "declaration/calculation.h"
#include "declaration/field_access.h"
#include "wizard/wizard_record.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString textOf(const FieldAccess &f, int n) { return f.text(positionName(n)); }
void set(FieldAccess &f, int n, const QString &value) { f.setText(positionName(n), value); }
void empty(FieldAccess &f, std::initializer_list<int> numbers)
{
    for (int n : numbers)
        set(f, n, QString());
}

double numberOfText(const QString &text)
{
    return text.isEmpty() ? 0.0 : double(parseAmount(text));
}

// The surplus goes to the refund, or is carried forward.
void refundToAccount(FieldAccess &f)
{
    empty(f, {62, 63, 64, 65});
    set(f, 61, textOf(f, 60));
}

void carryForward(FieldAccess &f)
{
    set(f, 65, textOf(f, 60));
    empty(f, {64, 63, 62, 61});
}

bool refundFieldsEmpty(const FieldAccess &f)
{
    for (int n = 61; n <= 65; ++n)
        if (!textOf(f, n).isEmpty())
            return false;
    return true;
}

} // namespace

void PoliczKreator(FieldAccess &fields)
{
    writeTotals(fields);
    splitCashRegisters(fields);
    writeTaxToPay(fields);
    writeSurplus(fields);
    splitRefund(fields);
}

void splitCashRegisters(FieldAccess &f)
{
    // The split is made from the amount as typed, not from p_56 as an earlier
    // computation left it, so that computing again (Next on page 8 after the
    // way to it) gives the same split instead of dropping the refunded part.
    const QString typed = f.text(CashRegistersTyped);
    if (typed.isEmpty())
        return;
    const double a = sumOf(f, {46}, {55});
    const double spent = numberOfText(typed);
    if (a <= 0) {
        set(f, 56, QString());
        set(f, 59, typed);
    } else if (spent > a) {
        writeTotal(f, 56, a);
        writeTotal(f, 59, spent - a);
    } else {
        set(f, 56, typed);
        set(f, 59, QString());
    }
}

void p_56Exit(FieldAccess &f)
{
    f.setText(CashRegistersTyped, textOf(f, 56));
}

void p_57Exit(FieldAccess &f)
{
    if (textOf(f, 57).isEmpty())
        return;
    const double a = outputTaxTotal(f) - inputTaxTotal(f) - amountOf(f, 56);
    if (a <= 0)
        set(f, 57, QString());
    else if (amountOf(f, 57) > a)
        writeLimit(f, 57, a);
}

void refundBoxChanged(FieldAccess &f, const QString &name, bool checked)
{
    if (name == u"p_70_1"_s) {
        if (checked) {
            refundToAccount(f);
            f.setChecked(u"p_70_2"_s, false);
        } else {
            carryForward(f);
            f.setChecked(u"p_70_2"_s, true);
        }
    } else if (name == u"p_70_2"_s) {
        if (checked) {
            carryForward(f);
            f.setChecked(u"p_70_1"_s, false);
            f.setChecked(u"p_71_1"_s, false);
            f.setChecked(u"p_71_2"_s, true);
        } else {
            refundToAccount(f);
            f.setChecked(u"p_70_1"_s, true);
        }
    } else if (name == u"p_71_1"_s) {
        if (checked) {
            // Speeding up a refund asks for one.
            f.setChecked(u"p_70_2"_s, false);
            f.setChecked(u"p_70_1"_s, true);
            f.setChecked(u"p_71_2"_s, false);
        } else {
            f.setChecked(u"p_71_2"_s, true);
        }
    } else if (name == u"p_71_2"_s) {
        f.setChecked(u"p_71_1"_s, !checked);
    }
}

void TabSheet9Show(FieldAccess &f)
{
    if (f.isChecked(u"p_70_1"_s))
        empty(f, {61, 62, 63, 64});
    if (f.isChecked(u"p_70_2"_s) && refundFieldsEmpty(f))
        set(f, 65, textOf(f, 60));
    if (f.isChecked(u"p_70_1"_s) && refundFieldsEmpty(f))
        set(f, 61, textOf(f, 60));
}

const std::array<WizardCopyButton, 5> &wizardCopyButtons()
{
    // BitBtn7 stands beside p_61 hidden, so it cannot be clicked.
    static const std::array<WizardCopyButton, 5> buttons{{
        {{u"BitBtn7"_s, 61, {true, false, false, false, false}, false}, true},
        {{u"BitBtn12"_s, 62, {true, true, false, false, false}, true}, true},
        {{u"BitBtn2"_s, 63, {true, false, true, false, false}, true}, true},
        {{u"BitBtn8"_s, 64, {true, false, false, true, false}, true}, true},
        {{u"BitBtn9"_s, 65, {false, false, false, false, true}, true}, false},
    }};
    return buttons;
}

void copyWizardSurplus(FieldAccess &f, const WizardCopyButton &button)
{
    if (button.refund) {
        f.setChecked(u"p_70_1"_s, true);
        f.setChecked(u"p_70_2"_s, false);
    } else {
        f.setChecked(u"p_70_2"_s, true);
        f.setChecked(u"p_70_1"_s, false);
        f.setChecked(u"p_71_1"_s, false);
        f.setChecked(u"p_71_2"_s, true);
    }
    copySurplus(f, button.copy);
}

std::optional<WizardKeyRule> wizardKeyRule(const QString &name)
{
    if (name == u"p_4"_s)
        return WizardKeyRule{KeyFilter::Digits, 2};
    if (name == u"p_5"_s)
        return WizardKeyRule{KeyFilter::Digits, 4};
    if (name == u"p_76"_s)
        return WizardKeyRule{KeyFilter::DateChars, 10};
    const Position *p = findPosition(name);
    if (!p)
        return std::nullopt;
    const int n = p->number;
    // p_48, p_56 and p_57 take any key, as do the texts of page 2 but p_18.
    const bool amountKeys = n == 18 || (n >= 20 && n <= 44) || n == 47 || (n >= 49 && n <= 54)
                            || (n >= 61 && n <= 65);
    if (amountKeys)
        return WizardKeyRule{KeyFilter::AmountChars, 0};
    return std::nullopt;
}

bool wizardAcceptsKey(const WizardKeyRule &rule, qsizetype length, QChar typed)
{
    if (typed == u'\b')
        return true;
    if (rule.fullAt > 0 && length >= rule.fullAt)
        return false;
    return acceptsKey(rule.filter, typed);
}
