// The X display driven through xdotool.
#include "xdotool.h"

#include <QProcess>

namespace XdoTool {
namespace {

constexpr int runTimeoutMs = 30000;

QString number(int value)
{
    return QString::number(value);
}

QStringList buttonArguments(const char* action, const QList<int>& buttons)
{
    QStringList arguments;
    for (int button : buttons)
        arguments << QString::fromLatin1(action) << number(button);
    return arguments;
}

// No --sync: it waits for a movement that never comes when the pointer is
// there already. The server takes the move and the buttons in their order.
QStringList moveArguments(QPoint at)
{
    return {QStringLiteral("mousemove"), number(at.x()), number(at.y())};
}

} // namespace

bool run(const QStringList& arguments, QString* output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(runTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QList<WindowId> visibleWindows(qint64 pid)
{
    QString output;
    // xdotool exits with 1 when it finds nothing.
    run({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
         QString::number(pid)},
        &output);
    QList<WindowId> windows;
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
        bool ok = false;
        const WindowId id = line.trimmed().toULongLong(&ok);
        if (ok)
            windows << id;
    }
    return windows;
}

// Titles are compared here, exactly, rather than as xdotool's patterns,
// which are regular expressions.
QList<WindowId> visibleWindows(qint64 pid, const QString& title)
{
    QList<WindowId> matching;
    for (WindowId window : visibleWindows(pid)) {
        QString name;
        if (run({QStringLiteral("getwindowname"), QString::number(window)}, &name)
            && name.chopped(name.endsWith(u'\n') ? 1 : 0) == title)
            matching << window;
    }
    return matching;
}

QRect geometry(WindowId window)
{
    QString output;
    if (!run({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(window)}, &output))
        return {};
    int x = 0, y = 0, width = 0, height = 0;
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
        const QString key = line.section(u'=', 0, 0);
        const int value = line.section(u'=', 1).toInt();
        if (key == u"X")
            x = value;
        else if (key == u"Y")
            y = value;
        else if (key == u"WIDTH")
            width = value;
        else if (key == u"HEIGHT")
            height = value;
    }
    return {x, y, width, height};
}

bool moveTo(QPoint at)
{
    return run(moveArguments(at));
}

bool click(QPoint at, int button)
{
    return run(moveArguments(at) << QStringLiteral("click") << number(button));
}

bool press(QPoint at, const QList<int>& buttons)
{
    return run(moveArguments(at) + buttonArguments("mousedown", buttons));
}

bool release(QPoint at, const QList<int>& buttons)
{
    return run(moveArguments(at) + buttonArguments("mouseup", buttons));
}

// Without a window manager nobody else moves the focus: it is set here
// directly, and xdotool waits until the server has it there.
bool keys(WindowId window, const QStringList& keyNames)
{
    return run(QStringList{QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window),
                           QStringLiteral("key"), QStringLiteral("--clearmodifiers")}
               + keyNames);
}

bool type(WindowId window, const QString& text)
{
    return run({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window),
                QStringLiteral("type"), QStringLiteral("--clearmodifiers"), QStringLiteral("--delay"),
                QStringLiteral("30"), text});
}

} // namespace XdoTool
