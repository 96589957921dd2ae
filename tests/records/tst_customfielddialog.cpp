// The custom field dialog: its controls, the checks of its entries with their
// messages, focus and selection, Enter walking the boxes, and leaving it.
#include "customfielddialog.h"
#include "messagehook.h"
#include "recordingview.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString tooSmall = QStringLiteral("‘行数’与‘列数’不能小于8！！！");
const QString tooLarge = QStringLiteral("‘行数’不能大于16且‘列数’不能大于30！！！");
const QString noMines = QStringLiteral("你真逗！没有地雷你也挖地！哈！哈！哈！");
const QString tooMany = QStringLiteral("你真行！这么多的地雷我放都有没地方放！哈！哈！哈！");

} // namespace

class TestCustomFieldDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void controlsSitAtTheirPlaces_data();
    void controlsSitAtTheirPlaces();
    void opensWithTheCurrentFieldOverTheMainWindow();
    void okChecksTheEntries_data();
    void okChecksTheEntries();
    void enterWalksThroughTheBoxesToOk();
    void clickOnOkChecksTheEntries();
    void leavingWithoutOkChangesNothing_data();
    void leavingWithoutOkChangesNothing();

private:
    QLineEdit* box(const char* name) const { return dialog_->findChild<QLineEdit*>(QString::fromUtf8(name)); }
    QPushButton* button(const char* name) const { return dialog_->findChild<QPushButton*>(QString::fromUtf8(name)); }
    void enter(const QString& rows, const QString& columns, const QString& mines);
    QString field() const;

    GameSession session_;
    RecordingView view_;
    QWidget mainWindow_;
    std::unique_ptr<CustomFieldDialog> dialog_;
    QStringList messages_;
};

void TestCustomFieldDialog::initTestCase()
{
    setMessageHook([this](const QString& text, MessageStyle style, const QString& title) {
        messages_ << QStringLiteral("%1 [%2] %3").arg(title).arg(int(style)).arg(text);
    });
    mainWindow_.setGeometry(100, 50, 340, 400);
}

void TestCustomFieldDialog::init()
{
    session_ = GameSession{};
    session_.level = Levels::Expert;
    session_.columns = 30;
    session_.rows = 16;
    session_.mines = 99;
    view_.calls.clear();
    view_.session = &session_;
    messages_.clear();
    dialog_ = std::make_unique<CustomFieldDialog>(session_, view_, &mainWindow_);
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
}

void TestCustomFieldDialog::cleanup()
{
    dialog_.reset();
}

void TestCustomFieldDialog::enter(const QString& rows, const QString& columns, const QString& mines)
{
    box("编辑框1")->setText(rows);
    box("编辑框2")->setText(columns);
    box("编辑框3")->setText(mines);
}

QString TestCustomFieldDialog::field() const
{
    return QStringLiteral("level %1, %2x%3/%4").arg(session_.level).arg(session_.columns).arg(session_.rows).arg(session_.mines);
}

void TestCustomFieldDialog::controlsSitAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    QTest::newRow("标签1") << "标签1" << QRect(12, 8, 50, 24) << "行数 ：";
    QTest::newRow("编辑框1") << "编辑框1" << QRect(64, 10, 64, 20) << "行数";
    QTest::newRow("标签2") << "标签2" << QRect(12, 40, 50, 24) << "列数 ：";
    QTest::newRow("编辑框2") << "编辑框2" << QRect(64, 42, 64, 20) << "列数";
    QTest::newRow("标签3") << "标签3" << QRect(12, 72, 50, 24) << "雷数 ：";
    QTest::newRow("编辑框3") << "编辑框3" << QRect(64, 74, 64, 20) << "雷数";
    QTest::newRow("按钮1") << "按钮1" << QRect(144, 8, 72, 24) << "确定";
    QTest::newRow("按钮2") << "按钮2" << QRect(144, 48, 72, 24) << "取消";
}

void TestCustomFieldDialog::controlsSitAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text); // a label's or button's text, an edit box's accessible name

    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Tolvy扫雷自定义雷区"));
    QCOMPARE(dialog_->size(), QSize(227, 107));
    QCOMPARE(dialog_->minimumSize(), dialog_->maximumSize());

    QWidget* control = dialog_->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), text);
    else if (auto* button = qobject_cast<QPushButton*>(control))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(control->accessibleName(), text);
}

void TestCustomFieldDialog::opensWithTheCurrentFieldOverTheMainWindow()
{
    session_.columns = 20;
    session_.rows = 10;
    session_.mines = 30;
    CustomFieldDialog dialog(session_, view_, &mainWindow_);

    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("编辑框1"))->text(), QStringLiteral("10"));
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("编辑框2"))->text(), QStringLiteral("20"));
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("编辑框3"))->text(), QStringLiteral("30"));
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("编辑框1"))->selectedText(), QStringLiteral("10"));
    // Centred on the main window's outer rectangle at the dialog's outer
    // width 233, and 90 pixels below the main window's top.
    const QRect main = mainWindow_.frameGeometry();
    QCOMPARE(dialog.pos(), QPoint(main.left() + main.width() / 2 - 116, main.top() + 90));
}

