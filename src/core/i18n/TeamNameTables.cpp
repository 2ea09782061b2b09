#include "i18n/TeamNameTables.h"

#include "i18n/LanguageTables.h"
#include "tournament/TournamentData.h"

#include <array>
#include <stdexcept>

namespace tiplark {
namespace {

// By team number; English, Spanish, French, German. The English column is the
// design-time board name of the team.
constexpr std::array<std::array<const char*, LanguageCount>, TeamCount> Names = {{
    {"Angola", "Angola", "Angola", "Angola"},
    {"Argentina", "Argentina", "Argentine", "Argentinien"},
    {"Australia", "Australia", "Australie", "Australien"},
    {"Brazil", "Brasil", "Brésil", "Brasilien"},
    {"Costa Rica", "Costa Rica", "Costa Rica", "Costa Rica"},
    {"Croatia", "Croacia", "Croatie", "Kroatien"},
    {"Czech Rep.", "Rep. Checa", "Rep. Tchèque", "Tschechien"},
    {"Ecuador", "Ecuador", "Équateur", "Ecuador"},
    {"England", "Inglaterra", "Angleterre", "England"},
    {"France", "Francia", "France", "Frankreich"},
    {"Germany", "Alemania", "Allemagne", "Deutschland"},
    {"Ghana", "Ghana", "Ghana", "Ghana"},
    {"Iran", "Irán", "Iran", "Iran"},
    {"Italy", "Italia", "Italie", "Italien"},
    {"Ivory Coast", "Costa-marfil", "Côte D'Ivoire", "Elfenbeinküste"},
    {"Japan", "Japón", "Japon", "Japan"},
    {"Korea Rep.", "Corea del Sur", "Corée du Sud", "Südkorea"},
    {"Mexico", "México", "Mexique", "Mexiko"},
    {"Netherlands", "Holanda", "Pays-Bas", "Niederlande"},
    {"Paraguay", "Paraguay", "Paraguay", "Paraguay"},
    {"Poland", "Polonia", "Pologne", "Polen"},
    {"Portugal", "Portugal", "Portugal", "Portugal"},
    {"Saudi Arabia", "Arabia Saudí", "Arabie Saou.", "Saudi-Arabien"},
    {"Serbia Mont.", "Serbia-Mont.", "Serbie-Mont.", "Serbien-Mont."},
    {"Spain", "España", "Espagne", "Spanien"},
    {"Sweden", "Suecia", "Suède", "Schweden"},
    {"Switzerland", "Suiza", "Suisse", "Schweiz"},
    {"Togo", "Togo", "Togo", "Togo"},
    {"Trinidad-Tob.", "Trinidad-Tob.", "Trinité-Tob.", "Trinidad-Tob."},
    {"Tunisia", "Túnez", "Tunisie", "Tunesien"},
    {"Ukraine", "Ucrania", "Ukraine", "Ukraine"},
    {"USA", "EEUU", "États-Unis", "USA"},
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
