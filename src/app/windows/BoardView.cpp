#include "windows/BoardView.h"

#include "document/MainBoard.h"
#include "i18n/LanguageTables.h"
#include "platform/ScoreText.h"
#include "services/QtMessageService.h"
#include "tournament/KeyFilter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QValidator>

#include <algorithm>
#include <cmath>

namespace tiplark {
namespace {

const QColor FavouriteBlue(0, 0, 255);
const QColor PressedRed(255, 0, 0);

// The smallest scale before the board scrolls instead of shrinking further.
constexpr qreal MinimumScale = 0.8;
// A label's text keeps a pixel free on either side, so that the texts of
// neighbouring boxes never touch.
constexpr int TextSpare = 2;
// How far a text too long for its box (a long name in a long language) may
// shrink rather than be cut.
constexpr int SmallestFontPercent = 75;

QRect scaled(const QRectF& rect, qreal scale, QPointF offset = {})
{
    // Round the edges rather than the size so that neighbours keep equal gaps.
    const QPointF topLeft = rect.topLeft() * scale + offset;
    const QPointF bottomRight = rect.bottomRight() * scale + offset;
    const int left = static_cast<int>(std::lround(topLeft.x()));
    const int top = static_cast<int>(std::lround(topLeft.y()));
    return {left, top, static_cast<int>(std::lround(bottomRight.x())) - left,
            static_cast<int>(std::lround(bottomRight.y())) - top};
}

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z, the keys of the window's Undo and Redo.
bool isHistoryKey(QKeyCombination key)
{
    const Qt::KeyboardModifiers modifiers = key.keyboardModifiers() & ~Qt::KeypadModifier;
    return (modifiers == Qt::ControlModifier && (key.key() == Qt::Key_Z || key.key() == Qt::Key_Y))
           || (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && key.key() == Qt::Key_Z);
}

// The score boxes' rule on every way in: typing, pasting, dropping.
class ScoreTextValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        return isScoreText(input.toStdString()) ? Acceptable : Invalid;
    }
};

}  // namespace

BoardView::BoardView(MainBoard& main, QWidget* parent)
    : QWidget(parent)
    , m_main(main)
    , m_board(main.board())
    , m_layout(main.board(), main.controls(), main.tournament())
    , m_names(main.board(), main.controls(), main.tournament(), [&main] { return main.language().index(); })
    , m_widgets(static_cast<size_t>(main.board().size()), nullptr)
    , m_flags(static_cast<size_t>(main.board().size()), nullptr)
{
    const Board& board = m_board;
    const BoardControls& controls = main.controls();
    setObjectName(QStringLiteral("Board"));
    createPages();
    // Panels come before the controls on them, so parents always exist.
    for (ControlId id = 0; id < board.size(); ++id)
        m_widgets[static_cast<size_t>(id)] = create(id);
    for (ControlId id = 0; id < board.size(); ++id) {
        QWidget* w = widget(id);
        const QString name = m_names.nameOf(id);
        if (!name.isEmpty())
            w->setAccessibleName(name);
        w->setToolTip(displayText(board.control(id).hint));
        w->setVisible(shown(id));
        w->setEnabled(board.control(id).enabled);
        applyColour(id);
    }
    createFlagsAndSeparators();
    setFocusOrder(controls);
    m_board.addObserver(this);
    // Sets the fonts too: the scale starts unset.
    arrange();
}

BoardView::~BoardView()
{
    m_board.removeObserver(this);
}

ControlId BoardView::controlOf(const QObject* object) const
{
    const auto it = std::find(m_widgets.begin(), m_widgets.end(), object);
    return it == m_widgets.end() ? NoControl : static_cast<ControlId>(it - m_widgets.begin());
}

QWidget* BoardView::create(ControlId id)
{
    const Control& control = m_board.control(id);
    QWidget* parent = control.parent != NoControl ? widget(control.parent)
                      : m_pages.empty()           ? this
                                                  : m_pages[static_cast<size_t>(m_layout.placement(id).page)];
    QWidget* created = nullptr;
    switch (control.kind) {
    case ControlKind::Panel: {
        auto* panel = new QFrame(parent);
        // An empty panel only keeps distance between its neighbours.
        if (!m_board.children(id).empty())
            styleCard(panel);
        created = panel;
        break;
    }
    case ControlKind::Edit:
        created = createEdit(id, parent);
        break;
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(m_layout.placement(id).alignment);
        created = label;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(parent);
        connect(button, &QPushButton::clicked, this, [this, id] { emit buttonClicked(id); });
        created = button;
        break;
    }
    }
    created->setObjectName(QString::fromStdString(control.name));
    m_widgets[static_cast<size_t>(id)] = created;
    applyText(id);
    return created;
}

