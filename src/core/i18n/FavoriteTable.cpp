#include "i18n/FavoriteTable.h"

#include "i18n/LanguageTables.h"

namespace tiplark {
namespace {

struct FavoriteEntry {
    std::array<const char*, LanguageCount> names;  // English, Spanish, French, German
    std::array<int, LanguageCount> positions;
};

// By canonical index; the English position is the index itself.
constexpr std::array<FavoriteEntry, FavoriteEntryCount> Entries = {{
    {{"none", "ninguno", "aucune", "keine"}, {0, 0, 0, 0}},
    {{"Angola", "Angola", "Angola", "Angola"}, {1, 2, 1, 1}},
    {{"Argentina", "Argentina", "Argentine", "Argentinien"}, {2, 4, 5, 2}},
    {{"Australia", "Australia", "Australie", "Australien"}, {3, 5, 6, 3}},
    {{"Brazil", "Brasil", "Bresil", "Brasilien"}, {4, 6, 7, 4}},
    {{"Costa Rica", "Costa Rica", "Costa Rica", "Costa Rica"}, {5, 9, 9, 5}},
    {{"Croatia", "Croacia", "Croatie", "Kroatien"}, {6, 10, 11, 15}},
    {{"Czech Republic", "República Checa", "Republique Tchèque", "Tschechische Republik"}, {7, 25, 25, 29}},
    {{"Ecuador", "Ecuador", "Equateur", "Ecuador"}, {8, 11, 12, 7}},
    {{"England", "Inglaterra", "Angleterre", "England"}, {9, 17, 3, 9}},
    {{"France", "Francia", "France", "Frankreich"}, {10, 14, 15, 10}},
    {{"Germany", "Alemania", "Allemagne", "Deutschland"}, {11, 1, 2, 6}},
    {{"Ghana", "Ghana", "Ghana", "Ghana"}, {12, 15, 16, 11}},
    {{"Iran", "Irán", "Iran", "Iran"}, {13, 18, 17, 12}},
    {{"Italy", "Italia", "Italie", "Italien"}, {14, 19, 18, 13}},
    {{"Ivory Coast", "Costa De Marfil", "Côte D'ivoire", "Elfenbeinküste"}, {15, 8, 10, 8}},
    {{"Japan", "Japón", "Japon", "Japan"}, {16, 20, 19, 14}},
    {{"Korea Republic", "Corea Del Sur", "Corée Du Sud", "Südkorea"}, {17, 7, 8, 26}},
    {{"Mexico", "México", "Mexique", "Mexiko"}, {18, 21, 20, 16}},
    {{"Netherlands", "Holanda", "Pays-Bas", "Niederlande"}, {19, 16, 22, 17}},
    {{"Paraguay", "Paraguay", "Paraguay", "Paraguay"}, {20, 22, 21, 18}},
    {{"Poland", "Polonia", "Pologne", "Polen"}, {21, 23, 23, 19}},
    {{"Portugal", "Portugal", "Portugal", "Portugal"}, {22, 24, 24, 20}},
    {{"Saudi Arabia", "Arabia Saudí", "Arabie Saoudite", "Saudi-Arabien"}, {23, 3, 4, 21}},
    {{"Serbia and Montenegro", "Serbia y Montenegro", "Serbie", "Serbien und Montenegro"}, {24, 26, 26, 24}},
    {{"Spain", "España", "Espagne", "Spanien"}, {25, 12, 13, 25}},
    {{"Sweden", "Suecia", "Suède", "Schweden"}, {26, 27, 27, 22}},
    {{"Switzerland", "Suiza", "Suisse", "Schweiz"}, {27, 28, 28, 23}},
    {{"Togo", "Togo", "Togo", "Togo"}, {28, 29, 29, 27}},
    {{"Trinidad and Tobago", "Trinidad y Tobago", "Trinité Et Tobago", "Trinidad und Tobago"}, {29, 30, 30, 28}},
    {{"Tunisia", "Túnez", "Tunisie", "Tunesien"}, {30, 31, 31, 30}},
    {{"Ukraine", "Ucrania", "Ukraine", "Ukraine"}, {31, 32, 32, 31}},
    {{"USA", "Estados Unidos", "Etats-Unis", "USA"}, {32, 13, 14, 32}},
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
