#pragma once

#include "engine/Tournament.h"

#include <string>
#include <string_view>
#include <vector>

namespace tiplark {

// The tournaments a program can play: every "*.json" file of the folders it
// is given. A folder listed first wins over a later one for the same id, so
// that a file beside the program overrides the installed one. A file that
// cannot be played is left out, and its message kept for the user.
class TournamentCatalog {
public:
    TournamentCatalog() = default;
    explicit TournamentCatalog(const std::vector<std::string>& folders);

    // Oldest first, then by id.
    const std::vector<Tournament>& tournaments() const { return m_tournaments; }
    // nullptr for an id no file has.
    const Tournament* find(std::string_view id) const;
    const std::vector<std::string>& problems() const { return m_problems; }

private:
    std::vector<Tournament> m_tournaments;
    std::vector<std::string> m_problems;
};

}  // namespace tiplark
