#include "ScoreCommand.h"

#include "CommandSupport.h"
#include "PrintableName.h"
#include "i18n/LanguageTables.h"
#include "report/FixedWidth.h"
#include "scoring/Comparison.h"
#include "scoring/Pool.h"
#include "tournament/TournamentData.h"

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

Fields fields(const PoolEntry& entry)
{
    const PredictionScore& score = entry.score;
    return {std::to_string(entry.rank), std::to_string(score.total), std::to_string(score.matchTotal),
            std::to_string(score.advanceTotal), std::to_string(score.exact),
            entry.champion ? englishTeamName(entry.champion) : "-", printableName(entry.name)};
}

void writeTsv(const std::vector<PoolEntry>& ranked, std::ostream& out)
{
    out << "rank\tpoints\tmatch_points\tadvance_points\texact\tfile\n";
    for (const PoolEntry& entry : ranked) {
        const Fields row = fields(entry);
        out << row[0] << '\t' << row[1] << '\t' << row[2] << '\t' << row[3] << '\t' << row[4] << '\t' << row[6] << '\n';
    }
}

// Numbers right-aligned under their headings, names left-aligned.
void writeTable(const std::vector<PoolEntry>& ranked, std::ostream& out)
{
    const Fields heading = {"Rank", "Points", "Matches", "Advancing", "Exact", "Champion", "File"};
    std::array<size_t, 7> width{};
    for (size_t c = 0; c < width.size(); ++c)
        width[c] = heading[c].size();
    std::vector<Fields> rows;
    for (const PoolEntry& entry : ranked) {
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

// The comparison as text: the 64 matches in aligned columns, the advancing
// points per stage, the totals out of the maximum.
std::vector<std::string> comparisonLines(int languageIndex, const TournamentOutcome& predicted,
                                         const TournamentOutcome& real, const PredictionScore& score)
{
    const std::vector<ComparisonRow> rows = comparisonRows(languageIndex, predicted, real, score);
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
    lines.push_back(fillIn(text("compare.matchTotal"), std::to_string(score.matchTotal),
                           std::to_string(MatchCount * ExactPoints))
                    + "  " + fillIn(text("compare.exactCount"), std::to_string(score.exact)));
    lines.push_back(fillIn(text("compare.advanceTotal"), std::to_string(score.advanceTotal),
                           std::to_string(MaximumPoints - MatchCount * ExactPoints)));
    size_t stageWidth = 0;
    for (int s = 0; s < StageCount; ++s)
        stageWidth = std::max(stageWidth, characterCount(stageName(languageIndex, static_cast<Stage>(s))));
    for (int s = 0; s < StageCount; ++s) {
        const auto stage = static_cast<size_t>(s);
        lines.push_back("  " + left(stageName(languageIndex, static_cast<Stage>(s)), stageWidth) + "  "
                        + right(std::to_string(score.advance[stage]), 2) + " / "
                        + std::to_string(StagePoints[stage] * StageTeams[stage]));
    }
    lines.push_back(fillIn(text("compare.total"), std::to_string(score.total), std::to_string(MaximumPoints)));
    return lines;
}

}  // namespace

int runCompareCommand(const std::string& file, const Tournament& tournament, std::ostream& out, std::ostream& err)
{
    try {
        const PoolEntry entry = scorePredictionFile(file, tournament);
        if (!entry.readable()) {
            reportLoadFailure(err, file, entry.load);
            return static_cast<int>(ExitStatus::Failure);
        }
        for (const std::string& line : comparisonLines(entry.language, entry.outcome, realOutcome(tournament), entry.score))
            out << line << '\n';
    } catch (const std::exception& error) {
        reportFileProblem(err, file, error.what());
        return static_cast<int>(ExitStatus::Failure);
    }
    return finishOutput(out, err, ExitStatus::Ok);
}

int runScoreCommand(const std::vector<std::string>& files, ScoreFormat format, const Tournament& tournament,
                    std::ostream& out, std::ostream& err)
{
    std::vector<PoolEntry> entries;
    bool allRead = true;
    std::map<FileIdentity, const std::string*> seen;
    for (const std::string& file : files) {
        const auto [first, isNew] = seen.emplace(fileIdentity(file), &file);
        if (!isNew) {
            reportFileProblem(err, file, "the same file as " + printableName(*first->second) + ", ranked once");
            continue;
        }
        try {
            entries.push_back(scorePredictionFile(file, tournament));
        } catch (const std::exception& error) {
            reportFileProblem(err, file, error.what());
            allRead = false;
            continue;
        }
        if (!entries.back().readable()) {
            reportLoadFailure(err, file, entries.back().load);
            allRead = false;
            entries.pop_back();
        }
    }
    const std::vector<PoolEntry> ranked = rankPool(std::move(entries));
    if (format == ScoreFormat::Tsv)
        writeTsv(ranked, out);
    else
        writeTable(ranked, out);
    return finishOutput(out, err, allRead ? ExitStatus::Ok : ExitStatus::Failure);
}

}  // namespace tiplark