QWidget* BoardView::createEdit(ControlId id, QWidget* parent)
{
    const Control& control = m_board.control(id);
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignCenter);
    if (control.readOnly) {
        // Table cells: computed texts (a goal difference may be "-10"),
        // reachable by mouse for copying but not by Tab.
        edit->setReadOnly(true);
        edit->setFrame(false);
        edit->setFocusPolicy(control.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        return edit;
    }
    if (control.maxLength > 0)
        edit->setMaxLength(control.maxLength);
    edit->setValidator(new ScoreTextValidator(edit));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) { emit boxEdited(id, text); });
    return edit;
}

bool BoardView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // A box's own undo would only take back its last characters, as a
        // new edit; the window's Undo and Redo take back whole steps.
        auto* key = static_cast<QKeyEvent*>(event);
        if (isHistoryKey(key->keyCombination())) {
            key->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        // Only keys that type a character meet the score filter; shortcuts
        // (Ctrl+C, Ctrl+Z) and editing keys pass as they are.
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        const char32_t character = typed.isEmpty() ? 0 : typed.toUcs4().value(0);
        if (character >= 0x20 && character != 0x7f && !myKeyPress(character))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void BoardView::styleCard(QWidget* panel)
{
    auto* frame = static_cast<QFrame*>(panel);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    frame->setPalette(palette);
}

void BoardView::boardChanged(const std::vector<ControlChange>& changes)
{
    for (const ControlChange& change : changes) {
        const ControlId id = change.id;
        const Control& control = m_board.control(id);
        QWidget* w = widget(id);
        if (change.has(ControlProperty::Text))
            applyText(id);
        if (change.has(ControlProperty::Hint))
            w->setToolTip(displayText(control.hint));
        if (change.has(ControlProperty::Text) || change.has(ControlProperty::Hint))
            refreshAccessibleNames(id);
        if (change.has(ControlProperty::Visible))
            w->setVisible(shown(id));
        if (change.has(ControlProperty::Enabled))
            w->setEnabled(control.enabled);
        // A label's new text may need a smaller font to fit.
        if (change.has(ControlProperty::Bold) || (change.has(ControlProperty::Text) && qobject_cast<QLabel*>(w)))
            applyFont(id);
        if (change.has(ControlProperty::Colour))
            applyColour(id);
        if (flag(id) && (change.has(ControlProperty::Text) || change.has(ControlProperty::Visible)))
            applyFlag(id);
    }
}

bool BoardView::shown(ControlId id) const
{
    // A control the layout gives no room (a table this layout does not
    // show yet) stays out of sight and out of the Tab order.
    return m_board.control(id).visible && !m_layout.placement(id).rect.isEmpty();
}

void BoardView::applyText(ControlId id)
{
    const QString text = QString::fromStdString(m_board.text(id));
    QWidget* w = widget(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        // The user's own edit comes back here already in place; leave the
        // cursor where it is.
        if (edit->text() != text)
            edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        button->setText(text);
    }
}

void BoardView::applyFont(ControlId id)
{
    QWidget* w = widget(id);
    const BoardLayout::Placement& placement = m_layout.placement(id);
    QFont font = w->font();
    int size = std::max(1, static_cast<int>(std::lround(placement.fontSize * m_scale)));
    font.setPixelSize(size);
    font.setBold(m_board.control(id).bold || placement.emphasised);
    if (const auto* label = qobject_cast<QLabel*>(w)) {
        const int room = scaled(placement.rect, m_scale).width() - TextSpare;
        const int smallest = std::max(1, size * SmallestFontPercent / 100);
        while (size > smallest && QFontMetrics(font).horizontalAdvance(label->text()) > room)
            font.setPixelSize(--size);
    }
    w->setFont(font);
}

void BoardView::applyColour(ControlId id)
{
    QWidget* w = widget(id);
    const QPalette::ColorRole role = qobject_cast<QLineEdit*>(w) ? QPalette::Text : QPalette::WindowText;
    QPalette palette = w->palette();
    const QPalette inherited = w->parentWidget()->palette();
    // Open knockout slots are disabled labels, painted from the Disabled
    // group: red and blue must show there too, the default stays greyed.
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        switch (m_board.control(id).colour) {
        case TextColour::Blue:
            palette.setColor(group, role, FavouriteBlue);
            break;
        case TextColour::Red:
            palette.setColor(group, role, PressedRed);
            break;
        case TextColour::Default:
            palette.setColor(group, role, inherited.color(group, role));
            break;
        }
    }
    w->setPalette(palette);
}

