// The red-on-black number boxes above the field: the mine counter and the
// clock. Their numbers live only in their texts.
#pragma once

#include <QLabel>

class CounterLabel : public QLabel {
    Q_OBJECT

public:
    // description says what the number is, for assistive technology.
    CounterLabel(const QString& objectName, const QString& description, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
