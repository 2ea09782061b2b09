#pragma once

#include <QDialog>

class QTableWidget;

namespace tiplark {

class Language;
struct Tournament;

// The venues of a tournament other than 2006, for which the project has no
// pictures: one table of stadium, city, local time and matches hosted, the
// venue chosen in the menu selected. The arrows move within the table, Tab
// goes on to Close.
class TVenueListForm : public QDialog {
    Q_OBJECT
public:
    TVenueListForm(QWidget* parent, const Language& language, const Tournament& tournament, int venue);

private:
    QTableWidget* m_table;
};

// VenueFormSetup of another tournament: the list on the venue's row, modal.
void showVenueList(QWidget* parent, const Language& language, const Tournament& tournament, int venue);

}  // namespace tiplark
