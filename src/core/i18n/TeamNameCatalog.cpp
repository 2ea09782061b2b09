#include "i18n/TeamNameCatalog.h"

#include "i18n/TeamNameOverrides.h"
#include "i18n/TeamRegions.h"

namespace tiplark {

TeamNameCatalog buildTeamNameCatalog(const RegionNameSource& regionName)
{
    TeamNameCatalog table;
    for (const TeamRegion& team : teamRegions()) {
        TeamNameForms& forms = table[std::string(team.code)];
        for (int language = 0; language < LanguageCount; ++language)
            forms.full[static_cast<size_t>(language)] = regionName(team.region, language);
    }
    for (const TeamNameOverride& name : teamNameOverrides()) {
        TeamNameForms& forms = table.at(std::string(name.code));
        const auto language = static_cast<size_t>(name.language);
        if (!name.full.empty())
            forms.full[language] = name.full;
        forms.board[language] = name.board;
    }
    for (auto& [code, forms] : table) {
        for (size_t language = 0; language < LanguageCount; ++language) {
            if (forms.board[language].empty())
                forms.board[language] = forms.full[language];
        }
        // A board form of the project's own stands only beside a name in its
        // language, so English's pair is taken whole.
        for (size_t language = 0; language < LanguageCount; ++language) {
            if (forms.full[language].empty()) {
                forms.full[language] = forms.full[LanguageEnglish];
                forms.board[language] = forms.board[LanguageEnglish];
            }
        }
    }
    return table;
}

}  // namespace tiplark
