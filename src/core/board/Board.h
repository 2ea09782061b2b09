#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tiplark {

enum class ControlKind { Panel, Edit, Label, Button };

// The three text colours the rules use; the window maps them to its palette.
enum class TextColour { Default, Blue, Red };

using ControlId = int;
inline constexpr ControlId NoControl = -1;

// One named element of the main window as the rules see it.
struct Control {
    std::string name;
    ControlKind kind = ControlKind::Label;
    ControlId parent = NoControl;  // the panel it lies on, or NoControl for the window
    std::string text;
    std::string hint;
    bool visible = true;
    bool enabled = true;
    bool bold = false;
    TextColour colour = TextColour::Default;
    int maxLength = 0;  // 0: no limit
    bool readOnly = false;
    bool tabStop = true;
};

enum class ControlProperty : unsigned { Text = 1, Hint = 2, Visible = 4, Enabled = 8, Bold = 16, Colour = 32 };

// One control whose state differs after an action, and which of its
// properties do.
struct ControlChange {
    ControlId id = NoControl;
    unsigned properties = 0;  // ControlProperty bits
    bool has(ControlProperty property) const { return (properties & static_cast<unsigned>(property)) != 0; }
    bool operator==(const ControlChange&) const = default;
};

// Hears once per action what it changed, to mirror the model into a window.
class BoardObserver {
public:
    virtual ~BoardObserver() = default;
    // The controls in the order they were first changed; a control set back
    // to its former state during the action is left out.
    virtual void boardChanged(const std::vector<ControlChange>& changes) = 0;
};

// Thrown by the rules when a score text is not a whole number; the board
// catches it at the outermost change and hands the message to its reporter.
struct ActionAborted {
    std::string message;
};

// The in-memory board: every named control with its state, and the change
// events of the edit boxes. Setting a text stores it only when it differs and
// then runs the box's change handler synchronously, before the setter returns,
// so a single edit cascades through groups and bracket like typing does.
// Observers, in contrast, hear of an action only when it is over: a keystroke
// rewrites some controls several times, and a window should show the result,
// not every step on the way.
class Board {
public:
    using ChangeHandler = std::function<void(ControlId)>;
    using ErrorReporter = std::function<void(const std::string&)>;
    using SettleTask = std::function<void()>;

    // Makes everything done on the board while it lives one action. Every
    // setter is an action of its own; callers that change many controls for
    // one command (loading, clearing, a language switch) hold a Batch around
    // them. When the outermost Batch ends, the settle tasks run, then the
    // observers hear of the changes.
    class Batch {
    public:
        explicit Batch(Board& board) : m_board(board) { m_board.beginBatch(); }
        ~Batch() { m_board.endBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Board& m_board;
    };

    Board() = default;
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    ControlId add(std::string name, ControlKind kind, ControlId parent = NoControl);

    // Throws std::out_of_range for an unknown name: names are fixed at build time.
    ControlId id(std::string_view name) const;
    ControlId find(std::string_view name) const;  // NoControl when unknown
    int size() const { return static_cast<int>(m_controls.size()); }

    // Throws std::out_of_range for an id the board did not give out, NoControl
    // among them: a lookup that found nothing must not read a neighbour.
    const Control& control(ControlId id) const { return m_controls[checked(id)]; }
    const Control& control(std::string_view name) const { return m_controls[id(name)]; }
    const std::string& text(ControlId id) const { return m_controls[checked(id)].text; }
    const std::string& text(std::string_view name) const { return m_controls[id(name)].text; }

    void setText(ControlId id, std::string_view text);
    void setText(std::string_view name, std::string_view text) { setText(id(name), text); }
    void setHint(ControlId id, std::string_view hint);
    void setVisible(ControlId id, bool visible);
    void setEnabled(ControlId id, bool enabled);
    void setBold(ControlId id, bool bold);
    void setColour(ControlId id, TextColour colour);
    // Build-time properties; they raise nothing.
    void setMaxLength(ControlId id, int length) { m_controls[checked(id)].maxLength = length; }
    void setReadOnly(ControlId id, bool readOnly) { m_controls[checked(id)].readOnly = readOnly; }
    void setTabStop(ControlId id, bool tabStop) { m_controls[checked(id)].tabStop = tabStop; }

    // Every control as it stands, and putting such a copy back: a tool that
    // runs many predictions through one board starts each from the board's
    // built state instead of building it anew. Putting back raises nothing,
    // so it is refused while someone observes or an action is under way, and
    // for a copy of a board with another number of controls.
    const std::vector<Control>& states() const { return m_controls; }
    void restore(const std::vector<Control>& states);

    void bindChange(ControlId id, ChangeHandler handler);
    void setErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }
    void addObserver(BoardObserver* observer);
    void removeObserver(BoardObserver* observer);
    // A task run at the end of every outermost Batch, before the observers
    // hear of it: work that only the final state of an action needs, such as
    // colouring, done once instead of after every step. The task itself finds
    // out whether there is anything to do.
    void addSettleTask(SettleTask task) { m_settleTasks.push_back(std::move(task)); }
    bool inBatch() const { return m_batchDepth > 0; }

    // Controls lying directly on the window, and those on one panel, in creation order.
    const std::vector<ControlId>& topLevel() const { return m_topLevel; }
    const std::vector<ControlId>& children(ControlId panel) const { return m_children[checked(panel)]; }

private:
    size_t checked(ControlId id) const;
    // A control's observable state before the action first changed it.
    struct Before {
        ControlId id;
        std::string text;
        std::string hint;
        bool visible;
        bool enabled;
        bool bold;
        TextColour colour;
    };

    void beginBatch() { ++m_batchDepth; }
    void endBatch();
    // Called by every setter before it stores a real change.
    void recordChange(ControlId id);
    std::vector<ControlChange> takeChanges();
    void raiseChange(ControlId id);

    std::vector<Control> m_controls;
    std::vector<ChangeHandler> m_handlers;
    std::vector<std::vector<ControlId>> m_children;
    std::vector<ControlId> m_topLevel;
    // Found by string_view without building a std::string: the report and
    // the loader look up hundreds of controls by name.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };
    std::unordered_map<std::string, ControlId, NameHash, std::equal_to<>> m_byName;
    std::vector<BoardObserver*> m_observers;
    std::vector<SettleTask> m_settleTasks;
    ErrorReporter m_reportError;
    int m_changeDepth = 0;  // nested change handlers
    int m_batchDepth = 0;
    // Only kept while someone observes; m_beforeIndex[id] is the control's
    // entry in m_before, or -1.
    std::vector<Before> m_before;
    std::vector<int> m_beforeIndex;
};

}  // namespace tiplark
