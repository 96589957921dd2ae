// The mine counter and the clock label.
#include "counterlabel.h"

#include "fieldlayout.h"
#include "palette.h"
#include "sunkenedge.h"

#include <QPainter>

namespace {

// The counters show only digits and a minus sign: a Latin serif face draws
// them without loading a CJK face, which costs megabytes of memory.
QFont counterFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("隶书"), QStringLiteral("DejaVu Serif"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(19);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

CounterLabel::CounterLabel(const QString& objectName, const QString& description, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    // The text stays the accessible name, so that its number can be read out.
    setAccessibleDescription(description);
    setFixedSize(FieldLayout::counterSize);
    setContentsMargins(1, 1, 1, 1);
    setAlignment(Qt::AlignCenter);
    setFont(counterFont());
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Palette::counterBackground);
    colours.setColor(QPalette::WindowText, Palette::counterText);
    setPalette(colours);
}

void CounterLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    drawSunkenEdge(painter, rect(), 1);
}
