// Placing the dialogs over the main window.
#include "dialogplacement.h"

#include <QWidget>

namespace {
constexpr int frameSides = 6;
constexpr int offsetBelowTop = 90;
} // namespace

void placeOverMainWindow(QWidget& dialog, const QWidget* mainWindow, int dialogWidth)
{
    if (!mainWindow)
        return;
    const QRect outer = mainWindow->frameGeometry();
    dialog.move(outer.left() + outer.width() / 2 - dialogWidth / 2, outer.top() + offsetBelowTop);
}

int outerWidth(const QWidget& dialog)
{
    const QRect frame = dialog.frameGeometry();
    return frame.width() > dialog.width() ? frame.width() : dialog.width() + frameSides;
}
