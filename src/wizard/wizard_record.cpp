#include "wizard/wizard_record.h"

#include "wizard/wizard_rules.h"

using namespace Qt::Literals::StringLiterals;

WizardDeclaration::WizardDeclaration()
{
    for (const QString &q : WizardQuestionNames)
        m_questions.insert(q, false);
}

QString WizardDeclaration::text(const QString &name) const
{
    return name == CashRegistersTyped ? m_cashRegistersTyped : TDeklaracja::text(name);
}

void WizardDeclaration::setText(const QString &name, const QString &value)
{
    if (name == CashRegistersTyped)
        m_cashRegistersTyped = value;
    else
        TDeklaracja::setText(name, value);
}

void WizardDeclaration::setIndex(const QString &name, int index)
{
    // The purpose is two radio buttons: one of them is always chosen.
    TDeklaracja::setIndex(name, name == u"p_7"_s ? (index != 0 ? 1 : 0) : index);
}

bool WizardDeclaration::isChecked(const QString &name) const
{
    if (const auto q = m_questions.constFind(name); q != m_questions.cend())
        return *q;
    return TDeklaracja::isChecked(name);
}

void WizardDeclaration::setChecked(const QString &name, bool checked)
{
    if (const auto q = m_questions.find(name); q != m_questions.end())
        *q = checked;
    else
        TDeklaracja::setChecked(name, checked);
}

void WizardDeclaration::markChanged(const QString &name, bool checked)
{
    refundBoxChanged(*this, name, checked);
}
