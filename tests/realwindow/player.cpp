// A player at the real window, mirrored in the rules.
#include "player.h"

#include "fieldpictures.h"
#include "fieldsize.h"
#include "polling.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace {

constexpr int leftButton = 1;
constexpr int rightButton = 3;

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

QString cellName(int column, int row)
{
    return QStringLiteral("(%1, %2)").arg(column).arg(row);
}

} // namespace

bool Player::fail(const QString& why)
{
    error_ = why;
    return false;
}

bool Player::windowFailed()
{
    return fail(window_.error());
}

bool Player::open(int column, int row)
{
    const int messages = mirror_.messageCount();
    const int records = mirror_.recordEntries();
    if (!XdoTool::click(window_.cellPoint(column, row), leftButton))
        return fail(QStringLiteral("could not click ") + cellName(column, row));
    if (mirror_.isBoardEnabled())
        mirror_.game().openCell(column, row);
    return settle(messages, records);
}

bool Player::mark(int column, int row)
{
    const int messages = mirror_.messageCount();
    const int records = mirror_.recordEntries();
    if (!XdoTool::click(window_.cellPoint(column, row), rightButton))
        return fail(QStringLiteral("could not right-click ") + cellName(column, row));
    if (mirror_.isBoardEnabled())
        mirror_.game().cycleFlag(column, row);
    return settle(messages, records);
}

bool Player::chord(int column, int row)
{
    return holdChord(column, row) && releaseChord();
}

bool Player::openEverySafeCell()
{
    while (mirror_.outcome() == MirrorGame::Outcome::Playing) {
        const QList<QPoint> safe = mirror_.cellsWhere([](CellCode code) { return code == Cell::Covered; });
        if (safe.isEmpty())
            return fail(QStringLiteral("the game goes on without a covered safe cell"));
        if (!open(safe.first().x(), safe.first().y()))
            return false;
    }
    return true;
}

bool Player::holdLeft(int column, int row)
{
    if (!XdoTool::press(window_.cellPoint(column, row), {leftButton}))
        return fail(QStringLiteral("could not press on ") + cellName(column, row));
    heldCell_ = QPoint(column, row);
    return fieldShown();
}

bool Player::releaseLeftBesideField()
{
    const QPoint beside = window_.besideField();
    // Moved first and awaited: the pressed look leaves the cell with the pointer.
    if (!XdoTool::moveTo(beside))
        return fail(QStringLiteral("could not move the pointer off the field"));
    heldCell_.reset();
    if (!fieldShown())
        return false;
    if (!XdoTool::release(beside, {leftButton}))
        return fail(QStringLiteral("could not release the left button"));
    return fieldShown();
}

// The left press starts the clock, so the right press that follows finds it
// running and presses the block.
bool Player::holdChord(int column, int row)
{
    const QPoint at = window_.cellPoint(column, row);
    if (!XdoTool::press(at, {leftButton, rightButton}))
        return fail(QStringLiteral("could not press both buttons on ") + cellName(column, row));
    heldChord_ = at - window_.fieldOrigin();
    if (mirror_.isBoardEnabled())
        mirror_.game().chordBlock(heldChord_.x(), heldChord_.y(), BlockMode::Press);
    return fieldShown();
}

// Each release is a chord release; the second finds the block no longer
// pressed, unless the first ended the game and the field took no more.
bool Player::releaseChord()
{
    const int messages = mirror_.messageCount();
    const int records = mirror_.recordEntries();
    if (!XdoTool::release(window_.fieldOrigin() + heldChord_, {leftButton, rightButton}))
        return fail(QStringLiteral("could not release both buttons"));
    for (int release = 0; release < 2 && mirror_.isBoardEnabled(); ++release)
        mirror_.game().chordBlock(heldChord_.x(), heldChord_.y(), BlockMode::Release);
    return settle(messages, records);
}

bool Player::settle(int messagesBefore, int recordEntriesBefore)
{
    if (mirror_.messageCount() != messagesBefore) {
        const QString title = fromStd(mirror_.lastMessageTitle());
        const GameWindow::WindowId box = window_.waitForWindow(title);
        if (box == 0)
            return windowFailed();
        if (!XdoTool::keys(box, {QStringLiteral("Return")}))
            return fail(QStringLiteral("could not press Enter in the box ") + title);
        if (!window_.waitUntilGone(box))
            return windowFailed();
    }
    if (mirror_.recordEntries() != recordEntriesBefore) {
        pendingHallOfFame_ = true;
        return true;
    }
    return fieldShown();
}

bool Player::newGameWithFace()
{
    if (!XdoTool::click(window_.facePoint(), leftButton))
        return fail(QStringLiteral("could not click the face"));
    mirror_.game().startNewGame();
    return fieldShown();
}

bool Player::chooseLevel(Level level)
{
    const auto fixed = fixedLevel(level);
    if (!fixed)
        return fail(QStringLiteral("no fixed level %1").arg(level));
    const QString item = level == Levels::Beginner ? QStringLiteral("b")
        : level == Levels::Intermediate            ? QStringLiteral("i")
                                                   : QStringLiteral("e");
    if (!window_.chooseFromMenu(QStringLiteral("m"), {item}))
        return windowFailed();
    mirror_.game().selectLevel(level);
    if (!window_.locateField(fixed->size.columns, fixed->size.rows))
        return windowFailed();
    return fieldShown();
}

bool Player::toggleMarks()
{
    if (!window_.chooseFromMenu(QStringLiteral("m"), {QStringLiteral("m")}))
        return windowFailed();
    mirror_.setMarksEnabled(!mirror_.isMarksEnabled());
    return true;
}

// The item has no letter of its own: it is the last of the menu.
bool Player::toggleJudgeFlags()
{
    if (!window_.chooseFromMenu(QStringLiteral("m"), {QStringLiteral("Up"), QStringLiteral("Return")}))
        return windowFailed();
    mirror_.setJudgeFlagsEnabled(!mirror_.isJudgeFlagsEnabled());
    return true;
}

bool Player::fieldShown()
{
    QString why;
    QImage field;
    const bool shown = Polling::waitFor([&] {
        field = window_.grabField();
        return FieldPictures::fieldShows(field, mirror_, heldCell_, &why);
    });
    if (shown)
        return true;
    // Kept for whoever looks into the failure.
    static int failures = 0;
    const QString saved = QDir::current().absoluteFilePath(
        QStringLiteral("realwindow-field-%1-%2.png").arg(QCoreApplication::applicationPid()).arg(++failures));
    field.save(saved);
    return fail(QStringLiteral("the field does not show the game (%1): %2").arg(saved, why));
}
