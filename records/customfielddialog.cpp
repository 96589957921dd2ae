// The custom field dialog.
#include "customfielddialog.h"

#include "dialogplacement.h"
#include "fieldsize.h"
#include "messagehook.h"
#include "numbertext.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace {

constexpr QSize clientSize(227, 107);

const QString title = QStringLiteral("Tolvy扫雷自定义雷区");
const QString messageTitle = QStringLiteral("提示！");
const QString tooSmallMessage = QStringLiteral("‘行数’与‘列数’不能小于8！！！");
const QString tooLargeMessage = QStringLiteral("‘行数’不能大于16且‘列数’不能大于30！！！");
const QString noMinesMessage = QStringLiteral("你真逗！没有地雷你也挖地！哈！哈！哈！");
const QString tooManyMinesMessage = QStringLiteral("你真行！这么多的地雷我放都有没地方放！哈！哈！哈！");

double numberIn(const QLineEdit* box)
{
    return textToNumber(box->text().toStdString());
}

// Below the limit within the game's tolerance, or truncating to below it:
// 7.99999999 is "8" to the tolerance but would become 7 rows.
bool isBelow(double value, int limit)
{
    return numberLess(value, limit) || std::trunc(value) < limit;
}

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

CustomFieldDialog::CustomFieldDialog(GameSession& session, GameView& view, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                  | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      session_(session),
      view_(view)
{
    setWindowTitle(title);
    setFixedSize(clientSize);
    QFont smaller = font();
    smaller.setPixelSize(12);
    setFont(smaller);

    struct Row {
        const char16_t* label;
        const char16_t* labelName;
        const char16_t* boxName;
        const char16_t* accessibleName;
        int top;
        int value;
    };
    const Row rows[] = {
        {u"行数 ：", u"标签1", u"编辑框1", u"行数", 8, session.rows},
        {u"列数 ：", u"标签2", u"编辑框2", u"列数", 40, session.columns},
        {u"雷数 ：", u"标签3", u"编辑框3", u"雷数", 72, session.mines},
    };
    QLineEdit* boxes[3];
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromUtf16(rows[i].label), this);
        label->setObjectName(QString::fromUtf16(rows[i].labelName));
        label->setGeometry(12, rows[i].top, 50, 24);
        boxes[i] = new QLineEdit(QString::number(rows[i].value), this);
        boxes[i]->setObjectName(QString::fromUtf16(rows[i].boxName));
        boxes[i]->setAccessibleName(QString::fromUtf16(rows[i].accessibleName));
        boxes[i]->setGeometry(64, rows[i].top + 2, 64, 20);
        boxes[i]->installEventFilter(this);
    }
    rowsBox_ = boxes[0];
    columnsBox_ = boxes[1];
    minesBox_ = boxes[2];

    okButton_ = new QPushButton(QStringLiteral("确定"), this);
    okButton_->setObjectName(QStringLiteral("按钮1"));
    okButton_->setGeometry(144, 8, 72, 24);
    auto* cancelButton = new QPushButton(QStringLiteral("取消"), this);
    cancelButton->setObjectName(QStringLiteral("按钮2"));
    cancelButton->setGeometry(144, 48, 72, 24);
    // Enter walks through the boxes instead of pressing a default button.
    for (QPushButton* button : {okButton_, cancelButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    okButton_->installEventFilter(this);
    connect(okButton_, &QPushButton::clicked, this, &CustomFieldDialog::tryAccept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    rowsBox_->selectAll();
    placeOverMainWindow(*this, mainWindow, outerWidth(*this));
}

bool CustomFieldDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (!isEnter(event))
        return QDialog::eventFilter(watched, event);
    if (watched == rowsBox_ || watched == columnsBox_) {
        QLineEdit* next = watched == rowsBox_ ? columnsBox_ : minesBox_;
        next->setFocus(Qt::TabFocusReason);
        next->selectAll();
    } else if (watched == minesBox_) {
        okButton_->setFocus(Qt::TabFocusReason);
    } else if (watched == okButton_) {
        tryAccept();
    }
    return true;
}

void CustomFieldDialog::selectForCorrection(QLineEdit* box)
{
    box->selectAll();
    box->setFocus(Qt::OtherFocusReason);
}

void CustomFieldDialog::tryAccept()
{
    const double rows = numberIn(rowsBox_);
    const double columns = numberIn(columnsBox_);
    const double mines = numberIn(minesBox_);

    const bool rowsTooSmall = isBelow(rows, FieldLimits::MinRows);
    const bool columnsTooSmall = isBelow(columns, FieldLimits::MinColumns);
    if (rowsTooSmall || columnsTooSmall) {
        selectForCorrection(rowsTooSmall ? rowsBox_ : columnsBox_);
        showMessage(tooSmallMessage, MessageStyle::Information, messageTitle);
        return;
    }
    const bool rowsTooLarge = numberGreater(rows, FieldLimits::MaxRows);
    const bool columnsTooLarge = numberGreater(columns, FieldLimits::MaxColumns);
    if (rowsTooLarge || columnsTooLarge) {
        selectForCorrection(rowsTooLarge ? rowsBox_ : columnsBox_);
        showMessage(tooLargeMessage, MessageStyle::Information, messageTitle);
        return;
    }

    // Rows and columns are within 8..30 now, so these conversions are safe.
    const std::int16_t keptRows = truncateToInt16(rows);
    const std::int16_t keptColumns = truncateToInt16(columns);
    // Compared as truncated doubles: a count far beyond 16 bits never reaches an integer.
    const double keptMines = std::trunc(mines);
    if (keptMines < 1) {
        showMessage(noMinesMessage, MessageStyle::Information, messageTitle);
        return;
    }
    if (keptMines > FieldLimits::mineCapacity(keptColumns, keptRows)) {
        showMessage(tooManyMinesMessage, MessageStyle::Information, messageTitle);
        selectForCorrection(minesBox_);
        return;
    }

    session_.rows = keptRows;
    session_.columns = keptColumns;
    session_.mines = truncateToInt16(keptMines);
    view_.setLevelChecks(Levels::Custom);
    view_.layoutForField();
    session_.level = Levels::Custom;
    accept();
}
