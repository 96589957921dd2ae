// The main window.
#include "mainwindow.h"

#include "aboutbox.h"
#include "boardcanvas.h"
#include "counterclock.h"
#include "counterlabel.h"
#include "customfielddialog.h"
#include "facebutton.h"
#include "fieldlayout.h"
#include "gameclock.h"
#include "halloffamedialog.h"
#include "headerpanel.h"
#include "helpdocument.h"
#include "messagehook.h"
#include "settingsstore.h"
#include "startupsteps.h"
#include "wrappingmenubar.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

#include <pictures.h>

namespace {

const QString mainWindowTitle = QStringLiteral("Tolvy经典扫雷中文版");

// The window's size before the first layout replaces it: an expert field's canvas.
constexpr QSize designCanvasSize{484, 260};

QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string toStdString(const QString& text)
{
    return text.toStdString();
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      tiles_(Pictures::tileSheet()),
      game_(*this),
      mouse_(game_, *this, [this](Face face) { showFace(face); }),
      messageBoxHandler_(&MainWindow::showMessageBox)
{
    setWindowTitle(mainWindowTitle);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    createMenus();
    createControls();

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    loadPictures();
    restoreSettings();
    centreOnScreen();
}

MainWindow::~MainWindow() = default;

void MainWindow::createMenus()
{
    auto* gameMenu = new QMenu(QStringLiteral("游戏（&G）"), this);
    newGameAction_ = gameMenu->addAction(QStringLiteral("开局（&N）   "));
    newGameAction_->setShortcut(Qt::Key_F2);
    gameMenu->addSeparator();
    hallOfFameAction_ = gameMenu->addAction(QStringLiteral("扫雷英雄榜（T）…"));
    hallOfFameAction_->setCheckable(true);
    gameMenu->addSeparator();
    exitAction_ = gameMenu->addAction(QStringLiteral("退出（&X）   "));
    exitAction_->setShortcut(Qt::Key_F9);

    auto* settingsMenu = new QMenu(QStringLiteral("设置（&M）"), this);
    beginnerAction_ = settingsMenu->addAction(QStringLiteral("初级（&B）"));
    intermediateAction_ = settingsMenu->addAction(QStringLiteral("中级（&I）"));
    expertAction_ = settingsMenu->addAction(QStringLiteral("高级（&E）"));
    customAction_ = settingsMenu->addAction(QStringLiteral("自定义（&C）…"));
    settingsMenu->addSeparator();
    marksAction_ = settingsMenu->addAction(QStringLiteral("标记（？）（&M）"));
    judgeFlagsAction_ = settingsMenu->addAction(QStringLiteral("判断插旗错误"));
    for (QAction* action : {beginnerAction_, intermediateAction_, expertAction_, customAction_, marksAction_,
                            judgeFlagsAction_})
        action->setCheckable(true);
    judgeFlagsAction_->setChecked(true);

    auto* helpMenu = new QMenu(QStringLiteral("帮助（&H)"), this);
    helpAction_ = helpMenu->addAction(QStringLiteral("帮助主题（&N）   "));
    helpAction_->setShortcut(Qt::Key_F1);
    helpMenu->addSeparator();
    aboutAction_ = helpMenu->addAction(QStringLiteral("关于扫雷（&F）"));

    // The keys work wherever the focus is in the window.
    addActions({newGameAction_, exitAction_, helpAction_});

    menuBar_ = new WrappingMenuBar(this);
    for (QMenu* menu : {gameMenu, settingsMenu, helpMenu})
        menuBar_->addMenu(menu);
    setMenuWidget(menuBar_);

    connect(newGameAction_, &QAction::triggered, this, [this] { game_.startNewGame(); });
    connect(hallOfFameAction_, &QAction::triggered, this, [this] { showHallOfFame(false); });
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);
    connect(beginnerAction_, &QAction::triggered, this, [this] { game_.selectLevel(Levels::Beginner); });
    connect(intermediateAction_, &QAction::triggered, this, [this] { game_.selectLevel(Levels::Intermediate); });
    connect(expertAction_, &QAction::triggered, this, [this] { game_.selectLevel(Levels::Expert); });
    connect(customAction_, &QAction::triggered, this, &MainWindow::chooseCustomField);
    connect(helpAction_, &QAction::triggered, this, &MainWindow::showHelp);
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::createControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);

