// The mouse's ButtonState arithmetic through every order of presses and releases.
#include "buttonstate.h"

#include <QTest>

class ButtonStateTest : public QObject {
    Q_OBJECT

private slots:
    void singleEvent_data();
    void singleEvent();
    void sequence_data();
    void sequence();
};

namespace {

enum class Event { Press, Release };

// One event as the mouse handlers apply it: the new state and what the
// event does ("" for a press, "click" or "chord" for a release).
ButtonState apply(ButtonState state, Event event, MouseButton button, QString* action)
{
    if (event == Event::Press) {
        *action = QString();
        return afterPress(state, button);
    }
    const ButtonState raw = afterRelease(state, button);
    if (isChordRelease(raw)) {
        *action = QStringLiteral("chord");
        return chordReleased;
    }
    *action = QStringLiteral("click");
    return raw;
}

} // namespace

void ButtonStateTest::singleEvent_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("press");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("raw");   // the value right after the arithmetic
    QTest::addColumn<int>("after"); // the value the handler leaves
    QTest::addColumn<bool>("chord");

    const int left = int(MouseButton::Left);
    const int right = int(MouseButton::Right);
    // The press columns of the mouse's table.
    QTest::newRow("0 left press") << 0 << true << left << 1 << 1 << false;
    QTest::newRow("0 right press") << 0 << true << right << 2 << 2 << false;
    QTest::newRow("1 left press") << 1 << true << left << 2 << 2 << false;
    QTest::newRow("1 right press") << 1 << true << right << 3 << 3 << false;
    QTest::newRow("2 left press") << 2 << true << left << 3 << 3 << false;
    QTest::newRow("2 right press") << 2 << true << right << 4 << 4 << false;
    QTest::newRow("3 left press") << 3 << true << left << 4 << 4 << false;
    QTest::newRow("3 right press") << 3 << true << right << 5 << 5 << false;
    QTest::newRow("10 left press") << 10 << true << left << 1 << 1 << false;
    QTest::newRow("10 right press") << 10 << true << right << 2 << 2 << false;
    // Values from events the handlers did not see follow the same arithmetic.
    QTest::newRow("-1 left press") << -1 << true << left << 1 << 1 << false;
    QTest::newRow("-2 right press") << -2 << true << right << 2 << 2 << false;
    QTest::newRow("9 left press") << 9 << true << left << 10 << 10 << false;
    QTest::newRow("8 right press") << 8 << true << right << 10 << 10 << false;
    // The release columns.
    QTest::newRow("0 left release") << 0 << false << left << -1 << 10 << true;
    QTest::newRow("0 right release") << 0 << false << right << -2 << 10 << true;
    QTest::newRow("1 left release") << 1 << false << left << 0 << 0 << false;
    QTest::newRow("1 right release") << 1 << false << right << -1 << 10 << true;
    QTest::newRow("2 left release") << 2 << false << left << 1 << 10 << true;
    QTest::newRow("2 right release") << 2 << false << right << 0 << 0 << false;
    QTest::newRow("3 left release") << 3 << false << left << 2 << 10 << true;
    QTest::newRow("3 right release") << 3 << false << right << 1 << 10 << true;
    QTest::newRow("10 left release") << 10 << false << left << 9 << 10 << true;
    QTest::newRow("10 right release") << 10 << false << right << 8 << 10 << true;
}

void ButtonStateTest::singleEvent()
{
    QFETCH(int, before);
    QFETCH(bool, press);
    QFETCH(int, button);
    QFETCH(int, raw);
    QFETCH(int, after);
    QFETCH(bool, chord);

    const auto mouseButton = MouseButton(button);
    const ButtonState state = ButtonState(before);
    if (press) {
        QCOMPARE(int(afterPress(state, mouseButton)), raw);
    } else {
        QCOMPARE(int(afterRelease(state, mouseButton)), raw);
        QCOMPARE(isChordRelease(afterRelease(state, mouseButton)), chord);
    }
    QString action;
    QCOMPARE(int(apply(state, press ? Event::Press : Event::Release, mouseButton, &action)), after);
}

void ButtonStateTest::sequence_data()
{
    QTest::addColumn<QString>("events");  // L/R, + press, - release
    QTest::addColumn<QString>("results"); // the state after each event, with the release's action

    QTest::newRow("left click") << "L+ L-" << "1 0:click";
    QTest::newRow("right click") << "R+ R-" << "2 0:click";
    QTest::newRow("chord, left first, left up first") << "L+ R+ L- R-" << "1 3 10:chord 10:chord";
    QTest::newRow("chord, left first, right up first") << "L+ R+ R- L-" << "1 3 10:chord 10:chord";
    QTest::newRow("chord, right first") << "R+ L+ L- R-" << "2 3 10:chord 10:chord";
    QTest::newRow("clicks after a chord start afresh") << "L+ R+ L- R- L+ L- R+ R-"
                                                       << "1 3 10:chord 10:chord 1 0:click 2 0:click";
    QTest::newRow("button pressed again during a chord") << "L+ R+ L- L+ L- R-"
                                                         << "1 3 10:chord 1 0:click 10:chord";
    QTest::newRow("release without its press") << "L- L+ L-" << "10:chord 1 0:click";
}

void ButtonStateTest::sequence()
{
    QFETCH(QString, events);
    QFETCH(QString, results);

    ButtonState state = 0;
    QStringList seen;
    for (const QString& event : events.split(QLatin1Char(' '))) {
        const auto button = event.at(0) == QLatin1Char('L') ? MouseButton::Left : MouseButton::Right;
        const auto kind = event.at(1) == QLatin1Char('+') ? Event::Press : Event::Release;
        QString action;
        state = apply(state, kind, button, &action);
        seen << (action.isEmpty() ? QString::number(state) : QStringLiteral("%1:%2").arg(state).arg(action));
    }
    QCOMPARE(seen.join(QLatin1Char(' ')), results);
}

QTEST_GUILESS_MAIN(ButtonStateTest)
#include "tst_buttonstate.moc"
