#include "venues/VenueBrowser.h"

namespace tiplark {

VenueBrowser::VenueBrowser(const Language& language, int venueNumber)
    : m_language(language)
    , m_currentVenue(venue(venueNumber).number)
{
}

VenueView VenueBrowser::view() const
{
    const VenueInfo& shown = venue(m_currentVenue);
    return VenueView{
        m_language.text(shown.cityKey) + shown.suffix,
        shown.cityAddress,
        shown.stadiumAddress,
        shown.capacity,
        shown.picture,
    };
}

std::string VenueBrowser::caption() const
{
    return m_language.text("title.prefix") + m_language.text("venue.title");
}

void VenueBrowser::RightButtonClick()
{
    m_currentVenue = nextVenue(m_currentVenue);
}

void VenueBrowser::LeftButtonClick()
{
    m_currentVenue = previousVenue(m_currentVenue);
}

}  // namespace tiplark
