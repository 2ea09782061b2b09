#pragma once

#include "board/Board.h"
#include "services/FlagPictures.h"
#include "tournament/BoardControls.h"
#include "windows/AccessibleNames.h"
#include "windows/BoardLayout.h"

#include <QWidget>

#include <string>
#include <unordered_map>
#include <vector>

class QLabel;
class QTabBar;

namespace tiplark {

class MainBoard;

// The board as widgets: one per control of the model, named like it, brought
// to the model's final state once per action, and passing on what the user
// types. Panels become framed cards, edits line edits, labels labels, buttons
// push buttons. Score and penalty boxes accept nothing but up to two digits,
// whether typed, pasted or dropped. A board the layout puts on several pages
// shows one at a time under a tab bar (Ctrl+Tab, Ctrl+PgDown and back); where
// the layout has room, a team's name has its flag beside it.
class BoardView : public QWidget, private BoardObserver {
    Q_OBJECT

public:
    // Names and flags follow the main board's language.
    explicit BoardView(MainBoard& main, QWidget* parent = nullptr);
    ~BoardView() override;

    QWidget* widget(ControlId id) const { return m_widgets[static_cast<size_t>(id)]; }
    // The control a widget shows, or NoControl.
    ControlId controlOf(const QObject* widget) const;
    // The flag beside a team label, or nullptr where the layout has none.
    QLabel* flag(ControlId id) const { return m_flags[static_cast<size_t>(id)]; }

    int pageCount() const { return static_cast<int>(m_layout.pages().size()); }
    int currentPage() const;
    // The page a control lies on.
    int pageOf(ControlId id) const;
    void showPage(int page);
    // The tabs of the pages, nullptr on a board of one page.
    QTabBar* pageTabs() const { return m_tabs; }
    // Tab captions and accessible names in the language just applied.
    void applyLanguage();

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
    void createPages();
    void createFlagsAndSeparators();
    void applyFlag(ControlId id);
    // The team a label's text names, or NoTeam.
    int teamNamed(const std::string& text);
    void arrange();

    MainBoard& m_main;
    Board& m_board;
    BoardLayout m_layout;
    AccessibleNames m_names;
    std::vector<QWidget*> m_widgets;
    std::vector<QLabel*> m_flags;
    std::vector<std::pair<const BoardLayout::Separator*, QWidget*>> m_separators;
    std::vector<QWidget*> m_pages;
    QTabBar* m_tabs = nullptr;
    FlagPictures m_flagPictures{AssetLocator()};
    std::unordered_map<std::string, int> m_teamByName;
    int m_teamNamesLanguage = -1;
    qreal m_scale = 0;
};

}  // namespace tiplark
