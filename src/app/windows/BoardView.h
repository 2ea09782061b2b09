#pragma once

#include "board/Board.h"
#include "tournament/BoardControls.h"
#include "windows/AccessibleNames.h"
#include "windows/BoardLayout.h"

#include <QWidget>

#include <vector>

namespace tiplark {

// The board as widgets: one per control of the model, named like it, brought
// to the model's final state once per action, and passing on what the user
// types. Panels become framed cards, edits line edits, labels labels, buttons
// push buttons. Score and penalty boxes accept nothing but up to two digits,
// whether typed, pasted or dropped.
class BoardView : public QWidget, private BoardObserver {
    Q_OBJECT

public:
    BoardView(Board& board, const BoardControls& controls, QWidget* parent = nullptr);
    ~BoardView() override;

    QWidget* widget(ControlId id) const { return m_widgets[static_cast<size_t>(id)]; }
    // The control a widget shows, or NoControl.
    ControlId controlOf(const QObject* widget) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void buttonClicked(int control);
    // The user changed the text of a score or penalty box.
    void boxEdited(int control, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The score boxes' key filter.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void boardChanged(const std::vector<ControlChange>& changes) override;

    QWidget* create(ControlId id);
    QWidget* createEdit(ControlId id, QWidget* parent);
    void styleCard(QWidget* panel);
    bool shown(ControlId id) const;
    void applyText(ControlId id);
    void applyFont(ControlId id);
    void applyColour(ControlId id);
    void refreshAccessibleNames(ControlId id);
    void setFocusOrder(const BoardControls& controls);
    void arrange();

    Board& m_board;
    BoardLayout m_layout;
    AccessibleNames m_names;
    std::vector<QWidget*> m_widgets;
    qreal m_scale = 0;
};

}  // namespace tiplark
