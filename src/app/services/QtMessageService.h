#pragma once

#include "platform/Services.h"

#include <QPointer>
#include <QWidget>

namespace tiplark {

// Message boxes with the toolkit's standard English titles and buttons; a
// carriage return inside a text is shown as a line break.
class QtMessageService : public MessageService {
public:
    // The window the boxes are centred on; the active window when none is set.
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