void TestCustomFieldDialog::okChecksTheEntries_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("mines");
    QTest::addColumn<QString>("message"); // empty when accepted
    QTest::addColumn<QString>("focus");   // the box given focus and selected; empty when left alone
    QTest::addColumn<QString>("field");   // the field afterwards

    const QString expert = QStringLiteral("level 3, 30x16/99");

    QTest::newRow("smallest rows, widest") << "8" << "30" << "1" << "" << "" << "level 10, 30x8/1";
    QTest::newRow("largest field, full") << "16" << "30" << "435" << "" << "" << "level 10, 30x16/435";
    QTest::newRow("rows and columns too small") << "7" << "5" << "10" << tooSmall << "编辑框1" << expert;
    QTest::newRow("columns too small") << "9" << "5" << "10" << tooSmall << "编辑框2" << expert;
    QTest::newRow("rows and columns too large") << "17" << "31" << "10" << tooLarge << "编辑框1" << expert;
    QTest::newRow("columns too large") << "16" << "31" << "10" << tooLarge << "编辑框2" << expert;
    QTest::newRow("lower bound checked first") << "0" << "99" << "10" << tooSmall << "编辑框1" << expert;
    QTest::newRow("no mines") << "10" << "10" << "0" << noMines << "" << expert;
    QTest::newRow("empty mine box") << "10" << "10" << "" << noMines << "" << expert;
    QTest::newRow("two zeros") << "10" << "10" << "00" << noMines << "" << expert;
    QTest::newRow("less than one mine") << "10" << "10" << "0.99" << noMines << "" << expert;
    QTest::newRow("negative mines") << "10" << "10" << "-5" << noMines << "" << expert;
    QTest::newRow("blanks around mines") << "9" << "9" << "  12  " << "" << "" << "level 10, 9x9/12";
    QTest::newRow("all mines placement holds") << "10" << "10" << "81" << "" << "" << "level 10, 10x10/81";
    QTest::newRow("one more than placement holds") << "10" << "10" << "82" << tooMany << "编辑框3" << expert;
    QTest::newRow("as many mines as cells") << "10" << "10" << "100" << tooMany << "编辑框3" << expert;
    QTest::newRow("more mines than cells") << "10" << "10" << "101" << tooMany << "编辑框3" << expert;
    QTest::newRow("mines far beyond 16 bits") << "10" << "10" << "99999999999999999999" << tooMany << "编辑框3"
                                              << expert;
    QTest::newRow("mines beyond double") << "10" << "10" << "1e99999" << tooMany << "编辑框3" << expert;
    QTest::newRow("fraction of mines truncated") << "10" << "10" << "81.9" << "" << "" << "level 10, 10x10/81";
    QTest::newRow("fraction of rows truncated") << "8.9" << "9" << "10" << "" << "" << "level 10, 9x8/10";
    QTest::newRow("just below 8 within tolerance") << "7.99999999" << "9" << "10" << tooSmall << "编辑框1" << expert;
    QTest::newRow("just above limits within tolerance") << "16.00000001" << "30.00000009" << "10" << "" << ""
                                                        << "level 10, 30x16/10";
    QTest::newRow("half a row too many") << "16.5" << "9" << "10" << tooLarge << "编辑框1" << expert;
    QTest::newRow("full-width digits") << "１６" << "９" << "１０" << "" << "" << "level 10, 9x16/10";
    QTest::newRow("full-width point") << "１０．５" << "１０" << "１０" << "" << "" << "level 10, 10x10/10";
    QTest::newRow("exponents") << "1e1" << "3.0E+1" << "8.1e1" << "" << "" << "level 10, 30x10/81";
    QTest::newRow("number then letters") << "8行" << "8abc" << "1个" << "" << "" << "level 10, 8x8/1";
    QTest::newRow("letters") << "abc" << "10" << "10" << tooSmall << "编辑框1" << expert;
    QTest::newRow("all empty") << "" << "" << "" << tooSmall << "编辑框1" << expert;
    QTest::newRow("blanks only") << "   " << "10" << "10" << tooSmall << "编辑框1" << expert;
    QTest::newRow("signs") << "+9" << "-9" << "10" << tooSmall << "编辑框2" << expert;
    QTest::newRow("hexadecimal is not read") << "0x10" << "10" << "10" << tooSmall << "编辑框1" << expert;
    QTest::newRow("infinity is not read") << "inf" << "10" << "10" << tooSmall << "编辑框1" << expert;
    QTest::newRow("rows far beyond 16 bits") << "99999999999999999999999" << "10" << "10" << tooLarge << "编辑框1"
                                             << expert;
    QTest::newRow("rows far below zero") << "-99999999999999999999999" << "10" << "10" << tooSmall << "编辑框1"
                                         << expert;
    QTest::newRow("tiny rows") << "1e-400" << "10" << "10" << tooSmall << "编辑框1" << expert;
    QTest::newRow("very long rows") << QString(5000, u'9') << "10" << "10" << tooLarge << "编辑框1" << expert;
    QTest::newRow("very long mines") << "10" << "10" << "1" + QString(5000, u'0') << tooMany << "编辑框3" << expert;
}

