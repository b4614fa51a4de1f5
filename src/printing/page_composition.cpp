#include "printing/page_composition.h"

#include "declaration/field_access.h"
#include "declaration/positions.h"
#include "files/print_settings.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

// Positions are whole points in an int; settings far out of range must not
// wrap around, so the sums are taken wide and kept within int.
int clampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(value, lo, hi));
}

int shifted(int position, qint64 shift)
{
    return clampToInt(static_cast<double>(position) + static_cast<double>(shift));
}

} // namespace

PageComposition::PageComposition(int pageNumber, QMarginsF marginsMm, Artwork artwork,
                                 std::vector<TextBox> boxes)
    : m_pageNumber(pageNumber)
    , m_marginsMm(marginsMm)
    , QRImageFormularz(std::move(artwork))
    , m_boxes(std::move(boxes))
{
}

QPointF PageComposition::bandOrigin() const
{
    return {m_marginsMm.left() / MmPerPoint, m_marginsMm.top() / MmPerPoint};
}

TextBox *PageComposition::box(const QString &name)
{
    auto it = std::find_if(m_boxes.begin(), m_boxes.end(),
                           [&](const TextBox &b) { return b.name == name; });
    return it == m_boxes.end() ? nullptr : &*it;
}

const TextBox *PageComposition::box(const QString &name) const
{
    return const_cast<PageComposition *>(this)->box(name);
}

void PageComposition::setText(const QString &boxName, const QString &text)
{
    if (TextBox *b = box(boxName))
        b->text = text;
}

void PageComposition::fillFromPositions(const FieldAccess &fields, const QString &except)
{
    for (const Position &p : positions()) {
        if (p.name == except)
            continue;
        switch (p.kind) {
        case PositionKind::Choice: {
            const bool first = fields.index(p.name) == 0;
            setText(p.name + u"_1"_s, first ? u"x"_s : QString());
            setText(p.name + u"_2"_s, first ? QString() : u"x"_s);
            break;
        }
        case PositionKind::CheckMark:
        case PositionKind::YesNoBox:
            setText(p.name, fields.isChecked(p.name) ? u"x"_s : QString());
            break;
        default:
            setText(p.name, fields.text(p.name));
            break;
        }
    }
}

std::vector<Placement *> PageComposition::elements()
{
    std::vector<Placement *> all{&m_reportPage, &m_band, &QRImageFormularz.at};
    for (TextBox &b : m_boxes)
        all.push_back(&b.at);
    return all;
}

std::vector<Placement> PageComposition::placements() const
{
    std::vector<Placement> all;
    for (Placement *p : const_cast<PageComposition *>(this)->elements())
        all.push_back(*p);
    return all;
}

void PageComposition::ZastosujOpcjeWydruku(const PrintSettings &settings)
{
    if (!settings.onForm)
        return;
    // A second shift on top of the first would leave the queue with two sets
    // and the restore with the wrong one; start again from the design layout.
    PrzywrocPolozenia();

    QRImageFormularz.visible = false;
    // The scale is held in single precision, as the form's settings always were.
    // A factor beyond the range of single precision would not convert.
    constexpr double floatMax = std::numeric_limits<float>::max();
    const double factor = static_cast<float>(std::clamp(settings.scaleY, -floatMax, floatMax));
    for (Placement *p : elements()) {
        KolejkaPolozen.enqueue(p->left);
        p->left = shifted(p->left, settings.shiftX);
        KolejkaPolozen.enqueue(p->top);
        const int scaled = clampToInt(std::trunc(p->top * factor));
        p->top = shifted(scaled, settings.shiftY);
    }
}

void PageComposition::PrzywrocPolozenia()
{
    if (KolejkaPolozen.isEmpty())
        return;
    for (Placement *p : elements()) {
        if (KolejkaPolozen.size() < 2)
            break;
        p->left = KolejkaPolozen.dequeue();
        p->top = KolejkaPolozen.dequeue();
    }
    KolejkaPolozen.clear();
    QRImageFormularz.visible = true;
}
