#include "i18n/TeamNames.h"

#include "i18n/CldrRegionNames.h"
#include "i18n/LanguageTables.h"
#include "i18n/TeamNameCatalog.h"

namespace tiplark {
namespace {

const TeamNameCatalog& catalog()
{
    static const TeamNameCatalog names = [] {
        const CldrRegionNames cldr;
        return buildTeamNameCatalog(
            [&cldr](std::string_view region, int language) { return cldr.name(region, language); });
    }();
    return names;
}

const TeamNameForms* find(std::string_view code)
{
    const auto found = catalog().find(code);
    return found == catalog().end() || found->second.full[LanguageEnglish].empty() ? nullptr : &found->second;
}

std::string_view orFallback(std::string_view code, std::string_view fallback)
{
    return fallback.empty() ? code : fallback;
}

}  // namespace

std::string_view teamName(std::string_view code, int languageIndex, std::string_view fallback)
{
    const TeamNameForms* forms = find(code);
    return forms ? forms->full[static_cast<size_t>(effectiveLanguage(languageIndex))] : orFallback(code, fallback);
}

std::string_view boardTeamName(std::string_view code, int languageIndex, std::string_view fallback)
{
    const TeamNameForms* forms = find(code);
    return forms ? forms->board[static_cast<size_t>(effectiveLanguage(languageIndex))] : orFallback(code, fallback);
}

bool knowsTeam(std::string_view code)
{
    return find(code) != nullptr;
}

}  // namespace tiplark
