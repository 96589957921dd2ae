// The hall of fame: records read and created, a new record entered and
// stored, reset, the two modes and their layout, and closing by Esc.
#include "halloffamedialog.h"
#include "messagehook.h"
#include "settingsstore.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString emptyRecord = QStringLiteral("999秒;佚名");
const QString beginner = QStringLiteral("初级");
const QString intermediate = QStringLiteral("中级");
const QString expert = QStringLiteral("高级");

QStringList storedRecords()
{
    return {SettingsStore::readText(beginner), SettingsStore::readText(intermediate),
            SettingsStore::readText(expert)};
}

} // namespace

class TestHallOfFameDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void controlsSitAtTheirPlaces_data();
    void controlsSitAtTheirPlaces();
    void firstOpeningCreatesTheEmptyRecords();
    void showsStoredRecordsByTag_data();
    void showsStoredRecordsByTag();
    void newRecordIsEnteredThenStored_data();
    void newRecordIsEnteredThenStored();
    void emptyNameAsksForOne();
    void enterInTheNameBoxMeansOk();
    void resetWritesEmptyRecords();
    void customLevelStoresNothing();
    void escapeStoresNothingAndPutsTheFlagOff_data();
    void escapeStoresNothingAndPutsTheFlagOff();
    void placedOverTheMainWindowWithItsPresentWidth();
    void showHallOfFameSetsTheModeFlag_data();
    void showHallOfFameSetsTheModeFlag();

private:
    void open(Level level, bool viewMode, const QString& clockText = QString());
    QLabel* tag(int number) const { return dialog_->labelByTag(number); }
    QLineEdit* nameBox() const { return dialog_->findChild<QLineEdit*>(QStringLiteral("编辑框1")); }
    QPushButton* okButton() const { return dialog_->findChild<QPushButton*>(QStringLiteral("按钮2")); }
    QString layout() const;

    std::unique_ptr<QTemporaryDir> folder_;
    QWidget mainWindow_;
    QAction modeFlag_;
    std::unique_ptr<HallOfFameDialog> dialog_;
    QStringList messages_;
};

void TestHallOfFameDialog::initTestCase()
{
    setMessageHook([this](const QString& text, MessageStyle style, const QString& title) {
        messages_ << QStringLiteral("%1 [%2] %3").arg(title).arg(int(style)).arg(text);
    });
    mainWindow_.setGeometry(100, 50, 400, 300);
    modeFlag_.setCheckable(true);
}

void TestHallOfFameDialog::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    SettingsStore::setBaseFolder(folder_->path());
    messages_.clear();
}

void TestHallOfFameDialog::cleanup()
{
    dialog_.reset();
}

void TestHallOfFameDialog::open(Level level, bool viewMode, const QString& clockText)
{
    modeFlag_.setChecked(viewMode);
    dialog_ = std::make_unique<HallOfFameDialog>(level, clockText, &modeFlag_, &mainWindow_);
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
}

// Which mode the dialog shows, by what can be seen.
QString TestHallOfFameDialog::layout() const
{
    QStringList visible;
    const QList<QWidget*> controls = dialog_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (control->isVisible())
            visible << control->objectName();
    }
    visible.sort();
    return QStringLiteral("width %1, 确定 at %2: %3").arg(dialog_->width()).arg(okButton()->x()).arg(visible.join(u' '));
}

void TestHallOfFameDialog::controlsSitAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("tag");

    QTest::newRow("标签1") << "标签1" << QRect(24, 16, 40, 16) << "初级：" << 0;
    QTest::newRow("标签2") << "标签2" << QRect(24, 32, 40, 16) << "中级：" << 0;
    QTest::newRow("标签3") << "标签3" << QRect(24, 48, 40, 16) << "高级：" << 0;
    QTest::newRow("标签4") << "标签4" << QRect(64, 16, 84, 16) << "999秒" << 1;
    QTest::newRow("标签5") << "标签5" << QRect(64, 32, 84, 16) << "999秒" << 2;
    QTest::newRow("标签6") << "标签6" << QRect(64, 48, 84, 16) << "999秒" << 3;
    QTest::newRow("标签7") << "标签7" << QRect(168, 16, 72, 16) << "佚名" << 4;
    QTest::newRow("标签8") << "标签8" << QRect(168, 32, 72, 16) << "佚名" << 5;
    QTest::newRow("标签9") << "标签9" << QRect(168, 48, 72, 16) << "佚名" << 6;
    QTest::newRow("标签10") << "标签10" << QRect(40, 8, 96, 32) << "已破高级记录，\n请留尊姓大名。" << 0;
    QTest::newRow("编辑框1") << "编辑框1" << QRect(40, 48, 96, 20) << "姓名" << 0;
    QTest::newRow("按钮1") << "按钮1" << QRect(24, 80, 104, 20) << "重新计分（&R）" << 0;
    QTest::newRow("按钮2") << "按钮2" << QRect(160, 80, 64, 20) << "确定" << 0;
}

