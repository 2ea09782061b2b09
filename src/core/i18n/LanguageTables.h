#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tiplark {

// Values of Preferences::languageIndex.
inline constexpr int LanguageEnglish = 0;
inline constexpr int LanguageSpanish = 1;
inline constexpr int LanguageFrench = 2;
inline constexpr int LanguageGerman = 3;
inline constexpr int LanguageCount = 4;

// The language codes a tournament file names its teams by, by index.
inline constexpr std::array<std::string_view, LanguageCount> LanguageCodes = {"en", "es", "fr", "de"};

// Any index outside the known languages reads English.
int effectiveLanguage(int languageIndex);

// The text of a key in a language (an unknown index reads English); the empty text for an unknown key. Covers the message, menu and
// window texts, the board words and the host cities.
const std::string& languageText(int languageIndex, std::string_view key);

// A language text with "%1", "%2" replaced.
std::string fillIn(const std::string& text, const std::string& first, const std::string& second = {});

// Every key of the text table, in table order.
const std::vector<std::string>& languageTextKeys();


}  // namespace tiplark
