#pragma once

#include <QPushButton>

namespace tiplark {

// A web address shown as blue text with the hand cursor, which takes the
// keyboard focus like any button; its hint is the address itself.
class LinkButton : public QPushButton {
    Q_OBJECT
public:
    explicit LinkButton(QWidget* parent = nullptr);

    // Shows the address and makes it the hint and the screen-reader description.
    void setAddress(const QString& address);
};

}  // namespace tiplark
