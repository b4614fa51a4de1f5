#pragma once

#include "declaration/field_access.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <functional>

class QWidget;

// The fields of a window offered as a FieldAccess: each control is found by
// its object name below the root widget, once, and kept. A line edit or an
// editable list holds a text, a fixed list a chosen index, a check box a mark.
//
// A window attaches its own rules by name: a rule that runs whenever a box's
// mark changes (by the user or by the program, never when it is set to the
// mark it has), and a choice that is held by other controls (the wizard's
// purpose is a pair of radio buttons).
class WidgetFields : public FieldAccess
{
public:
    // Names outside the table of positions are reachable only when listed in
    // `extraNames` (the wizard's questions and hidden fields).
    explicit WidgetFields(QWidget *root, QStringList extraNames = {});

    QString text(const QString &name) const override;
    void setText(const QString &name, const QString &value) override;
    int index(const QString &name) const override;
    void setIndex(const QString &name, int index) override;
    bool isChecked(const QString &name) const override;
    void setChecked(const QString &name, bool checked) override;

    // The control of that name; throws std::logic_error when there is none.
    QWidget *control(const QString &name) const;

    // Runs `rule` with the new mark each time the box's mark changes.
    void onMarkChanged(const QString &name, std::function<void(bool checked)> rule);

    // The choice `name` is read and set through these instead of a list.
    void mapChoice(const QString &name, std::function<int()> get, std::function<void(int)> set);

private:
    struct Choice
    {
        std::function<int()> get;
        std::function<void(int)> set;
    };

    QPointer<QWidget> m_root;
    QSet<QString> m_extraNames;
    mutable QHash<QString, QWidget *> m_controls;
    QHash<QString, Choice> m_choices;
};
