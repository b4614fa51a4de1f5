#include "printing/form_drawing.h"

QRectF FormDrawing::rect(const QString &id) const
{
    for (const DrawnRect &r : rects)
        if (r.id == id)
            return r.rect;
    return {};
}
