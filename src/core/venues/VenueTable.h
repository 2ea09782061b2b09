#pragma once

#include <array>

namespace tiplark {

inline constexpr int VenueCount = 12;
inline constexpr int FirstVenue = 100;
inline constexpr int LastVenue = FirstVenue + VenueCount - 1;

// One World Cup stadium. The number is also the Tag of the city's item in
// the Venues menu; the stadium's shown name is the city text of cityKey in
// the current language followed by the suffix.
struct VenueInfo {
    int number;
    const char* menuItem;        // "Berlin1"
    const char* cityKey;         // "city.Berlin"
    const char* suffix;          // " Olympiastadion"
    const char* capacity;        // digits as shown
    const char* picture;         // component name of the picture, "BerlinImage"
    const char* pictureFile;     // asset file of the picture
    const char* cityAddress;     // the host city's page
    const char* stadiumAddress;  // the city's tournament or stadium page
};

const std::array<VenueInfo, VenueCount>& venues();

// The row of a venue number 100..111; throws std::out_of_range otherwise.
const VenueInfo& venue(int number);

// The circular order of the arrow buttons: 111 is followed by 100.
int nextVenue(int number);
int previousVenue(int number);

}  // namespace tiplark
