// Pieces shared by the place-based astronomy reports (sidereal time, planet
// positions, satellite dish): the observer's place as the dialogs enter it
// and its recognition among the configured places, the coordinate lines, the
// sidereal-time line, and the azimuth legend.
#pragma once

#include <string>

#include "app/configuration.h"
#include "app/place.h"
#include "astro/units.h"
#include "calendar/text.h"

namespace quendal {

// The body of an index of the name tables (1..9 Mercury..Pluto with 3 the
// Earth, 10 the Sun, 11 the Moon), and the index of a body.
BodyCode bodyofnameindex(int index);
int nameindexofbody(BodyCode body);

// Clamps the place (clampplace); in position mode (placeindex >= 0) loads
// that entry of the configured places (an index outside the entries in use
// becomes 0 and loads entry 0); otherwise an all-zero place is replaced by
// entry 0 unless the place is explicit (the command line's coordinates).
// Returns the name of the first configured place with the same degrees,
// minutes and hemispheres, or "".
std::string resolveplace(GeoPlace& place, int& placeindex, const LocationTable& places, bool explicitplace = false);

// " Für den Ort %s " / " For the Location %s ", or " Für die Koordinaten " /
// " For the Coordinates " when name is empty.
std::string placeheading(const std::string& name, Language language);

// One coordinate line: "\r\n  48 Grad 12 Min. Nord " (hemisphere words
// padded to line up), the separator, |value| with 3 decimals in 8 characters
// (comma flag as formatdecimal) and " Grad Nord ". latitude selects
// Nord/Süd or Ost/West, positive the first of the pair.
std::string coordinateline(int degrees, int minutes, bool positive, bool latitude, double value, const char* separator,
                           int comma, Language language);

// "\r\n  48 Grad 12 Min. Nord   48.200 Grad Nord " and the longitude
// counterpart "\r\n  15 Grad 37 Min. Ost    15.617 Grad Ost  ".
std::string latitudeline(const GeoPlace& p, Language language);
std::string longitudeline(const GeoPlace& p, Language language);

// "\r\n\r\n" or "\r\n" is the caller's; the line itself:
// "  6.52012 Stunden Ortssternzeit entsprechend  6 Stunden 31 Minuten  12
// Sekunden (ohne  Nutation) ". hours: sidereal time; withnutation selects the
// closing words.
std::string siderealtimeline(double hours, int withnutation, Language language);

// "\r\n\r\n (Süd = 0 Grad, West = 90 Grad, ...) " or the north-based legend.
std::string azimuthlegend(int northbased, Language language);

// Azimuth from north (degrees) turned into the azimuth the report shows:
// from south unless northbased, in [0, 360).
double shownazimuth(double azimuthfromnorth, int northbased);

// Clamps a local date and time of the sidereal and planet dialogs: year
// 1000..3000, month 1..12, day 1..31 lowered until the date is valid, hour
// 0..23, minute 0..59, zone -12..12; the half-hour flag is cleared for the
// zones 0, 12 and -12.
void clamplocalinstant(int& year, int& month, int& day, int& hour, int& minute, int& zone, int& half);

// Zone offset in days of a whole-hour zone with the half-hour flag (half an
// hour more for a positive zone, less for a negative one).
double zonedays(int zone, int half);

}  // namespace quendal
