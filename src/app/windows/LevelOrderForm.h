#pragma once

#include "board/Board.h"
#include "document/LevelOrderModel.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tiplark {

class Language;
class MainBoard;

// The order of a table's level teams, chosen by the user: the teams each
// run of level rows holds, moved up and down within their run with the
// buttons, Alt+U/Alt+D (in English) or Ctrl+Up/Ctrl+Down; OK writes the
// order to the board as one step of the history, Cancel leaves it.
class TLevelOrderForm : public QDialog {
    Q_OBJECT

public:
    TLevelOrderForm(const Language& language, LevelOrderModel model, QWidget* parent = nullptr);

    const LevelOrderModel& model() const { return m_model; }

    // Opens the dialog for a table's level mark and, after OK, applies the
    // order; nothing for a mark whose table has no level teams.
    static void showForMark(MainBoard& main, ControlId mark, QWidget* parent);

public slots:
    void moveUp();
    void moveDown();

private:
    void fill();
    void moved(int row);
    void enableMoves(int row);

    LevelOrderModel m_model;
    QListWidget* m_list;
    QPushButton* m_upButton;
    QPushButton* m_downButton;
};

}  // namespace tiplark