void TestHallOfFameDialog::controlsSitAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text); // an edit box's accessible name
    QFETCH(int, tag);

    open(Levels::Expert, true);

    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Tolvy扫雷英雄榜"));
    QVERIFY(!(dialog_->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
    QCOMPARE(dialog_->height(), 118);
    QWidget* control = dialog_->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), text);
    else if (auto* button = qobject_cast<QPushButton*>(control))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(control->accessibleName(), text);
    if (tag)
        QCOMPARE(dialog_->labelByTag(tag), control);
}

void TestHallOfFameDialog::firstOpeningCreatesTheEmptyRecords()
{
    QVERIFY(SettingsStore::storeText(intermediate, QStringLiteral("57秒;张三")));

    open(Levels::Beginner, true);

    QCOMPARE(storedRecords(), (QStringList{emptyRecord, QStringLiteral("57秒;张三"), emptyRecord}));
    QCOMPARE(tag(1)->text(), QStringLiteral("999秒"));
    QCOMPARE(tag(4)->text(), QStringLiteral("佚名"));
    QCOMPARE(tag(2)->text(), QStringLiteral("57秒"));
    QCOMPARE(tag(5)->text(), QStringLiteral("张三"));
    QCOMPARE(layout(), QStringLiteral("width 252, 确定 at 160: 按钮1 按钮2 标签1 标签2 标签3 标签4 标签5 标签6 标签7 标签8 标签9"));
}

void TestHallOfFameDialog::showsStoredRecordsByTag_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("name");

    QTest::newRow("record") << "57秒;张三" << "57秒" << "张三";
    QTest::newRow("name with a semicolon shows its first part") << "57秒;a;b" << "57秒" << "a";
    QTest::newRow("name of blanks") << "57秒;   " << "57秒" << "   ";
    QTest::newRow("no semicolon, no name") << "hand-edited" << "hand-edited" << "";
    QTest::newRow("empty pieces") << ";" << "" << "";
}

void TestHallOfFameDialog::showsStoredRecordsByTag()
{
    QFETCH(QString, stored);
    QFETCH(QString, time);
    QFETCH(QString, name);
    QVERIFY(SettingsStore::storeText(expert, stored));

    open(Levels::Expert, true);

    QCOMPARE(tag(3)->text(), time);
    QCOMPARE(tag(6)->text(), name);
    QCOMPARE(SettingsStore::readText(expert), stored);
}

void TestHallOfFameDialog::newRecordIsEnteredThenStored_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QStringList>("stored");

    QTest::newRow("intermediate in 57 seconds") << 2 << "张三" << "已破中级记录，\n请留尊姓大名。"
                                                << QStringList{emptyRecord, "57秒;张三", emptyRecord};
    QTest::newRow("beginner") << 1 << "李四" << "已破初级记录，\n请留尊姓大名。"
                              << QStringList{"57秒;李四", emptyRecord, emptyRecord};
    QTest::newRow("expert") << 3 << "王五" << "已破高级记录，\n请留尊姓大名。"
                            << QStringList{emptyRecord, emptyRecord, "57秒;王五"};
    QTest::newRow("name of blanks kept") << 2 << "   " << "已破中级记录，\n请留尊姓大名。"
                                         << QStringList{emptyRecord, "57秒;   ", emptyRecord};
    QTest::newRow("name with a semicolon stored whole") << 2 << "a;b" << "已破中级记录，\n请留尊姓大名。"
                                                        << QStringList{emptyRecord, "57秒;a;b", emptyRecord};
    QTest::newRow("name with a percent reference stays") << 2 << "%HOME%" << "已破中级记录，\n请留尊姓大名。"
                                                         << QStringList{emptyRecord, "57秒;%HOME%", emptyRecord};
    QTest::newRow("very long name") << 2 << QString(3000, u'名') << "已破中级记录，\n请留尊姓大名。"
                                    << QStringList{emptyRecord, "57秒;" + QString(3000, u'名'), emptyRecord};
}

