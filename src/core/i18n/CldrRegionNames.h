#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace tiplark {

// CLDR's names of regions ("DE" → "Allemagne") in the four languages,
// through ICU's locale display names.
class CldrRegionNames {
public:
    CldrRegionNames();
    ~CldrRegionNames();
    CldrRegionNames(const CldrRegionNames&) = delete;
    CldrRegionNames& operator=(const CldrRegionNames&) = delete;

    // The name in a language (an unknown index reads English), UTF-8; empty
    // where ICU's data has none, rather than the region code ICU would
    // otherwise substitute.
    std::string name(std::string_view region, int languageIndex) const;

private:
    struct Languages;
    std::unique_ptr<Languages> m_languages;
};

}  // namespace tiplark
