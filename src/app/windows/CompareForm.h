#pragma once

#include "board/Board.h"
#include "scoring/BoardScoring.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tiplark {

class Language;
class MainBoard;

// A prediction beside the real results: every match with its points,
// coloured by kind and named in a legend that does not need the colours,
// the advancing points per stage and the total out of the maximum. Either
// follows the main board live (modeless, beside it while the user types)
// or shows one entry of the pool.
class TCompareForm : public QDialog, private BoardObserver {
    Q_OBJECT

public:
    // The tournament must outlive the window.
    TCompareForm(const Language& language, const Tournament& tournament, QWidget* parent = nullptr);
    ~TCompareForm() override;

    // Follows the board from now on, refreshed once after each change cascade.
    void followBoard(MainBoard& main);
    void showEntry(const PoolMember& entry);

private:
    void boardChanged(const std::vector<ControlChange>& changes) override;
    void refreshFromBoard();
    void showScore(const PlayedPrediction& predicted, const TournamentScore& score);

    const Language& m_language;
    const Tournament& m_tournament;
    const PlayedPrediction m_real;
    std::vector<ScoringStage> m_stageList;
    MainBoard* m_main = nullptr;
    QTableWidget* m_table;
    std::vector<QLabel*> m_stages;
    QLabel* m_matchTotal;
    QLabel* m_advanceTotal;
    QLabel* m_total;
    QPushButton* m_closeButton;
};

}  // namespace tiplark