void TestHallOfFameDialog::newRecordIsEnteredThenStored()
{
    QFETCH(int, level);
    QFETCH(QString, name);
    QFETCH(QString, prompt);
    QFETCH(QStringList, stored);

    open(Level(level), false, QStringLiteral("57"));
    QCOMPARE(layout(), QStringLiteral("width 179, 确定 at 56: 按钮2 标签10 编辑框1"));
    QCOMPARE(dialog_->findChild<QLabel*>(QStringLiteral("标签10"))->text(), prompt);
    QCOMPARE(dialog_->focusWidget(), nameBox());

    nameBox()->setText(name);
    dialog_->confirm();

    QCOMPARE(tag(level)->text(), QStringLiteral("57秒"));
    QCOMPARE(tag(level + 3)->text(), name);
    QVERIFY(modeFlag_.isChecked());
    QCOMPARE(layout(), QStringLiteral("width 252, 确定 at 160: 按钮1 按钮2 标签1 标签2 标签3 标签4 标签5 标签6 标签7 标签8 标签9"));
    QCOMPARE(storedRecords(), (QStringList{emptyRecord, emptyRecord, emptyRecord})); // not yet

    dialog_->confirm();

    QCOMPARE(storedRecords(), stored);
    QVERIFY(!modeFlag_.isChecked());
    QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    QVERIFY(!dialog_->isVisible());
}

void TestHallOfFameDialog::emptyNameAsksForOne()
{
    open(Levels::Intermediate, false, QStringLiteral("57"));

    dialog_->confirm();

    QCOMPARE(messages_, QStringList{"信息： [0] 你还没有输入你的尊姓大名"});
    QVERIFY(!modeFlag_.isChecked());
    QCOMPARE(layout(), QStringLiteral("width 179, 确定 at 56: 按钮2 标签10 编辑框1"));
    QCOMPARE(tag(2)->text(), QStringLiteral("999秒"));
    QCOMPARE(storedRecords(), (QStringList{emptyRecord, emptyRecord, emptyRecord}));
}

void TestHallOfFameDialog::enterInTheNameBoxMeansOk()
{
    open(Levels::Beginner, false, QStringLiteral("9"));

    nameBox()->insert(QStringLiteral("赵六"));
    QTest::keyClick(nameBox(), Qt::Key_Return);
    QCOMPARE(tag(1)->text(), QStringLiteral("9秒"));
    QTest::keyClick(okButton(), Qt::Key_Return);

    QCOMPARE(SettingsStore::readText(beginner), QStringLiteral("9秒;赵六"));
}

void TestHallOfFameDialog::resetWritesEmptyRecords()
{
    QVERIFY(SettingsStore::storeText(beginner, QStringLiteral("5秒;甲")));
    QVERIFY(SettingsStore::storeText(intermediate, QStringLiteral("50秒;乙")));
    QVERIFY(SettingsStore::storeText(expert, QStringLiteral("150秒;丙")));
    open(Levels::Intermediate, true);

    QTest::mouseClick(dialog_->findChild<QPushButton*>(QStringLiteral("按钮1")), Qt::LeftButton);

    QCOMPARE(storedRecords(), (QStringList{emptyRecord, emptyRecord, emptyRecord}));
    for (int level = 1; level <= 3; ++level) {
        QCOMPARE(tag(level)->text(), QStringLiteral("999秒"));
        QCOMPARE(tag(level + 3)->text(), QStringLiteral("佚名"));
    }
    QVERIFY(dialog_->isVisible());

    QVERIFY(SettingsStore::storeText(intermediate, QStringLiteral("changed")));
    QTest::mouseClick(okButton(), Qt::LeftButton);
    QCOMPARE(SettingsStore::readText(intermediate), emptyRecord); // what the dialog shows
    QVERIFY(!modeFlag_.isChecked());
}

