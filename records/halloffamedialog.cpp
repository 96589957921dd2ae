// The hall of fame dialog and its two modes.
#include "halloffamedialog.h"

#include "dialogplacement.h"
#include "fieldsize.h"
#include "messagehook.h"
#include "settingsstore.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr QSize clientSize(251, 118);
constexpr int viewWidth = 252;
constexpr int recordEntryWidth = 179;
constexpr int okTop = 80;
constexpr int viewOkLeft = 160;
constexpr int recordEntryOkLeft = 56;

const char* const tagProperty = "tag";

const QString title = QStringLiteral("Tolvy扫雷英雄榜");
const QString emptyRecord = QStringLiteral("999秒;佚名");
const QString emptyTime = QStringLiteral("999秒");
const QString emptyName = QStringLiteral("佚名");
const QString secondsSuffix = QStringLiteral("秒");
const QString noNameMessage = QStringLiteral("你还没有输入你的尊姓大名");
const QString plainMessageTitle = QStringLiteral("信息：");

QString recordName(const FixedLevel& fixed)
{
    return QString::fromUtf8(fixed.recordName.data(), qsizetype(fixed.recordName.size()));
}

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    return label;
}

} // namespace

HallOfFameDialog::HallOfFameDialog(Level level, const QString& clockText, QAction* modeFlag, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                  | Qt::WindowTitleHint),
      level_(level),
      clockText_(clockText),
      modeFlag_(modeFlag),
      mainWindow_(mainWindow)
{
    setWindowTitle(title);
    setFixedSize(clientSize);
    QFont smaller = font();
    smaller.setPixelSize(12);
    setFont(smaller);

    const char16_t* const captions[] = {u"初级：", u"中级：", u"高级："};
    for (int row = 0; row < 3; ++row) {
        const int top = 16 + row * 16;
        viewControls_ << makeLabel(this, QStringLiteral("标签%1").arg(row + 1), QString::fromUtf16(captions[row]),
                                   QRect(24, top, 40, 16));
        QLabel* time = makeLabel(this, QStringLiteral("标签%1").arg(row + 4), QString(), QRect(64, top, 84, 16));
        time->setProperty(tagProperty, row + 1);
        QLabel* name = makeLabel(this, QStringLiteral("标签%1").arg(row + 7), emptyName, QRect(168, top, 72, 16));
        name->setProperty(tagProperty, row + 4);
        viewControls_ << time << name;
    }
    prompt_ = makeLabel(this, QStringLiteral("标签10"), QString(), QRect(40, 8, 96, 32));

    nameBox_ = new QLineEdit(this);
    nameBox_->setObjectName(QStringLiteral("编辑框1"));
    nameBox_->setAccessibleName(QStringLiteral("姓名"));
    nameBox_->setGeometry(40, 48, 96, 20);

    auto* resetButton = new QPushButton(QStringLiteral("重新计分（&R）"), this);
    resetButton->setObjectName(QStringLiteral("按钮1"));
    resetButton->setGeometry(24, okTop, 104, 20);
    resetButton->setAutoDefault(false);
    viewControls_ << resetButton;
    okButton_ = new QPushButton(QStringLiteral("确定"), this);
    okButton_->setObjectName(QStringLiteral("按钮2"));
    okButton_->setGeometry(viewOkLeft, okTop, 64, 20);
    // Enter, in the name box too, means 确定 and never the reset.
    okButton_->setDefault(true);
    connect(resetButton, &QPushButton::clicked, this, &HallOfFameDialog::resetRecords);
    connect(okButton_, &QPushButton::clicked, this, &HallOfFameDialog::confirm);

    for (const FixedLevel& fixed : fixedLevels) {
        if (SettingsStore::readText(recordName(fixed)).isEmpty())
            SettingsStore::storeText(recordName(fixed), emptyRecord);
    }
    for (const FixedLevel& fixed : fixedLevels) {
        QString record = SettingsStore::readText(recordName(fixed));
        if (record.isEmpty()) // the store could not be written
            record = emptyRecord;
        const QStringList pieces = record.split(u';');
        labelByTag(fixed.level)->setText(pieces.value(0));
        labelByTag(fixed.level + 3)->setText(pieces.value(1));
    }

    if (const std::optional<FixedLevel> fixed = fixedLevel(level)) {
        prompt_->setText(QStringLiteral("已破%1记录，\n请留尊姓大名。").arg(recordName(*fixed)));
        nameBox_->setFocus(Qt::OtherFocusReason);
    }

    applyMode();
}

QLabel* HallOfFameDialog::labelByTag(int tag) const
{
    const QList<QLabel*> labels = findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (label->property(tagProperty).toInt() == tag)
            return label;
    }
    return nullptr;
}

bool HallOfFameDialog::isRecordEntry() const
{
    return !prompt_->isHidden();
}

void HallOfFameDialog::applyMode()
{
    // Placed with the width it has now, before the mode sets its own.
    placeOverMainWindow(*this, mainWindow_, outerWidth(*this));
    const bool viewMode = modeFlag_->isChecked();
    okButton_->move(viewMode ? viewOkLeft : recordEntryOkLeft, okTop);
    setFixedWidth(viewMode ? viewWidth : recordEntryWidth);
    for (QWidget* control : std::as_const(viewControls_))
        control->setVisible(viewMode);
    prompt_->setVisible(!viewMode);
    nameBox_->setVisible(!viewMode);
}

void HallOfFameDialog::confirm()
{
    const std::optional<FixedLevel> fixed = fixedLevel(level_);
    if (isRecordEntry()) {
        if (nameBox_->text().isEmpty()) {
            showMessage(noNameMessage, MessageStyle::Plain, plainMessageTitle);
            return;
        }
        if (fixed) {
            labelByTag(fixed->level + 3)->setText(nameBox_->text());
            labelByTag(fixed->level)->setText(clockText_ + secondsSuffix);
        }
        modeFlag_->setChecked(true);
        applyMode();
        return;
    }

    if (fixed) {
        SettingsStore::storeText(recordName(*fixed),
                                 labelByTag(fixed->level)->text() + u';' + labelByTag(fixed->level + 3)->text());
    }
    modeFlag_->setChecked(false);
    accept();
}

void HallOfFameDialog::resetRecords()
{
    for (const FixedLevel& fixed : fixedLevels) {
        labelByTag(fixed.level)->setText(emptyTime);
        labelByTag(fixed.level + 3)->setText(emptyName);
    }
    for (const FixedLevel& fixed : fixedLevels)
        SettingsStore::storeText(recordName(fixed), emptyRecord);
}

void HallOfFameDialog::reject()
{
    modeFlag_->setChecked(false);
    QDialog::reject();
}

void showHallOfFame(bool recordMode, Level level, const QString& clockText, QAction* modeFlag, QWidget* mainWindow)
{
    // Record entry always opens with the flag off, whatever an earlier closing left.
    modeFlag->setChecked(!recordMode);
    HallOfFameDialog dialog(level, clockText, modeFlag, mainWindow);
    dialog.exec();
}
