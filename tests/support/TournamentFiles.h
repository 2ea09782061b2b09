#pragma once

#include "engine/TournamentFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tiplark::testing {

inline std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The made-up 16-team tournament written from docs/TOURNAMENT-FORMAT.md.
inline std::string exampleCupText()
{
    return readText(TIPLARK_TEST_DATA "/tournaments/cup-2027.json");
}

inline Tournament exampleCup()
{
    return parseTournament(exampleCupText(), "cup-2027.json");
}

// A shipped edition, "worldcup-2026".
inline Tournament shippedTournament(const std::string& id)
{
    return loadTournamentFile(TIPLARK_TOURNAMENTS "/" + id + ".json");
}

// The ids of every shipped edition, "worldcup-2006" first.
inline std::vector<std::string> shippedTournamentIds()
{
    std::vector<std::string> ids;
    for (const auto& entry : std::filesystem::directory_iterator(TIPLARK_TOURNAMENTS))
        if (entry.path().extension() == ".json")
            ids.push_back(entry.path().stem().string());
    std::sort(ids.begin(), ids.end());
    return ids;
}

// The text with its first `from` replaced by `to`; throws if there is none,
// so that a test never checks an unchanged file.
inline std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    if (at == std::string::npos)
        throw std::logic_error("no \"" + from + "\" to replace");
    return text.replace(at, from.size(), to);
}

// The 2006 tournament, read once for every board of the tests.
inline const Tournament& worldCup2006()
{
    static const Tournament tournament = shippedTournament("worldcup-2006");
    return tournament;
}

}  // namespace tiplark::testing
