#pragma once

#include "i18n/LanguageTables.h"

#include <array>
#include <string>

namespace tiplark {

// The Tag that means "no page": Angola's disabled item and any unknown tag.
inline constexpr const char* NoAddress = "-1";

// The Internet Links items of the organiser, tags 50..53, with one address
// per language (0 English, 1 Spanish, 2 French, 3 German).
struct OrganizerLink {
    int tag;
    const char* menuItem;    // "FIFA1"
    const char* captionKey;  // "menu.fifaSite"
    const char* picture;     // asset file of the item's picture, or nullptr
    std::array<const char*, LanguageCount> addresses;  // by language
};
inline constexpr int OrganizerLinkCount = 4;
const std::array<OrganizerLink, OrganizerLinkCount>& organizerLinks();

// The 32 items of OfficialFootballSites1 in menu order; the Tag is the team
// number. Angola (tag 1) has no address and its item is disabled.
struct FederationLink {
    int tag;
    const char* menuItem;  // "Germany1"
    const char* picture;   // asset file of the item's picture
    const char* address;   // nullptr for Angola
};
const std::array<FederationLink, 32>& federationLinks();

// Pictures of the two submenus (the tournament site and OfficialFootballSites1).
inline constexpr const char* WorldCupSitePicture = "menu-worldcup.png";
inline constexpr const char* FederationSitesPicture = "menu-federations.png";

// The page of a menu item's Tag: for 50..53 by language (2 French, 1 Spanish,
// anything else English), for 2..32 the federation's; NoAddress otherwise.
std::string webLinkAddress(int tag, int languageIndex);

}  // namespace tiplark
