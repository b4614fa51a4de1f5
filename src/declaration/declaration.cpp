#include "declaration/declaration.h"

#include "declaration/positions.h"

#include <stdexcept>

namespace {

// A name that is not in the table, or a kind asked the wrong way, is a fault
// of the program, not of the user's input.
const Position &require(const QString &name, bool ok(const Position &))
{
    const Position *p = findPosition(name);
    if (!p || !ok(*p))
        throw std::logic_error("no such position of that kind: " + name.toStdString());
    return *p;
}

bool isText(const Position &p) { return p.holdsText(); }
bool isChoice(const Position &p) { return p.kind == PositionKind::Choice; }
bool isBox(const Position &p)
{
    return p.kind == PositionKind::CheckMark || p.kind == PositionKind::YesNoBox;
}

} // namespace

void applyPairRule(FieldAccess &fields, const QString &name, bool checked)
{
    const QString partner = pairPartner(name);
    if (!partner.isEmpty())
        fields.setChecked(partner, !checked);
}

TDeklaracja::TDeklaracja()
{
    for (const Position &p : positions()) {
        if (p.holdsText())
            m_texts.insert(p.name, QString());
        else if (p.kind == PositionKind::Choice)
            m_indexes.insert(p.name, 0);
        else
            m_checks.insert(p.name, p.kind == PositionKind::YesNoBox && p.name.endsWith(u'2'));
    }
}

QString TDeklaracja::text(const QString &name) const
{
    require(name, isText);
    return m_texts.value(name);
}

void TDeklaracja::setText(const QString &name, const QString &value)
{
    require(name, isText);
    m_texts[name] = value;
}

int TDeklaracja::index(const QString &name) const
{
    require(name, isChoice);
    return m_indexes.value(name);
}

void TDeklaracja::setIndex(const QString &name, int index)
{
    const Position &p = require(name, isChoice);
    // Outside the list nothing is chosen, as in a drop-down list.
    m_indexes[name] = (index >= 0 && index < p.items.size()) ? index : -1;
}

bool TDeklaracja::isChecked(const QString &name) const
{
    require(name, isBox);
    return m_checks.value(name);
}

void TDeklaracja::setChecked(const QString &name, bool checked)
{
    require(name, isBox);
    bool &box = m_checks[name];
    if (box == checked)
        return;
    box = checked;
    markChanged(name, checked);
}

void TDeklaracja::markChanged(const QString &name, bool checked)
{
    applyPairRule(*this, name, checked);
}

void copyPositions(const FieldAccess &from, FieldAccess &to)
{
    for (const Position &p : positions()) {
        if (p.holdsText())
            to.setText(p.name, from.text(p.name));
        else if (p.kind == PositionKind::Choice)
            to.setIndex(p.name, from.index(p.name));
        else
            to.setChecked(p.name, from.isChecked(p.name));
    }
}