void TestHallOfFameDialog::customLevelStoresNothing()
{
    QVERIFY(SettingsStore::storeText(beginner, QStringLiteral("5秒;甲")));
    open(Levels::Custom, true, QStringLiteral("57"));
    QCOMPARE(dialog_->findChild<QLabel*>(QStringLiteral("标签10"))->text(), QString());
    QVERIFY(SettingsStore::storeText(beginner, QStringLiteral("changed")));

    QTest::mouseClick(okButton(), Qt::LeftButton);

    QCOMPARE(storedRecords(), (QStringList{"changed", emptyRecord, emptyRecord}));
    QVERIFY(!modeFlag_.isChecked());
    QCOMPARE(dialog_->result(), int(QDialog::Accepted));
}

void TestHallOfFameDialog::escapeStoresNothingAndPutsTheFlagOff_data()
{
    QTest::addColumn<bool>("viewMode");
    QTest::addColumn<bool>("nameEntered");
    QTest::newRow("view mode") << true << false;
    QTest::newRow("record entry") << false << false;
    QTest::newRow("after the name, before the second 确定") << false << true;
}

void TestHallOfFameDialog::escapeStoresNothingAndPutsTheFlagOff()
{
    QFETCH(bool, viewMode);
    QFETCH(bool, nameEntered);
    open(Levels::Intermediate, viewMode, QStringLiteral("57"));
    QVERIFY(SettingsStore::storeText(intermediate, QStringLiteral("changed")));
    if (nameEntered) {
        nameBox()->setText(QStringLiteral("张三"));
        dialog_->confirm();
    }

    QTest::keyClick(dialog_->focusWidget() ? dialog_->focusWidget() : dialog_.get(), Qt::Key_Escape);

    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->result(), int(QDialog::Rejected));
    QVERIFY(!modeFlag_.isChecked());
    QCOMPARE(storedRecords(), (QStringList{emptyRecord, "changed", emptyRecord}));
}

void TestHallOfFameDialog::placedOverTheMainWindowWithItsPresentWidth()
{
    // The defined outer width 257 places it first; the next placing uses the
    // outer width record entry left it with.
    open(Levels::Beginner, false, QStringLiteral("7"));
    const QRect main = mainWindow_.frameGeometry();
    const int centre = main.left() + main.width() / 2;
    QCOMPARE(dialog_->pos(), QPoint(centre - 257 / 2, main.top() + 90));

    const int recordEntryWidth = dialog_->frameGeometry().width();
    nameBox()->setText(QStringLiteral("张三"));
    dialog_->confirm();
    QCOMPARE(dialog_->pos(), QPoint(centre - recordEntryWidth / 2, main.top() + 90));
}

void TestHallOfFameDialog::showHallOfFameSetsTheModeFlag_data()
{
    QTest::addColumn<bool>("recordMode");
    QTest::addColumn<bool>("flagBefore");
    QTest::addColumn<int>("width");
    QTest::newRow("from the menu") << false << false << 252;
    QTest::newRow("after a win") << true << false << 179;
    QTest::newRow("after a win, flag left on") << true << true << 179;
}

void TestHallOfFameDialog::showHallOfFameSetsTheModeFlag()
{
    QFETCH(bool, recordMode);
    QFETCH(bool, flagBefore);
    QFETCH(int, width);
    modeFlag_.setChecked(flagBefore);

    int widthSeen = 0;
    bool flagSeen = false;
    QTimer::singleShot(0, this, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        widthSeen = dialog->width();
        flagSeen = modeFlag_.isChecked();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    showHallOfFame(recordMode, Levels::Intermediate, QStringLiteral("57"), &modeFlag_, &mainWindow_);

    QCOMPARE(widthSeen, width);
    QCOMPARE(flagSeen, !recordMode);
    QVERIFY(!modeFlag_.isChecked());
}

QTEST_MAIN(TestHallOfFameDialog)
#include "tst_halloffamedialog.moc"
