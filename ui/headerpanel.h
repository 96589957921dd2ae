// The sunken strip behind the mine counter, the face and the clock.
#pragma once

#include <QLabel>

class HeaderPanel : public QLabel {
    Q_OBJECT

public:
    explicit HeaderPanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
