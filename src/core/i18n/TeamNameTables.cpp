#include "i18n/TeamNameTables.h"

#include "i18n/LanguageTables.h"
#include "tournament/TournamentData.h"

#include <array>
#include <stdexcept>

namespace tiplark {
namespace {

// By team number; English, Spanish, French. The English column is the
// design-time board name of the team.
constexpr std::array<std::array<const char*, LanguageCount>, TeamCount> Names = {{
    {"Angola", "Angola", "Angola"},
    {"Argentina", "Argentina", "Argentine"},
    {"Australia", "Australia", "Australie"},
    {"Brazil", "Brasil", "Brésil"},
    {"Costa Rica", "Costa Rica", "Costa Rica"},
    {"Croatia", "Croacia", "Croatie"},
    {"Czech Rep.", "Rep. Checa", "Rep. Tchèque"},
    {"Ecuador", "Ecuador", "Équateur"},
    {"England", "Inglaterra", "Angleterre"},
    {"France", "Francia", "France"},
    {"Germany", "Alemania", "Allemagne"},
    {"Ghana", "Ghana", "Ghana"},
    {"Iran", "Irán", "Iran"},
    {"Italy", "Italia", "Italie"},
    {"Ivory Coast", "Costa-marfil", "Côte D'Ivoire"},
    {"Japan", "Japón", "Japon"},
    {"Korea Rep.", "Corea del Sur", "Corée du Sud"},
    {"Mexico", "México", "Mexique"},
    {"Netherlands", "Holanda", "Pays-Bas"},
    {"Paraguay", "Paraguay", "Paraguay"},
    {"Poland", "Polonia", "Pologne"},
    {"Portugal", "Portugal", "Portugal"},
    {"Saudi Arabia", "Arabia Saudí", "Arabie Saou."},
    {"Serbia Mont.", "Serbia-Mont.", "Serbie-Mont."},
    {"Spain", "España", "Espagne"},
    {"Sweden", "Suecia", "Suède"},
    {"Switzerland", "Suiza", "Suisse"},
    {"Togo", "Togo", "Togo"},
    {"Trinidad-Tob.", "Trinidad-Tob.", "Trinité-Tob."},
    {"Tunisia", "Túnez", "Tunisie"},
    {"Ukraine", "Ucrania", "Ukraine"},
    {"USA", "EEUU", "États-Unis"},
}};

}  // namespace

const std::string& teamNameIn(int languageIndex, int team)
{
    using Column = std::array<std::string, TeamCount + 1>;
    static const std::array<Column, LanguageCount> columns = [] {
        std::array<Column, LanguageCount> result;
        for (size_t language = 0; language < LanguageCount; ++language)
            for (size_t team = 1; team <= TeamCount; ++team)
                result[language][team] = Names[team - 1][language];
        return result;
    }();
    if (team < 0 || team > TeamCount)
        throw std::out_of_range("team number");
    return columns[static_cast<size_t>(effectiveLanguage(languageIndex))][static_cast<size_t>(team)];
}

}  // namespace tiplark
