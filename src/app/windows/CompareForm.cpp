#include "windows/CompareForm.h"

#include "document/MainBoard.h"
#include "i18n/Language.h"
#include "i18n/LanguageTables.h"
#include "scoring/TournamentComparison.h"
#include "windows/ScreenCentre.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tiplark {
namespace {

// The kinds of match points with their cell colours and legend texts.
struct PointsKind {
    int points;
    QColor colour;
    const char* legendKey;
};
const std::array<PointsKind, 4> PointsKinds = {{
    {4, QColor(0x7c, 0xc6, 0x7c), "compare.legendExact"},
    {3, QColor(0xb9, 0xe3, 0x8f), "compare.legendDifference"},
    {2, QColor(0xf3, 0xe2, 0x8a), "compare.legendOutcome"},
    {0, QColor(0xe6, 0xe6, 0xe6), "compare.legendNothing"},
}};

QColor pointsColour(int points)
{
    for (const PointsKind& kind : PointsKinds)
        if (kind.points == points)
            return kind.colour;
    return PointsKinds.back().colour;
}

QString text(const Language& language, const char* key)
{
    return QString::fromStdString(language.text(key));
}

QString filled(const Language& language, const char* key, int first, int second)
{
    return QString::fromStdString(fillIn(language.text(key), std::to_string(first), std::to_string(second)));
}

QWidget* legend(const Language& language)
{
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const PointsKind& kind : PointsKinds) {
        auto* swatch = new QLabel(QString::number(kind.points));
        swatch->setAlignment(Qt::AlignCenter);
        // A small box around its number, in whatever font the desktop uses.
        const QFontMetrics metrics(swatch->font());
        swatch->setFixedSize(std::max(24, metrics.horizontalAdvance(swatch->text()) + 12), metrics.height() + 4);
        swatch->setAutoFillBackground(true);
        swatch->setFrameShape(QFrame::Box);
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, kind.colour);
        palette.setColor(QPalette::WindowText, Qt::black);
        swatch->setPalette(palette);
        auto* caption = new QLabel(text(language, kind.legendKey));
        caption->setAccessibleName(caption->text());
        swatch->setAccessibleName(caption->text());
        layout->addWidget(swatch);
        layout->addWidget(caption);
        layout->addSpacing(12);
    }
    layout->addStretch();
    return box;
}

}  // namespace

TCompareForm::TCompareForm(const Language& language, const Tournament& tournament, QWidget* parent)
    : QDialog(parent)
    , m_language(language)
    , m_tournament(tournament)
    , m_real(realPlayed(tournament))
    , m_stageList(scoringStages(tournament))
    , m_table(new QTableWidget(tournament.matchCount(), 4))
    , m_matchTotal(new QLabel)
    , m_advanceTotal(new QLabel)
    , m_total(new QLabel)
    , m_closeButton(new QPushButton(text(language, "schedule.close")))
{
    setObjectName(QStringLiteral("CompareForm"));
    setWindowTitle(text(language, "compare.title"));
    resize(820, 640);

    m_table->setObjectName(QStringLiteral("CompareTable"));
    m_table->setAccessibleName(text(language, "compare.table"));
    m_table->setHorizontalHeaderLabels({text(language, "compare.match"), text(language, "compare.prediction"),
                                        text(language, "compare.real"), text(language, "compare.points")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The arrows move within the table; Tab goes on to the next control.
    m_table->setTabKeyNavigation(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);

    auto* stages = new QGroupBox(text(language, "compare.advancing"));
    stages->setAccessibleName(stages->title());
    auto* stageLayout = new QGridLayout(stages);
    for (size_t s = 0; s < m_stageList.size(); ++s) {
        const int column = static_cast<int>(s);
        auto* name = new QLabel(QString::fromStdString(stageName(language.index(), tournament, m_stageList[s])));
        m_stages.push_back(new QLabel);
        m_stages[s]->setObjectName(QStringLiteral("CompareStage%1").arg(column + 1));
        m_stages[s]->setAccessibleName(name->text());
        stageLayout->addWidget(name, 0, column);
        stageLayout->addWidget(m_stages[s], 1, column);
    }

    m_matchTotal->setObjectName(QStringLiteral("CompareMatchTotal"));
    m_advanceTotal->setObjectName(QStringLiteral("CompareAdvanceTotal"));
    m_total->setObjectName(QStringLiteral("CompareTotal"));
    QFont bold = m_total->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_total->setFont(bold);
    m_closeButton->setObjectName(QStringLiteral("CloseButton"));
    m_closeButton->setAccessibleName(text(language, "schedule.close").remove(QLatin1Char('&')));
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto* totals = new QHBoxLayout;
    totals->addWidget(m_matchTotal);
    totals->addSpacing(16);
    totals->addWidget(m_advanceTotal);
    totals->addStretch();
    totals->addWidget(m_total);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(legend(language));
    layout->addWidget(m_table, 1);
    layout->addWidget(stages);
    layout->addLayout(totals);
    layout->addLayout(buttons);
    fitOnScreen(this);
}

TCompareForm::~TCompareForm()
{
    if (m_main)
        m_main->board().removeObserver(this);
}

void TCompareForm::followBoard(MainBoard& main)
{
    m_main = &main;
    main.board().addObserver(this);
    refreshFromBoard();
}

void TCompareForm::boardChanged(const std::vector<ControlChange>& changes)
{
    // The board tells each action once; the comparison follows its texts.
    const bool texts = std::any_of(changes.begin(), changes.end(),
                                   [](const ControlChange& change) { return change.has(ControlProperty::Text); });
    if (texts)
        refreshFromBoard();
}

void TCompareForm::refreshFromBoard()
{
    const PlayedPrediction played = boardPlayed(*m_main);
    showScore(played, scoreTournament(m_tournament, played, m_real));
}

void TCompareForm::showEntry(const PoolMember& entry)
{
    setWindowTitle(QString::fromStdString(fillIn(m_language.text("compare.titleOf"), entry.name)));
    showScore(entry.played, entry.score);
}

void TCompareForm::showScore(const PlayedPrediction& predicted, const TournamentScore& score)
{
    const int language = m_language.index();
    const std::vector<ComparisonRow> rows =
        tournamentComparisonRows(language, m_tournament, predicted, m_real, score);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const ComparisonRow& match = rows[static_cast<size_t>(row)];
        m_table->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(match.match)));
        m_table->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(match.prediction)));
        m_table->setItem(row, 2, new QTableWidgetItem(QString::fromStdString(match.real)));
        auto* points = new QTableWidgetItem(QString::number(match.points));
        points->setTextAlignment(Qt::AlignCenter);
        points->setBackground(pointsColour(match.points));
        points->setForeground(Qt::black);
        m_table->setItem(row, 3, points);
    }
    for (size_t s = 0; s < m_stages.size(); ++s)
        m_stages[s]->setText(
            QStringLiteral("%1 / %2").arg(score.advance[s]).arg(m_stageList[s].points * m_stageList[s].teams));
    const int matchMaximum = m_tournament.matchCount() * ExactScorePoints;
    const int maximum = maximumPoints(m_tournament);
    m_matchTotal->setText(filled(m_language, "compare.matchTotal", score.matchTotal, matchMaximum) + "   "
                          + QString::fromStdString(fillIn(m_language.text("compare.exactCount"), std::to_string(score.exact))));
    m_advanceTotal->setText(filled(m_language, "compare.advanceTotal", score.advanceTotal, maximum - matchMaximum));
    m_total->setText(filled(m_language, "compare.total", score.total, maximum));
    m_total->setAccessibleName(m_total->text());
}

}  // namespace tiplark
