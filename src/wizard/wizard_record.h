#pragma once

#include "declaration/declaration.h"

#include <QStringList>

// The names the wizard holds beyond the positions: its eight questions
// (check marks) and the cash-register amount as typed.
inline const QStringList WizardQuestionNames = {
    QStringLiteral("CB1"), QStringLiteral("CB2"), QStringLiteral("CB3"), QStringLiteral("CB4"),
    QStringLiteral("CB5"), QStringLiteral("CB6"), QStringLiteral("CB7"), QStringLiteral("CB8"),
};
inline const QString CashRegistersTyped = QStringLiteral("p_56_temp");

// The wizard's declaration without a window: every position, the questions
// and p_56_temp. Its Tak/Nie boxes run the wizard's click rules instead of
// the plain pair rule, and its purpose p_7 is a pair of radio buttons (0 for
// "Nowa deklaracja", anything else chooses "Korekta"). Used by the tests and
// as the model of the wizard's window.
class WizardDeclaration : public TDeklaracja
{
public:
    WizardDeclaration();

    QString text(const QString &name) const override;
    void setText(const QString &name, const QString &value) override;
    void setIndex(const QString &name, int index) override;
    bool isChecked(const QString &name) const override;
    void setChecked(const QString &name, bool checked) override;

protected:
    void markChanged(const QString &name, bool checked) override;

private:
    QString m_cashRegistersTyped;
    QHash<QString, bool> m_questions;
};
