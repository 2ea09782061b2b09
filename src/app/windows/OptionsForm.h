#pragma once

#include "document/OptionsModel.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tiplark {

class MainBoard;

// The options dialog: language, favourite team, time zone and daylight
// saving. It mirrors an OptionsModel, filled when the dialog is shown. While
// the preferences were never stored (first run) only a successful OK leaves
// it: Cancel is disabled, and Escape and the window's close are refused
// until a save has failed; then they close it, and the program must end.
// Validation messages go to the board's MessageService.
class TOptionsForm : public QDialog {
    Q_OBJECT

public:
    TOptionsForm(MainBoard& main, OptionsModel::SaveAll save, QWidget* parent = nullptr);

    // The main window's Options1Click: a new dialog, shown modally; when it
    // has closed the board's team names are translated if a language was applied.
    static void showFromMenu(MainBoard& main, OptionsModel::SaveAll save, QWidget* parent);

    const OptionsModel& model() const { return m_model; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LangCBChange(int entry);
    void FavCBChange(int entry);
    void OKButtonClick();
    void mirror();

    OptionsModel m_model;
    QGroupBox* m_panel;
    QLabel* m_langLabel;
    QComboBox* m_langBox;
    QLabel* m_favLabel;
    QComboBox* m_favBox;
    QLabel* m_zoneLabel;
    QComboBox* m_zoneBox;
    QCheckBox* m_daylight;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
};

}  // namespace tiplark
