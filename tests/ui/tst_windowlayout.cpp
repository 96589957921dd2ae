// The main window fitted to every field: sizes and places of the controls,
// the menus that stay readable at every width, and the window's looks.
#include "boardcanvas.h"
#include "counterlabel.h"
#include "facebutton.h"
#include "headerpanel.h"
#include "windowfixture.h"
#include "wrappingmenubar.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <pictures.h>

class TestWindowLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyField_data();
    void everyField();
    void fieldTable_data();
    void fieldTable();
    void menuRowsAtEveryWidth();
    void narrowFieldsWrapTheMenus();
    void newFieldShowsOnlyCoveredCells();
    void windowLooks();
    void controlNames();
    void fonts();
    void counterLooks();
    void faceButton();

private:
    // One window laid out again and again, as the player would.
    std::unique_ptr<WindowFixture> shared_;
};

namespace {

void layOut(WindowFixture& fixture, int columns, int rows)
{
    GameSession& s = fixture.session();
    s.level = Levels::Custom;
    s.columns = std::int16_t(columns);
    s.rows = std::int16_t(rows);
    s.mines = 10;
    fixture.window().layoutForField();
}

} // namespace

void TestWindowLayout::initTestCase()
{
    shared_ = std::make_unique<WindowFixture>();
}

void TestWindowLayout::cleanupTestCase()
{
    shared_.reset();
}

void TestWindowLayout::everyField_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    for (int columns = 8; columns <= 30; ++columns) {
        for (int rows = 8; rows <= 16; ++rows)
            QTest::addRow("%dx%d", columns, rows) << columns << rows;
    }
}

// Expected figures are written out from the window's geometry rules, not
// taken from the code under test.
void TestWindowLayout::everyField()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    WindowFixture& fixture = *shared_;
    layOut(fixture, columns, rows);
    MainWindow& window = fixture.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QWidget* central = window.centralWidget();
    QCOMPARE(central->size(), QSize(columns * 16 + 20, rows * 16 + 62));
    QCOMPARE(central->y(), window.menuWidget()->height());
    QCOMPARE(window.menuWidget()->geometry(), QRect(0, 0, central->width(), window.menuWidget()->height()));
    QCOMPARE(window.size(), QSize(central->width(), window.menuWidget()->height() + central->height()));
    QCOMPARE(window.minimumSize(), window.maximumSize());

    auto* canvas = window.findChild<BoardCanvas*>(QStringLiteral("画板1"));
    QCOMPARE(canvas->geometry(), QRect(8, 52, columns * 16 + 5, rows * 16 + 5));
    QCOMPARE(canvas->image().size(), QSize(columns * 16 + 1, rows * 16 + 1));
    QCOMPARE(window.findChild<HeaderPanel*>(QStringLiteral("标签3"))->geometry(),
             QRect(8, 8, columns * 16 + 4, 36));
    QCOMPARE(window.findChild<CounterLabel*>(QStringLiteral("标签1"))->geometry(), QRect(16, 15, 40, 24));
    QCOMPARE(window.findChild<CounterLabel*>(QStringLiteral("标签2"))->geometry(),
             QRect(columns * 16 - 34, 15, 40, 24));
    QCOMPARE(window.findChild<FaceButton*>(QStringLiteral("图形按钮1"))->geometry(),
             QRect(columns * 8 - 1, 14, 26, 26));
}

void TestWindowLayout::fieldTable_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<int>("headerWidth");
    QTest::addColumn<QSize>("central");
    QTest::addColumn<int>("clockLeft");
    QTest::addColumn<int>("faceLeft");
    QTest::newRow("beginner") << 8 << 8 << QSize(133, 133) << 132 << QSize(148, 190) << 94 << 63;
    QTest::newRow("11x8") << 11 << 8 << QSize(181, 133) << 180 << QSize(196, 190) << 142 << 87;
    QTest::newRow("12x8") << 12 << 8 << QSize(197, 133) << 196 << QSize(212, 190) << 158 << 95;
    QTest::newRow("intermediate") << 16 << 16 << QSize(261, 261) << 260 << QSize(276, 318) << 222 << 127;
    QTest::newRow("expert") << 30 << 16 << QSize(485, 261) << 484 << QSize(500, 318) << 446 << 239;
}

