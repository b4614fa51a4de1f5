#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class PageComposition;

// Our drawing of a page of the paper form, as data the renderer paints
// beneath the boxes: frames and fills, lines, and captions as real text.
// Every coordinate is in layout points from the artwork's own corner.

enum class Ground {
    None,
    White,  // a field the taxpayer fills
    Paper,  // the form's ground
    Shade,  // headings and fields the taxpayer does not fill
    Tint,   // sub-headings and column heads
};

struct DrawnRect
{
    QRectF rect;
    Ground fill = Ground::None;
    double pen = 0.6;  // 0: no frame
    QString id;        // "field_<box>" for the field of a box, "cell_<box>_<n>" for a character cell
};

struct DrawnLine
{
    QPointF from;
    QPointF to;
    double pen = 0.6;
};

enum class CaptionAlign { Left, Centre, Right };

// A caption is wrapped at spaces to its area's width ("\n" starts a new
// line); the drawing's checks make sure it fits the area and clears every box.
struct Caption
{
    QRectF area;
    QString text;
    double size = 7.5;  // the font's size in layout points
    bool bold = false;
    CaptionAlign align = CaptionAlign::Left;
    bool middle = false;  // centred in the area's height rather than from its top
};

struct FormDrawing
{
    std::vector<DrawnRect> rects;  // painted in this order, so later ones lie on top
    std::vector<DrawnLine> lines;  // over the rectangles
    std::vector<Caption> captions; // over everything

    // The rectangle with this id; an empty one when there is none.
    QRectF rect(const QString &id) const;
};

// The two pages' drawings, built around the page's boxes: a character cell
// and a tick square stand where the box prints its character.
std::shared_ptr<const FormDrawing> drawFormPage1(const PageComposition &page);
std::shared_ptr<const FormDrawing> drawFormPage2(const PageComposition &page);
