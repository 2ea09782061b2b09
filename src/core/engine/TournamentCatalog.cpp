#include "engine/TournamentCatalog.h"

#include "engine/TournamentFile.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

namespace tiplark {

TournamentCatalog::TournamentCatalog(const std::vector<std::string>& folders)
{
    for (const std::string& folder : folders) {
        std::error_code error;
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            if (entry.path().extension() == ".json" && entry.is_regular_file(error))
                files.push_back(entry.path());
        }
        // Directory order differs between file systems; messages should not.
        std::sort(files.begin(), files.end());
        for (const std::filesystem::path& file : files) {
            try {
                Tournament tournament = loadTournamentFile(file.string());
                if (!find(tournament.id))
                    m_tournaments.push_back(std::move(tournament));
            } catch (const TournamentFileError& problem) {
                m_problems.emplace_back(problem.what());
            }
        }
    }
    std::stable_sort(m_tournaments.begin(), m_tournaments.end(), [](const Tournament& a, const Tournament& b) {
        return std::tie(a.year, a.id) < std::tie(b.year, b.id);
    });
}

const Tournament* TournamentCatalog::find(std::string_view id) const
{
    for (const Tournament& tournament : m_tournaments) {
        if (tournament.id == id)
            return &tournament;
    }
    return nullptr;
}

}  // namespace tiplark
