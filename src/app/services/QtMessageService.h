#pragma once

#include "platform/Services.h"

#include <QPointer>
#include <QWidget>

namespace tiplark {

// Message boxes with titles and the toolkit's standard buttons in the
// language of the standard texts in force (StandardTranslations); a carriage
// return inside a text is shown as a line break. A box opens in front of the window the user acted
// in, and the busy cursor is put aside while it is open.
class QtMessageService : public MessageService {
public:
    // The main window: the boxes' parent when no other window is modal or active.
    void setParentWindow(QWidget* parent) { m_parent = parent; }

    void showError(const std::string& text) override;
    void showInformation(const std::string& text) override;
    DialogResult askYesNo(const std::string& text) override;
    DialogResult askYesNoCancel(const std::string& text) override;

private:
    QWidget* parentWindow() const;

    QPointer<QWidget> m_parent;
};

// The system's texts use a carriage return as the line break.
QString displayText(const std::string& text);

}  // namespace tiplark
