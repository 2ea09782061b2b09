#include "TournamentCommands.h"

#include "CommandSupport.h"
#include "document/TournamentPredictionsFile.h"
#include "engine/KnownTeams.h"
#include "i18n/LanguageTables.h"
#include "report/TournamentReportLines.h"
#include "report/TournamentScheduleLines.h"
#include "report/TournamentTsv.h"
#include "scoring/PredictionFiles.h"

#include <exception>
#include <ostream>

namespace tiplark {
namespace {

int fail(std::ostream& err, const std::string& file, const std::string& reason)
{
    reportFileProblem(err, file, reason);
    return static_cast<int>(ExitStatus::Failure);
}

int failWithoutFile(std::ostream& err, const std::string& reason)
{
    err << Program << ": " << reason << '\n';
    return static_cast<int>(ExitStatus::Failure);
}

}  // namespace

int writeLines(const std::vector<std::string>& lines, std::ostream& out, std::ostream& err)
{
    for (const std::string& line : lines)
        out << line << '\n';
    return finishOutput(out, err, ExitStatus::Ok);
}

int runListTournaments(const TournamentCatalog& catalog, bool tsv, std::ostream& out, std::ostream& err)
{
    const int status = writeLines(tournamentListLines(LanguageEnglish, catalog.tournaments(), tsv), out, err);
    for (const std::string& problem : catalog.problems())
        failWithoutFile(err, problem);
    return catalog.problems().empty() ? status : static_cast<int>(ExitStatus::Failure);
}

int runRealCommand(const TournamentCatalog& catalog, const std::string& id, std::ostream& out, std::ostream& err)
{
    std::string text;
    try {
        text = realPredictionsText(catalogTournament(catalog, id));
    } catch (const std::exception& error) {
        return failWithoutFile(err, error.what());
    }
    out << text;
    return finishOutput(out, err, ExitStatus::Ok);
}

int runViewCommand(const TournamentCatalog& catalog, TournamentView view, const std::string& file, bool tsv,
                   std::ostream& out, std::ostream& err)
{
    std::vector<std::string> lines;
    try {
        const FilePrediction read = readFilePrediction(catalog, file);
        if (!read.loaded()) {
            reportLoadFailure(err, file, read.load);
            return static_cast<int>(ExitStatus::Failure);
        }
        const Tournament& tournament = *read.tournament;
        const Outcome outcome = evaluate(tournament, read.prediction);
        const int language = read.preferences.languageIndex;
        if (view == TournamentView::Standings) {
            lines = tsv ? standingsTsv(tournament, outcome) : standingsLines(language, tournament, outcome);
        } else {
            const KnownTeams known = knownTeams(tournament, read.prediction, outcome);
            lines = tsv ? bracketTsv(tournament, known) : bracketLines(language, tournament, read.prediction, known);
        }
    } catch (const std::exception& error) {
        return fail(err, file, error.what());
    }
    return writeLines(lines, out, err);
}

std::optional<int> runTournamentReport(const TournamentCatalog& catalog, const std::string& file, bool schedule,
                                       const DateTimeFormat& dates, std::ostream& out, std::ostream& err)
{
    SettingsFile settings;
    if (settings.load(file) != SettingsFileState::Loaded || !predictionsTournamentId(settings))
        return std::nullopt;
    std::vector<std::string> lines;
    try {
        const Tournament& tournament = *predictionsTournament(catalog, settings);
        const TournamentPredictions read = readTournamentPredictions(tournament, settings);
        const Outcome outcome = evaluate(tournament, read.prediction);
        const KnownTeams known = knownTeams(tournament, read.prediction, outcome);
        const int language = read.preferences.languageIndex;
        lines = schedule ? tournamentScheduleLines(language, tournament, known, read.preferences, dates)
                         : tournamentReportLines(language, tournament, read.prediction, outcome, known);
    } catch (const std::exception& error) {
        return fail(err, file, error.what());
    }
    return writeLines(lines, out, err);
}

}  // namespace tiplark
