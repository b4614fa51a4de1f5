#include "printing/page_renderer.h"

#include "declaration/errors.h"
#include "printing/form_drawing.h"
#include "printing/page_composition.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <limits>
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

// The drawing's captions share the face of the values.
QFont captionFont(const Caption &caption)
{
    QFont font = fontFor(BoxFont::Sans11);
    font.setPointSizeF(caption.size * 72.0 / PointsPerInch);
    font.setBold(caption.bold);
    return font;
}

QColor colourOf(Ground ground)
{
    switch (ground) {
    case Ground::White: return Qt::white;
    case Ground::Paper: return QColor(0xe9, 0xec, 0xef);
    case Ground::Shade: return QColor(0xc9, 0xce, 0xd4);
    case Ground::Tint: return QColor(0xdd, 0xe1, 0xe5);
    case Ground::None: break;
    }
    return Qt::transparent;
}

// Shapes are scaled from layout points by the painter; text is placed in
// device coordinates, so that each font keeps its own size on the device.
void paintDrawing(QPainter &painter, const FormDrawing &drawing, QPointF origin, double scale)
{
    painter.save();
    painter.translate(origin * scale);
    painter.scale(scale, scale);
    for (const DrawnRect &r : drawing.rects) {
        QPen pen(Qt::black, r.pen);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(r.pen > 0 ? pen : QPen(Qt::NoPen));
        painter.setBrush(r.fill == Ground::None ? QBrush(Qt::NoBrush) : QBrush(colourOf(r.fill)));
        painter.drawRect(r.rect);
    }
    for (const DrawnLine &l : drawing.lines) {
        painter.setPen(QPen(Qt::black, l.pen));
        painter.drawLine(l.from, l.to);
    }
    painter.restore();

    painter.save();
    painter.setPen(Qt::black);
    for (const Caption &caption : drawing.captions) {
        painter.setFont(captionFont(caption));
        const QFontMetricsF metrics(painter.font(), painter.device());
        for (const CaptionLine &line : captionLines(caption, painter.device()))
            painter.drawText(QPointF((origin.x() + line.rect.left()) * scale,
                                     (origin.y() + line.rect.top()) * scale + metrics.ascent()),
                             line.text);
    }
    painter.restore();
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

std::vector<CaptionLine> captionLines(const Caption &caption, QPaintDevice *device)
{
    const double scale = device->logicalDpiX() / PointsPerInch;
    const QFontMetricsF metrics(captionFont(caption), device);
    const double ascent = metrics.ascent() / scale;
    const double height = ascent + metrics.descent() / scale;
    const double step = caption.size * 1.15;

    QStringList texts;
    for (const QString &paragraph : caption.text.split(u'\n'))
        texts += boxLines(paragraph, metrics, caption.area.width() * scale, std::numeric_limits<int>::max());
    const double block = texts.isEmpty() ? 0 : (texts.size() - 1) * step + height;
    const double top = caption.middle ? caption.area.top() + (caption.area.height() - block) / 2
                                      : caption.area.top();
    std::vector<CaptionLine> lines;
    for (const QString &text : texts) {
        const double width = metrics.horizontalAdvance(text) / scale;
        double left = caption.area.left();
        if (caption.align == CaptionAlign::Right)
            left = caption.area.right() - width;
        else if (caption.align == CaptionAlign::Centre)
            left += (caption.area.width() - width) / 2;
        lines.push_back({text, QRectF(left, top + lines.size() * step, width, height)});
    }
    return lines;
}

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
    if (art.visible && art.drawing)
        paintDrawing(painter, *art.drawing, band + QPointF(art.at.left, art.at.top), scale);

    painter.setPen(Qt::black);
    for (const TextBox &box : page.boxes())
        if (box.anchor == Anchor::Band)
            paintBox(painter, box, band, scale);
    for (const TextBox &box : page.boxes())
        if (box.anchor == Anchor::Page)
            paintBox(painter, box, QPointF(0, 0), scale);
    painter.restore();
}

