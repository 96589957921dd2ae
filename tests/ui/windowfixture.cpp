// A main window for tests.
#include "windowfixture.h"

#include "boardcanvas.h"
#include "counterlabel.h"
#include "facebutton.h"
#include "fieldlayout.h"
#include "gameclock.h"
#include "settingsstore.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <pictures.h>

IsolatedSettings::IsolatedSettings()
{
    SettingsStore::setBaseFolder(folder.path());
}

WindowFixture::WindowFixture() : window_(std::make_unique<MainWindow>())
{
    window_->setMessageBoxHandler([this](const QString& text, MessageStyle style, const QString& title) {
        messages_.append({text, style, title});
        // A real box runs a modal loop: let pending events through as it would.
        QCoreApplication::processEvents();
    });
    canvas_ = window_->findChild<BoardCanvas*>(QStringLiteral("画板1"));
    face_ = window_->findChild<FaceButton*>(QStringLiteral("图形按钮1"));
    clock_ = window_->findChild<GameClock*>(QStringLiteral("时钟1"));
    mineCounter_ = window_->findChild<CounterLabel*>(QStringLiteral("标签1"));
    clockLabel_ = window_->findChild<CounterLabel*>(QStringLiteral("标签2"));
}

WindowFixture::~WindowFixture() = default;

QString WindowFixture::clockText() const
{
    return clockLabel_->text();
}

QString WindowFixture::mineCounterText() const
{
    return mineCounter_->text();
}

bool WindowFixture::showAndActivate()
{
    window_->show();
    window_->activateWindow();
    return QTest::qWaitForWindowExposed(window_.get()) && QTest::qWaitForWindowActive(window_.get());
}

void WindowFixture::plant(const QStringList& rows)
{
    GameSession& s = session();
    int mines = 0;
    for (const QString& row : rows)
        mines += int(row.count(QLatin1Char('*')) + row.count(QLatin1Char('F')) + row.count(QLatin1Char('Q')));
    s.level = Levels::Custom;
    s.columns = std::int16_t(rows.first().size());
    s.rows = std::int16_t(rows.size());
    s.mines = std::int16_t(mines);
    window_->layoutForField();

    auto each = [&](auto action) {
        for (int r = 1; r <= s.rows; ++r) {
            for (int c = 1; c <= s.columns; ++c)
                action(c, r, rows[r - 1][c - 1].toLatin1());
        }
    };
    each([&](int c, int r, char mark) {
        if (mark == '*' || mark == 'F' || mark == 'Q')
            s.board.set(c, r, Cell::Mine);
    });
    each([&](int c, int r, char mark) {
        if (mark == 'o')
            window_->drawTile(c, r, game().uncoverCell(c, r));
    });
    const bool marks = window_->isMarksEnabled();
    window_->setMarksEnabled(true);
    each([&](int c, int r, char mark) {
        if (mark == 'F' || mark == 'f' || mark == 'Q' || mark == 'q')
            game().cycleFlag(c, r);
        if (mark == 'Q' || mark == 'q')
            game().cycleFlag(c, r);
    });
    window_->setMarksEnabled(marks);
}

CellCode WindowFixture::cell(int column, int row) const
{
    return window_->game().session().board.at(column, row);
}

QPoint WindowFixture::cellCentre(int column, int row)
{
    return {(column - 1) * 16 + 8, (row - 1) * 16 + 8};
}

QImage WindowFixture::cellImage(int column, int row) const
{
    return canvas_->image().copy(QRect(FieldLayout::cellOrigin(column, row), QSize(16, 16)));
}

void WindowFixture::send(QEvent::Type type, Qt::MouseButton button, QPoint imagePos)
{
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        buttons_ |= button;
    else if (type == QEvent::MouseButtonRelease)
        buttons_ &= ~Qt::MouseButtons(button);
    const QPointF local = imagePos + QPoint(FieldLayout::canvasEdge, FieldLayout::canvasEdge);
    QMouseEvent event(type, local, canvas_->mapToGlobal(local), button, buttons_, Qt::NoModifier);
    QApplication::sendEvent(canvas_, &event);
}

void WindowFixture::press(Qt::MouseButton button, QPoint imagePos)
{
    send(QEvent::MouseButtonPress, button, imagePos);
}

void WindowFixture::doubleClick(Qt::MouseButton button, QPoint imagePos)
{
    send(QEvent::MouseButtonDblClick, button, imagePos);
}

void WindowFixture::release(Qt::MouseButton button, QPoint imagePos)
{
    send(QEvent::MouseButtonRelease, button, imagePos);
}

void WindowFixture::move(QPoint imagePos)
{
    send(QEvent::MouseMove, Qt::NoButton, imagePos);
}

void WindowFixture::click(Qt::MouseButton button, QPoint imagePos)
{
    press(button, imagePos);
    release(button, imagePos);
}

QImage tileImage(TileIndex tile)
{
    return Pictures::tileSheet().convertToFormat(QImage::Format_RGB32).copy(tile * 16, 0, 16, 16);
}
