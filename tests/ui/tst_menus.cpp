// The menus: texts, keys, check marks and commands; the message boxes, the
// about box and the help page.
#include "aboutbox.h"
#include "helpdocument.h"
#include "windowfixture.h"
#include "wrappingmenubar.h"

#include <QAction>
#include <QFile>
#include <QPointer>
#include <QSysInfo>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

QList<QMenu*> menusOf(MainWindow& window)
{
    QList<QMenu*> menus;
    for (QMenuBar* row : qobject_cast<WrappingMenuBar*>(window.menuWidget())->rows()) {
        for (QAction* action : row->actions())
            menus.append(action->menu());
    }
    return menus;
}

QAction* item(MainWindow& window, const QString& text)
{
    for (QMenu* menu : menusOf(window)) {
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

const QString beginnerText = QStringLiteral("初级（&B）");
const QString intermediateText = QStringLiteral("中级（&I）");
const QString expertText = QStringLiteral("高级（&E）");
const QString customText = QStringLiteral("自定义（&C）…");
const QString marksText = QStringLiteral("标记（？）（&M）");
const QString judgeFlagsText = QStringLiteral("判断插旗错误");
const QString hallOfFameText = QStringLiteral("扫雷英雄榜（T）…");

// Runs act on the modal dialog that the next command opens, once it is open
// (other modal loops, such as a message box, may come first).
void whenDialogOpens(std::function<void(QDialog*)> act)
{
    auto* poll = new QTimer;
    auto attempts = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, attempts, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog && ++*attempts < 500)
            return;
        poll->stop();
        poll->deleteLater();
        if (dialog)
            act(dialog);
    });
    poll->start(10);
}

QStringList levelChecks(MainWindow& window)
{
    QStringList checked;
    for (const QString& text : {beginnerText, intermediateText, expertText, customText}) {
        if (item(window, text)->isChecked())
            checked.append(text);
    }
    return checked;
}

} // namespace

class TestMenus : public QObject {
    Q_OBJECT

private slots:
    void menuTree();
    void keys_data();
    void keys();
    void checkMarksAtStart();
    void setLevelChecks_data();
    void setLevelChecks();
    void levelItems_data();
    void levelItems();
    void customItemCancelledChangesNothing();
    void customItemAcceptedStartsTheField();
    void hallOfFameItemPutsItsMarkOnWhileOpen();
    void newBestTimeIsEnteredAndStored();
    void optionsToggle();
    void newGameKey();
    void closingKeys_data();
    void closingKeys();
    void mnemonicsOpenMenus_data();
    void mnemonicsOpenMenus();
    void arrowsGoOnToNextRow_data();
    void arrowsGoOnToNextRow();
    void messagesOfTheGame_data();
    void messagesOfTheGame();
    void messageBoxLooks_data();
    void messageBoxLooks();
    void aboutBox();
    void helpPage();
};

void TestMenus::menuTree()
{
    WindowFixture fixture;
    QStringList tree;
    for (QMenu* menu : menusOf(fixture.window())) {
        tree.append(menu->title());
        for (QAction* action : menu->actions())
            tree.append(QStringLiteral("  ") + (action->isSeparator() ? QStringLiteral("-") : action->text()));
    }
    const QStringList expected{
        "游戏（&G）", "  开局（&N）   ", "  -", "  扫雷英雄榜（T）…", "  -", "  退出（&X）   ",
        "设置（&M）", "  初级（&B）", "  中级（&I）", "  高级（&E）", "  自定义（&C）…", "  -",
        "  标记（？）（&M）", "  判断插旗错误",
        "帮助（&H)", "  帮助主题（&N）   ", "  -", "  关于扫雷（&F）",
    };
    QCOMPARE(tree, expected);
    for (QMenu* menu : menusOf(fixture.window())) {
        for (QAction* action : menu->actions()) {
            QVERIFY(action->isEnabled());
            QVERIFY(action->isVisible());
        }
    }
}