void TestCustomFieldDialog::okChecksTheEntries()
{
    QFETCH(QString, rows);
    QFETCH(QString, columns);
    QFETCH(QString, mines);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, field);

    enter(rows, columns, mines);
    box("编辑框2")->setFocus();
    box("编辑框2")->setSelection(0, 1);
    const QString selectedBefore = box("编辑框2")->selectedText();

    dialog_->tryAccept();

    QCOMPARE(this->field(), field);
    if (message.isEmpty()) {
        QVERIFY(messages_.isEmpty());
        QCOMPARE(view_.calls, (QStringList{"checks 10", "layout " + field.section(u' ', 2)}));
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QVERIFY(!dialog_->isVisible());
        return;
    }
    QCOMPARE(messages_, QStringList{"提示！ [64] " + message});
    QVERIFY(view_.calls.isEmpty());
    QVERIFY(dialog_->isVisible());
    QCOMPARE(box("编辑框1")->text(), rows); // entries stay as typed
    if (focus.isEmpty()) {
        QCOMPARE(dialog_->focusWidget(), box("编辑框2"));
        QCOMPARE(box("编辑框2")->selectedText(), selectedBefore);
    } else {
        QCOMPARE(dialog_->focusWidget()->objectName(), focus);
        QLineEdit* target = box(focus.toUtf8().constData());
        QCOMPARE(target->selectedText(), target->text());
    }
}

void TestCustomFieldDialog::enterWalksThroughTheBoxesToOk()
{
    enter(QStringLiteral("9"), QStringLiteral("12"), QStringLiteral("200"));
    box("编辑框1")->setFocus();

    QTest::keyClick(box("编辑框1"), Qt::Key_Return);
    QCOMPARE(dialog_->focusWidget(), box("编辑框2"));
    QCOMPARE(box("编辑框2")->selectedText(), QStringLiteral("12"));

    QTest::keyClick(box("编辑框2"), Qt::Key_Enter);
    QCOMPARE(dialog_->focusWidget(), box("编辑框3"));
    QCOMPARE(box("编辑框3")->selectedText(), QStringLiteral("200"));

    QTest::keyClick(box("编辑框3"), Qt::Key_Return);
    QCOMPARE(dialog_->focusWidget(), button("按钮1"));
    QVERIFY(messages_.isEmpty());
    QVERIFY(dialog_->isVisible());

    // Too many mines for 12 x 9: the message, and back to the mine box.
    QTest::keyClick(button("按钮1"), Qt::Key_Return);
    QCOMPARE(messages_, QStringList{"提示！ [64] " + tooMany});
    QCOMPARE(dialog_->focusWidget(), box("编辑框3"));

    QTest::keyClicks(box("编辑框3"), QStringLiteral("88"));
    QTest::keyClick(box("编辑框3"), Qt::Key_Return);
    QTest::keyClick(button("按钮1"), Qt::Key_Return);
    QCOMPARE(field(), QStringLiteral("level 10, 12x9/88"));
    QVERIFY(!dialog_->isVisible());
}

void TestCustomFieldDialog::clickOnOkChecksTheEntries()
{
    enter(QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("10"));

    QTest::mouseClick(button("按钮1"), Qt::LeftButton);

    QCOMPARE(field(), QStringLiteral("level 10, 8x8/10"));
    QCOMPARE(view_.calls, (QStringList{"checks 10", "layout 8x8/10"}));
    QCOMPARE(dialog_->result(), int(QDialog::Accepted));
}

void TestCustomFieldDialog::leavingWithoutOkChangesNothing_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Esc in the rows box") << "esc 编辑框1";
    QTest::newRow("Esc in the mines box") << "esc 编辑框3";
    QTest::newRow("Esc on 确定") << "esc 按钮1";
    QTest::newRow("取消") << "click 按钮2";
    QTest::newRow("Enter on 取消") << "enter 按钮2";
    QTest::newRow("close box") << "close";
}

void TestCustomFieldDialog::leavingWithoutOkChangesNothing()
{
    QFETCH(QString, way);

    enter(QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("10"));
    QWidget* target = dialog_->findChild<QWidget*>(way.section(u' ', 1));
    if (target)
        target->setFocus();
    if (way.startsWith(u"esc"))
        QTest::keyClick(target, Qt::Key_Escape);
    else if (way.startsWith(u"click"))
        QTest::mouseClick(target, Qt::LeftButton);
    else if (way.startsWith(u"enter"))
        QTest::keyClick(target, Qt::Key_Return);
    else
        dialog_->close();

    QCOMPARE(field(), QStringLiteral("level 3, 30x16/99"));
    QVERIFY(view_.calls.isEmpty());
    QVERIFY(messages_.isEmpty());
    if (way.startsWith(u"enter")) {
        QVERIFY(dialog_->isVisible()); // Enter on 取消 does nothing
    } else {
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), int(QDialog::Rejected));
    }
}

QTEST_MAIN(TestCustomFieldDialog)
#include "tst_customfielddialog.moc"
