// The dialogs' message boxes. Tests replace the hook to see the messages
// without a modal box waiting for a click.
#pragma once

#include "cellcode.h"

#include <QString>

#include <functional>

using MessageHook = std::function<void(const QString& text, MessageStyle style, const QString& title)>;

// An empty hook brings back the real boxes.
void setMessageHook(MessageHook hook);

// An OK box with no owner window, modal to the whole program; returns when closed.
void showMessageBox(const QString& text, MessageStyle style, const QString& title);
// The hook if one is set, else the real box.
void showMessage(const QString& text, MessageStyle style, const QString& title);
