#include "document/TournamentPredictionsFile.h"

#include "engine/MatchScore.h"
#include "i18n/LanguageTables.h"
#include "storage/PreferenceValues.h"
#include "storage/TournamentKeys.h"

namespace tiplark {
namespace {

std::string keyText(const Tournament& tournament, const TournamentKey& key, const TournamentPredictions& predictions)
{
    const Prediction& prediction = predictions.prediction;
    const auto index = static_cast<size_t>(key.index);
    switch (key.kind) {
    case TournamentKey::Kind::Id:
        return tournament.id;
    case TournamentKey::Kind::Preference:
        return preferenceText(tournamentPreferenceKeys()[index], predictions.preferences);
    case TournamentKey::Kind::GroupMatch:
        return formatMatchScore(prediction.group[index]);
    case TournamentKey::Kind::KnockoutMatch:
        return formatMatchScore(prediction.knockout[index]);
    case TournamentKey::Kind::GroupOrder:
        return levelOrderText(tournament, prediction.levelOrder.groups[index]);
    case TournamentKey::Kind::ThirdsOrder:
        return levelOrderText(tournament, prediction.levelOrder.thirds);
    }
    return {};
}

// Reads one key's text (std::nullopt: absent) into `predictions`; false
// when a text was there but not taken whole.
bool readKey(const Tournament& tournament, const TournamentKey& key, const std::optional<std::string>& text,
             TournamentPredictions& predictions)
{
    Prediction& prediction = predictions.prediction;
    const auto index = static_cast<size_t>(key.index);
    if (key.kind == TournamentKey::Kind::Preference) {
        // An absent preference takes its default too.
        const PredictionKey& preference = tournamentPreferenceKeys()[index];
        if (!readPreference(preference, text, predictions.preferences))
            return false;
        std::string& favorite = predictions.preferences.favoriteTeam;
        if (preference.name == FavoriteKey && !favorite.empty() && tournament.teamIndex(favorite) < 0) {
            favorite.clear();
            return false;
        }
        return true;
    }
    if (!text)
        return true;
    switch (key.kind) {
    case TournamentKey::Kind::GroupMatch:
    case TournamentKey::Kind::KnockoutMatch: {
        const bool knockout = key.kind == TournamentKey::Kind::KnockoutMatch;
        std::optional<MatchScore> score = parseMatchScore(*text, knockout);
        if (!score)
            return false;
        const MatchScore read = *score;
        score->dropStaleShootOut();
        (knockout ? prediction.knockout : prediction.group)[index] = *score;
        return *score == read;
    }
    case TournamentKey::Kind::GroupOrder:
    case TournamentKey::Kind::ThirdsOrder: {
        const bool thirds = key.kind == TournamentKey::Kind::ThirdsOrder;
        LevelOrderRead read = readLevelOrder(tournament, *text, thirds ? -1 : key.index);
        (thirds ? prediction.levelOrder.thirds : prediction.levelOrder.groups[index]) = std::move(read.teams);
        return read.taken;
    }
    case TournamentKey::Kind::Id:
    case TournamentKey::Kind::Preference:
        break;
    }
    return true;
}

std::vector<SectionValues> sectionsOf(const std::vector<TournamentKey>& keys, std::vector<std::string> values)
{
    std::vector<SectionValues> sections;
    for (size_t k = 0; k < keys.size(); ++k) {
        if (sections.empty() || sections.back().name != keys[k].section)
            sections.push_back({keys[k].section, {}});
        sections.back().values.emplace_back(keys[k].name, std::move(values[k]));
    }
    return sections;
}

}  // namespace

UnknownTournament::UnknownTournament(const std::string& id)
    : std::runtime_error(fillIn(languageText(LanguageEnglish, "file.unknownTournament"), id))
    , m_id(id)
{
}

std::optional<std::string> predictionsTournamentId(const SettingsFile& file)
{
    return file.value(TournamentSection, TournamentIdKey);
}

const Tournament* predictionsTournament(const TournamentCatalog& catalog, const SettingsFile& file)
{
    const std::optional<std::string> id = predictionsTournamentId(file);
    if (!id)
        return nullptr;
    if (const Tournament* tournament = catalog.find(*id))
        return tournament;
    throw UnknownTournament(*id);
}

TournamentPredictions readTournamentPredictions(const Tournament& tournament, const SettingsFile& file)
{
    TournamentPredictions predictions{Prediction::empty(tournament), {}, {}};
    const std::vector<TournamentKey> keys = tournamentKeys(tournament);
    // What a save would write, but each value taken whole as the file spells
    // it: the file loses data to a save only where this differs from it.
    std::vector<std::string> kept;
    kept.reserve(keys.size());
    for (const TournamentKey& key : keys) {
        std::optional<std::string> text = file.value(key.section, key.name);
        const bool taken = readKey(tournament, key, text, predictions);
        kept.push_back(text && taken ? std::move(*text) : keyText(tournament, key, predictions));
    }
    predictions.asLoaded = sectionsOf(keys, std::move(kept));
    return predictions;
}

std::vector<SectionValues> tournamentSections(const Tournament& tournament, const TournamentPredictions& predictions)
{
    const std::vector<TournamentKey> keys = tournamentKeys(tournament);
    std::vector<std::string> values;
    values.reserve(keys.size());
    for (const TournamentKey& key : keys)
        values.push_back(keyText(tournament, key, predictions));
    return sectionsOf(keys, std::move(values));
}

std::string tournamentPredictionsText(const Tournament& tournament, const TournamentPredictions& predictions,
                                      const std::string& previous)
{
    return SettingsFile(previous).rewritten(tournamentSections(tournament, predictions));
}

}  // namespace tiplark
