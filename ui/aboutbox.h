// The box of the "about" menu item: the program, its version, the Qt
// version and the system it runs on.
#pragma once

#include <QMessageBox>

class AboutBox : public QMessageBox {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};
