// The box of the "about" menu item.
#include "aboutbox.h"

#include <QPixmap>
#include <QSysInfo>

#include <pictures.h>

AboutBox::AboutBox(QWidget* parent) : QMessageBox(parent)
{
    setWindowTitle(QStringLiteral("关于Tolvy扫雷"));
    setTextFormat(Qt::PlainText);
    setText(QStringLiteral("Tolvy经典扫雷中文版"));
    setInformativeText(QStringLiteral("版本 %1\nQt %2\n系统：%3\n\n%4")
                           .arg(QStringLiteral(TOLVY_VERSION), QString::fromLatin1(qVersion()),
                                QSysInfo::prettyProductName(),
                                QStringLiteral("一款全新编写的扫雷小游戏。\n祝您玩得开心！")));
    const QImage face = Pictures::faceSmile();
    setIconPixmap(QPixmap::fromImage(face.scaled(face.size() * 2)));
    setStandardButtons(QMessageBox::Ok);
}
