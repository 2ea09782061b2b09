#include "windows/StandingsRulesForm.h"

#include "i18n/Language.h"
#include "i18n/LanguageTables.h"
#include "windows/ScreenCentre.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace tiplark {
namespace {

// The room the window was designed for.
constexpr QSize SmallestWindow(784, 352);

// The seven criteria: bold letter label, text label and key.
struct CriterionRow {
    const char* letterName;
    const char* letter;
    const char* textName;
    const char* key;
};
constexpr CriterionRow Criteria[7] = {
    {"Label6", "(a)", "lbl5a", "rules.c1"},  {"Label7", "(b)", "lbl5b", "rules.c2"},
    {"Label8", "(c)", "lbl5c", "rules.c3"},  {"Label9", "(d)", "lbl5d", "rules.c4"},
    {"Label10", "(e)", "lbl5e", "rules.c5"}, {"Label11", "(f)", "lbl5f", "rules.c6"},
    {"Label12", "(g)", "lbl5g", "rules.c7"},
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

}  // namespace

TStandingsRulesForm::TStandingsRulesForm(QWidget* parent, const Language& language)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , m_language(language)
{
    setObjectName(QStringLiteral("StandingsRulesForm"));

    m_criteria = new QGroupBox(this);
    m_criteria->setObjectName(QStringLiteral("CriteriaGroupBox"));
    // Number, letter and text columns; the heading and the qualification
    // line span letter and text.
    auto* grid = new QGridLayout(m_criteria);
    grid->setColumnStretch(2, 1);
    grid->setVerticalSpacing(4);
    grid->addWidget(makeLabel(m_criteria, "Label3", QStringLiteral("5"), true), 0, 0);
    m_heading = makeLabel(m_criteria, "lbl5", {}, false);
    grid->addWidget(m_heading, 0, 1, 1, 2);
    for (int row = 0; row < 7; ++row) {
        const CriterionRow& c = Criteria[row];
        grid->addWidget(makeLabel(m_criteria, c.letterName, QLatin1String(c.letter), true), row + 1, 1);
        m_criterion[row] = makeLabel(m_criteria, c.textName, {}, false);
        grid->addWidget(m_criterion[row], row + 1, 2);
    }
    // Criterion (a) is two sentences and wraps; the others stay on one line.
    m_criterion[0]->setWordWrap(true);
    grid->addWidget(makeLabel(m_criteria, "Label4", QStringLiteral("6"), true), 8, 0);
    m_qualify = makeLabel(m_criteria, "lbl6", {}, false);
    grid->addWidget(m_qualify, 8, 1, 1, 2);
    grid->setRowMinimumHeight(8, 34);
    grid->setRowStretch(9, 1);

    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("CloseButton"));
    m_close->setMinimumSize(57, 25);
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &TStandingsRulesForm::CloseButtonClick);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->addWidget(m_criteria, 1);
    layout->addLayout(closing);

    FormShow();
    resize(minimumSize());
    fitOnScreen(this);
}

void TStandingsRulesForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TStandingsRulesForm::FormShow()
{
    const auto text = [this](const char* key) { return QString::fromStdString(m_language.text(key)); };
    setWindowTitle(text("title.prefix") + text("rules.title"));
    m_close->setText(text("rules.close"));
    m_criteria->setTitle(text("rules.source"));
    m_heading->setText(text("rules.heading"));
    for (int row = 0; row < 7; ++row) {
        m_criterion[row]->setText(text(Criteria[row].key));
        m_criterion[row]->setAccessibleName(
            QString::fromStdString(fillIn(m_language.text("rules.criterion"), Criteria[row].letter)));
    }
    m_qualify->setText(text("rules.qualify"));
    // The designed size, or more where the language's texts need it; the
    // wrapped criterion takes its lines at the width the others leave.
    QSize needed = SmallestWindow.expandedTo(layout()->totalMinimumSize());
    needed.setHeight(std::max(needed.height(), layout()->totalHeightForWidth(needed.width())));
    setMinimumSize(needed);
    resize(size().expandedTo(needed));
}

void TStandingsRulesForm::CloseButtonClick()
{
    accept();
}

void showRankingCriteriaWindow(QWidget* parent, const Language& language)
{
    TStandingsRulesForm form(parent, language);
    form.exec();
}

}  // namespace tiplark
