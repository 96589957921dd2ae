// The X display driven from outside, as a player's mouse and keyboard would:
// the xdotool program finds windows and their geometry, moves the pointer,
// presses buttons and types keys.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

namespace XdoTool {

using WindowId = quint64;

// Runs xdotool; false when it could not run or failed.
bool run(const QStringList& arguments, QString* output = nullptr);

// The visible top-level windows of a process with exactly this title.
QList<WindowId> visibleWindows(qint64 pid, const QString& title);
// Every visible top-level window of a process.
QList<WindowId> visibleWindows(qint64 pid);
// The window's place on the screen; empty when it is gone.
QRect geometry(WindowId window);

// Pointer positions are screen pixels; buttons 1 left, 3 right.
bool moveTo(QPoint at);
bool click(QPoint at, int button);
bool press(QPoint at, const QList<int>& buttons);
bool release(QPoint at, const QList<int>& buttons);

// Gives the window the keyboard focus, then types the keys (xdotool names
// such as "Return", "alt+m") or the text.
bool keys(WindowId window, const QStringList& keyNames);
bool type(WindowId window, const QString& text);

} // namespace XdoTool
