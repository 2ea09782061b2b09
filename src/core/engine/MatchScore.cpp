#include "engine/MatchScore.h"

#include "platform/ScoreText.h"

namespace tiplark {
namespace {

// Reads the parts of a score text front to back.
class ScoreReader {
public:
    explicit ScoreReader(std::string_view text) : m_rest(text) {}

    void skipBlanks()
    {
        while (!m_rest.empty() && (m_rest.front() == ' ' || m_rest.front() == '\t'))
            m_rest.remove_prefix(1);
    }
    bool take(char expected)
    {
        skipBlanks();
        if (m_rest.empty() || m_rest.front() != expected)
            return false;
        m_rest.remove_prefix(1);
        return true;
    }
    // A side's number, or Empty when none is written; false for anything
    // a score box could not hold.
    bool number(int& value)
    {
        skipBlanks();
        size_t digits = 0;
        while (digits < m_rest.size() && m_rest[digits] >= '0' && m_rest[digits] <= '9')
            ++digits;
        const std::string_view text = m_rest.substr(0, digits);
        if (!isScoreText(text))
            return false;
        value = text.empty() ? MatchScore::Empty : scoreValue(text);
        m_rest.remove_prefix(digits);
        return true;
    }
    bool pair(std::array<int, 2>& sides) { return number(sides[0]) && take('-') && number(sides[1]); }
    bool atEnd()
    {
        skipBlanks();
        return m_rest.empty();
    }

private:
    std::string_view m_rest;
};

void appendPair(std::string& text, const std::array<int, 2>& sides)
{
    for (size_t side = 0; side < 2; ++side) {
        if (side == 1)
            text += '-';
        if (sides[side] != MatchScore::Empty)
            text += std::to_string(sides[side]);
    }
}

}  // namespace

int MatchScore::winner() const
{
    if (!complete())
        return NoSide;
    if (goals[0] != goals[1])
        return goals[0] > goals[1] ? 0 : 1;
    if (penalties[0] == Empty || penalties[1] == Empty || penalties[0] == penalties[1])
        return NoSide;
    return penalties[0] > penalties[1] ? 0 : 1;
}

void MatchScore::dropStaleShootOut()
{
    if (!level())
        penalties = {Empty, Empty};
}

std::optional<MatchScore> parseMatchScore(std::string_view text, bool knockout)
{
    MatchScore score;
    ScoreReader reader(text);
    if (reader.atEnd())
        return score;
    if (!reader.pair(score.goals))
        return std::nullopt;
    if (knockout && reader.take('(') && !(reader.pair(score.penalties) && reader.take(')')))
        return std::nullopt;
    if (!reader.atEnd())
        return std::nullopt;
    return score;
}

std::string formatMatchScore(const MatchScore& score)
{
    std::string text;
    if (score.empty())
        return text;
    appendPair(text, score.goals);
    if (score.penalties != std::array<int, 2>{MatchScore::Empty, MatchScore::Empty}) {
        text += " (";
        appendPair(text, score.penalties);
        text += ')';
    }
    return text;
}

}  // namespace tiplark
