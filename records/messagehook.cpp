// The real message box and the hook that can stand in for it.
#include "messagehook.h"

#include <QMessageBox>

namespace {

MessageHook& currentHook()
{
    static MessageHook hook;
    return hook;
}

} // namespace

void setMessageHook(MessageHook hook)
{
    currentHook() = std::move(hook);
}

void showMessage(const QString& text, MessageStyle style, const QString& title)
{
    if (currentHook()) {
        currentHook()(text, style, title);
        return;
    }
    showMessageBox(text, style, title);
}

void showMessageBox(const QString& text, MessageStyle style, const QString& title)
{
    QMessageBox box(style == MessageStyle::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
