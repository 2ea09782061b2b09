#include "windows/LevelOrderForm.h"

#include "document/MainBoard.h"
#include "i18n/Language.h"
#include "windows/ScreenCentre.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace tiplark {
namespace {

QString text(const Language& language, const char* key)
{
    return QString::fromStdString(language.text(key));
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TLevelOrderForm::TLevelOrderForm(const Language& language, LevelOrderModel model, QWidget* parent)
    : QDialog(parent)
    , m_model(std::move(model))
    , m_list(new QListWidget(this))
    , m_upButton(addButton(this, "MoveUpButton", text(language, "level.moveUp")))
    , m_downButton(addButton(this, "MoveDownButton", text(language, "level.moveDown")))
{
    setObjectName(QStringLiteral("LevelOrderForm"));
    setWindowTitle(text(language, "level.title") + QStringLiteral(" - ") + QString::fromStdString(m_model.title()));

    auto* intro = new QLabel(text(language, "level.intro"), this);
    intro->setObjectName(QStringLiteral("IntroLabel"));
    intro->setWordWrap(true);
    intro->setBuddy(m_list);
    m_list->setObjectName(QStringLiteral("TeamList"));
    m_list->setAccessibleName(text(language, "level.list"));

    auto* okButton = addButton(this, "OKButton", text(language, "options.ok"));
    auto* cancelButton = addButton(this, "CancelButton", text(language, "button.cancel"));
    okButton->setDefault(true);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(okButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelButton, QDialogButtonBox::RejectRole);

    auto* moves = new QVBoxLayout;
    moves->addWidget(m_upButton);
    moves->addWidget(m_downButton);
    moves->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list, 1);
    middle->addLayout(moves);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(middle, 1);
    layout->addWidget(buttons);

    connect(m_upButton, &QPushButton::clicked, this, &TLevelOrderForm::moveUp);
    connect(m_downButton, &QPushButton::clicked, this, &TLevelOrderForm::moveDown);
    // From the list itself, as in other ordered lists.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), this), &QShortcut::activated, this, &TLevelOrderForm::moveUp);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), this), &QShortcut::activated, this,
            &TLevelOrderForm::moveDown);
    connect(m_list, &QListWidget::currentRowChanged, this, &TLevelOrderForm::enableMoves);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setTabOrder(m_list, m_upButton);
    setTabOrder(m_upButton, m_downButton);
    setTabOrder(m_downButton, okButton);
    setTabOrder(okButton, cancelButton);
    fill();
    m_list->setCurrentRow(0);
    enableMoves(0);
    m_list->setFocus();
    resize(sizeHint().expandedTo(QSize(380, 240)));
    fitOnScreen(this);
}

void TLevelOrderForm::showForMark(MainBoard& main, ControlId mark, QWidget* parent)
{
    std::optional<LevelOrderModel> model = LevelOrderModel::forMark(main, mark);
    if (!model)
        return;
    TLevelOrderForm form(main.language(), std::move(*model), parent);
    if (form.exec() == QDialog::Accepted)
        form.model().apply(main);
}

void TLevelOrderForm::moveUp()
{
    const int row = m_list->currentRow();
    if (row >= 0 && m_model.moveUp(static_cast<size_t>(row)))
        moved(row - 1);
}

void TLevelOrderForm::moveDown()
{
    const int row = m_list->currentRow();
    if (row >= 0 && m_model.moveDown(static_cast<size_t>(row)))
        moved(row + 1);
}

void TLevelOrderForm::fill()
{
    m_list->clear();
    for (const LevelOrderModel::Entry& entry : m_model.entries())
        m_list->addItem(QString::number(entry.row + 1) + QStringLiteral(". ") + QString::fromStdString(entry.name));
}

// The moved team stays selected, and the keys go back to the list, also
// after Alt+U or Alt+D gave a button the focus.
void TLevelOrderForm::moved(int row)
{
    fill();
    m_list->setCurrentRow(row);
    m_list->setFocus();
}

void TLevelOrderForm::enableMoves(int row)
{
    const auto entry = static_cast<size_t>(row);
    m_upButton->setEnabled(row >= 0 && m_model.canMoveUp(entry));
    m_downButton->setEnabled(row >= 0 && m_model.canMoveDown(entry));
}

}  // namespace tiplark
