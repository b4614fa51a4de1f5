#include "printing/form_drawing_builder.h"

#include "printing/page_composition.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QRectF edges(double x0, double y0, double x1, double y1)
{
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

// The printed "x" of a mark is half an em of Arial 11 pt wide and starts at
// its box's left edge.
constexpr double MarkWidth = 11.0 * 96.0 / 72.0 / 2.0;

} // namespace

FormDrawingBuilder::FormDrawingBuilder(const PageComposition &page) : m_page(page)
{
}

QRectF FormDrawingBuilder::box(const QString &name) const
{
    const TextBox *b = m_page.box(name);
    if (!b)
        return {};
    const Artwork &art = m_page.artwork();
    // The artwork lies on the band; a box placed from the paper's corner is
    // moved onto the band's coordinates.
    QPointF at(b->at.left - art.at.left, b->at.top - art.at.top);
    if (b->anchor == Anchor::Page)
        at -= m_page.bandOrigin();
    return QRectF(at, QSizeF(b->width, b->height));
}

void FormDrawingBuilder::rect(double x0, double y0, double x1, double y1, Ground fill, double pen,
                              const QString &id)
{
    m_drawing.rects.push_back({edges(x0, y0, x1, y1), fill, pen, id});
}

void FormDrawingBuilder::line(double x0, double y0, double x1, double y1, double pen)
{
    m_drawing.lines.push_back({QPointF(x0, y0), QPointF(x1, y1), pen});
}

void FormDrawingBuilder::text(const QRectF &area, const QString &text, double size, bool bold,
                              CaptionAlign align, bool middle)
{
    m_drawing.captions.push_back({area, text, size, bold, align, middle});
}

void FormDrawingBuilder::heading(double y0, double y1, const QString &title, bool sub)
{
    rect(Frame, y0, Right, y1, sub ? Ground::Tint : Ground::Shade);
    text(edges(Frame + 4, y0, Right - 2, y1), title, sub ? 9.0 : 9.5, true, CaptionAlign::Left, true);
}

void FormDrawingBuilder::field(const QString &boxName, double x0, double y0, double x1, double y1,
                               const QString &caption, Ground fill, double captionWidth)
{
    rect(x0, y0, x1, y1, fill, 0.6, boxName.isEmpty() ? QString() : u"field_"_s + boxName);
    if (!caption.isEmpty()) {
        const double width = captionWidth > 0 ? captionWidth : x1 - x0 - 5;
        text(QRectF(x0 + 2.5, y0 + 0.5, width, y1 - y0 - 1), caption);
    }
}

void FormDrawingBuilder::tick(const QString &boxName, const QString &label, double labelWidth,
                              const QString &number)
{
    const QRectF b = box(boxName);
    const QPointF centre(b.left() + MarkWidth / 2, b.center().y());
    const double x0 = centre.x() - 10, x1 = centre.x() + 10;
    rect(x0, centre.y() - 10, x1, centre.y() + 10, Ground::White, 0.9, u"field_"_s + boxName);
    if (!label.isEmpty())
        text(QRectF(x1 + 4, centre.y() - 6, labelWidth, 12), label, 8.5, false, CaptionAlign::Left, true);
    if (!number.isEmpty())
        text(QRectF(x0 - 33, centre.y() - 6, 30, 12), number, 8.5, false, CaptionAlign::Right, true);
}

void FormDrawingBuilder::cells(const QString &boxName, const std::vector<double> &glyphsAt, double y0,
                               double y1)
{
    int n = 0;
    for (double x : glyphsAt)
        rect(x - MonoPitch / 2, y0, x + 1.5 * MonoPitch, y1, Ground::White, 0.6,
             u"cell_%1_%2"_s.arg(boxName).arg(n++));
}

std::vector<double> FormDrawingBuilder::spacedFromLeft(const QString &boxName, int count) const
{
    std::vector<double> at;
    for (int i = 0; i < count; ++i)
        at.push_back(box(boxName).left() + 2 * i * MonoPitch);
    return at;
}

void FormDrawingBuilder::amountRow(double y0, double y1, int base, int tax, const QString &caption,
                                   double captionRight)
{
    rect(Left, y0, captionRight, y1, Ground::Paper);
    text(edges(Left + 3, y0 + 1, captionRight - 3, y1 - 1), caption, CaptionSize, false,
         CaptionAlign::Left, true);
    const std::pair<int, std::pair<double, double>> columns[] = {{base, {Column1, Column2}},
                                                                  {tax, {Column2, Right}}};
    for (const auto &[n, span] : columns) {
        if (n < 0)
            continue;
        if (n == 0)
            rect(span.first, y0, span.second, y1, Ground::Shade);
        else
            field(u"p_%1"_s.arg(n), span.first, y0, span.second, y1, u"%1."_s.arg(n));
    }
}

void FormDrawingBuilder::labelled(double x0, double y0, double x1, double labelWidth,
                                  const QString &label, const QString &body, int lines, double size)
{
    const double height = lines * size * 1.15;
    text(QRectF(x0, y0, labelWidth, size * 1.15), label, size, true);
    text(edges(x0 + labelWidth, y0, x1, y0 + height), body, size);
}

void FormDrawingBuilder::footer(int page, double baseline)
{
    text(edges(Right - 200, baseline - 10, Right, baseline + 3), u"LorqaK(6)"_s, 10, true,
         CaptionAlign::Right);
    text(edges(Right - 120, baseline - 9, Right - 60, baseline + 3), u"%1/2"_s.arg(page), 8.5, false,
         CaptionAlign::Right);
}

std::shared_ptr<const FormDrawing> FormDrawingBuilder::finish()
{
    return std::make_shared<const FormDrawing>(std::move(m_drawing));
}
