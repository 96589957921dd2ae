// The field on the screen: a retained image of the cells that drawing
// operations change and paintEvent only copies, and the mouse on it.
#pragma once

#include "cellcode.h"
#include "tilesheet.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

class BoardCanvas : public QWidget {
    Q_OBJECT

public:
    explicit BoardCanvas(const TileSheet& tiles, QWidget* parent = nullptr);

    // Sets the outer size; the retained image covers the area inside the edge.
    void resizeCanvas(const QSize& outerSize);
    // The picture behind the cells, at the top-left at natural size; the
    // retained image is rebuilt at the current size.
    void setBackgroundPicture(const QImage& picture);
    void setExplodedMinePicture(const QImage& picture);

    /* cells lie inside the image; 0 <= tile < Tile::Count */
    void drawTile(int column, int row, TileIndex tile);
    void drawQuestionMark(int column, int row);
    void drawExplodedMine(int column, int row);
    // Back to the background picture: every cell looks covered.
    void clear();

    // Holds back repaints until resumeRedraw; one level, not counted.
    void suspendRedraw();
    void resumeRedraw();
    bool isRedrawSuspended() const { return suspended_; }

    const QImage& image() const { return image_; }
    QColor textColor() const { return textColor_; }

signals:
    // Positions are pixels of the image: inside the edge, negative left of and above it.
    void leftPressed(int x, int y);
    void rightPressed(int x, int y);
    void mouseMoved(int x, int y);
    void leftReleased(int x, int y);
    void rightReleased(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void copyPicture(const QImage& source, const QRect& sourceRect, const QPoint& at);
    void changed(const QRect& imageRect);
    QPoint imagePosition(const QMouseEvent* event) const;

    const TileSheet& tiles_;
    QImage background_;
    QImage explodedMine_;
    QImage image_;
    QColor textColor_;
    QRect pending_;
    bool suspended_ = false;
};