void TestMenus::keys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("new game") << "开局（&N）   " << QKeySequence(Qt::Key_F2);
    QTest::newRow("exit") << "退出（&X）   " << QKeySequence(Qt::Key_F9);
    QTest::newRow("help") << "帮助主题（&N）   " << QKeySequence(Qt::Key_F1);
    QTest::newRow("hall of fame") << "扫雷英雄榜（T）…" << QKeySequence();
    QTest::newRow("beginner") << "初级（&B）" << QKeySequence();
    QTest::newRow("about") << "关于扫雷（&F）" << QKeySequence();
}

// Keys are shortcuts, shown by the menu after the text, never typed into it.
void TestMenus::keys()
{
    QFETCH(QString, text);
    QFETCH(QKeySequence, key);
    WindowFixture fixture;
    QAction* action = item(fixture.window(), text);
    QVERIFY(action);
    QCOMPARE(action->shortcut(), key);
    QVERIFY(!action->text().contains(QLatin1Char('\t')));
}

void TestMenus::checkMarksAtStart()
{
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    QVERIFY(item(window, judgeFlagsText)->isChecked());
    QVERIFY(window.isJudgeFlagsEnabled());
    QVERIFY(!item(window, marksText)->isChecked());
    QVERIFY(!window.isMarksEnabled());
    QVERIFY(!item(window, hallOfFameText)->isChecked());
    QCOMPARE(levelChecks(window), QStringList{intermediateText});
    QCOMPARE(window.game().session().level, Levels::Intermediate);
    QCOMPARE(window.game().session().columns, 16);
    QCOMPARE(window.game().session().mines, 40);
    for (const QString& text : {beginnerText, intermediateText, expertText, customText, marksText, judgeFlagsText,
                                hallOfFameText})
        QVERIFY(item(window, text)->isCheckable());
}

void TestMenus::setLevelChecks_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("checked");
    QTest::newRow("beginner") << int(Levels::Beginner) << beginnerText;
    QTest::newRow("intermediate") << int(Levels::Intermediate) << intermediateText;
    QTest::newRow("expert") << int(Levels::Expert) << expertText;
    QTest::newRow("custom") << int(Levels::Custom) << customText;
}

void TestMenus::setLevelChecks()
{
    QFETCH(int, level);
    QFETCH(QString, checked);
    WindowFixture fixture;
    for (Level from : {Levels::Beginner, Levels::Expert, Levels::Custom}) {
        fixture.window().setLevelChecks(from);
        fixture.window().setLevelChecks(Level(level));
        QCOMPARE(levelChecks(fixture.window()), QStringList{checked});
    }
}

void TestMenus::levelItems_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("mines");
    QTest::newRow("beginner") << beginnerText << 1 << 8 << "10";
    QTest::newRow("the level in force") << intermediateText << 2 << 16 << "40";
    QTest::newRow("expert") << expertText << 3 << 30 << "99";
}

// Choosing a level, also the one in force, lays the window out and starts
// a new game.
void TestMenus::levelItems()
{
    QFETCH(QString, text);
    QFETCH(int, level);
    QFETCH(int, columns);
    QFETCH(QString, mines);
    WindowFixture fixture;
    fixture.click(Qt::RightButton, WindowFixture::cellCentre(2, 2));
    QCOMPARE(fixture.cell(2, 2), Cell::FlaggedSafe);

    item(fixture.window(), text)->trigger();
    QCOMPARE(int(fixture.session().level), level);
    QCOMPARE(int(fixture.session().columns), columns);
    QCOMPARE(levelChecks(fixture.window()), QStringList{text});
    QCOMPARE(fixture.cell(2, 2), Cell::Covered);
    QCOMPARE(fixture.mineCounterText(), mines);
    QCOMPARE(fixture.clockText(), QString());
    QCOMPARE(fixture.window().centralWidget()->width(), columns * 16 + 20);
}

// Only the dialog's OK changes the level, its check mark and the game.
void TestMenus::customItemCancelledChangesNothing()
{
    WindowFixture fixture;
    fixture.click(Qt::RightButton, WindowFixture::cellCentre(2, 2));
    whenDialogOpens([](QDialog* dialog) { dialog->reject(); });
    item(fixture.window(), customText)->trigger();
    QCOMPARE(levelChecks(fixture.window()), QStringList{intermediateText});
    QCOMPARE(fixture.session().level, Levels::Intermediate);
    QCOMPARE(fixture.cell(2, 2), Cell::FlaggedSafe);
}

