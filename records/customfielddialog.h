// The dialog in which the player enters a field of their own: rows, columns
// and mines, checked in a fixed order with a message for each fault.
#pragma once

#include "gamesession.h"
#include "gameview.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

class CustomFieldDialog : public QDialog {
    Q_OBJECT

public:
    // Filled from the session's current field and placed over mainWindow.
    CustomFieldDialog(GameSession& session, GameView& view, QWidget* mainWindow = nullptr);

    // Checks the entries; on success the field becomes the session's, laid
    // out with a new game, and the dialog closes. Else a message and it stays.
    void tryAccept();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectForCorrection(QLineEdit* box);

    GameSession& session_;
    GameView& view_;
    QLineEdit* rowsBox_;
    QLineEdit* columnsBox_;
    QLineEdit* minesBox_;
    QPushButton* okButton_;
};
