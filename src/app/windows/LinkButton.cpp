#include "windows/LinkButton.h"

namespace tiplark {

LinkButton::LinkButton(QWidget* parent)
    : QPushButton(parent)
{
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setAutoDefault(false);
    setStyleSheet(QStringLiteral(
        "QPushButton { color: #0000ee; border: 1px solid transparent; text-align: left; padding: 1px 3px; }"
        "QPushButton:hover { text-decoration: underline; }"
        "QPushButton:focus { border: 1px dotted #0000ee; }"));
}

void LinkButton::setAddress(const QString& address)
{
    setText(address);
    setToolTip(address);
    setAccessibleDescription(address);
}

}  // namespace tiplark
