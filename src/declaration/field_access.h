#pragma once

#include <QString>

// The one way to reach a position: by its name ("p_25", "p_70_1"). The
// in-memory record, the main window and the wizard all offer their fields
// through it, so the calculation, the checks, the files and the printed
// pages run unchanged on any of them.
//
// Text positions (text, period, amount, date, editable list) use text();
// choices use index(), where -1 means no entry is chosen; check marks use
// isChecked(). Setting a box runs the rule its side attached to it: the
// Tak/Nie pair rule keeps one box of a pair checked whichever side sets it.
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

// Copies every position of the table, texts, choices and check marks, in the
// table's order, from one side to the other: the wizard's hand-over to the
// main window, a record into a window. Every position is overwritten, empty
// texts included.
void copyPositions(const FieldAccess &from, FieldAccess &to);
