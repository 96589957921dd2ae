// The mine counter and the clock as the player sees them: the clock's
// start by a left press or a right click, its ticks, and both numbers at a
// new game and after its end.
#include "gameclock.h"
#include "windowfixture.h"

#include <QTest>

namespace {

const QStringList quietField{
    "o.......",
    "........",
    "........",
    "......*.",
    "........",
    "........",
    "........",
    "*.......",
};

} // namespace

class TestCounterClock : public QObject {
    Q_OBJECT

private slots:
    void firstLeftPressShowsOne_data();
    void firstLeftPressShowsOne();
    void laterPressesKeepTheClock();
    void firstRightClickWaitsForTick();
    void ticks_data();
    void ticks();
    void clockCountsRealSeconds();
    void newGame_data();
    void newGame();
    void endedGameKeepsItsTime();
};

void TestCounterClock::firstLeftPressShowsOne_data()
{
    QTest::addColumn<QPoint>("pressAt");
    QTest::newRow("on a cell") << WindowFixture::cellCentre(4, 4);
    QTest::newRow("left of the field") << QPoint(-5, 20);
}

void TestCounterClock::firstLeftPressShowsOne()
{
    QFETCH(QPoint, pressAt);
    WindowFixture fixture;
    fixture.plant(quietField);
    QCOMPARE(fixture.clockText(), QString());
    QVERIFY(!fixture.clock()->isRunning());

    fixture.press(Qt::LeftButton, pressAt);
    QCOMPARE(fixture.clockText(), QStringLiteral("1"));
    QVERIFY(fixture.clock()->isRunning());
}

void TestCounterClock::laterPressesKeepTheClock()
{
    WindowFixture fixture;
    fixture.plant(quietField);
    fixture.click(Qt::LeftButton, WindowFixture::cellCentre(8, 1));
    emit fixture.clock()->ticked();
    emit fixture.clock()->ticked();
    fixture.click(Qt::LeftButton, WindowFixture::cellCentre(8, 2));
    fixture.click(Qt::RightButton, WindowFixture::cellCentre(8, 7));
    QCOMPARE(fixture.clockText(), QStringLiteral("3"));
}

void TestCounterClock::firstRightClickWaitsForTick()
{
    WindowFixture fixture;
    fixture.plant(quietField);
    fixture.click(Qt::RightButton, WindowFixture::cellCentre(5, 5));
    QVERIFY(fixture.clock()->isRunning());
    QCOMPARE(fixture.clockText(), QString());
    emit fixture.clock()->ticked();
    QCOMPARE(fixture.clockText(), QStringLiteral("1"));
}

void TestCounterClock::ticks_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("empty") << "" << "1";
    QTest::newRow("one") << "1" << "2";
    QTest::newRow("past three digits") << "999" << "1000";
    QTest::newRow("on and on") << "1000" << "1001";
}

void TestCounterClock::ticks()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    WindowFixture fixture;
    fixture.window().setClockText(before.toStdString());
    emit fixture.clock()->ticked();
    QCOMPARE(fixture.clockText(), after);
}

// The timer itself: a second after the first press the clock shows 2.
void TestCounterClock::clockCountsRealSeconds()
{
    WindowFixture fixture;
    fixture.plant(quietField);
    fixture.press(Qt::LeftButton, WindowFixture::cellCentre(4, 4));
    QTRY_COMPARE_WITH_TIMEOUT(fixture.clockText(), QStringLiteral("2"), 3000);
}

void TestCounterClock::newGame_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("mines");
    QTest::newRow("beginner") << int(Levels::Beginner) << "10";
    QTest::newRow("intermediate") << int(Levels::Intermediate) << "40";
    QTest::newRow("expert") << int(Levels::Expert) << "99";
}

void TestCounterClock::newGame()
{
    QFETCH(int, level);
    QFETCH(QString, mines);
    WindowFixture fixture;
    fixture.press(Qt::LeftButton, WindowFixture::cellCentre(3, 3));
    fixture.release(Qt::LeftButton, WindowFixture::cellCentre(3, 3));
    fixture.click(Qt::RightButton, WindowFixture::cellCentre(16, 16));

    fixture.game().selectLevel(Level(level));
    QCOMPARE(fixture.mineCounterText(), mines);
    QCOMPARE(fixture.clockText(), QString());
    QVERIFY(!fixture.clock()->isRunning());
}

// After the end the clock stops and keeps its seconds until a new game.
void TestCounterClock::endedGameKeepsItsTime()
{
    WindowFixture fixture;
    fixture.plant(quietField);
    fixture.click(Qt::LeftButton, WindowFixture::cellCentre(2, 2));
    emit fixture.clock()->ticked();
    fixture.click(Qt::LeftButton, WindowFixture::cellCentre(1, 8));
    QVERIFY(!fixture.clock()->isRunning());
    QCOMPARE(fixture.clockText(), QStringLiteral("2"));

    fixture.game().startNewGame();
    QCOMPARE(fixture.clockText(), QString());
    QCOMPARE(fixture.mineCounterText(), QStringLiteral("2"));
}

QTEST_MAIN(TestCounterClock)
#include "tst_counterclock.moc"