void TestWindowLayout::fieldTable()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QSize, canvas);
    QFETCH(int, headerWidth);
    QFETCH(QSize, central);
    QFETCH(int, clockLeft);
    QFETCH(int, faceLeft);
    WindowFixture fixture;
    layOut(fixture, columns, rows);
    MainWindow& window = fixture.window();

    QCOMPARE(window.findChild<BoardCanvas*>()->size(), canvas);
    QCOMPARE(window.findChild<HeaderPanel*>()->width(), headerWidth);
    QCOMPARE(window.centralWidget()->size(), central);
    QCOMPARE(window.findChild<CounterLabel*>(QStringLiteral("标签2"))->x(), clockLeft);
    QCOMPARE(window.findChild<FaceButton*>()->x(), faceLeft);
}

// Every menu title shows in full on some row, at every field width: no
// title hides behind an overflow button or is cut off.
void TestWindowLayout::menuRowsAtEveryWidth()
{
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* menus = qobject_cast<WrappingMenuBar*>(window.menuWidget());
    QVERIFY(menus);

    for (int columns = 8; columns <= 30; ++columns) {
        layOut(fixture, columns, 8);
        QCoreApplication::processEvents();
        QStringList shown;
        int rowsHeight = 0;
        for (QMenuBar* row : menus->rows()) {
            QVERIFY(row->isVisible());
            QCOMPARE(row->width(), window.width());
            rowsHeight += row->height();
            for (QToolButton* extension : row->findChildren<QToolButton*>())
                QVERIFY2(!extension->isVisible(), qPrintable(QStringLiteral("overflow at %1").arg(columns)));
            for (QAction* action : row->actions()) {
                const QRect title = row->actionGeometry(action);
                const int textWidth = row->fontMetrics().horizontalAdvance(action->text().remove(QLatin1Char('&')));
                QVERIFY(!title.isEmpty());
                QVERIFY(row->rect().contains(title));
                QVERIFY(title.width() >= textWidth);
                shown.append(action->text());
            }
        }
        QCOMPARE(shown, QStringList({QStringLiteral("游戏（&G）"), QStringLiteral("设置（&M）"),
                                     QStringLiteral("帮助（&H)")}));
        QCOMPARE(menus->height(), rowsHeight);
        QCOMPARE(window.centralWidget()->y(), rowsHeight);
    }
}

// A narrow field has a taller window than a wide one with the same rows,
// because its menus need a second row.
void TestWindowLayout::narrowFieldsWrapTheMenus()
{
    WindowFixture fixture;
    auto* menus = qobject_cast<WrappingMenuBar*>(fixture.window().menuWidget());
    layOut(fixture, 8, 8);
    const int narrowHeight = fixture.window().height();
    const qsizetype narrowRows = menus->rows().size();
    layOut(fixture, 30, 8);
    QCOMPARE(menus->rows().size(), 1);
    QVERIFY(narrowRows >= 2);
    QCOMPARE(narrowHeight - fixture.window().height(), (narrowRows - 1) * menus->rows().first()->sizeHint().height());
}

// Whatever the previous field showed, a new layout shows every cell covered
// and nothing beyond the last column and row.
void TestWindowLayout::newFieldShowsOnlyCoveredCells()
{
    WindowFixture fixture;
    fixture.plant({"o.......", "........", "........", "........", "........", "........", "........",
                   "...*...."});
    fixture.click(Qt::LeftButton, WindowFixture::cellCentre(4, 8));
    layOut(fixture, 12, 9);

    const QImage expected = Pictures::boardBackground().convertToFormat(QImage::Format_RGB32).copy(0, 0, 12 * 16 + 1,
                                                                                                   9 * 16 + 1);
    QCOMPARE(fixture.canvas()->image(), expected);
}

