// The main window: menus, the strip with the mine counter, the face and the
// clock, and the field. It is the game's view and turns menu commands and
// mouse events into the game's operations.
#pragma once

#include "fieldmouse.h"
#include "game.h"
#include "gameview.h"
#include "tilesheet.h"

#include <QMainWindow>

#include <functional>

class BoardCanvas;
class CounterLabel;
class FaceButton;
class GameClock;
class HeaderPanel;
class QAction;
class QMenu;
class WrappingMenuBar;

class MainWindow : public QMainWindow, public GameView {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Game& game() { return game_; }

    // GameView: the field's pictures.
    void drawTile(int column, int row, TileIndex tile) override;
    void drawQuestionMark(int column, int row) override;
    void drawExplodedMine(int column, int row) override;
    void clearBoard() override;
    void suspendBoardRedraw() override;
    void resumeBoardRedraw() override;
    void setBoardEnabled(bool enabled) override;

    // GameView: the counter and the clock.
    std::string mineCounterText() const override;
    void setMineCounterText(const std::string& text) override;
    std::string clockText() const override;
    void setClockText(const std::string& text) override;
    bool isClockRunning() const override;
    void startClock() override;
    void stopClock() override;

    // GameView: the options, kept as the check marks of their menu items.
    bool isMarksEnabled() const override;
    void setMarksEnabled(bool enabled);
    bool isJudgeFlagsEnabled() const override;
    void setJudgeFlagsEnabled(bool enabled);

    // GameView: level and layout.
    void setLevelChecks(Level level) override;
    void layoutForField() override;

    // GameView: the end of a game.
    void messageBox(const std::string& text, MessageStyle style, const std::string& title) override;
    std::string readBestTimeRecord(const std::string& valueName) override;
    void showHallOfFame(bool recordMode) override;

    void showCustomDialog();
    void showFace(Face face);
    // Makes the exploded mine ready for drawing and shows the smiling face.
    void loadPictures();

    // Its check mark is the hall of fame's mode flag.
    QAction* hallOfFameAction() const { return hallOfFameAction_; }

    // Shows a message box; replaceable so that tests can see the messages
    // without a modal loop.
    using MessageBoxHandler = std::function<void(const QString& text, MessageStyle style, const QString& title)>;
    void setMessageBoxHandler(MessageBoxHandler handler);
    static void showMessageBox(const QString& text, MessageStyle style, const QString& title);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createControls();
    void restoreSettings();
    void saveSettings();
    void centreOnScreen();
    void chooseCustomField();
    void showHelp();
    void showAbout();
    QAction* levelAction(Level level) const;

    TileSheet tiles_;
    Game game_;
    FieldMouse mouse_;
    MessageBoxHandler messageBoxHandler_;

    WrappingMenuBar* menuBar_ = nullptr;
    HeaderPanel* headerPanel_ = nullptr;
    CounterLabel* mineCounter_ = nullptr;
    CounterLabel* clockLabel_ = nullptr;
    FaceButton* faceButton_ = nullptr;
    BoardCanvas* boardCanvas_ = nullptr;
    GameClock* gameClock_ = nullptr;

    QAction* newGameAction_ = nullptr;
    QAction* hallOfFameAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* beginnerAction_ = nullptr;
    QAction* intermediateAction_ = nullptr;
    QAction* expertAction_ = nullptr;
    QAction* customAction_ = nullptr;
    QAction* marksAction_ = nullptr;
    QAction* judgeFlagsAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
};
