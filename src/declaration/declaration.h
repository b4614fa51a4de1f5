#pragma once

#include "declaration/field_access.h"

#include <QHash>

// The in-memory declaration: every position of the table with the defaults of
// a new main window (texts empty, p_7 and p_8 at their first entry, the "Nie"
// box of both pairs checked). Used by lorqa-cli and the tests. Setting a box
// to the mark it has runs no rule.
class TDeklaracja : public FieldAccess
{
public:
    TDeklaracja();

    QString text(const QString &name) const override;
    void setText(const QString &name, const QString &value) override;
    int index(const QString &name) const override;
    void setIndex(const QString &name, int index) override;
    bool isChecked(const QString &name) const override;
    void setChecked(const QString &name, bool checked) override;

protected:
    // Runs when a box's mark has changed; the pair rule by default. A record
    // with other rules (the wizard's) brings its own.
    virtual void markChanged(const QString &name, bool checked);

private:
    QHash<QString, QString> m_texts;
    QHash<QString, int> m_indexes;
    QHash<QString, bool> m_checks;
};