void TestWindowLayout::windowLooks()
{
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    QCOMPARE(window.windowTitle(), QStringLiteral("Tolvy经典扫雷中文版"));
    QVERIFY(QGuiApplication::applicationDisplayName() == QCoreApplication::applicationName());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(window.minimumSize(), window.maximumSize());

    // Centred on the screen when it opens.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(window.geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window.geometry().center().y() - screen.center().y()) <= 1);
}

void TestWindowLayout::controlNames()
{
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    QVERIFY(window.findChild<HeaderPanel*>(QStringLiteral("标签3")));
    QVERIFY(window.findChild<QObject*>(QStringLiteral("时钟1")));

    auto* canvas = window.findChild<BoardCanvas*>(QStringLiteral("画板1"));
    QCOMPARE(canvas->accessibleName(), QStringLiteral("雷区"));
    QVERIFY(canvas->hasMouseTracking());
    QCOMPARE(window.findChild<FaceButton*>(QStringLiteral("图形按钮1"))->accessibleName(), QStringLiteral("新游戏"));

    // Labels keep their text as their name, so that the number is read out.
    auto* counter = window.findChild<CounterLabel*>(QStringLiteral("标签1"));
    auto* clock = window.findChild<CounterLabel*>(QStringLiteral("标签2"));
    QVERIFY(counter->accessibleName().isEmpty());
    QVERIFY(clock->accessibleName().isEmpty());
    QCOMPARE(counter->accessibleDescription(), QStringLiteral("剩余地雷"));
    QCOMPARE(clock->accessibleDescription(), QStringLiteral("用时"));
}

void TestWindowLayout::fonts()
{
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    for (const QString& name : {QStringLiteral("标签1"), QStringLiteral("标签2")}) {
        const QFont font = window.findChild<CounterLabel*>(name)->font();
        QCOMPARE(font.families().value(0), QStringLiteral("隶书"));
        QVERIFY(font.families().size() > 1);
        QCOMPARE(font.pixelSize(), 19);
        QVERIFY(!font.bold());
    }
    const QFont canvasFont = window.findChild<BoardCanvas*>()->font();
    QCOMPARE(canvasFont.families().value(0), QStringLiteral("宋体"));
    QVERIFY(canvasFont.families().size() > 1);
    QCOMPARE(canvasFont.pixelSize(), 13);
    QVERIFY(canvasFont.bold());
}

// Red digits on black inside a sunken edge.
void TestWindowLayout::counterLooks()
{
    WindowFixture fixture;
    auto* counter = fixture.window().findChild<CounterLabel*>(QStringLiteral("标签1"));
    counter->setText(QStringLiteral("88"));
    const QImage shown = counter->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(40, 24));
    QCOMPARE(shown.pixelColor(0, 10), QColor(0x84, 0x82, 0x84));
    QCOMPARE(shown.pixelColor(39, 10), QColor(0xFC, 0xFE, 0xFC));
    QCOMPARE(shown.pixelColor(3, 3), QColor(Qt::black));
    int red = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            red += shown.pixelColor(x, y) == QColor(0xFF, 0, 0) ? 1 : 0;
    }
    QVERIFY(red > 10);
}

// The face shows its pressed picture while held down, and a click on it
// starts a new game.
void TestWindowLayout::faceButton()
{
    WindowFixture fixture;
    auto* face = fixture.window().findChild<FaceButton*>(QStringLiteral("图形按钮1"));
    QCOMPARE(face->grab().toImage().convertToFormat(QImage::Format_RGB32),
             Pictures::faceSmile().convertToFormat(QImage::Format_RGB32));
    face->setDown(true);
    QCOMPARE(face->grab().toImage().convertToFormat(QImage::Format_RGB32),
             Pictures::facePressed().convertToFormat(QImage::Format_RGB32));
    face->setDown(false);

    fixture.click(Qt::RightButton, WindowFixture::cellCentre(3, 3));
    QTest::mouseClick(face, Qt::LeftButton);
    QCOMPARE(fixture.cell(3, 3), Cell::Covered);
    QCOMPARE(fixture.mineCounterText(), QStringLiteral("40"));
    QVERIFY(!fixture.window().isClockRunning());
}

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
