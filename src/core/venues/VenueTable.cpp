#include "venues/VenueTable.h"

#include <stdexcept>

namespace tiplark {

const std::array<VenueInfo, VenueCount>& venues()
{
    static const std::array<VenueInfo, VenueCount> table = {{
        {100, "Berlin1", "city.Berlin", " Olympiastadion", "74220", "BerlinImage", "stadium-berlin.jpg",
         "https://www.berlin.de/en/", "https://olympiastadion.berlin/en/"},
        {101, "Cologne1", "city.Cologne", " Stadium", "46120", "CologneImage", "stadium-cologne.jpg",
         "https://www.stadt-koeln.de/", "https://www.rheinenergiestadion.de/"},
        {102, "Dortmund1", "city.Dortmund", " Westfalenstadion", "65982", "DortmundImage", "stadium-dortmund.jpg",
         "https://www.dortmund.de/", "https://www.signal-iduna-park.de/"},
        {103, "Frankfurt1", "city.Frankfurt", " Waldstadion", "48132", "FrankfurtImage", "stadium-frankfurt.jpg",
         "https://frankfurt.de/", "https://www.deutschebankpark.de/"},
        {104, "Gelsenkirchen1", "city.Gelsenkirchen", " AufSchalke Arena", "53804", "GelsenkirchenImage",
         "stadium-gelsenkirchen.jpg", "https://www.gelsenkirchen.de/", "https://www.veltins-arena.de/"},
        {105, "Hamburg1", "city.Hamburg", " Stadium", "51055", "HamburgImage", "stadium-hamburg.jpg",
         "https://www.hamburg.de/", "https://www.volksparkstadion.de/"},
        {106, "Hanover1", "city.Hanover", " Stadium", "44652", "HanoverImage", "stadium-hanover.jpg",
         "https://www.hannover.de/", "https://www.heinz-von-heiden-arena.de/"},
        {107, "Kaiserslautern1", "city.Kaiserslautern", " Fritz-Walter-Stadion", "41170", "KaiserslauternImage",
         "stadium-kaiserslautern.jpg", "https://www.kaiserslautern.de/", "https://www.fritz-walter-stadion.de/"},
        {108, "Leipzig1", "city.Leipzig", " Zentralstadion", "44199", "LeipzigImage", "stadium-leipzig.jpg",
         "https://www.leipzig.de/", "https://www.redbullarena.de/"},
        {109, "Munich1", "city.Munich", " Stadion", "66016", "MunichImage", "stadium-munich.jpg",
         "https://www.muenchen.de/", "https://allianz-arena.com/"},
        {110, "Nuremberg1", "city.Nuremberg", " Frankenstadion", "41926", "NurembergImage",
         "stadium-nuremberg.jpg", "https://www.nuernberg.de/", "https://www.max-morlock-stadion.de/"},
        {111, "Stuttgart1", "city.Stuttgart", " Gottlieb-Daimler-Stadion", "53200", "StuttgartImage",
         "stadium-stuttgart.jpg", "https://www.stuttgart.de/", "https://www.mhparena-stuttgart.de/"},
    }};
    return table;
}

const VenueInfo& venue(int number)
{
    if (number < FirstVenue || number > LastVenue)
        throw std::out_of_range("venue number " + std::to_string(number));
    return venues()[static_cast<size_t>(number - FirstVenue)];
}

int nextVenue(int number)
{
    return number >= LastVenue ? FirstVenue : number + 1;
}

int previousVenue(int number)
{
    return number <= FirstVenue ? LastVenue : number - 1;
}

}  // namespace tiplark
