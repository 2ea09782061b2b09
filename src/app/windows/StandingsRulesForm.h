#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tiplark {

class Language;

// The tournament's rules for ranking the teams of a group, read-only, in the
// language in force when the window is shown.
class TStandingsRulesForm : public QDialog {
    Q_OBJECT
public:
    TStandingsRulesForm(QWidget* parent, const Language& language);

public slots:
    void CloseButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // FormShow: fills every language text.
    void FormShow();

    const Language& m_language;
    QGroupBox* m_criteria;
    QLabel* m_heading;
    std::array<QLabel*, 7> m_criterion;
    QLabel* m_qualify;
    QPushButton* m_close;
};

// RankingCriteria1Click: shows the window modally.
void showRankingCriteriaWindow(QWidget* parent, const Language& language);

}  // namespace tiplark
