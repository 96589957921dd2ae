// The sunken edges of the window's labels and of the field.
#pragma once

class QPainter;
class QRect;

// Draws an edge of 1 or 2 pixels inside outer: dark at the top and left,
// light at the bottom and right, so the area looks pressed into the window.
void drawSunkenEdge(QPainter& painter, const QRect& outer, int width);
