#include "ScoreCommand.h"

#include "CommandSupport.h"
#include "PrintableName.h"
#include "document/TournamentPredictionsFile.h"
#include "i18n/LanguageTables.h"
#include "i18n/TournamentNames.h"
#include "report/FixedWidth.h"
#include "scoring/PoolRanking.h"
#include "scoring/PredictionFiles.h"
#include "scoring/TournamentComparison.h"
#include "scoring/TournamentPool.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <exception>
#include <filesystem>
#include <map>
#include <ostream>
#include <utility>
#include <variant>

namespace tiplark {
namespace {

// A file is the same file when it is the same device and inode, whatever the
// path that names it; a path that names nothing is compared as written,
// made absolute and without "." and "..".
using FileIdentity = std::variant<std::pair<dev_t, ino_t>, std::string>;

FileIdentity fileIdentity(const std::string& file)
{
    struct stat status {};
    if (::stat(file.c_str(), &status) == 0)
        return std::pair{status.st_dev, status.st_ino};
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return (error ? std::filesystem::path(file) : absolute).lexically_normal().string();
}

using Fields = std::array<std::string, 7>;

std::string championName(const ScoredFile& entry)
{
    return entry.champion == NoTeam ? "-" : tournamentTeamName(LanguageEnglish, *entry.tournament, entry.champion);
}

Fields fields(const ScoredFile& entry)
{
    const TournamentScore& score = entry.score;
    return {std::to_string(entry.rank), std::to_string(score.total), std::to_string(score.matchTotal),
            std::to_string(score.advanceTotal), std::to_string(score.exact), championName(entry), printableName(entry.name)};
}

void writeTsv(const std::vector<ScoredFile>& ranked, std::ostream& out)
{
    out << "rank\tpoints\tmatch_points\tadvance_points\texact\tfile\n";
    for (const ScoredFile& entry : ranked) {
        if (!entry.readable())
            continue;
        const Fields row = fields(entry);
        out << row[0] << '\t' << row[1] << '\t' << row[2] << '\t' << row[3] << '\t' << row[4] << '\t' << row[6] << '\n';
    }
}

// Numbers right-aligned under their headings, names left-aligned.
void writeTable(const std::vector<ScoredFile>& ranked, std::ostream& out)
{
    const Fields heading = {"Rank", "Points", "Matches", "Advancing", "Exact", "Champion", "File"};
    std::array<size_t, 7> width{};
    for (size_t c = 0; c < width.size(); ++c)
        width[c] = heading[c].size();
    std::vector<Fields> rows;
    for (const ScoredFile& entry : ranked) {
        if (!entry.readable())
            continue;
        rows.push_back(fields(entry));
        for (size_t c = 0; c < width.size(); ++c)
            width[c] = std::max(width[c], characterCount(rows.back()[c]));
    }
    const auto write = [&](const Fields& row) {
        std::string line;
        for (size_t c = 0; c < 5; ++c)
            line += right(row[c], width[c]) + "  ";
        line += left(row[5], width[5]) + "  " + row[6];
        out << line << '\n';
    };
    write(heading);
    for (const Fields& row : rows)
        write(row);
}

// The points of a comparison below its rows, and their maximums.
struct ComparisonTotals {
    int matchTotal = 0;
    int matchMaximum = 0;
    int exact = 0;
    int advanceTotal = 0;
    int advanceMaximum = 0;
    struct Stage {
        std::string name;
        int points;
        int maximum;
    };
    std::vector<Stage> stages;
    int total = 0;
    int maximum = 0;
};

// The comparison as text: the matches in aligned columns, the advancing
// points per stage, the totals out of the maximum.
std::vector<std::string> comparisonLines(int languageIndex, const std::vector<ComparisonRow>& rows,
                                         const ComparisonTotals& totals)
{
    const auto text = [languageIndex](const char* key) -> const std::string& { return languageText(languageIndex, key); };
    std::array<size_t, 3> width = {characterCount(text("compare.match")), characterCount(text("compare.prediction")),
                                   characterCount(text("compare.real"))};
    for (const ComparisonRow& row : rows) {
        width[0] = std::max(width[0], characterCount(row.match));
        width[1] = std::max(width[1], characterCount(row.prediction));
        width[2] = std::max(width[2], characterCount(row.real));
    }
    const auto line = [&width](const std::string& match, const std::string& prediction, const std::string& real,
                               const std::string& points) {
        return left(match, width[0]) + "  " + left(prediction, width[1]) + "  " + left(real, width[2]) + "  " + points;
    };

    std::vector<std::string> lines;
    lines.push_back(line(text("compare.match"), text("compare.prediction"), text("compare.real"), text("compare.points")));
    for (const ComparisonRow& row : rows)
        lines.push_back(line(row.match, row.prediction, row.real, right(std::to_string(row.points), 1)));
    lines.emplace_back();
    lines.push_back(fillIn(text("compare.matchTotal"), std::to_string(totals.matchTotal),
                           std::to_string(totals.matchMaximum))
                    + "  " + fillIn(text("compare.exactCount"), std::to_string(totals.exact)));
    lines.push_back(fillIn(text("compare.advanceTotal"), std::to_string(totals.advanceTotal),
                           std::to_string(totals.advanceMaximum)));
    size_t stageWidth = 0;
    for (const ComparisonTotals::Stage& stage : totals.stages)
        stageWidth = std::max(stageWidth, characterCount(stage.name));
    for (const ComparisonTotals::Stage& stage : totals.stages) {
        lines.push_back("  " + left(stage.name, stageWidth) + "  " + right(std::to_string(stage.points), 2) + " / "
                        + std::to_string(stage.maximum));
    }
    lines.push_back(fillIn(text("compare.total"), std::to_string(totals.total), std::to_string(totals.maximum)));
    return lines;
}

std::vector<std::string> tournamentComparisonLines(const FilePrediction& file)
{
    const Tournament& tournament = *file.tournament;
    const int language = file.preferences.languageIndex;
    const PlayedPrediction predicted = playPrediction(tournament, file.prediction);
    const PlayedPrediction real = playPrediction(tournament, Prediction::real(tournament));
    const TournamentScore score = scoreTournament(tournament, predicted, real);
    const std::vector<ScoringStage> stages = scoringStages(tournament);
    ComparisonTotals totals;
    totals.matchTotal = score.matchTotal;
    totals.matchMaximum = tournament.matchCount() * ExactScorePoints;
    totals.exact = score.exact;
    totals.advanceTotal = score.advanceTotal;
    totals.maximum = maximumPoints(tournament);
    totals.advanceMaximum = totals.maximum - totals.matchMaximum;
    for (size_t s = 0; s < stages.size(); ++s)
        totals.stages.push_back({stageName(language, tournament, stages[s]), score.advance[s], stages[s].points * stages[s].teams});
    totals.total = score.total;
    return comparisonLines(language, tournamentComparisonRows(language, tournament, predicted, real, score), totals);
}

}  // namespace

int runCompareCommand(const std::string& file, const TournamentCatalog& catalog, std::ostream& out, std::ostream& err)
{
    try {
        std::vector<std::string> lines;
        const FilePrediction read = readFilePrediction(catalog, file);
        if (!read.loaded()) {
            reportLoadFailure(err, file, read.load);
            return static_cast<int>(ExitStatus::Failure);
        }
        lines = tournamentComparisonLines(read);
        for (const std::string& line : lines)
            out << line << '\n';
    } catch (const std::exception& error) {
        reportFileProblem(err, file, error.what());
        return static_cast<int>(ExitStatus::Failure);
    }
    return finishOutput(out, err, ExitStatus::Ok);
}

int runScoreCommand(const std::vector<std::string>& files, ScoreFormat format, const TournamentCatalog& catalog,
                    std::ostream& out, std::ostream& err)
{
    std::vector<std::string> distinct;
    std::map<FileIdentity, const std::string*> seen;
    for (const std::string& file : files) {
        const auto [first, isNew] = seen.emplace(fileIdentity(file), &file);
        if (isNew)
            distinct.push_back(file);
        else
            reportFileProblem(err, file, "the same file as " + printableName(*first->second) + ", ranked once");
    }
    const std::vector<ScoredFile> scored = scoreFiles(catalog, distinct);
    bool allRead = true;
    const ScoredFile* first = nullptr;
    for (const ScoredFile& entry : scored) {
        if (!entry.error.empty()) {
            reportFileProblem(err, entry.name, entry.error);
            allRead = false;
        } else if (!entry.readable()) {
            reportLoadFailure(err, entry.name, entry.load);
            allRead = false;
        } else if (!first) {
            first = &entry;
        } else if (entry.tournament != first->tournament) {
            // One pool, one tournament: points of different ones do not compare.
            reportFileProblem(err, entry.name,
                              fillIn(languageText(LanguageEnglish, "score.mixed"), entry.tournament->id, first->tournament->id));
            return static_cast<int>(ExitStatus::Usage);
        }
    }
    const std::vector<ScoredFile> ranked = rankEntries(scored);
    if (format == ScoreFormat::Tsv)
        writeTsv(ranked, out);
    else
        writeTable(ranked, out);
    return finishOutput(out, err, allRead ? ExitStatus::Ok : ExitStatus::Failure);
}

}  // namespace tiplark