void BoardView::refreshAccessibleNames(ControlId id)
{
    for (const ControlId dependent : m_names.dependents(id))
        widget(dependent)->setAccessibleName(m_names.nameOf(dependent));
}

void BoardView::setFocusOrder(const BoardControls& controls)
{
    // Panel by panel as they are read: the clear button at the panel's top,
    // then its boxes.
    std::vector<QWidget*> order;
    if (m_tabs)
        order.push_back(m_tabs);
    for (const GroupControls& group : controls.groups) {
        order.push_back(widget(group.clearButton));
        for (const auto& match : group.score)
            for (const ControlId box : match)
                order.push_back(widget(box));
        // The table's level mark, when shown, after the scores that rank it.
        if (group.levelMark != NoControl)
            order.push_back(widget(group.levelMark));
    }
    for (const RoundControls& round : controls.rounds) {
        order.push_back(widget(round.clearButton));
        for (const MatchControls& match : round.matches) {
            for (const ControlId box : match.score)
                order.push_back(widget(box));
            for (const ControlId box : match.penalty)
                order.push_back(widget(box));
        }
    }
    for (const ControlId button : {controls.saveButton, controls.okButton, controls.clearAllButton})
        order.push_back(widget(button));
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QSize BoardView::sizeHint() const
{
    const int tabs = m_tabs ? m_tabs->sizeHint().height() : 0;
    return m_layout.canvasSize().toSize() + QSize(0, tabs);
}

QSize BoardView::minimumSizeHint() const
{
    const int tabs = m_tabs ? m_tabs->sizeHint().height() : 0;
    return (m_layout.canvasSize() * MinimumScale).toSize() + QSize(0, tabs);
}

void BoardView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void BoardView::arrange()
{
    // Pages lie below their tabs; a board of one page fills the view.
    const int tabs = m_tabs ? m_tabs->sizeHint().height() : 0;
    const QSize area(width(), height() - tabs);
    if (m_tabs)
        m_tabs->setGeometry(0, 0, width(), tabs);
    for (QWidget* page : m_pages)
        page->setGeometry(0, tabs, area.width(), area.height());

    const QSizeF canvas = m_layout.canvasSize();
    const qreal scale = std::max(MinimumScale, std::min(area.width() / canvas.width(), area.height() / canvas.height()));
    // Centre each page in whatever room is left over.
    std::vector<QPointF> offsets;
    for (const BoardLayout::Page& page : m_layout.pages())
        offsets.emplace_back(std::max<qreal>(0, (area.width() - page.canvas.width() * scale) / 2) - page.canvas.left() * scale,
                             std::max<qreal>(0, (area.height() - page.canvas.height() * scale) / 2) - page.canvas.top() * scale);
    const bool rescaled = !qFuzzyCompare(scale, m_scale);
    m_scale = scale;
    for (ControlId id = 0; id < m_board.size(); ++id) {
        const BoardLayout::Placement& placement = m_layout.placement(id);
        const bool onPage = m_board.control(id).parent == NoControl;
        widget(id)->setGeometry(scaled(placement.rect, scale, onPage ? offsets[static_cast<size_t>(placement.page)] : QPointF()));
        if (rescaled)
            applyFont(id);
        if (QLabel* picture = flag(id)) {
            picture->setGeometry(scaled(placement.flag, scale));
            if (rescaled)
                applyFlag(id);
        }
    }
    for (const auto& [separator, line] : m_separators) {
        QRect rect = scaled(separator->rect, scale);
        rect.setHeight(std::max(1, rect.height()));
        line->setGeometry(rect);
    }
}

int BoardView::currentPage() const
{
    return m_tabs ? m_tabs->currentIndex() : 0;
}

int BoardView::pageOf(ControlId id) const
{
    ControlId top = id;
    while (m_board.control(top).parent != NoControl)
        top = m_board.control(top).parent;
    return m_layout.placement(top).page;
}

void BoardView::showPage(int page)
{
    if (m_tabs)
        m_tabs->setCurrentIndex(page);
}

void BoardView::createPages()
{
    if (m_layout.pages().size() < 2)
        return;
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("BoardPages"));
    m_tabs->setExpanding(false);
    m_tabs->setDrawBase(true);
    for (size_t p = 0; p < m_layout.pages().size(); ++p) {
        m_tabs->addTab(QString());
        auto* page = new QWidget(this);
        page->setObjectName(QStringLiteral("BoardPage%1").arg(p + 1));
        page->setVisible(p == 0);
        m_pages.push_back(page);
    }
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int shown) {
        QWidget* page = m_pages[static_cast<size_t>(shown)];
        const QWidget* focused = QApplication::focusWidget();
        const bool focusHidden = focused && focused != m_tabs && isAncestorOf(focused) && !page->isAncestorOf(focused);
        for (QWidget* other : m_pages)
            other->setVisible(other == page);
        // The keyboard follows to the first box of the page shown.
        if (focusHidden) {
            QWidget* next = m_tabs->nextInFocusChain();
            while (next != m_tabs && !(page->isAncestorOf(next) && next->isVisible() && (next->focusPolicy() & Qt::TabFocus) != 0))
                next = next->nextInFocusChain();
            next->setFocus(Qt::TabFocusReason);
        }
    });
    const auto turn = [this](int step) {
        const int count = m_tabs->count();
        m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + count) % count);
    };
    for (const auto& [keys, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                    {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                                    {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}}) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [turn, step = step] { turn(step); });
    }
}

