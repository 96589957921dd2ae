// The face above the field: a picture button that starts a new game.
#pragma once

#include <QAbstractButton>
#include <QImage>

class FaceButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit FaceButton(QWidget* parent = nullptr);

    // The picture shown while the button is up.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    // The picture shown while the button is held down.
    void setPressedPicture(const QImage& picture);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QImage pressedPicture_;
};
