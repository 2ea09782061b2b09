#include "i18n/TeamNameOverrides.h"

#include "i18n/LanguageTables.h"


namespace tiplark {
namespace {

constexpr int En = LanguageEnglish;
constexpr int Es = LanguageSpanish;
constexpr int Fr = LanguageFrench;
constexpr int De = LanguageGerman;

// Board forms follow the 2006 board's: the first word and an abbreviation
// of the rest ("Trinidad-Tob.").
constexpr TeamNameOverride Overrides[] = {
    {"BIH", En, "Bosnia and Herzegovina", "Bosnia-Herz."},
    {"BIH", Es, "", "Bosnia-Herz."},
    {"BIH", Fr, "", "Bosnie-Herz."},
    {"BIH", De, "", "Bosnien-Herz."},
    {"CIV", En, "Ivory Coast", ""},
    {"CIV", Es, "Costa de Marfil", "C. de Marfil"},
    {"CIV", De, "Elfenbeinküste", ""},
    {"COD", En, "DR Congo", ""},
    {"COD", Es, "RD Congo", ""},
    {"COD", Fr, "RD Congo", ""},
    {"COD", De, "DR Kongo", ""},
    {"CPV", De, "Kap Verde", ""},
    // CLDR's newer short names Czechia, Chequia and Tchéquie are not yet what
    // the teams are called in football.
    {"CZE", En, "Czech Republic", ""},
    {"CZE", Es, "República Checa", "Rep. Checa"},
    {"CZE", Fr, "République tchèque", "Rép. tchèque"},
    {"ENG", En, "England", ""},
    {"ENG", Es, "Inglaterra", ""},
    {"ENG", Fr, "Angleterre", ""},
    {"ENG", De, "England", ""},
    {"KSA", Fr, "", "Arabie saoud."},
    {"NZL", Fr, "", "Nouv.-Zélande"},
    {"PRK", Es, "", "Corea del N."},
    {"SCG", En, "Serbia and Montenegro", "Serbia-Mont."},
    {"SCG", Es, "Serbia y Montenegro", "Serbia-Mont."},
    {"SCG", Fr, "Serbie-et-Monténégro", "Serbie-Mont."},
    {"SCG", De, "Serbien und Montenegro", "Serbien-Mont."},
    {"SCO", En, "Scotland", ""},
    {"SCO", Es, "Escocia", ""},
    {"SCO", Fr, "Écosse", ""},
    {"SCO", De, "Schottland", ""},
    {"TRI", En, "Trinidad and Tobago", "Trinidad-Tob."},
    {"TRI", Es, "", "Trinidad-Tob."},
    {"TRI", Fr, "", "Trinité-Tob."},
    {"TRI", De, "", "Trinidad-Tob."},
    {"USA", En, "USA", ""},
    {"USA", De, "USA", ""},
    {"WAL", En, "Wales", ""},
    {"WAL", Es, "Gales", ""},
    {"WAL", Fr, "Pays de Galles", ""},
    {"WAL", De, "Wales", ""},
};

}  // namespace

std::span<const TeamNameOverride> teamNameOverrides()
{
    return Overrides;
}

}  // namespace tiplark
