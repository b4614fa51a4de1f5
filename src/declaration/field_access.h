#pragma once

#include <QString>

// The one way to reach a position: by its name ("p_25", "p_70_1"). The
// in-memory record, the main window and the wizard all offer their fields
// through it, so the calculation, the checks, the files and the printed
// pages run unchanged on any of them.
//
// Text positions (text, period, amount, date, editable list) use text();
// choices use index(), where -1 means no entry is chosen; check marks use
// isChecked(). Setting a box of a Tak/Nie pair runs the pair rule, so one
// box of the pair stays checked whichever side sets it.
class FieldAccess
{
public:
    virtual ~FieldAccess() = default;

    virtual QString text(const QString &name) const = 0;
    virtual void setText(const QString &name, const QString &value) = 0;

    virtual int index(const QString &name) const = 0;
    virtual void setIndex(const QString &name, int index) = 0;

    virtual bool isChecked(const QString &name) const = 0;
    virtual void setChecked(const QString &name, bool checked) = 0;
};

// The pair rule of positions 70 and 71: when a box changes, its partner takes
// the opposite state. The partner's own change then finds nothing left to do.
// Call it after the box named has changed to `checked`.
void applyPairRule(FieldAccess &fields, const QString &name, bool checked);
