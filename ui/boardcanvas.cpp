// The field on the screen.
#include "boardcanvas.h"

#include "fieldlayout.h"
#include "palette.h"
#include "sunkenedge.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include <cstring>

namespace {

constexpr int edge = FieldLayout::canvasEdge;

QFont canvasFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

} // namespace

BoardCanvas::BoardCanvas(const TileSheet& tiles, QWidget* parent)
    : QWidget(parent), tiles_(tiles), textColor_(Palette::black)
{
    setObjectName(QStringLiteral("画板1"));
    setAccessibleName(QStringLiteral("雷区"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFont(canvasFont());
    setContentsMargins(edge, edge, edge, edge);
}

void BoardCanvas::resizeCanvas(const QSize& outerSize)
{
    setFixedSize(outerSize);
    if (image_.isNull())
        setBackgroundPicture(background_);
}

void BoardCanvas::setBackgroundPicture(const QImage& picture)
{
    background_ = picture.convertToFormat(QImage::Format_RGB32);
    image_ = QImage(contentsRect().size(), QImage::Format_RGB32);
    clear();
}

void BoardCanvas::setExplodedMinePicture(const QImage& picture)
{
    explodedMine_ = picture.convertToFormat(QImage::Format_RGB32);
}

void BoardCanvas::drawTile(int column, int row, TileIndex tile)
{
    copyPicture(tiles_.image(), TileSheet::tileRect(tile), FieldLayout::cellOrigin(column, row));
}

void BoardCanvas::drawQuestionMark(int column, int row)
{
    drawTile(column, row, Tile::Covered);
    textColor_ = Palette::questionMark;

    const QPoint cell = FieldLayout::cellOrigin(column, row);
    const QPoint textTopLeft = cell + QPoint(3, 2);
    QPainter painter(&image_);
    painter.setClipRect(QRect(cell, QSize(16, 16)));
    painter.setFont(font());
    painter.setPen(textColor_);
    // The text's top is the top of its character cell, not of the font's
    // tall line box, so the mark sits on the tile's face.
    const int baseline = textTopLeft.y() + qRound(font().pixelSize() * 0.88);
    painter.drawText(QPoint(textTopLeft.x(), baseline), QStringLiteral("？"));
    painter.end();
    changed(QRect(cell, QSize(16, 16)));
}

void BoardCanvas::drawExplodedMine(int column, int row)
{
    copyPicture(explodedMine_, explodedMine_.rect(), FieldLayout::cellOrigin(column, row));
}

void BoardCanvas::clear()
{
    image_.fill(Palette::panel);
    copyPicture(background_, background_.rect(), QPoint(0, 0));
    changed(image_.rect());
}

void BoardCanvas::suspendRedraw()
{
    suspended_ = true;
}

void BoardCanvas::resumeRedraw()
{
    if (!suspended_)
        return;
    suspended_ = false;
    if (!pending_.isEmpty())
        update(pending_);
    pending_ = QRect();
}

// A row-by-row copy between images of one format, clipped to the image.
void BoardCanvas::copyPicture(const QImage& source, const QRect& sourceRect, const QPoint& at)
{
    const QRect target = QRect(at, sourceRect.size()).intersected(image_.rect());
    if (target.isEmpty() || source.isNull())
        return;
    const QPoint from = sourceRect.topLeft() + (target.topLeft() - at);
    const size_t bytes = size_t(target.width()) * 4;
    // The row addresses are worked out once: a flood copies thousands of
    // short rows, and asking the image for each would cost more than the copy.
    const qsizetype inStride = source.bytesPerLine();
    const qsizetype outStride = image_.bytesPerLine();
    const uchar* in = source.constBits() + from.y() * inStride + from.x() * 4;
    uchar* out = image_.bits() + target.y() * outStride + target.x() * 4;
    for (int y = 0; y < target.height(); ++y, in += inStride, out += outStride)
        std::memcpy(out, in, bytes);
    changed(target);
}

// What changes while repaints are held shows as one rectangle around it all:
// a flood's hundreds of cells as a region cost more to collect, clip and
// send to the screen than the unchanged pixels inside the rectangle.
void BoardCanvas::changed(const QRect& imageRect)
{
    const QRect widgetRect = imageRect.translated(edge, edge);
    if (suspended_)
        pending_ |= widgetRect;
    else
        update(widgetRect);
}

void BoardCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // On a scaled screen each image pixel becomes a block of screen pixels, never a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(contentsRect().topLeft(), image_);
    drawSunkenEdge(painter, rect(), edge);
}

// Negative positions stay negative, however far left or above the pointer is.
// Qt rounds a widget's event position to whole pixels, which on a scaled
// screen moves the right half of every pixel into its neighbour; the position
// in the window keeps the fraction. The canvas's offset in the window is the
// whole number nearest to the difference of the two.
QPoint BoardCanvas::imagePosition(const QMouseEvent* event) const
{
    const QPointF inWindow = event->scenePosition();
    const QPointF offset = inWindow - event->position();
    const QPointF position = inWindow - QPointF(qFloor(offset.x() + 0.5), qFloor(offset.y() + 0.5));
    return {qFloor(position.x()) - edge, qFloor(position.y()) - edge};
}

void BoardCanvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = imagePosition(event);
    if (event->button() == Qt::LeftButton)
        emit leftPressed(p.x(), p.y());
    else if (event->button() == Qt::RightButton)
        emit rightPressed(p.x(), p.y());
}

// Quick clicks arrive as double-clicks; they are presses like any other.
void BoardCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void BoardCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = imagePosition(event);
    emit mouseMoved(p.x(), p.y());
}

void BoardCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = imagePosition(event);
    if (event->button() == Qt::LeftButton)
        emit leftReleased(p.x(), p.y());
    else if (event->button() == Qt::RightButton)
        emit rightReleased(p.x(), p.y());
}

// The field looks the same enabled or not; a finished game must not cost a repaint.
void BoardCanvas::changeEvent(QEvent* event)
{
    if (event->type() != QEvent::EnabledChange) {
        QWidget::changeEvent(event);
        return;
    }
#if QT_CONFIG(accessibility)
    QAccessible::State state;
    state.disabled = true;
    QAccessibleStateChangeEvent accessibleEvent(this, state);
    QAccessible::updateAccessibility(&accessibleEvent);
#endif
}