void TestMenus::customItemAcceptedStartsTheField()
{
    WindowFixture fixture;
    fixture.click(Qt::RightButton, WindowFixture::cellCentre(2, 2));
    whenDialogOpens([](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("编辑框1"))->setText(QStringLiteral("10"));
        dialog->findChild<QLineEdit*>(QStringLiteral("编辑框2"))->setText(QStringLiteral("20"));
        dialog->findChild<QLineEdit*>(QStringLiteral("编辑框3"))->setText(QStringLiteral("30"));
        dialog->findChild<QPushButton*>(QStringLiteral("按钮1"))->click();
    });
    item(fixture.window(), customText)->trigger();
    QCOMPARE(levelChecks(fixture.window()), QStringList{customText});
    QCOMPARE(fixture.session().level, Levels::Custom);
    QCOMPARE(int(fixture.session().columns), 20);
    QCOMPARE(int(fixture.session().rows), 10);
    QCOMPARE(fixture.cell(2, 2), Cell::Covered);
    QCOMPARE(fixture.mineCounterText(), QStringLiteral("30"));
    QCOMPARE(fixture.clockText(), QString());
    QCOMPARE(fixture.window().centralWidget()->width(), 20 * 16 + 20);
}

// The item's mark is the hall of fame's mode flag: on while it shows the
// records, off again once it is closed (here by Esc).
void TestMenus::hallOfFameItemPutsItsMarkOnWhileOpen()
{
    WindowFixture fixture;
    QAction* hallOfFame = item(fixture.window(), hallOfFameText);
    QCOMPARE(fixture.window().hallOfFameAction(), hallOfFame);
    for (int opening = 0; opening < 2; ++opening) {
        bool checkedWhileOpen = false;
        whenDialogOpens([&](QDialog* dialog) {
            checkedWhileOpen = hallOfFame->isChecked();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        hallOfFame->trigger();
        QVERIFY(checkedWhileOpen);
        QVERIFY(!hallOfFame->isChecked());
    }
}

// A beginner game won at the first click, with no record stored: the hall of
// fame asks for the name and stores the time the clock shows.
void TestMenus::newBestTimeIsEnteredAndStored()
{
    WindowFixture fixture;
    fixture.plant({"********", "**......", "........", "........", "........", "........", "........",
                   ".......o"});
    fixture.session().level = Levels::Beginner;
    QString prompt;
    whenDialogOpens([&](QDialog* dialog) {
        prompt = dialog->findChild<QLabel*>(QStringLiteral("标签10"))->text();
        dialog->findChild<QLineEdit*>(QStringLiteral("编辑框1"))->setText(QStringLiteral("张三"));
        dialog->findChild<QPushButton*>(QStringLiteral("按钮2"))->click();
        dialog->findChild<QPushButton*>(QStringLiteral("按钮2"))->click();
    });
    fixture.click(Qt::LeftButton, WindowFixture::cellCentre(5, 5));

    QCOMPARE(prompt, QStringLiteral("已破初级记录，\n请留尊姓大名。"));
    QCOMPARE(fixture.window().readBestTimeRecord("初级"), std::string("1秒;张三"));
    QVERIFY(!item(fixture.window(), hallOfFameText)->isChecked());
}

// Each option's item turns its mark over and does nothing else; question
// marks already on the field stay.
void TestMenus::optionsToggle()
{
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    item(window, marksText)->trigger();
    QVERIFY(window.isMarksEnabled());
    fixture.click(Qt::RightButton, WindowFixture::cellCentre(5, 5));
    fixture.click(Qt::RightButton, WindowFixture::cellCentre(5, 5));
    QCOMPARE(fixture.cell(5, 5), Cell::MarkedSafe);
    item(window, marksText)->trigger();
    QVERIFY(!window.isMarksEnabled());
    QCOMPARE(fixture.cell(5, 5), Cell::MarkedSafe);

    item(window, judgeFlagsText)->trigger();
    QVERIFY(!window.isJudgeFlagsEnabled());
    item(window, judgeFlagsText)->trigger();
    QVERIFY(window.isJudgeFlagsEnabled());

    window.setMarksEnabled(true);
    QVERIFY(item(window, marksText)->isChecked());
    window.setJudgeFlagsEnabled(false);
    QVERIFY(!item(window, judgeFlagsText)->isChecked());
}

// F2 in the middle of a game starts a new one at once.
void TestMenus::newGameKey()
{
    WindowFixture fixture;
    QVERIFY(fixture.showAndActivate());
    fixture.press(Qt::LeftButton, WindowFixture::cellCentre(1, 1));
    fixture.release(Qt::LeftButton, WindowFixture::cellCentre(1, 1));
    fixture.click(Qt::RightButton, WindowFixture::cellCentre(16, 16));
    QVERIFY(fixture.window().isClockRunning());

    QTest::keyClick(&fixture.window(), Qt::Key_F2);
    QCOMPARE(fixture.session().openedCount, 0);
    QCOMPARE(fixture.cell(16, 16), Cell::Covered);
    QCOMPARE(fixture.mineCounterText(), QStringLiteral("40"));
    QCOMPARE(fixture.clockText(), QString());
    QVERIFY(!fixture.window().isClockRunning());
}

void TestMenus::closingKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("exit key") << int(Qt::Key_F9);
    QTest::newRow("escape") << int(Qt::Key_Escape);
}

void TestMenus::closingKeys()
{
    QFETCH(int, key);
    WindowFixture fixture;
    QVERIFY(fixture.showAndActivate());
    fixture.press(Qt::LeftButton, WindowFixture::cellCentre(1, 1));
    QTest::keyClick(&fixture.window(), Qt::Key(key));
    QVERIFY(!fixture.window().isVisible());
    QVERIFY(fixture.messages().isEmpty());
}

void TestMenus::mnemonicsOpenMenus_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("title");
    for (Level level : {Levels::Beginner, Levels::Expert}) {
        const char* name = level == Levels::Beginner ? "menus on two rows" : "menus on one row";
        QTest::addRow("%s, game", name) << int(level) << int(Qt::Key_G) << "游戏（&G）";
        QTest::addRow("%s, settings", name) << int(level) << int(Qt::Key_M) << "设置（&M）";
        QTest::addRow("%s, help", name) << int(level) << int(Qt::Key_H) << "帮助（&H)";
    }
}