    // Created back to front: the strip lies behind the counter, face and clock.
    headerPanel_ = new HeaderPanel(central);
    headerPanel_->setGeometry(QRect(FieldLayout::headerPanelPos,
                                    QSize(designCanvasSize.width() - 2, FieldLayout::headerPanelHeight)));

    mineCounter_ = new CounterLabel(QStringLiteral("标签1"), QStringLiteral("剩余地雷"), central);
    mineCounter_->move(FieldLayout::mineCounter.topLeft());
    clockLabel_ = new CounterLabel(QStringLiteral("标签2"), QStringLiteral("用时"), central);
    clockLabel_->move(FieldLayout::clockLabelPos);

    faceButton_ = new FaceButton(central);
    faceButton_->move(FieldLayout::faceButtonPos);
    faceButton_->setPressedPicture(Pictures::facePressed());
    connect(faceButton_, &FaceButton::clicked, this, [this] { game_.startNewGame(); });

    boardCanvas_ = new BoardCanvas(tiles_, central);
    boardCanvas_->move(FieldLayout::boardCanvasPos);
    boardCanvas_->resizeCanvas(designCanvasSize);
    connect(boardCanvas_, &BoardCanvas::leftPressed, this, [this](int x, int y) { mouse_.onLeftPressed(x, y); });
    connect(boardCanvas_, &BoardCanvas::rightPressed, this, [this](int x, int y) { mouse_.onRightPressed(x, y); });
    connect(boardCanvas_, &BoardCanvas::mouseMoved, this, [this](int x, int y) { mouse_.onMouseMoved(x, y); });
    connect(boardCanvas_, &BoardCanvas::leftReleased, this, [this](int x, int y) { mouse_.onLeftReleased(x, y); });
    connect(boardCanvas_, &BoardCanvas::rightReleased, this,
            [this](int x, int y) { mouse_.onRightReleased(x, y); });

    gameClock_ = new GameClock(this);
    connect(gameClock_, &GameClock::ticked, this, [this] { tickClock(*this); });
}

void MainWindow::loadPictures()
{
    boardCanvas_->setExplodedMinePicture(Pictures::explodedMine());
    showFace(Face::Smile);
}

void MainWindow::showFace(Face face)
{
    faceButton_->setPicture(face == Face::Surprised ? Pictures::faceSurprised() : Pictures::faceSmile());
}

void MainWindow::restoreSettings()
{
    // On a first run the options keep the menu's own check marks.
    if (const std::optional<MenuOptions> options = ::restoreSettings(game_, *this)) {
        setJudgeFlagsEnabled(options->judgeFlags);
        setMarksEnabled(options->marks);
    }
}

void MainWindow::saveSettings()
{
    ::saveSettings(game_.session(), MenuOptions{isJudgeFlagsEnabled(), isMarksEnabled()});
}

void MainWindow::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    saveSettings();
    event->accept();
}

void MainWindow::layoutForField()
{
    const GameSession& session = game_.session();
    const int columns = session.columns;
    const int rows = session.rows;

    boardCanvas_->resizeCanvas(FieldLayout::boardCanvasSize(columns, rows));
    boardCanvas_->setBackgroundPicture(Pictures::boardBackground());
    headerPanel_->setGeometry(FieldLayout::headerPanel(columns));
    clockLabel_->setGeometry(FieldLayout::clockLabel(columns));
    faceButton_->setGeometry(FieldLayout::faceButton(columns));

    const QSize central = FieldLayout::centralArea(columns, rows);
    centralWidget()->setFixedSize(central);
    menuBar_->arrange(central.width());
    setFixedSize(central.width(), menuBar_->height() + central.height());

    game_.startNewGame();
}

