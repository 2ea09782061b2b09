#pragma once

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>

namespace tiplark::testing {

// Answers the next window that is shown modally, as a user would: `script`
// runs on it once its own event loop is running (the call is posted when the
// window is shown, so no timer guesses when that is). The script must end
// the window. Undone when it goes out of scope.
class NextModal : public QObject {
public:
    explicit NextModal(std::function<void(QWidget*)> script)
        : m_script(std::move(script))
    {
        qApp->installEventFilter(this);
    }
    ~NextModal() override { qApp->removeEventFilter(this); }
    NextModal(const NextModal&) = delete;
    NextModal& operator=(const NextModal&) = delete;

    // Whether a modal window was shown and the script ran on it.
    bool answered() const { return m_answered; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !m_script || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!window->isWindow() || !window->isModal())
            return false;
        QPointer<QWidget> target(window);
        QMetaObject::invokeMethod(
            this,
            [this, target, script = std::exchange(m_script, nullptr)] {
                if (!target)
                    return;
                m_answered = true;
                script(target);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void(QWidget*)> m_script;
    bool m_answered = false;
};

}  // namespace tiplark::testing
