#pragma once

#include <QDialog>

namespace tiplark {

class Language;

// Thanks to the people who tested the program.
class TThanksForm : public QDialog {
    Q_OBJECT
public:
    TThanksForm(QWidget* parent, const Language& language);
};

}  // namespace tiplark
