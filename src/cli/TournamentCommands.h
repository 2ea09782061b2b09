#pragma once

#include "engine/TournamentCatalog.h"
#include "platform/DateTime.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tiplark {

// Writes lines with "\n" ends; Failure when the output cannot be written.
int writeLines(const std::vector<std::string>& lines, std::ostream& out, std::ostream& err);

// tiplark-report --list-tournaments [--format tsv]: one line per tournament
// (id, name, teams, matches). A tournament file that cannot be played is
// named on `err` and the status is 1.
int runListTournaments(const TournamentCatalog& catalog, bool tsv, std::ostream& out, std::ostream& err);

// tiplark-report --real ID: the real results as a predictions file.
int runRealCommand(const TournamentCatalog& catalog, const std::string& id, std::ostream& out, std::ostream& err);

// tiplark-report --standings|--bracket [--format tsv] FILE, for a file of any
// tournament: every group table, or every knockout match.
enum class TournamentView { Standings, Bracket };
int runViewCommand(const TournamentCatalog& catalog, TournamentView view, const std::string& file, bool tsv,
                   std::ostream& out, std::ostream& err);

// tiplark-report [--schedule] FILE for a file that names its tournament: the
// report, or the schedule in the time zone of its preferences, in the
// file's language. std::nullopt for any other file, which the board's
// report takes.
std::optional<int> runTournamentReport(const TournamentCatalog& catalog, const std::string& file, bool schedule,
                                       const DateTimeFormat& dates, std::ostream& out, std::ostream& err);

}  // namespace tiplark
