// Where the main window's controls go for a field, in pixels of the central
// area (the window's client area below the menus).
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace FieldLayout {

constexpr int cellSize = 16;
constexpr int canvasEdge = 2;    // the field's sunken edge; positions are taken inside it

constexpr QPoint headerPanelPos{8, 8};
constexpr int headerPanelHeight = 36;
constexpr QRect mineCounter{16, 15, 40, 24};
constexpr QPoint clockLabelPos{444, 15};
constexpr QSize counterSize{40, 24};
constexpr QPoint faceButtonPos{208, 14};
constexpr QSize faceButtonSize{26, 26};
constexpr QPoint boardCanvasPos{8, 52};

// The field's outer size: its cells, the white line above and left of
// them, and the edge.
constexpr QSize boardCanvasSize(int columns, int rows)
{
    return {columns * cellSize + 5, rows * cellSize + 5};
}

// The central area: the window's outer size less its frame and client edge.
constexpr QSize centralArea(int columns, int rows)
{
    return {columns * cellSize + 20, rows * cellSize + 62};
}

constexpr QRect headerPanel(int columns)
{
    return {headerPanelPos, QSize(boardCanvasSize(columns, 1).width() - 1, headerPanelHeight)};
}

// Right-aligned with the window's outer width (columns x 16 + 30) less 64.
constexpr QRect clockLabel(int columns)
{
    return {QPoint(columns * cellSize - 34, clockLabelPos.y()), counterSize};
}

// Centred: (outer width - button width - 6) / 2.
constexpr QRect faceButton(int columns)
{
    const int outerWidth = columns * cellSize + 30;
    return {QPoint((outerWidth - faceButtonSize.width() - 6) / 2, faceButtonPos.y()), faceButtonSize};
}

constexpr QRect boardCanvas(int columns, int rows)
{
    return {boardCanvasPos, boardCanvasSize(columns, rows)};
}

// The canvas pixel (inside its edge) where a cell's picture starts.
constexpr QPoint cellOrigin(int column, int row)
{
    return {(column - 1) * cellSize + 1, (row - 1) * cellSize + 1};
}

} // namespace FieldLayout
