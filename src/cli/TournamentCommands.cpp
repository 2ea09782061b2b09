#include "TournamentCommands.h"

#include "CommandSupport.h"
#include "document/TournamentPredictionsFile.h"
#include "engine/KnownTeams.h"
#include "i18n/LanguageTables.h"
#include "report/TournamentReportLines.h"
#include "report/TournamentTsv.h"
#include "scoring/PredictionFiles.h"

#include <exception>
#include <filesystem>
#include <ostream>

namespace tiplark {
namespace {

constexpr const char* TournamentFolder = "tournaments";

std::vector<std::string> tournamentFolders()
{
    std::vector<std::string> folders;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path bin = program.parent_path();
        folders.push_back((bin / TournamentFolder).string());
        folders.push_back((bin / TIPLARK_DATA_DIR_FROM_BIN / TournamentFolder).lexically_normal().string());
    }
    folders.push_back((std::filesystem::path(TIPLARK_DATA_DIR) / TournamentFolder).string());
    return folders;
}

int fail(std::ostream& err, const std::string& file, const std::string& reason)
{
    err << Program << ": ";
    if (!file.empty())
        err << file << ": ";
    err << reason << '\n';
    return static_cast<int>(ExitStatus::Failure);
}

}  // namespace

const TournamentCatalog& tournamentCatalog()
{
    static const TournamentCatalog catalog(tournamentFolders());
    return catalog;
}

int writeLines(const std::vector<std::string>& lines, std::ostream& out, std::ostream& err)
{
    for (const std::string& line : lines)
        out << line << '\n';
    out.flush();
    if (!out)
        return fail(err, {}, "cannot write the output");
    return static_cast<int>(ExitStatus::Ok);
}

int runListTournaments(bool tsv, std::ostream& out, std::ostream& err)
{
    const TournamentCatalog& catalog = tournamentCatalog();
    const int status = writeLines(tournamentListLines(LanguageEnglish, catalog.tournaments(), tsv), out, err);
    for (const std::string& problem : catalog.problems())
        fail(err, {}, problem);
    return catalog.problems().empty() ? status : static_cast<int>(ExitStatus::Failure);
}

int runRealCommand(const std::string& id, std::ostream& out, std::ostream& err)
{
    std::string text;
    try {
        text = realPredictionsText(catalogTournament(tournamentCatalog(), id));
    } catch (const std::exception& error) {
        return fail(err, {}, error.what());
    }
    out << text;
    out.flush();
    if (!out)
        return fail(err, {}, "cannot write the output");
    return static_cast<int>(ExitStatus::Ok);
}

int runViewCommand(TournamentView view, const std::string& file, bool tsv, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> lines;
    try {
        const FilePrediction read = readFilePrediction(tournamentCatalog(), file);
        if (!read.loaded())
            return fail(err, file, loadFailure(read.load));
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

std::optional<int> runTournamentReport(const std::string& file, bool schedule, std::ostream& out, std::ostream& err)
{
    SettingsFile settings;
    if (settings.load(file) != SettingsFileState::Loaded || !predictionsTournamentId(settings))
        return std::nullopt;
    if (schedule)
        return fail(err, file, languageText(LanguageEnglish, "file.noSchedule"));
    std::vector<std::string> lines;
    try {
        const Tournament& tournament = *predictionsTournament(tournamentCatalog(), settings);
        const TournamentPredictions read = readTournamentPredictions(tournament, settings);
        const Outcome outcome = evaluate(tournament, read.prediction);
        lines = tournamentReportLines(read.preferences.languageIndex, tournament, read.prediction, outcome,
                                      knownTeams(tournament, read.prediction, outcome));
    } catch (const std::exception& error) {
        return fail(err, file, error.what());
    }
    return writeLines(lines, out, err);
}

}  // namespace tiplark
