#pragma once

#include "i18n/Language.h"
#include "venues/VenueTable.h"

#include <string>

namespace tiplark {

// What the venue window shows of one venue.
struct VenueView {
    std::string stadiumName;     // StadiumNamePanel
    std::string cityAddress;     // CityWebSitePanel and its hint
    std::string stadiumAddress;  // StadiumWebSitePanel and its hint
    std::string capacity;        // CapacityPanel
    std::string picture;         // the only visible picture
};

// The venue window's state without the window: the venue shown and the
// steps of the arrow buttons. The texts follow the language at the moment
// they are asked for; the window asks once per step.
class VenueBrowser {
public:
    // venueNumber is the Tag of the clicked city item (100..111).
    VenueBrowser(const Language& language, int venueNumber);

    int currentVenue() const { return m_currentVenue; }
    VenueView view() const;
    // title.prefix + venue.title: "Tiplark - Stadiums".
    std::string caption() const;

    void RightButtonClick();
    void LeftButtonClick();

private:
    const Language& m_language;
    int m_currentVenue;
};

}  // namespace tiplark
