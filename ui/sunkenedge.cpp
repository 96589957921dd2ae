// The sunken edges of the window's labels and of the field.
#include "sunkenedge.h"

#include "palette.h"

#include <QPainter>
#include <QRect>

namespace {

// Filled rectangles rather than lines: on a scaled screen they cover exactly
// the scaled pixels, where a thin line would land half a pixel off.
void drawRing(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

} // namespace

void drawSunkenEdge(QPainter& painter, const QRect& outer, int width)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawRing(painter, outer, Palette::darkGrey, Palette::white);
    if (width >= 2)
        drawRing(painter, outer.adjusted(1, 1, -1, -1), Palette::black, Palette::lightGrey);
    painter.restore();
}
