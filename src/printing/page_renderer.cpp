#include "printing/page_renderer.h"

#include "printing/page_composition.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextLayout>

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace {

QFont fontFor(BoxFont face)
{
    // Liberation Sans and Liberation Mono have the advance widths of Arial
    // and Courier New, so the spaced values meet the form's cells.
    QFont font(face == BoxFont::Mono12 ? u"Liberation Mono"_s : u"Liberation Sans"_s);
    font.setStyleHint(face == BoxFont::Mono12 ? QFont::TypeWriter : QFont::SansSerif);
    font.setPointSizeF(face == BoxFont::Mono12 ? 12.0 : 11.0);
    // Hinted advances are rounded to whole device pixels; at screen
    // resolution that would drift the spaced values off their cells.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Fixed box, word wrap, and only the lines that fit wholly within the box's
// height are printed. A word wider than the box is broken where it meets the
// edge, so no text ever leaves its box.
void paintBox(QPainter &painter, const TextBox &box, QPointF origin, double scale)
{
    if (box.text.isEmpty())
        return;
    QTextLayout layout(box.text, fontFor(box.font), painter.device());
    QTextOption option(box.align == BoxAlign::Right ? Qt::AlignRight : Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);

    const double width = box.width * scale;
    const double height = box.height * scale;
    double y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();

    const QPointF topLeft((origin.x() + box.at.left) * scale, (origin.y() + box.at.top) * scale);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (line.y() + line.height() > height + 0.01)
            break;
        line.draw(&painter, topLeft);
    }
}

} // namespace

void setPageLayoutFor(QPagedPaintDevice &device, const PageComposition &page)
{
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, page.marginsMm(),
                       QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(layout);
}

void paintPage(QPainter &painter, const PageComposition &page)
{
    const double scale = painter.device()->logicalDpiX() / PointsPerInch;
    const QPointF band = page.bandOrigin();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const Artwork &art = page.artwork();
    if (art.visible) {
        QSvgRenderer svg(art.resource);
        if (!svg.isValid())
            throw std::runtime_error("nie można odczytać rysunku formularza");
        svg.render(&painter, QRectF((band.x() + art.at.left) * scale, (band.y() + art.at.top) * scale,
                                    art.width * scale, art.height * scale));
    }

    painter.setPen(Qt::black);
    for (const TextBox &box : page.boxes())
        if (box.anchor == Anchor::Band)
            paintBox(painter, box, band, scale);
    for (const TextBox &box : page.boxes())
        if (box.anchor == Anchor::Page)
            paintBox(painter, box, QPointF(0, 0), scale);
    painter.restore();
}

void printPages(QPagedPaintDevice &device, const std::vector<PageComposition *> &pages,
                const FieldAccess &fields)
{
    if (pages.empty())
        return;
    setPageLayoutFor(device, *pages.front());
    QPainter painter;
    bool first = true;
    for (PageComposition *page : pages) {
        page->beforePrint(fields);
        if (first) {
            if (!painter.begin(&device))
                throw std::runtime_error("nie można zapisać wydruku");
            first = false;
        } else {
            setPageLayoutFor(device, *page);
            device.newPage();
        }
        paintPage(painter, *page);
    }
    painter.end();
}
