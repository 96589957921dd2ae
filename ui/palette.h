// The colours of the window's own drawing.
#pragma once

#include <QColor>

namespace Palette {
inline const QColor white{0xFC, 0xFE, 0xFC};
inline const QColor lightGrey{0xC4, 0xC2, 0xC4};
inline const QColor darkGrey{0x84, 0x82, 0x84};
inline const QColor black{0x04, 0x02, 0x04};
inline const QColor panel{0xEC, 0xEC, 0xEC};          // header strip and field background
inline const QColor counterText{0xFF, 0x00, 0x00};
inline const QColor counterBackground{0x00, 0x00, 0x00};
inline const QColor questionMark{0x00, 0x00, 0x80};
} // namespace Palette
