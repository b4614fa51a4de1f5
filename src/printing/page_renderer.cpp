#include "printing/page_renderer.h"

#include "declaration/errors.h"
#include "printing/page_composition.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextLayout>

#include <memory>

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

// One line of a box, laid out at the box's width with its alignment.
struct BoxLine
{
    std::unique_ptr<QTextLayout> layout;
    QTextLine line;
};

BoxLine layoutLine(const QString &text, const QFont &font, QPaintDevice *device, BoxAlign align,
                   double width)
{
    BoxLine result{std::make_unique<QTextLayout>(text, font, device), {}};
    QTextOption option(align == BoxAlign::Right ? Qt::AlignRight : Qt::AlignLeft);
    option.setWrapMode(QTextOption::NoWrap);
    result.layout->setTextOption(option);
    result.layout->beginLayout();
    result.line = result.layout->createLine();
    if (result.line.isValid()) {
        result.line.setLineWidth(width);
        result.line.setPosition(QPointF(0, 0));
    }
    result.layout->endLayout();
    return result;
}

// Fixed box, word wrap at spaces, and only the lines that fit wholly within
// the box's height are printed.
void paintBox(QPainter &painter, const TextBox &box, QPointF origin, double scale)
{
    if (box.text.isEmpty())
        return;
    const QFont font = fontFor(box.font);
    const double width = box.width * scale;
    const double height = box.height * scale;
    const QFontMetricsF metrics(font, painter.device());
    // No line can be taller than the font's own line, so no more lines than
    // this can fit; a long text is not broken further than needed.
    const int maxLines = qMax(1, int(height / qMax(1.0, metrics.ascent() + metrics.descent())) + 1);

    const QPointF topLeft((origin.x() + box.at.left) * scale, (origin.y() + box.at.top) * scale);
    double y = 0;
    for (const QString &text : boxLines(box.text, metrics, width, maxLines)) {
        const BoxLine line = layoutLine(text, font, painter.device(), box.align, width);
        if (!line.line.isValid() || y + line.line.height() > height + 0.01)
            break;
        line.line.draw(&painter, topLeft + QPointF(0, y));
        y += line.line.height();
    }
}

} // namespace

QStringList boxLines(const QString &text, const QFontMetricsF &metrics, double width, int maxLines)
{
    const auto fits = [&](qsizetype from, qsizetype to) {
        return metrics.horizontalAdvance(text.mid(from, to - from)) <= width;
    };
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size() && lines.size() < maxLines) {
        // The longest run up to a space (or the end) that fits the width.
        qsizetype end = -1;
        for (qsizetype space = text.indexOf(u' ', start + 1);; space = text.indexOf(u' ', space + 1)) {
            // A run of spaces breaks at its first space.
            if (space > 0 && text.at(space - 1) == u' ')
                continue;
            const qsizetype candidate = space < 0 ? text.size() : space;
            if (!fits(start, candidate))
                break;
            end = candidate;
            if (space < 0)
                break;
        }
        if (end < 0) {
            // A word wider than the box: as many of its characters as fit,
            // at least one.
            qsizetype low = start + 1;
            qsizetype high = text.indexOf(u' ', start + 1);
            if (high < 0)
                high = text.size();
            while (low < high) {
                const qsizetype mid = (low + high + 1) / 2;
                if (fits(start, mid))
                    low = mid;
                else
                    high = mid - 1;
            }
            end = low;
        }
        lines.append(text.mid(start, end - start));
        start = end;
        while (start < text.size() && text.at(start) == u' ')
            ++start;
    }
    return lines;
}

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
            throw LorqaError(u"Nie można odczytać rysunku formularza."_s);
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