void TestMenus::mnemonicsOpenMenus()
{
    QFETCH(int, level);
    QFETCH(int, key);
    QFETCH(QString, title);
    WindowFixture fixture;
    fixture.game().selectLevel(Level(level));
    QVERIFY(fixture.showAndActivate());

    QTest::keyClick(&fixture.window(), Qt::Key(key), Qt::AltModifier);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QCOMPARE(menu->title(), title);
    menu->close();
}

void TestMenus::arrowsGoOnToNextRow_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("title");
    const QList<int> right{Qt::Key_Right};
    const QList<int> left{Qt::Key_Left};
    for (Level level : {Levels::Beginner, Levels::Expert}) {
        const char* name = level == Levels::Beginner ? "two rows" : "one row";
        QTest::addRow("%s, right once", name) << int(level) << right << "设置（&M）";
        QTest::addRow("%s, right twice", name) << int(level) << (right + right) << "帮助（&H)";
        QTest::addRow("%s, right three times", name) << int(level) << (right + right + right) << "游戏（&G）";
        QTest::addRow("%s, left once", name) << int(level) << left << "帮助（&H)";
        QTest::addRow("%s, left twice", name) << int(level) << (left + left) << "设置（&M）";
    }
}

// From the game menu, the arrow keys walk through all three menus in
// order, wherever the rows break.
void TestMenus::arrowsGoOnToNextRow()
{
    QFETCH(int, level);
    QFETCH(QList<int>, keys);
    QFETCH(QString, title);
    WindowFixture fixture;
    fixture.game().selectLevel(Level(level));
    QVERIFY(fixture.showAndActivate());

    QTest::keyClick(&fixture.window(), Qt::Key_G, Qt::AltModifier);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    for (int key : keys) {
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key(key));
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    }
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QCOMPARE(menu->title(), title);
    menu->close();
}

