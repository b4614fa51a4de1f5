#include "windows/widget_fields.h"

#include "declaration/positions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <stdexcept>

namespace {

[[noreturn]] void noSuchControl(const QString &name)
{
    // A name outside the table, or a kind asked the wrong way, is a fault of
    // the program, not of the user's input.
    throw std::logic_error("no such control of that kind: " + name.toStdString());
}

QComboBox *fixedList(QWidget *w)
{
    auto *box = qobject_cast<QComboBox *>(w);
    return box && !box->isEditable() ? box : nullptr;
}

} // namespace

WidgetFields::WidgetFields(QWidget *root, QStringList extraNames)
    : m_root(root)
    , m_extraNames(extraNames.begin(), extraNames.end())
{
}

QWidget *WidgetFields::control(const QString &name) const
{
    if (QWidget *cached = m_controls.value(name))
        return cached;
    if (!findPosition(name) && !m_extraNames.contains(name))
        noSuchControl(name);
    QWidget *w = m_root ? m_root->findChild<QWidget *>(name) : nullptr;
    if (!w)
        noSuchControl(name);
    m_controls.insert(name, w);
    return w;
}

QString WidgetFields::text(const QString &name) const
{
    QWidget *w = control(name);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *box = qobject_cast<QComboBox *>(w); box && box->isEditable())
        return box->currentText();
    noSuchControl(name);
}

void WidgetFields::setText(const QString &name, const QString &value)
{
    QWidget *w = control(name);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(value);
    else if (auto *box = qobject_cast<QComboBox *>(w); box && box->isEditable())
        box->setEditText(value);
    else
        noSuchControl(name);
}

int WidgetFields::index(const QString &name) const
{
    if (const auto c = m_choices.constFind(name); c != m_choices.cend())
        return c->get();
    QComboBox *box = fixedList(control(name));
    if (!box)
        noSuchControl(name);
    return box->currentIndex();
}

void WidgetFields::setIndex(const QString &name, int index)
{
    if (const auto c = m_choices.constFind(name); c != m_choices.cend()) {
        c->set(index);
        return;
    }
    QComboBox *box = fixedList(control(name));
    if (!box)
        noSuchControl(name);
    // Outside the list nothing is chosen.
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

bool WidgetFields::isChecked(const QString &name) const
{
    auto *box = qobject_cast<QCheckBox *>(control(name));
    if (!box)
        noSuchControl(name);
    return box->isChecked();
}

void WidgetFields::setChecked(const QString &name, bool checked)
{
    auto *box = qobject_cast<QCheckBox *>(control(name));
    if (!box)
        noSuchControl(name);
    box->setChecked(checked); // the box's rule runs through toggled
}

void WidgetFields::onMarkChanged(const QString &name, std::function<void(bool)> rule)
{
    auto *box = qobject_cast<QCheckBox *>(control(name));
    if (!box)
        noSuchControl(name);
    QObject::connect(box, &QCheckBox::toggled, box, std::move(rule));
}

void WidgetFields::mapChoice(const QString &name, std::function<int()> get, std::function<void(int)> set)
{
    m_choices.insert(name, Choice{std::move(get), std::move(set)});
}
