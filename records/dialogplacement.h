// Where the dialogs open: centred across the main window at the given width,
// 90 pixels below its top. Outer window rectangles, frames included.
#pragma once

class QWidget;

// Moves dialog so that its left edge is mainWindow's left + width / 2 - dialogWidth / 2.
// Without a main window nothing moves.
void placeOverMainWindow(QWidget& dialog, const QWidget* mainWindow, int dialogWidth);

// A dialog's outer width: its frame's once shown, else what the frame adds to
// a window here (3 pixels each side).
int outerWidth(const QWidget& dialog);
