// The face above the field.
#include "facebutton.h"

#include "fieldlayout.h"

#include <QPainter>

FaceButton::FaceButton(QWidget* parent) : QAbstractButton(parent)
{
    setObjectName(QStringLiteral("图形按钮1"));
    setAccessibleName(QStringLiteral("新游戏"));
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(FieldLayout::faceButtonSize);
}

void FaceButton::setPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void FaceButton::setPressedPicture(const QImage& picture)
{
    pressedPicture_ = picture;
    update();
}

QSize FaceButton::sizeHint() const
{
    return FieldLayout::faceButtonSize;
}

void FaceButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);   // sharp on scaled screens
    painter.drawImage(0, 0, isDown() ? pressedPicture_ : picture_);
}