void BoardView::createFlagsAndSeparators()
{
    for (ControlId id = 0; id < m_board.size(); ++id) {
        if (m_layout.placement(id).flag.isEmpty())
            continue;
        // A thin grey frame keeps a white flag apart from the white card.
        auto* picture = new QLabel(widget(id)->parentWidget());
        picture->setObjectName(widget(id)->objectName() + QStringLiteral("Flag"));
        picture->setFrameShape(QFrame::Box);
        picture->setLineWidth(1);
        picture->setAlignment(Qt::AlignCenter);
        QPalette palette = picture->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Mid));
        picture->setPalette(palette);
        m_flags[static_cast<size_t>(id)] = picture;
    }
    for (const BoardLayout::Separator& separator : m_layout.separators()) {
        auto* line = new QFrame(widget(separator.panel));
        line->setAutoFillBackground(true);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Mid));
        line->setPalette(palette);
        m_separators.emplace_back(&separator, line);
    }
}

int BoardView::teamNamed(const std::string& text)
{
    const Language& language = m_main.language();
    if (m_teamNamesLanguage != language.index()) {
        m_teamByName.clear();
        const auto teams = static_cast<int>(m_main.tournament().teams.size());
        for (int team = 0; team < teams; ++team)
            m_teamByName.emplace(language.teamName(team + 1), team);
        m_teamNamesLanguage = language.index();
    }
    const auto found = m_teamByName.find(text);
    return found == m_teamByName.end() ? NoTeam : found->second;
}

void BoardView::applyFlag(ControlId id)
{
    QLabel* picture = flag(id);
    const Control& label = m_board.control(id);
    const int team = label.visible ? teamNamed(label.text) : NoTeam;
    if (team == NoTeam || picture->width() <= 2) {
        picture->setVisible(false);
        return;
    }
    const QString code = QString::fromStdString(m_main.tournament().teams[static_cast<size_t>(team)].code);
    picture->setPixmap(m_flagPictures.pixmap(code, picture->contentsRect().size(), devicePixelRatioF()));
    picture->setVisible(true);
}

void BoardView::applyLanguage()
{
    const int language = m_main.language().index();
    if (m_tabs) {
        m_tabs->setAccessibleName(QString::fromStdString(languageText(language, "a11y.pages")));
        for (int page = 0; page < m_tabs->count(); ++page) {
            const QString title = QString::fromStdString(languageText(language, m_layout.pages()[static_cast<size_t>(page)].titleKey));
            m_tabs->setTabText(page, title);
            m_tabs->setAccessibleTabName(page, title);
        }
    }
    for (ControlId id = 0; id < m_board.size(); ++id) {
        const QString name = m_names.nameOf(id);
        if (!name.isEmpty())
            widget(id)->setAccessibleName(name);
        if (flag(id))
            applyFlag(id);
    }
    // The tabs' captions change their height.
    arrange();
}

}  // namespace tiplark
