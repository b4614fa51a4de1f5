#pragma once

#include "printing/form_drawing.h"

class PageComposition;

// The pieces both pages of the form are drawn from. Coordinates are layout
// points from the artwork's corner, given as the edges x0, y0, x1, y1.
class FormDrawingBuilder
{
public:
    static constexpr double Left = 30.0;    // the fields' left edge
    static constexpr double Right = 716.0;  // and right edge
    static constexpr double Frame = 6.0;    // the headings' left edge
    // The columns of amounts. A right-aligned amount ends 8 points inside its
    // field's right edge in either column, and a field's number at its top
    // left stays clear of the box.
    static constexpr double Column1 = 344.0;
    static constexpr double Column2 = 526.0;
    static constexpr double CaptionSize = 7.5;

    explicit FormDrawingBuilder(const PageComposition &page);

    // A box of the page in the drawing's coordinates.
    QRectF box(const QString &name) const;

    void rect(double x0, double y0, double x1, double y1, Ground fill, double pen = 0.6,
              const QString &id = {});
    void line(double x0, double y0, double x1, double y1, double pen = 0.6);
    void text(const QRectF &area, const QString &text, double size = CaptionSize, bool bold = false,
              CaptionAlign align = CaptionAlign::Left, bool middle = false);

    // A band across the page with its title.
    void heading(double y0, double y1, const QString &title, bool sub = false);
    // A field with its caption at the top left; `boxName` is the box it holds,
    // or empty. A caption narrower than the field gives its width.
    void field(const QString &boxName, double x0, double y0, double x1, double y1,
               const QString &caption, Ground fill = Ground::White, double captionWidth = 0);
    // The square of a mark, centred on the printed "x", with a label to its
    // right (at most labelWidth wide) and a number to its left.
    void tick(const QString &boxName, const QString &label = {}, double labelWidth = 150,
              const QString &number = {});
    // One character cell at each of the given glyph positions.
    void cells(const QString &boxName, const std::vector<double> &glyphsAt, double y0, double y1);
    // Where the characters of a left-aligned spaced box print.
    std::vector<double> spacedFromLeft(const QString &boxName, int count) const;
    // A row of amounts: the caption on the left up to captionRight, then
    // position `base` in the first column and `tax` in the second; 0 shades
    // the column, -1 leaves it out.
    void amountRow(double y0, double y1, int base, int tax, const QString &caption,
                   double captionRight = Column1);
    // Labelled lines of a fixed block: a bold label, then its text.
    void labelled(double x0, double y0, double x1, double labelWidth, const QString &label,
                  const QString &text, int lines, double size);
    void footer(int page, double baseline);

    std::shared_ptr<const FormDrawing> finish();

private:
    const PageComposition &m_page;
    FormDrawing m_drawing;
};

// The advance of Liberation Mono at 12 pt (Courier New's), in layout points:
// 1229 of 2048 units to the em, 16 points to the em.
inline constexpr double MonoPitch = 16.0 * 1229.0 / 2048.0;
