#include "engine/TournamentFile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <bit>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <set>
#include <sstream>

namespace tiplark {
namespace {

using Json = nlohmann::json;

constexpr std::string_view Format = "tiplark-tournament 1";
// Far above any real tournament; a larger file is no tournament file.
constexpr std::uintmax_t MaximumFileSize = 4 * 1024 * 1024;

bool isIdText(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

bool isTeamCode(std::string_view text)
{
    return text.size() == 3 && std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

bool isGroupLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

std::optional<int> number(std::string_view text)
{
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || text.empty() || text.front() == '-')
        return std::nullopt;
    return value;
}

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(int year, int month, int day)
{
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<std::int64_t>(era) * 146097 + dayOfEra - 719468;
}

// Walks the document and names the place of anything wrong in it.
class Reader {
public:
    explicit Reader(std::string fileName) : m_fileName(std::move(fileName)) {}

    [[noreturn]] void fail(const std::string& field, const std::string& reason) const
    {
        throw TournamentFileError(m_fileName + ": " + (field.empty() ? "" : field + ": ") + reason);
    }

    const Json& object(const Json& value, const std::string& field, std::initializer_list<std::string_view> required,
                       std::initializer_list<std::string_view> optional = {}) const
    {
        if (!value.is_object())
            fail(field, "is not an object");
        for (const std::string_view key : required) {
            if (!value.contains(key))
                fail(field, "has no \"" + std::string(key) + "\"");
        }
        for (const auto& [key, member] : value.items()) {
            const auto listed = [&key](std::initializer_list<std::string_view> keys) {
                return std::find(keys.begin(), keys.end(), key) != keys.end();
            };
            if (!listed(required) && !listed(optional))
                fail(field, "unknown field \"" + key + "\"");
        }
        return value;
    }

    const Json& array(const Json& value, const std::string& field) const
    {
        if (!value.is_array())
            fail(field, "is not a list");
        return value;
    }

    std::string text(const Json& value, const std::string& field) const
    {
        if (!value.is_string())
            fail(field, "is not a text");
        return value.get<std::string>();
    }

    int integer(const Json& value, const std::string& field) const
    {
        if (!value.is_number_integer() || value.get<std::int64_t>() < 0 || value.get<std::int64_t>() > 1'000'000)
            fail(field, "is not a whole number from 0 to 1000000");
        return value.get<int>();
    }

private:
    std::string m_fileName;
};

std::string at(const std::string& field, size_t index)
{
    return field + "[" + std::to_string(index) + "]";
}

std::string member(const std::string& field, std::string_view key)
{
    return field.empty() ? std::string(key) : field + "." + std::string(key);
}

std::string inQuotes(std::string_view text)
{
    // Appended in place: GCC 12 at -O3 warns falsely on "\"" + std::string(text).
    std::string quoted(1, '"');
    quoted.append(text);
    quoted += '"';
    return quoted;
}

class TournamentBuilder {
public:
    TournamentBuilder(const Json& document, const std::string& fileName) : m_document(document), m_reader(fileName) {}

    Tournament build()
    {
        const Json& root = m_reader.object(
            m_document, "",
            {"format", "id", "name", "year", "hosts", "link", "source", "licence", "teams", "groups", "ranking",
             "venues", "rounds", "matches"},
            {"points", "thirds", "realOrder"});
        if (m_reader.text(root["format"], "format") != Format)
            m_reader.fail("format", "is not " + inQuotes(Format));
        m_tournament.id = m_reader.text(root["id"], "id");
        if (!isIdText(m_tournament.id))
            m_reader.fail("id", "may hold only lower-case letters, digits and \"-\"");
        m_tournament.name = m_reader.text(root["name"], "name");
        m_tournament.year = m_reader.integer(root["year"], "year");
        m_tournament.link = m_reader.text(root["link"], "link");
        if (!m_tournament.link.starts_with("https://") && !m_tournament.link.starts_with("http://"))
            m_reader.fail("link", "is no web address");
        for (size_t i = 0; const Json& line : m_reader.array(root["source"], "source"))
            m_tournament.source.push_back(m_reader.text(line, at("source", i++)));
        m_tournament.licence = m_reader.text(root["licence"], "licence");
        if (root.contains("points"))
            readPoints(root["points"]);
        readTeams(root["teams"]);
        for (size_t i = 0; const Json& host : m_reader.array(root["hosts"], "hosts")) {
            const std::string field = at("hosts", i++);
            m_tournament.hosts.push_back(m_reader.text(host, field));
            if (!isTeamCode(m_tournament.hosts.back()))
                m_reader.fail(field, "is no three-letter team code");
        }
        readGroups(root["groups"]);
        m_tournament.ranking = readCriteria(root["ranking"], "ranking", false);
        if (root.contains("thirds"))
            readThirds(root["thirds"]);
        readVenues(root["venues"]);
        readRounds(root["rounds"]);
        readMatches(root["matches"]);
        if (root.contains("realOrder"))
            readRealOrder(root["realOrder"]);
        return std::move(m_tournament);
    }

private:
    void readPoints(const Json& points)
    {
        m_reader.object(points, "points", {"win", "draw"});
        m_tournament.winPoints = m_reader.integer(points["win"], "points.win");
        m_tournament.drawPoints = m_reader.integer(points["draw"], "points.draw");
        if (m_tournament.winPoints <= m_tournament.drawPoints)
            m_reader.fail("points", "a win must be worth more than a draw");
    }

    void readTeams(const Json& teams)
    {
        for (size_t i = 0; const Json& entry : m_reader.array(teams, "teams")) {
            const std::string field = at("teams", i++);
            m_reader.object(entry, field, {"code", "name"}, {"names"});
            TournamentTeam team{m_reader.text(entry["code"], member(field, "code")),
                                m_reader.text(entry["name"], member(field, "name")), {}};
            if (entry.contains("names")) {
                const std::string namesField = member(field, "names");
                if (!entry["names"].is_object())
                    m_reader.fail(namesField, "is not an object");
                for (const auto& [language, name] : entry["names"].items()) {
                    if (language.size() != 2 || !isIdText(language))
                        m_reader.fail(namesField, inQuotes(language) + " is no two-letter language code");
                    team.names.emplace(language, m_reader.text(name, member(namesField, language)));
                }
            }
            if (!isTeamCode(team.code))
                m_reader.fail(member(field, "code"), inQuotes(team.code) + " is no three-letter upper-case code");
            if (m_tournament.teamIndex(team.code) != NoTeam)
                m_reader.fail(member(field, "code"), inQuotes(team.code) + " is listed twice");
            m_tournament.teams.push_back(std::move(team));
        }
        if (m_tournament.teams.size() < 2)
            m_reader.fail("teams", "needs at least two teams");
    }

    int team(const Json& code, const std::string& field)
    {
        const std::string text = m_reader.text(code, field);
        const int index = m_tournament.teamIndex(text);
        if (index == NoTeam)
            m_reader.fail(field, inQuotes(text) + " is no team of the tournament");
        return index;
    }

    int groupIndex(std::string_view letter) const
    {
        for (size_t g = 0; g < m_tournament.groups.size(); ++g) {
            if (letter.size() == 1 && m_tournament.groups[g].letter == letter.front())
                return static_cast<int>(g);
        }
        return -1;
    }

    void readGroups(const Json& groups)
    {
        for (size_t i = 0; const Json& entry : m_reader.array(groups, "groups")) {
            const std::string field = at("groups", i++);
            m_reader.object(entry, field, {"name", "teams"}, {"tableOrder"});
            const std::string name = m_reader.text(entry["name"], member(field, "name"));
            if (name.size() != 1 || !isGroupLetter(name.front()))
                m_reader.fail(member(field, "name"), inQuotes(name) + " is no upper-case letter");
            if (groupIndex(name) >= 0)
                m_reader.fail(member(field, "name"), "group " + name + " is listed twice");
            TournamentGroup group;
            group.letter = name.front();
            const auto g = static_cast<int>(m_tournament.groups.size());
            for (size_t t = 0; const Json& code : m_reader.array(entry["teams"], member(field, "teams"))) {
                const std::string teamField = at(member(field, "teams"), t++);
                const int index = team(code, teamField);
                if (m_tournament.teams[static_cast<size_t>(index)].group >= 0)
                    m_reader.fail(teamField, inQuotes(m_tournament.teams[static_cast<size_t>(index)].code)
                                                 + " is already in a group");
                m_tournament.teams[static_cast<size_t>(index)].group = g;
                group.teams.push_back(index);
            }
            if (group.teams.size() < 2)
                m_reader.fail(member(field, "teams"), "a group needs at least two teams");
            group.tableOrder = group.teams;
            if (entry.contains("tableOrder")) {
                group.tableOrder.clear();
                for (size_t t = 0; const Json& code : m_reader.array(entry["tableOrder"], member(field, "tableOrder")))
                    group.tableOrder.push_back(team(code, at(member(field, "tableOrder"), t++)));
                if (!std::is_permutation(group.tableOrder.begin(), group.tableOrder.end(), group.teams.begin(),
                                         group.teams.end()))
                    m_reader.fail(member(field, "tableOrder"), "must list the group's teams, each once");
            }
            m_tournament.groups.push_back(std::move(group));
        }
        if (m_tournament.groups.empty())
            m_reader.fail("groups", "needs at least one group");
        if (m_tournament.groups.size() > 26)
            m_reader.fail("groups", "at most 26 groups");
        for (const TournamentTeam& t : m_tournament.teams) {
            if (t.group < 0)
                m_reader.fail("groups", inQuotes(t.code) + " is in no group");
        }
    }

    std::vector<Criterion> readCriteria(const Json& list, const std::string& field, bool thirds)
    {
        std::vector<Criterion> criteria;
        for (size_t i = 0; const Json& name : m_reader.array(list, field)) {
            const std::string itemField = at(field, i++);
            const std::string text = m_reader.text(name, itemField);
            const std::optional<Criterion> criterion = criterionNamed(text);
            if (!criterion)
                m_reader.fail(itemField, inQuotes(text) + " is no ranking criterion");
            const CriterionKind kind = criterionKind(*criterion);
            if (thirds && kind != CriterionKind::Overall && kind != CriterionKind::Decided)
                m_reader.fail(itemField, inQuotes(text) + " cannot rank teams of different groups");
            if (kind == CriterionKind::HeadToHeadAgain
                && (criteria.empty() || criterionKind(criteria.back()) != CriterionKind::HeadToHead))
                m_reader.fail(itemField, "\"head-to-head-again\" must follow a head-to-head criterion");
            criteria.push_back(*criterion);
        }
        return criteria;
    }

    void readThirds(const Json& thirds)
    {
        m_reader.object(thirds, "thirds", {"advance", "ranking", "against", "allocation"});
        ThirdPlacedRule rule;
        rule.advance = m_reader.integer(thirds["advance"], "thirds.advance");
        for (const TournamentGroup& group : m_tournament.groups) {
            if (group.teams.size() < 3)
                m_reader.fail("thirds", std::string("group ") + group.letter + " has no third place");
        }
        const auto groupCount = static_cast<int>(m_tournament.groups.size());
        if (rule.advance < 1 || rule.advance > groupCount)
            m_reader.fail("thirds.advance", "must be from 1 to the number of groups");
        rule.ranking = readCriteria(thirds["ranking"], "thirds.ranking", true);
        for (size_t i = 0; const Json& slot : m_reader.array(thirds["against"], "thirds.against")) {
            const std::string field = at("thirds.against", i++);
            const std::string text = m_reader.text(slot, field);
            const int g = text.size() == 2 && text[0] == '1' ? groupIndex(text.substr(1)) : -1;
            if (g < 0)
                m_reader.fail(field, inQuotes(text) + " is no group winner's slot");
            if (std::find(rule.against.begin(), rule.against.end(), g) != rule.against.end())
                m_reader.fail(field, inQuotes(text) + " is listed twice");
            rule.against.push_back(g);
        }
        if (static_cast<int>(rule.against.size()) != rule.advance)
            m_reader.fail("thirds.against", "needs one winner's slot for each third-placed team that goes through");
        const Json& allocation = thirds["allocation"];
        if (!allocation.is_object())
            m_reader.fail("thirds.allocation", "is not an object");
        for (const auto& [key, value] : allocation.items()) {
            const std::string field = "thirds.allocation." + key;
            std::uint32_t qualifying = 0;
            char previous = 0;
            for (const char letter : key) {
                const int g = groupIndex(std::string_view(&letter, 1));
                if (g < 0 || letter <= previous)
                    m_reader.fail(field, "must name groups in letter order, each once");
                qualifying |= 1u << g;
                previous = letter;
            }
            if (static_cast<int>(key.size()) != rule.advance)
                m_reader.fail(field, "must name " + std::to_string(rule.advance) + " groups");
            const std::string row = m_reader.text(value, field);
            std::vector<int> opponents;
            std::uint32_t used = 0;
            for (const char letter : row) {
                const int g = groupIndex(std::string_view(&letter, 1));
                if (g < 0 || (qualifying & (1u << g)) == 0 || (used & (1u << g)) != 0)
                    m_reader.fail(field, "must give each qualifying group once");
                used |= 1u << g;
                opponents.push_back(g);
            }
            if (opponents.size() != rule.against.size())
                m_reader.fail(field, "must give each qualifying group once");
            rule.allocation.emplace(qualifying, std::move(opponents));
        }
        if (rule.allocation.size() != combinations(groupCount, rule.advance))
            m_reader.fail("thirds.allocation", "needs a row for each of the " + std::to_string(combinations(groupCount, rule.advance))
                                                   + " sets of qualifying groups, has " + std::to_string(rule.allocation.size()));
        m_tournament.thirds = std::move(rule);
    }

    static size_t combinations(int n, int k)
    {
        size_t result = 1;
        for (int i = 1; i <= k; ++i)
            result = result * static_cast<size_t>(n - k + i) / static_cast<size_t>(i);
        return result;
    }

    void readVenues(const Json& venues)
    {
        for (size_t i = 0; const Json& entry : m_reader.array(venues, "venues")) {
            const std::string field = at("venues", i++);
            m_reader.object(entry, field, {"id", "stadium", "city", "utcOffset"});
            Venue venue{m_reader.text(entry["id"], member(field, "id")), m_reader.text(entry["stadium"], member(field, "stadium")),
                        m_reader.text(entry["city"], member(field, "city")), 0};
            if (!isIdText(venue.id) || venueIndex(venue.id) >= 0)
                m_reader.fail(member(field, "id"), inQuotes(venue.id) + " is no new id of lower-case letters, digits and \"-\"");
            const std::string offset = m_reader.text(entry["utcOffset"], member(field, "utcOffset"));
            const std::optional<int> hours = offset.size() == 6 && offset[3] == ':' ? number(offset.substr(1, 2)) : std::nullopt;
            const std::optional<int> minutes = hours ? number(offset.substr(4, 2)) : std::nullopt;
            if (!minutes || (offset[0] != '+' && offset[0] != '-') || *hours > 14 || *minutes > 59)
                m_reader.fail(member(field, "utcOffset"), inQuotes(offset) + " is no offset like \"-07:00\"");
            venue.utcOffsetMinutes = (offset[0] == '-' ? -1 : 1) * (*hours * 60 + *minutes);
            m_tournament.venues.push_back(std::move(venue));
        }
    }

    int venueIndex(std::string_view id) const
    {
        for (size_t v = 0; v < m_tournament.venues.size(); ++v) {
            if (m_tournament.venues[v].id == id)
                return static_cast<int>(v);
        }
        return -1;
    }

    void readRounds(const Json& rounds)
    {
        for (size_t i = 0; const Json& entry : m_reader.array(rounds, "rounds")) {
            const std::string field = at("rounds", i++);
            m_reader.object(entry, field, {"id", "name"});
            KnockoutRound round{m_reader.text(entry["id"], member(field, "id")), m_reader.text(entry["name"], member(field, "name")),
                                {}, true};
            if (!isIdText(round.id) || roundIndex(round.id) >= 0)
                m_reader.fail(member(field, "id"), inQuotes(round.id) + " is no new id of lower-case letters, digits and \"-\"");
            m_tournament.rounds.push_back(std::move(round));
        }
        if (m_tournament.rounds.empty())
            m_reader.fail("rounds", "needs at least one round");
    }

    int roundIndex(std::string_view id) const
    {
        for (size_t r = 0; r < m_tournament.rounds.size(); ++r) {
            if (m_tournament.rounds[r].id == id)
                return static_cast<int>(r);
        }
        return -1;
    }

    Kickoff readKickoff(const Json& match, const std::string& field)
    {
        const std::string text = m_reader.text(match["kickoff"], member(field, "kickoff"));
        const auto part = [&text](size_t first, size_t length) { return number(std::string_view(text).substr(first, length)); };
        const bool shaped = text.size() == 16 && text[4] == '-' && text[7] == '-' && text[10] == ' ' && text[13] == ':';
        const std::optional<int> year = shaped ? part(0, 4) : std::nullopt;
        const std::optional<int> month = shaped ? part(5, 2) : std::nullopt;
        const std::optional<int> day = shaped ? part(8, 2) : std::nullopt;
        const std::optional<int> hour = shaped ? part(11, 2) : std::nullopt;
        const std::optional<int> minute = shaped ? part(14, 2) : std::nullopt;
        if (!year || !month || !day || !hour || !minute || *month < 1 || *month > 12 || *day < 1 || *day > 31 || *hour > 23
            || *minute > 59)
            m_reader.fail(member(field, "kickoff"), inQuotes(text) + " is no local time like \"2026-06-11 13:00\"");
        const std::string venueId = m_reader.text(match["venue"], member(field, "venue"));
        const int venue = venueIndex(venueId);
        if (venue < 0)
            m_reader.fail(member(field, "venue"), inQuotes(venueId) + " is no venue of the tournament");
        const std::int64_t local = daysFromCivil(*year, *month, *day) * 24 * 60 + *hour * 60 + *minute;
        return {{*year, *month, *day, *hour, *minute}, local - m_tournament.venues[static_cast<size_t>(venue)].utcOffsetMinutes, venue};
    }

    std::optional<MatchScore> readResult(const Json& match, const std::string& field, bool knockout)
    {
        if (!match.contains("result"))
            return std::nullopt;
        const std::string text = m_reader.text(match["result"], member(field, "result"));
        const std::optional<MatchScore> score = parseMatchScore(text, knockout);
        if (!score || !score->complete())
            m_reader.fail(member(field, "result"), inQuotes(text) + " is no score like \"2-1\"");
        if (knockout && score->winner() == NoSide)
            m_reader.fail(member(field, "result"), inQuotes(text) + " decides no winner");
        return score;
    }

    void readMatches(const Json& matches)
    {
        // Slots name matches by number, so they are resolved once all are known.
        std::vector<std::pair<std::string, std::array<std::string, 2>>> slotTexts;
        for (size_t i = 0; const Json& entry : m_reader.array(matches, "matches")) {
            const std::string field = at("matches", i++);
            if (entry.is_object() && entry.contains("group")) {
                readGroupMatch(entry, field);
                continue;
            }
            m_reader.object(entry, field, {"number", "round", "slots", "kickoff", "venue"}, {"result"});
            KnockoutMatch match;
            match.number = m_reader.integer(entry["number"], member(field, "number"));
            if (match.number == 0 || m_tournament.knockoutIndex(match.number) >= 0)
                m_reader.fail(member(field, "number"), "match " + std::to_string(match.number) + " is no new positive number");
            const std::string round = m_reader.text(entry["round"], member(field, "round"));
            match.round = roundIndex(round);
            if (match.round < 0)
                m_reader.fail(member(field, "round"), inQuotes(round) + " is no round of the tournament");
            const Json& slots = m_reader.array(entry["slots"], member(field, "slots"));
            if (slots.size() != 2)
                m_reader.fail(member(field, "slots"), "needs two slots");
            slotTexts.push_back({member(field, "slots"),
                                 {m_reader.text(slots[0], at(member(field, "slots"), 0)),
                                  m_reader.text(slots[1], at(member(field, "slots"), 1))}});
            match.kickoff = readKickoff(entry, field);
            match.real = readResult(entry, field, true);
            m_tournament.rounds[static_cast<size_t>(match.round)].matches.push_back(
                static_cast<int>(m_tournament.knockout.size()));
            m_tournament.knockout.push_back(std::move(match));
        }
        for (size_t g = 0; g < m_tournament.groups.size(); ++g) {
            if (m_tournament.groups[g].matches.empty())
                m_reader.fail("matches", std::string("group ") + m_tournament.groups[g].letter + " has no matches");
        }
        for (size_t m = 0; m < m_tournament.knockout.size(); ++m) {
            for (size_t side = 0; side < 2; ++side)
                m_tournament.knockout[m].sides[side] = readSlot(slotTexts[m].second[side], at(slotTexts[m].first, side), m);
        }
        checkBracket(slotTexts);
    }

    void readGroupMatch(const Json& entry, const std::string& field)
    {
        m_reader.object(entry, field, {"group", "teams", "kickoff", "venue"}, {"result"});
        const std::string letter = m_reader.text(entry["group"], member(field, "group"));
        GroupMatch match;
        match.group = groupIndex(letter);
        if (match.group < 0)
            m_reader.fail(member(field, "group"), inQuotes(letter) + " is no group of the tournament");
        const Json& teams = m_reader.array(entry["teams"], member(field, "teams"));
        if (teams.size() != 2)
            m_reader.fail(member(field, "teams"), "needs two teams");
        for (size_t side = 0; side < 2; ++side) {
            match.teams[side] = team(teams[side], at(member(field, "teams"), side));
            if (m_tournament.teams[static_cast<size_t>(match.teams[side])].group != match.group)
                m_reader.fail(at(member(field, "teams"), side), "is not in group " + letter);
        }
        if (match.teams[0] == match.teams[1])
            m_reader.fail(member(field, "teams"), "a team cannot play itself");
        // Predictions files name a group match by its two teams.
        for (const GroupMatch& other : m_tournament.groupMatches) {
            if (other.teams == match.teams)
                m_reader.fail(member(field, "teams"), "the same two teams, in the same order, play twice");
        }
        match.kickoff = readKickoff(entry, field);
        match.real = readResult(entry, field, false);
        m_tournament.groups[static_cast<size_t>(match.group)].matches.push_back(static_cast<int>(m_tournament.groupMatches.size()));
        m_tournament.groupMatches.push_back(std::move(match));
    }

    Slot readSlot(const std::string& text, const std::string& field, size_t self)
    {
        Slot slot;
        slot.text = text;
        if (text.size() >= 2 && (text[0] == 'W' || text[0] == 'L')) {
            const std::optional<int> referred = number(std::string_view(text).substr(1));
            const int index = referred ? m_tournament.knockoutIndex(*referred) : -1;
            if (index < 0)
                m_reader.fail(field, inQuotes(text) + " names no knockout match");
            if (static_cast<size_t>(index) == self)
                m_reader.fail(field, inQuotes(text) + " names its own match");
            slot.kind = text[0] == 'W' ? Slot::Kind::Winner : Slot::Kind::Loser;
            slot.match = index;
            return slot;
        }
        if (text.size() > 2 && text[0] == '3') {
            if (!m_tournament.thirds)
                m_reader.fail(field, inQuotes(text) + " needs \"thirds\"");
            slot.kind = Slot::Kind::ThirdPlaced;
            for (const char letter : std::string_view(text).substr(1)) {
                const int g = groupIndex(std::string_view(&letter, 1));
                if (g < 0 || (slot.groups & (1u << g)) != 0)
                    m_reader.fail(field, inQuotes(text) + " must name groups of the tournament, each once");
                slot.groups |= 1u << g;
            }
            return slot;
        }
        const std::optional<int> place = text.size() == 2 ? number(std::string_view(text).substr(0, 1)) : std::nullopt;
        const int g = place ? groupIndex(std::string_view(text).substr(1)) : -1;
        if (g < 0 || *place < 1)
            m_reader.fail(field, inQuotes(text) + " is no slot like \"1A\", \"3ABCDF\", \"W57\" or \"L61\"");
        if (*place > static_cast<int>(m_tournament.groups[static_cast<size_t>(g)].teams.size()))
            m_reader.fail(field, inQuotes(text) + ": group " + text.substr(1) + " has fewer teams");
        slot.group = g;
        slot.place = *place;
        return slot;
    }

    // Every winner and loser goes to one place at most, the matches can be
    // played in some order, one final crowns the champion, and every
    // third-placed slot meets a group winner the allocation knows.
    void checkBracket(const std::vector<std::pair<std::string, std::array<std::string, 2>>>& slotTexts)
    {
        const size_t count = m_tournament.knockout.size();
        if (count == 0)
            m_reader.fail("matches", "needs at least one knockout match");
        std::vector<int> winnerUses(count, 0);
        std::vector<int> loserUses(count, 0);
        for (size_t m = 0; m < count; ++m) {
            for (size_t side = 0; side < 2; ++side) {
                const Slot& slot = m_tournament.knockout[m].sides[side];
                std::vector<int>* uses = slot.kind == Slot::Kind::Winner ? &winnerUses
                                         : slot.kind == Slot::Kind::Loser ? &loserUses
                                                                          : nullptr;
                if (uses && ++(*uses)[static_cast<size_t>(slot.match)] > 1)
                    m_reader.fail(at(slotTexts[m].first, side), inQuotes(slot.text) + " is taken by another match too");
            }
            checkThirdPlacedSlots(m, slotTexts[m].first);
        }
        orderPlay();
        std::vector<int> finals;
        for (size_t m = 0; m < count; ++m) {
            const auto& slots = m_tournament.knockout[m].sides;
            const bool takesLosers = slots[0].kind == Slot::Kind::Loser || slots[1].kind == Slot::Kind::Loser;
            if (winnerUses[m] == 0 && !takesLosers)
                finals.push_back(static_cast<int>(m));
        }
        if (finals.size() != 1)
            m_reader.fail("matches", "needs exactly one final (a match whose winner goes nowhere), has "
                                         + std::to_string(finals.size()));
        m_tournament.finalMatch = finals.front();
        for (KnockoutRound& round : m_tournament.rounds) {
            if (round.matches.empty())
                m_reader.fail("rounds", inQuotes(round.id) + " has no matches");
            round.stage = !std::all_of(round.matches.begin(), round.matches.end(), [this](int m) {
                const auto& slots = m_tournament.knockout[static_cast<size_t>(m)].sides;
                return slots[0].kind == Slot::Kind::Loser && slots[1].kind == Slot::Kind::Loser;
            });
        }
    }

    void checkThirdPlacedSlots(size_t m, const std::string& field)
    {
        const auto& slots = m_tournament.knockout[m].sides;
        for (size_t side = 0; side < 2; ++side) {
            if (slots[side].kind != Slot::Kind::ThirdPlaced)
                continue;
            const Slot& opponent = slots[1 - side];
            const ThirdPlacedRule& rule = *m_tournament.thirds;
            const auto entry = std::find(rule.against.begin(), rule.against.end(), opponent.group);
            if (opponent.kind != Slot::Kind::GroupPlace || opponent.place != 1 || entry == rule.against.end())
                m_reader.fail(at(field, side), inQuotes(slots[side].text) + " must meet a winner listed in thirds.against");
            const auto column = static_cast<size_t>(entry - rule.against.begin());
            for (const auto& [qualifying, opponents] : rule.allocation) {
                if ((slots[side].groups & (1u << opponents[column])) == 0)
                    m_reader.fail(at(field, side), inQuotes(slots[side].text) + " does not allow group "
                                                       + m_tournament.groups[static_cast<size_t>(opponents[column])].letter
                                                       + ", which thirds.allocation gives it");
            }
        }
    }

    // Kahn's order, earliest-listed first among the ready matches.
    void orderPlay()
    {
        const size_t count = m_tournament.knockout.size();
        std::vector<int> waiting(count, 0);
        std::vector<std::vector<int>> feeds(count);
        for (size_t m = 0; m < count; ++m) {
            for (const Slot& slot : m_tournament.knockout[m].sides) {
                if (slot.kind == Slot::Kind::Winner || slot.kind == Slot::Kind::Loser) {
                    ++waiting[m];
                    feeds[static_cast<size_t>(slot.match)].push_back(static_cast<int>(m));
                }
            }
        }
        std::set<int> ready;
        for (size_t m = 0; m < count; ++m) {
            if (waiting[m] == 0)
                ready.insert(static_cast<int>(m));
        }
        while (!ready.empty()) {
            const int next = *ready.begin();
            ready.erase(ready.begin());
            m_tournament.playOrder.push_back(next);
            for (const int fed : feeds[static_cast<size_t>(next)]) {
                if (--waiting[static_cast<size_t>(fed)] == 0)
                    ready.insert(fed);
            }
        }
        if (m_tournament.playOrder.size() != count)
            m_reader.fail("matches", "the knockout slots go round in a circle");
    }

    void readRealOrder(const Json& realOrder)
    {
        if (!realOrder.is_object())
            m_reader.fail("realOrder", "is not an object");
        m_tournament.realOrder.groups.resize(m_tournament.groups.size());
        for (const auto& [key, list] : realOrder.items()) {
            const std::string field = "realOrder." + key;
            const int g = groupIndex(key);
            if (g < 0 && key != "thirds")
                m_reader.fail(field, "is neither a group nor \"thirds\"");
            std::vector<int>& order = g < 0 ? m_tournament.realOrder.thirds : m_tournament.realOrder.groups[static_cast<size_t>(g)];
            for (size_t i = 0; const Json& code : m_reader.array(list, field)) {
                const std::string teamField = at(field, i++);
                const int index = team(code, teamField);
                if ((g >= 0 && m_tournament.teams[static_cast<size_t>(index)].group != g)
                    || std::find(order.begin(), order.end(), index) != order.end())
                    m_reader.fail(teamField, "must name a team of the group, once");
                order.push_back(index);
            }
        }
    }

    const Json& m_document;
    Reader m_reader;
    Tournament m_tournament;
};

}  // namespace

int Tournament::teamIndex(std::string_view code) const
{
    for (size_t t = 0; t < teams.size(); ++t) {
        if (teams[t].code == code)
            return static_cast<int>(t);
    }
    return NoTeam;
}

int Tournament::knockoutIndex(int number) const
{
    for (size_t m = 0; m < knockout.size(); ++m) {
        if (knockout[m].number == number)
            return static_cast<int>(m);
    }
    return -1;
}

Tournament parseTournament(std::string_view json, const std::string& fileName)
{
    Json document;
    try {
        document = Json::parse(json.begin(), json.end());
    } catch (const Json::parse_error& error) {
        throw TournamentFileError(fileName + ": not JSON: " + error.what());
    }
    return TournamentBuilder(document, fileName).build();
}

Tournament loadTournamentFile(const std::string& path)
{
    const std::string fileName = std::filesystem::path(path).filename().string();
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        throw TournamentFileError(fileName + ": cannot be read");
    if (size > MaximumFileSize)
        throw TournamentFileError(fileName + ": larger than a tournament file can be");
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in)
        throw TournamentFileError(fileName + ": cannot be read");
    return parseTournament(text.str(), fileName);
}

}  // namespace tiplark
