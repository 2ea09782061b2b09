#include "i18n/FavoriteTable.h"

#include "i18n/LanguageTables.h"

namespace tiplark {
namespace {

struct FavoriteEntry {
    std::array<const char*, LanguageCount> names;  // English, Spanish, French
    std::array<int, LanguageCount> positions;
};

// By canonical index; the English position is the index itself.
constexpr std::array<FavoriteEntry, FavoriteEntryCount> Entries = {{
    {{"none", "ninguno", "aucune"}, {0, 0, 0}},
    {{"Angola", "Angola", "Angola"}, {1, 2, 1}},
    {{"Argentina", "Argentina", "Argentine"}, {2, 4, 5}},
    {{"Australia", "Australia", "Australie"}, {3, 5, 6}},
    {{"Brazil", "Brasil", "Bresil"}, {4, 6, 7}},
    {{"Costa Rica", "Costa Rica", "Costa Rica"}, {5, 9, 9}},
    {{"Croatia", "Croacia", "Croatie"}, {6, 10, 11}},
    {{"Czech Republic", "República Checa", "Republique Tchèque"}, {7, 25, 25}},
    {{"Ecuador", "Ecuador", "Equateur"}, {8, 11, 12}},
    {{"England", "Inglaterra", "Angleterre"}, {9, 17, 3}},
    {{"France", "Francia", "France"}, {10, 14, 15}},
    {{"Germany", "Alemania", "Allemagne"}, {11, 1, 2}},
    {{"Ghana", "Ghana", "Ghana"}, {12, 15, 16}},
    {{"Iran", "Irán", "Iran"}, {13, 18, 17}},
    {{"Italy", "Italia", "Italie"}, {14, 19, 18}},
    {{"Ivory Coast", "Costa De Marfil", "Côte D'ivoire"}, {15, 8, 10}},
    {{"Japan", "Japón", "Japon"}, {16, 20, 19}},
    {{"Korea Republic", "Corea Del Sur", "Corée Du Sud"}, {17, 7, 8}},
    {{"Mexico", "México", "Mexique"}, {18, 21, 20}},
    {{"Netherlands", "Holanda", "Pays-Bas"}, {19, 16, 22}},
    {{"Paraguay", "Paraguay", "Paraguay"}, {20, 22, 21}},
    {{"Poland", "Polonia", "Pologne"}, {21, 23, 23}},
    {{"Portugal", "Portugal", "Portugal"}, {22, 24, 24}},
    {{"Saudi Arabia", "Arabia Saudí", "Arabie Saoudite"}, {23, 3, 4}},
    {{"Serbia and Montenegro", "Serbia y Montenegro", "Serbie"}, {24, 26, 26}},
    {{"Spain", "España", "Espagne"}, {25, 12, 13}},
    {{"Sweden", "Suecia", "Suède"}, {26, 27, 27}},
    {{"Switzerland", "Suiza", "Suisse"}, {27, 28, 28}},
    {{"Togo", "Togo", "Togo"}, {28, 29, 29}},
    {{"Trinidad and Tobago", "Trinidad y Tobago", "Trinité Et Tobago"}, {29, 30, 30}},
    {{"Tunisia", "Túnez", "Tunisie"}, {30, 31, 31}},
    {{"Ukraine", "Ucrania", "Ukraine"}, {31, 32, 32}},
    {{"USA", "Estados Unidos", "Etats-Unis"}, {32, 13, 14}},
}};

struct Orders {
    std::array<std::array<std::string, FavoriteEntryCount>, LanguageCount> lists;
    std::array<std::array<int, FavoriteEntryCount>, LanguageCount> favoriteAtPosition;
};

const Orders& orders()
{
    static const Orders built = [] {
        // Not `Orders result{};`: clang 14 crashes value-initialising it.
        Orders result;
        result.favoriteAtPosition = {};
        for (size_t favorite = 0; favorite < FavoriteEntryCount; ++favorite) {
            for (size_t language = 0; language < LanguageCount; ++language) {
                const auto position = static_cast<size_t>(Entries[favorite].positions[language]);
                result.lists[language][position] = Entries[favorite].names[language];
                result.favoriteAtPosition[language][position] = static_cast<int>(favorite);
            }
        }
        return result;
    }();
    return built;
}

}  // namespace

const std::array<std::string, FavoriteEntryCount>& favoriteList(int languageIndex)
{
    return orders().lists[static_cast<size_t>(effectiveLanguage(languageIndex))];
}

int favoriteAt(int languageIndex, int position)
{
    if (position < 0 || position >= FavoriteEntryCount)
        return -1;
    return orders().favoriteAtPosition[static_cast<size_t>(effectiveLanguage(languageIndex))][static_cast<size_t>(position)];
}

int favoritePosition(int languageIndex, int favorite)
{
    if (favorite < 0 || favorite >= FavoriteEntryCount)
        return 0;
    return Entries[static_cast<size_t>(favorite)].positions[static_cast<size_t>(effectiveLanguage(languageIndex))];
}

}  // namespace tiplark
