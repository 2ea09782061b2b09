#include "windows/PoolForm.h"

#include "document/LoadFailure.h"
#include "document/MainBoard.h"
#include "document/PredictionsFile.h"
#include "i18n/Language.h"
#include "i18n/LanguageTables.h"
#include "i18n/TournamentNames.h"
#include "scoring/PoolRanking.h"
#include "storage/PoolSettings.h"
#include "windows/CompareForm.h"
#include "windows/PointsBarDelegate.h"
#include "windows/PredictionDialogs.h"
#include "windows/ScreenCentre.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <limits>

namespace tiplark {
namespace {

enum Column { RankColumn, NameColumn, PointsColumn, ExactColumn, ChampionColumn, ColumnCount };

// Where a row's entry is kept, so that sorting the table loses nothing.
constexpr int EntryRole = Qt::UserRole;
// What a cell sorts by: unreadable files stay below every ranked one.
constexpr int SortRole = Qt::UserRole + 1;
// The path of a row's file; none for the board.
constexpr int FileRole = Qt::UserRole + 2;

class SortedItem : public QTableWidgetItem {
public:
    SortedItem(const QVariant& display, const QVariant& sortKey)
    {
        setData(Qt::DisplayRole, display);
        setData(SortRole, sortKey);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        return QVariant::compare(data(SortRole), other.data(SortRole)) == QPartialOrdering::Less;
    }
};

QString text(const Language& language, const char* key)
{
    return QString::fromStdString(language.text(key));
}

QString caption(const Language& language, const char* key)
{
    return text(language, key).remove(QLatin1Char('&'));
}

// Why an entry is not ranked.
QString failure(const Language& language, const PoolMember& entry)
{
    if (!entry.otherTournament.empty())
        return QString::fromStdString(fillIn(language.text("pool.otherTournament"), entry.otherTournament));
    return text(language, entry.readable() ? "pool.noValidScores" : loadFailureKey(entry.load));
}

QTableWidgetItem* number(int value, int sortKey)
{
    auto* item = new SortedItem(value, sortKey);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

TPoolForm::TPoolForm(MainBoard& main, PredictionDialogs& dialogs, std::string settingsPath, QWidget* parent)
    : QDialog(parent)
    , m_main(main)
    , m_dialogs(dialogs)
    , m_settingsPath(std::move(settingsPath))
    , m_chooseButton(new QPushButton(text(main.language(), "pool.choose")))
    , m_removeButton(new QPushButton(text(main.language(), "pool.remove")))
    , m_includeBoard(new QCheckBox(text(main.language(), "pool.includeBoard")))
    , m_table(new QTableWidget(0, ColumnCount))
    , m_closeButton(new QPushButton(text(main.language(), "schedule.close")))
{
    const Language& language = main.language();
    setObjectName(QStringLiteral("PoolForm"));
    setWindowTitle(text(language, "pool.title"));
    resize(640, 420);

    const PoolChoice choice = readPoolChoice(m_settingsPath);
    m_files = choice.files;

    m_chooseButton->setObjectName(QStringLiteral("ChooseButton"));
    m_chooseButton->setAccessibleName(caption(language, "pool.choose"));
    m_removeButton->setObjectName(QStringLiteral("RemoveButton"));
    m_removeButton->setAccessibleName(caption(language, "pool.remove"));
    m_includeBoard->setObjectName(QStringLiteral("IncludeBoardCheck"));
    m_includeBoard->setAccessibleName(caption(language, "pool.includeBoard"));
    m_includeBoard->setChecked(choice.includeBoard);
    m_closeButton->setObjectName(QStringLiteral("CloseButton"));
    m_closeButton->setAccessibleName(caption(language, "schedule.close"));

    m_table->setObjectName(QStringLiteral("PoolTable"));
    m_table->setAccessibleName(text(language, "pool.leaderboard"));
    m_table->setAccessibleDescription(text(language, "pool.hint"));
    m_table->setHorizontalHeaderLabels({text(language, "pool.rank"), text(language, "pool.name"),
                                        text(language, "compare.points"), text(language, "pool.exact"),
                                        text(language, "board.champion")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // The arrows move within the table; Tab goes on to the next control.
    m_table->setTabKeyNavigation(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(PointsColumn, QHeaderView::Stretch);
    m_table->setItemDelegateForColumn(PointsColumn, new PointsBarDelegate(maximumPoints(main.tournament()), m_table));
    m_table->setSortingEnabled(true);

    auto* hint = new QLabel(text(language, "pool.hint"));
    hint->setObjectName(QStringLiteral("PoolHint"));

    connect(m_chooseButton, &QPushButton::clicked, this, &TPoolForm::ChooseButtonClick);
    connect(m_removeButton, &QPushButton::clicked, this, &TPoolForm::RemoveButtonClick);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, m_table);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &TPoolForm::RemoveButtonClick);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            [this] { m_removeButton->setEnabled(!selectedFile().empty()); });
    connect(m_includeBoard, &QCheckBox::toggled, this, [this] {
        remember();
        rebuild();
    });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { openComparison(row); });
    connect(m_table, &QTableWidget::cellActivated, this, [this](int row, int) { openComparison(row); });
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto* top = new QHBoxLayout;
    top->addWidget(m_chooseButton);
    top->addWidget(m_removeButton);
    top->addWidget(m_includeBoard);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(hint, 1);
    bottom->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);

