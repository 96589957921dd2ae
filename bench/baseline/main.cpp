// The yardstick for the game's start-up time and memory: a main window of
// the game's size at its first-run level, with the same title and the same
// three menus and items, and nothing else. It reports its first paint exactly
// as the game does with TOLVY_BENCH_EXIT_AFTER_PAINT set (see ui/main.cpp).
#include "firstpaintreport.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <memory>

namespace {

// The game's window at the intermediate level: 16 x 16 cells of 16 pixels,
// 20 pixels of margin across and 62 down (strip, edges), below the menus.
constexpr int windowWidth = 16 * 16 + 20;
constexpr int areaHeight = 16 * 16 + 62;

void addMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    bar->setNativeMenuBar(false);

    QMenu* gameMenu = bar->addMenu(QStringLiteral("游戏（&G）"));
    gameMenu->addAction(QStringLiteral("开局（&N）   "))->setShortcut(Qt::Key_F2);
    gameMenu->addSeparator();
    gameMenu->addAction(QStringLiteral("扫雷英雄榜（T）…"))->setCheckable(true);
    gameMenu->addSeparator();
    gameMenu->addAction(QStringLiteral("退出（&X）   "))->setShortcut(Qt::Key_F9);

    QMenu* settingsMenu = bar->addMenu(QStringLiteral("设置（&M）"));
    for (const QString& text : {QStringLiteral("初级（&B）"), QStringLiteral("中级（&I）"), QStringLiteral("高级（&E）"),
                                QStringLiteral("自定义（&C）…")})
        settingsMenu->addAction(text)->setCheckable(true);
    settingsMenu->addSeparator();
    settingsMenu->addAction(QStringLiteral("标记（？）（&M）"))->setCheckable(true);
    QAction* judgeFlags = settingsMenu->addAction(QStringLiteral("判断插旗错误"));
    judgeFlags->setCheckable(true);
    judgeFlags->setChecked(true);

    QMenu* helpMenu = bar->addMenu(QStringLiteral("帮助（&H)"));
    helpMenu->addAction(QStringLiteral("帮助主题（&N）   "))->setShortcut(Qt::Key_F1);
    helpMenu->addSeparator();
    helpMenu->addAction(QStringLiteral("关于扫雷（&F）"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tolvy.Mines"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tolvy经典扫雷中文版"));
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    addMenus(window);
    window.setFixedSize(windowWidth, window.menuBar()->sizeHint().height() + areaHeight);

    std::unique_ptr<FirstPaintReport> firstPaintReport;
    if (qEnvironmentVariableIsSet("TOLVY_BENCH_EXIT_AFTER_PAINT"))
        firstPaintReport = std::make_unique<FirstPaintReport>(&window);
    window.show();
    app.exec();
    return 0;
}
