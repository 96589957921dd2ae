// The sunken strip behind the mine counter, the face and the clock.
#include "headerpanel.h"

#include "palette.h"
#include "sunkenedge.h"

#include <QPainter>

HeaderPanel::HeaderPanel(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("标签3"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Palette::panel);
    setPalette(colours);
}

void HeaderPanel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    drawSunkenEdge(painter, rect(), 1);
}