// GameView: the field's pictures.

void MainWindow::drawTile(int column, int row, TileIndex tile)
{
    boardCanvas_->drawTile(column, row, tile);
}

void MainWindow::drawQuestionMark(int column, int row)
{
    boardCanvas_->drawQuestionMark(column, row);
}

void MainWindow::drawExplodedMine(int column, int row)
{
    boardCanvas_->drawExplodedMine(column, row);
}

void MainWindow::clearBoard()
{
    boardCanvas_->clear();
}

void MainWindow::suspendBoardRedraw()
{
    boardCanvas_->suspendRedraw();
}

void MainWindow::resumeBoardRedraw()
{
    boardCanvas_->resumeRedraw();
}

void MainWindow::setBoardEnabled(bool enabled)
{
    boardCanvas_->setEnabled(enabled);
}

// GameView: the counter and the clock.

std::string MainWindow::mineCounterText() const
{
    return toStdString(mineCounter_->text());
}

void MainWindow::setMineCounterText(const std::string& text)
{
    mineCounter_->setText(toQString(text));
}

std::string MainWindow::clockText() const
{
    return toStdString(clockLabel_->text());
}

void MainWindow::setClockText(const std::string& text)
{
    clockLabel_->setText(toQString(text));
}

bool MainWindow::isClockRunning() const
{
    return gameClock_->isRunning();
}

void MainWindow::startClock()
{
    gameClock_->start();
}

void MainWindow::stopClock()
{
    gameClock_->stop();
}

// GameView: the options.

bool MainWindow::isMarksEnabled() const
{
    return marksAction_->isChecked();
}

void MainWindow::setMarksEnabled(bool enabled)
{
    marksAction_->setChecked(enabled);
}

bool MainWindow::isJudgeFlagsEnabled() const
{
    return judgeFlagsAction_->isChecked();
}

void MainWindow::setJudgeFlagsEnabled(bool enabled)
{
    judgeFlagsAction_->setChecked(enabled);
}

// GameView: level and layout.

QAction* MainWindow::levelAction(Level level) const
{
    switch (level) {
    case Levels::Beginner: return beginnerAction_;
    case Levels::Intermediate: return intermediateAction_;
    case Levels::Expert: return expertAction_;
    case Levels::Custom: return customAction_;
    default: return nullptr;
    }
}

void MainWindow::setLevelChecks(Level level)
{
    for (Level each : {Levels::Beginner, Levels::Intermediate, Levels::Expert, Levels::Custom})
        levelAction(each)->setChecked(each == level);
}

// GameView: the end of a game.

void MainWindow::setMessageBoxHandler(MessageBoxHandler handler)
{
    messageBoxHandler_ = std::move(handler);
}

void MainWindow::messageBox(const std::string& text, MessageStyle style, const std::string& title)
{
    QString shown = toQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString caption = title.empty() ? toQString(defaultMessageTitle) : toQString(title);
    messageBoxHandler_(shown, style, caption);
}

void MainWindow::showMessageBox(const QString& text, MessageStyle style, const QString& title)
{
    ::showMessageBox(text, style, title);
}

std::string MainWindow::readBestTimeRecord(const std::string& valueName)
{
    return toStdString(SettingsStore::readText(toQString(valueName)));
}

void MainWindow::showHallOfFame(bool recordMode)
{
    ::showHallOfFame(recordMode, game_.session().level, toQString(clockText()), hallOfFameAction_, this);
}

// Commands of the menus.

void MainWindow::showCustomDialog()
{
    CustomFieldDialog dialog(game_.session(), *this, this);
    dialog.exec();
}

// Choosing the item must not move its check mark by itself: only a
// successful dialog changes the level.
void MainWindow::chooseCustomField()
{
    setLevelChecks(game_.session().level);
    showCustomDialog();
}

void MainWindow::showHelp()
{
    HelpDocument::open();
}

void MainWindow::showAbout()
{
    AboutBox box(this);
    box.exec();
}
