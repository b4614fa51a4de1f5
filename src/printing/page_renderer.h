#pragma once

#include <QRectF>
#include <QStringList>

#include <vector>

struct Caption;
class PageComposition;
class QPagedPaintDevice;
class QFontMetricsF;
class QPaintDevice;
class QPainter;

// A4 portrait with the page's margins; painting counts from the paper's
// corner, because some boxes are placed from it.
void setPageLayoutFor(QPagedPaintDevice &device, const PageComposition &page);

// Paints the page as it stands (artwork if on, then the band's boxes, then
// the boxes placed from the paper's corner) with a painter that is active on
// a device laid out by setPageLayoutFor.
void paintPage(QPainter &painter, const PageComposition &page);

// The lines of a box's text at the box's width: broken at spaces only (the
// spaces at a break are dropped), a single word wider than the box broken
// where it meets the edge; at most maxLines lines.
QStringList boxLines(const QString &text, const QFontMetricsF &metrics, double width, int maxLines);

// One line of a caption of the drawing as the renderer places it on the
// device, in layout points from the artwork's corner: the rectangle spans
// the line's advance and the font's ascent and descent.
struct CaptionLine
{
    QString text;
    QRectF rect;
};
std::vector<CaptionLine> captionLines(const Caption &caption, QPaintDevice *device);
