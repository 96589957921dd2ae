// The mine counter and the clock, which live only as label texts.
#include "counterclock.h"
#include "fieldfixture.h"
#include "recordingview.h"

#include <QTest>

class CounterTextsTest : public QObject {
    Q_OBJECT

private slots:
    void addToMineCounter_data();
    void addToMineCounter();
    void tickClock_data();
    void tickClock();
    void resetClockBlanksAndStops();
};

void CounterTextsTest::addToMineCounter_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QString>("after");

    QTest::newRow("a flag placed") << "10" << -1 << "9";
    QTest::newRow("below zero") << "0" << -1 << "-1";
    QTest::newRow("further below") << "-2" << -1 << "-3";
    QTest::newRow("back to zero") << "-1" << 1 << "0";
    QTest::newRow("beyond the mines") << "99" << 1 << "100";
    QTest::newRow("an empty label counts as 0") << "" << -1 << "-1";
}

void CounterTextsTest::addToMineCounter()
{
    QFETCH(QString, before);
    QFETCH(int, delta);
    QFETCH(QString, after);

    RecordingView view;
    view.counterText = before.toStdString();
    ::addToMineCounter(view, delta);
    QCOMPARE(QString::fromStdString(view.counterText), after);
    QCOMPARE(mineCounterValue(view), after.toDouble());
}

void CounterTextsTest::tickClock_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("first tick after a right click") << "" << "1";
    QTest::newRow("second") << "1" << "2";
    QTest::newRow("past 999") << "999" << "1000";
    QTest::newRow("on and on") << "1000" << "1001";
    QTest::newRow("past 16 bits") << "32767" << "32768";
}

void CounterTextsTest::tickClock()
{
    QFETCH(QString, before);
    QFETCH(QString, after);

    RecordingView view;
    view.clock = before.toStdString();
    ::tickClock(view);
    QCOMPARE(QString::fromStdString(view.clock), after);
    QCOMPARE(clockSeconds(view), after.toDouble());
}

void CounterTextsTest::resetClockBlanksAndStops()
{
    RecordingView view;
    view.clock = "41";
    view.clockRunning = true;
    resetClock(view);
    QCOMPARE(callLog(view), (QStringList{"clock ", "stopClock"}));
    QCOMPARE(clockSeconds(view), 0.0);
    QVERIFY(!view.clockRunning);
}

QTEST_GUILESS_MAIN(CounterTextsTest)
#include "tst_countertexts.moc"
