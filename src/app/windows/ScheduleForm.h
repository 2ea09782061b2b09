#pragma once

#include "i18n/Language.h"

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace tiplark {

// The game schedule: the 64 lines built from the calendar, the time shifts
// and the board's teams, in a fixed-pitch list. Built afresh for each
// opening and shown modally; selecting a line does nothing.
class TScheduleForm : public QDialog {
    Q_OBJECT

public:
    TScheduleForm(const Language& language, const std::vector<std::string>& lines, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CloseButtonClick();

    QListWidget* m_scheduleList;
    QPushButton* m_closeButton;
};

}  // namespace tiplark
