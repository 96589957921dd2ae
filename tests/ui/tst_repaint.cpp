// A release that changes many cells, or ends the game, shows on the
// screen in one repaint of the field.
#include "boardcanvas.h"
#include "paintcounter.h"
#include "windowfixture.h"

#include <QTest>

namespace {

struct Step {
    Qt::MouseButton button;
    bool press;
    int column;
    int row;
};

} // namespace

class TestRepaint : public QObject {
    Q_OBJECT

private slots:
    void oneRepaintPerRelease_data();
    void oneRepaintPerRelease();
};

void TestRepaint::oneRepaintPerRelease_data()
{
    QTest::addColumn<QStringList>("field");
    QTest::addColumn<bool>("judgeFlags");
    QTest::addColumn<QList<Step>>("before");
    QTest::addColumn<Qt::MouseButton>("releasedButton");
    QTest::addColumn<QPoint>("releasedCell");
    QTest::addColumn<int>("messages");

    const QStringList wide{
        "o.............................",
        "..............................",
        "..............................",
        "..............................",
        "..............................",
        "..............................",
        "..............................",
        "..............................",
        "..............................",
        "..............................",
        "..............................",
        "..............................",
        "..............................",
        "..............................",
        "...........................***",
        "...........................***",
    };
    QTest::newRow("flood of the whole field, ending in a win")
        << wide << true << QList<Step>{{Qt::LeftButton, true, 10, 5}} << Qt::LeftButton << QPoint(10, 5) << 1;

    // The top-right corner, walled in by mines, is never reached.
    QStringList unfinished = wide;
    unfinished[0][28] = QLatin1Char('*');
    unfinished[1][28] = QLatin1Char('*');
    unfinished[1][29] = QLatin1Char('*');
    QTest::newRow("flood that leaves the game running")
        << unfinished << true << QList<Step>{{Qt::LeftButton, true, 10, 5}} << Qt::LeftButton << QPoint(10, 5) << 0;

    QTest::newRow("uncovering a mine")
        << wide << true << QList<Step>{{Qt::LeftButton, true, 29, 16}} << Qt::LeftButton << QPoint(29, 16) << 1;

    const QStringList chordField{
        "o.......",
        ".F......",
        "..o.....",
        "........",
        "........",
        "........",
        "........",
        ".......*",
    };
    QTest::newRow("chord that floods")
        << chordField << true << QList<Step>{{Qt::LeftButton, true, 3, 3}, {Qt::RightButton, true, 3, 3}}
        << Qt::RightButton << QPoint(3, 3) << 0;

    const QStringList wrongFlag{
        "o.......",
        ".f*.....",
        "..o.....",
        "........",
        "........",
        "........",
        "........",
        ".......*",
    };
    QTest::newRow("chord on a wrong flag, lost")
        << wrongFlag << true << QList<Step>{{Qt::LeftButton, true, 3, 3}, {Qt::RightButton, true, 3, 3}}
        << Qt::LeftButton << QPoint(3, 3) << 1;

    const QStringList lastFlag{
        "o.......",
        "........",
        "..F.....",
        "........",
        "........",
        "........",
        "........",
        ".......*",
    };
    QTest::newRow("last flag, won")
        << lastFlag << true << QList<Step>{{Qt::RightButton, true, 8, 8}} << Qt::RightButton << QPoint(8, 8) << 1;
}

void TestRepaint::oneRepaintPerRelease()
{
    QFETCH(QStringList, field);
    QFETCH(bool, judgeFlags);
    QFETCH(QList<Step>, before);
    QFETCH(Qt::MouseButton, releasedButton);
    QFETCH(QPoint, releasedCell);
    QFETCH(int, messages);
    WindowFixture fixture;
    fixture.window().setJudgeFlagsEnabled(judgeFlags);
    fixture.plant(field);
    QVERIFY(fixture.showAndActivate());
    for (const Step& step : before) {
        const QPoint at = WindowFixture::cellCentre(step.column, step.row);
        if (step.press)
            fixture.press(step.button, at);
        else
            fixture.release(step.button, at);
    }
    QCoreApplication::processEvents();
    PaintCounter paints(fixture.canvas());
    const QImage shownBefore = fixture.canvas()->image();

    fixture.release(releasedButton, WindowFixture::cellCentre(releasedCell.x(), releasedCell.y()));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();

    QVERIFY(fixture.canvas()->image() != shownBefore);
    QCOMPARE(fixture.messages().size(), messages);
    QCOMPARE(paints.count(), 1);
}

QTEST_MAIN(TestRepaint)
#include "tst_repaint.moc"
