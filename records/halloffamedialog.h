// The hall of fame: the best time of each fixed level with its holder, the
// entry of a new holder's name, and the reset of all three records.
#pragma once

#include "cellcode.h"

#include <QDialog>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

class HallOfFameDialog : public QDialog {
    Q_OBJECT

public:
    // modeFlag's check mark is on for view mode, off for record entry; the
    // dialog turns it off whenever it closes. clockText is the time just won
    // in, taken for a new record. Placed over mainWindow.
    HallOfFameDialog(Level level, const QString& clockText, QAction* modeFlag, QWidget* mainWindow = nullptr);

    // Lays the dialog out for the mode flag's current value.
    void applyMode();
    // The record label addressed by tag: 1 to 3 the times, 4 to 6 the names of levels 1 to 3.
    QLabel* labelByTag(int tag) const;

    void confirm();
    void resetRecords();

    // Closing other than by 确定 (Esc, the window manager) stores nothing.
    void reject() override;

private:
    bool isRecordEntry() const;

    Level level_;
    QString clockText_;
    QAction* modeFlag_;
    QWidget* mainWindow_;
    QList<QWidget*> viewControls_;
    QLabel* prompt_;
    QLineEdit* nameBox_;
    QPushButton* okButton_;
};

// Opens the hall of fame modally over mainWindow. From the menu (recordMode
// false) the mode flag goes on first; after a winning game it stays off.
void showHallOfFame(bool recordMode, Level level, const QString& clockText, QAction* modeFlag,
                    QWidget* mainWindow);