    rebuild();
    fitOnScreen(this);
}

void TPoolForm::ChooseButtonClick()
{
    QStringList current;
    for (const std::string& file : m_files)
        current.append(QString::fromStdString(file));
    const QStringList chosen = m_dialogs.choosePoolFiles(caption(m_main.language(), "pool.choose"),
                                                         text(m_main.language(), "file.predictionsFilter"), current);
    if (chosen.isEmpty())
        return;
    for (const QString& file : chosen) {
        if (std::find(m_files.begin(), m_files.end(), file.toStdString()) == m_files.end())
            m_files.push_back(file.toStdString());
    }
    remember();
    rebuild();
}

void TPoolForm::RemoveButtonClick()
{
    const std::string file = selectedFile();
    const auto found = std::find(m_files.begin(), m_files.end(), file);
    if (file.empty() || found == m_files.end())
        return;
    const int row = m_table->currentRow();
    m_files.erase(found);
    remember();
    rebuild();
    // The next file takes the removed one's place, so Delete can go on removing.
    m_table->setCurrentCell(std::min(row, m_table->rowCount() - 1), NameColumn);
}

std::string TPoolForm::selectedFile() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows(NameColumn);
    return rows.size() == 1 ? rows.front().data(FileRole).toString().toStdString() : std::string();
}

void TPoolForm::remember()
{
    // Failing to remember the list costs the user nothing now; the pool still shows.
    writePoolChoice(m_settingsPath, PoolChoice{m_files, m_includeBoard->isChecked()});
}

void TPoolForm::rebuild()
{
    const Language& language = m_main.language();
    const Tournament& tournament = m_main.tournament();
    const PlayedPrediction real = realPlayed(tournament);
    std::vector<PoolMember> entries;
    if (m_includeBoard->isChecked())
        entries.push_back(scoreBoardMember(language.text("pool.currentBoard"), m_main, real));
    for (const std::string& file : m_files)
        entries.push_back(scoreFileMember(file, tournament, real));
    m_entries = rankEntries(std::move(entries));

    m_table->setSortingEnabled(false);
    m_table->setRowCount(static_cast<int>(m_entries.size()));
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const PoolMember& entry = m_entries[i];
        const int row = static_cast<int>(i);
        const QString fileName = QString::fromStdString(std::filesystem::path(entry.name).stem().string());
        auto* name = new SortedItem(fileName, fileName.toLower());
        name->setToolTip(QString::fromStdString(entry.name));
        name->setData(EntryRole, row);
        // The board's title is no path: the chosen files' paths are absolute.
        if (std::find(m_files.begin(), m_files.end(), entry.name) != m_files.end())
            name->setData(FileRole, QString::fromStdString(entry.name));
        m_table->setItem(row, NameColumn, name);
        if (entry.ranked()) {
            const QString champion = entry.champion == NoTeam
                                         ? QStringLiteral("-")
                                         : QString::fromStdString(tournamentTeamName(language.index(), tournament, entry.champion));
            m_table->setItem(row, RankColumn, number(entry.rank, entry.rank));
            m_table->setItem(row, PointsColumn, number(entry.score.total, entry.score.total));
            m_table->setItem(row, ExactColumn, number(entry.score.exact, entry.score.exact));
            m_table->setItem(row, ChampionColumn, new SortedItem(champion, champion));
        } else {
            // Ranked by rank, unreadable files come after every ranked one.
            const QString reason = failure(language, entry);
            m_table->setItem(row, RankColumn, new SortedItem(QStringLiteral("-"), std::numeric_limits<int>::max()));
            m_table->setItem(row, PointsColumn, new SortedItem(reason, -1));
            m_table->setItem(row, ExactColumn, new SortedItem(QString(), -1));
            m_table->setItem(row, ChampionColumn, new SortedItem(QString(), QString()));
        }
    }
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(RankColumn, Qt::AscendingOrder);
    m_removeButton->setEnabled(!selectedFile().empty());
}

void TPoolForm::openComparison(int row)
{
    const QTableWidgetItem* name = m_table->item(row, NameColumn);
    if (!name)
        return;
    const PoolMember& entry = m_entries[static_cast<size_t>(name->data(EntryRole).toInt())];
    if (!entry.ranked())
        return;
    TCompareForm compare(m_main.language(), m_main.tournament(), this);
    compare.showEntry(entry);
    compare.exec();
}

}  // namespace tiplark
