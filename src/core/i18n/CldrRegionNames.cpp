#include "i18n/CldrRegionNames.h"

#include "i18n/LanguageTables.h"

#include <unicode/locdspnm.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace tiplark {

struct CldrRegionNames::Languages {
    std::array<std::unique_ptr<icu::LocaleDisplayNames>, LanguageCount> names;
};

CldrRegionNames::CldrRegionNames()
    : m_languages(std::make_unique<Languages>())
{
    // By language index.
    static constexpr std::array<const char*, LanguageCount> Locales = {"en", "es", "fr", "de"};
    UDisplayContext noSubstitute = UDISPCTX_NO_SUBSTITUTE;
    for (size_t language = 0; language < LanguageCount; ++language)
        m_languages->names[language].reset(
            icu::LocaleDisplayNames::createInstance(icu::Locale(Locales[language]), &noSubstitute, 1));
}

CldrRegionNames::~CldrRegionNames() = default;

std::string CldrRegionNames::name(std::string_view region, int languageIndex) const
{
    const auto& names = m_languages->names[static_cast<size_t>(effectiveLanguage(languageIndex))];
    std::string result;
    if (!names)
        return result;
    icu::UnicodeString text;
    names->regionDisplayName(std::string(region).c_str(), text);
    if (!text.isBogus())
        text.toUTF8String(result);
    return result;
}

}  // namespace tiplark
