#include "windows/StandingsRulesForm.h"

#include "i18n/Language.h"
#include "windows/ScreenCentre.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <string>

namespace tiplark {
namespace {

// The seven criteria: bold letter label, text label, key, top and height
// inside CriteriaGroupBox. Criterion (a) wraps over two lines.
struct CriterionRow {
    const char* letterName;
    const char* letter;
    const char* textName;
    const char* key;
    int top;
    int height;
};
constexpr CriterionRow Criteria[7] = {
    {"Label6", "(a)", "lbl5a", "rules.c1", 58, 34},  {"Label7", "(b)", "lbl5b", "rules.c2", 98, 18},
    {"Label8", "(c)", "lbl5c", "rules.c3", 120, 18}, {"Label9", "(d)", "lbl5d", "rules.c4", 142, 18},
    {"Label10", "(e)", "lbl5e", "rules.c5", 164, 18}, {"Label11", "(f)", "lbl5f", "rules.c6", 186, 18},
    {"Label12", "(g)", "lbl5g", "rules.c7", 208, 18},
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect where, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(where);
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
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_language(language)
{
    setObjectName(QStringLiteral("StandingsRulesForm"));
    setFixedSize(784, 352);

    m_criteria = new QGroupBox(this);
    m_criteria->setObjectName(QStringLiteral("CriteriaGroupBox"));
    m_criteria->setGeometry(16, 16, 753, 281);

    makeLabel(m_criteria, "Label3", QStringLiteral("5"), QRect(16, 30, 20, 18), true);
    m_heading = makeLabel(m_criteria, "lbl5", {}, QRect(40, 30, 700, 18), false);
    for (int row = 0; row < 7; ++row) {
        const CriterionRow& c = Criteria[row];
        makeLabel(m_criteria, c.letterName, QLatin1String(c.letter), QRect(40, c.top, 28, 18), true);
        m_criterion[row] = makeLabel(m_criteria, c.textName, {}, QRect(72, c.top, 668, c.height), false);
        m_criterion[row]->setAccessibleName(QStringLiteral("Criterion ") + QLatin1String(c.letter));
    }
    m_criterion[0]->setWordWrap(true);
    makeLabel(m_criteria, "Label4", QStringLiteral("6"), QRect(16, 244, 20, 18), true);
    m_qualify = makeLabel(m_criteria, "lbl6", {}, QRect(40, 244, 700, 18), false);

    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("CloseButton"));
    m_close->setGeometry(712, 312, 57, 25);
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &TStandingsRulesForm::CloseButtonClick);

    FormShow();
    centreOnScreen(this);
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
    for (int row = 0; row < 7; ++row)
        m_criterion[row]->setText(text(Criteria[row].key));
    m_qualify->setText(text("rules.qualify"));
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
