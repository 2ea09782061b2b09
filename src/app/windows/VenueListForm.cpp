#include "windows/VenueListForm.h"

#include "i18n/Language.h"
#include "venues/TournamentVenues.h"
#include "windows/ScreenCentre.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tiplark {
namespace {

enum Column { StadiumColumn, CityColumn, ZoneColumn, MatchesColumn, ColumnCount };

QString text(const Language& language, const char* key)
{
    return QString::fromStdString(language.text(key));
}

}  // namespace

TVenueListForm::TVenueListForm(QWidget* parent, const Language& language, const Tournament& tournament, int venue)
    : QDialog(parent)
    , m_table(new QTableWidget(0, ColumnCount, this))
{
    setObjectName(QStringLiteral("VenueListForm"));
    setWindowTitle(QString::fromStdString(language.text("title.prefix") + tournament.name + " - ")
                   + text(language, "venue.title"));

    m_table->setObjectName(QStringLiteral("VenueTable"));
    m_table->setAccessibleName(text(language, "venues.table"));
    m_table->setHorizontalHeaderLabels({text(language, "venues.stadium"), text(language, "venues.city"),
                                        text(language, "venues.zone"), text(language, "venues.matches")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(StadiumColumn, QHeaderView::Stretch);
    const std::vector<VenueRow> rows = venueRows(tournament);
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r);
        m_table->setItem(row, StadiumColumn, new QTableWidgetItem(QString::fromStdString(rows[r].stadium)));
        m_table->setItem(row, CityColumn, new QTableWidgetItem(QString::fromStdString(rows[r].city)));
        m_table->setItem(row, ZoneColumn, new QTableWidgetItem(QString::fromStdString(rows[r].zone)));
        auto* matches = new QTableWidgetItem(QString::number(rows[r].matches));
        matches->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, MatchesColumn, matches);
    }
    if (venue >= 0 && venue < m_table->rowCount())
        m_table->setCurrentCell(venue, StadiumColumn);

    auto* close = new QPushButton(text(language, "venue.close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setAccessibleName(text(language, "venue.close").remove(QLatin1Char('&')));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    // Every row in sight where the screen has the room.
    const int rowsHeight = m_table->verticalHeader()->length() + m_table->horizontalHeader()->height() + 8;
    resize(std::max(620, m_table->horizontalHeader()->length() + 40), rowsHeight + close->sizeHint().height() + 48);
    m_table->setFocus();
    fitOnScreen(this);
}

void showVenueList(QWidget* parent, const Language& language, const Tournament& tournament, int venue)
{
    TVenueListForm form(parent, language, tournament, venue);
    form.exec();
}

}  // namespace tiplark
