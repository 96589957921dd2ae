// The sunken edges of the window's labels and of the field.
#include "sunkenedge.h"

#include "palette.h"

#include <QPainter>
#include <QRect>

namespace {

void drawRing(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    painter.setPen(bottomRight);
    painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
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