void TestMenus::messagesOfTheGame_data()
{
    QTest::addColumn<QStringList>("field");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("clickedCell");
    QTest::addColumn<QString>("text");
    QTest::addColumn<MessageStyle>("style");
    QTest::addColumn<QString>("title");
    const QStringList field{
        "o.......",
        "........",
        "........",
        "......F.",
        "........",
        "........",
        "........",
        "*......f",
    };
    QTest::newRow("lost") << field << Qt::LeftButton << QPoint(1, 8) << "您个大笨蛋！踩中地雷了！！！" << MessageStyle::Plain << "信息：";
    QTest::newRow("won with a wrong flag")
        << field << Qt::RightButton << QPoint(1, 8) << "祝贺您！本局胜利了！但您还有1处标记地雷错误，\n望再接再励，再创辉煌。"
        << MessageStyle::Information << "祝贺";
}

// The game's messages arrive with their line break as a newline and their
// title, "信息：" where the game gives none of its own.
void TestMenus::messagesOfTheGame()
{
    QFETCH(QStringList, field);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, clickedCell);
    QFETCH(QString, text);
    QFETCH(MessageStyle, style);
    QFETCH(QString, title);
    WindowFixture fixture;
    fixture.plant(field);
    fixture.click(button, WindowFixture::cellCentre(clickedCell.x(), clickedCell.y()));
    QCOMPARE(fixture.messages().size(), 1);
    QCOMPARE(fixture.messages().first().text, text);
    QCOMPARE(fixture.messages().first().style, style);
    QCOMPARE(fixture.messages().first().title, title);
}

void TestMenus::messageBoxLooks_data()
{
    QTest::addColumn<MessageStyle>("style");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::newRow("plain") << MessageStyle::Plain << QMessageBox::NoIcon;
    QTest::newRow("information") << MessageStyle::Information << QMessageBox::Information;
}

// A real box: owned by no window, modal to the whole program, one OK button.
void TestMenus::messageBoxLooks()
{
    QFETCH(MessageStyle, style);
    QFETCH(QMessageBox::Icon, icon);
    QPointer<QMessageBox> seen;
    bool checked = false;
    QTimer::singleShot(0, [&seen, &checked, icon] {
        seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(seen);
        QCOMPARE(seen->parentWidget(), nullptr);
        QCOMPARE(seen->windowModality(), Qt::ApplicationModal);
        QCOMPARE(seen->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen->buttons().size(), 1);
        QCOMPARE(seen->windowTitle(), QStringLiteral("祝贺"));
        QCOMPARE(seen->text(), QStringLiteral("第一行\n第二行"));
        QCOMPARE(seen->textFormat(), Qt::PlainText);
        QCOMPARE(seen->icon(), icon);
        checked = true;
        seen->accept();
    });
    MainWindow::showMessageBox(QStringLiteral("第一行\n第二行"), style, QStringLiteral("祝贺"));
    QVERIFY(checked);
}

void TestMenus::aboutBox()
{
    AboutBox box;
    QVERIFY(box.windowTitle().contains(QStringLiteral("Tolvy扫雷")));
    const QString text = box.text() + QLatin1Char('\n') + box.informativeText();
    QVERIFY(text.contains(QStringLiteral("Tolvy经典扫雷中文版")));
    QVERIFY(text.contains(QStringLiteral(TOLVY_VERSION)));
    QVERIFY(text.contains(QString::fromLatin1(qVersion())));
    QVERIFY(text.contains(QSysInfo::prettyProductName()));
    QCOMPARE(box.buttons().size(), 1);
}

void TestMenus::helpPage()
{
    const QStringList candidates = HelpDocument::candidatePaths();
    QCOMPARE(candidates.size(), 2);
    QVERIFY(candidates.first().endsWith(QStringLiteral("/tolvy-mines/help.html")));
    // Run from the build tree, the source tree's copy is found.
    QVERIFY(!HelpDocument::path().isEmpty());
    QFile page(HelpDocument::path());
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(page.readAll()).contains(QStringLiteral("怎么玩")));
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
