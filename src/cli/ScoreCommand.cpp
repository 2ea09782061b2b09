#include "ScoreCommand.h"

#include "CommandSupport.h"
#include "report/FixedWidth.h"
#include "scoring/Comparison.h"
#include "scoring/Pool.h"
#include "tournament/TournamentData.h"

#include <algorithm>
#include <array>
#include <exception>
#include <ostream>

namespace tiplark {
namespace {

int finish(std::ostream& out, std::ostream& err, ExitStatus status)
{
    out.flush();
    if (!out) {
        err << Program << ": cannot write the output\n";
        return static_cast<int>(ExitStatus::Failure);
    }
    return static_cast<int>(status);
}

using Fields = std::array<std::string, 7>;

Fields fields(const PoolEntry& entry)
{
    const PredictionScore& score = entry.score;
    return {std::to_string(entry.rank), std::to_string(score.total), std::to_string(score.matchTotal),
            std::to_string(score.advanceTotal), std::to_string(score.exact),
            entry.champion ? englishTeamName(entry.champion) : "-", entry.name};
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

}  // namespace

int runCompareCommand(const std::string& file, std::ostream& out, std::ostream& err)
{
    try {
        const PoolEntry entry = scorePredictionFile(file);
        if (!entry.readable()) {
            err << Program << ": " << file << ": " << loadFailure(entry.load) << '\n';
            return static_cast<int>(ExitStatus::Failure);
        }
        for (const std::string& line : BuildComparisonLines(entry.language, entry.outcome, realOutcome(), entry.score))
            out << line << '\n';
    } catch (const std::exception& error) {
        err << Program << ": " << file << ": " << error.what() << '\n';
        return static_cast<int>(ExitStatus::Failure);
    }
    return finish(out, err, ExitStatus::Ok);
}

int runScoreCommand(const std::vector<std::string>& files, ScoreFormat format, std::ostream& out, std::ostream& err)
{
    std::vector<PoolEntry> entries;
    bool allRead = true;
    for (const std::string& file : files) {
        try {
            entries.push_back(scorePredictionFile(file));
        } catch (const std::exception& error) {
            err << Program << ": " << file << ": " << error.what() << '\n';
            allRead = false;
            continue;
        }
        if (!entries.back().readable()) {
            err << Program << ": " << file << ": " << loadFailure(entries.back().load) << '\n';
            allRead = false;
            entries.pop_back();
        }
    }
    const std::vector<PoolEntry> ranked = rankPool(std::move(entries));
    if (format == ScoreFormat::Tsv)
        writeTsv(ranked, out);
    else
        writeTable(ranked, out);
    return finish(out, err, allRead ? ExitStatus::Ok : ExitStatus::Failure);
}

}  // namespace tiplark
