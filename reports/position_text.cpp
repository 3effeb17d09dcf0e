// Pieces shared by the place-based astronomy reports; see position_text.h.
#include "reports/position_text.h"

#include <cmath>

#include "astro/numeric.h"
#include "calendar/calendar.h"
#include "calendar/text.h"

namespace quendal {

namespace {

int clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace

BodyCode bodyofnameindex(int index) {
  if (index == 10) return BodyCode::Sun;
  if (index == 11) return BodyCode::Moon;
  return static_cast<BodyCode>(index);
}

int nameindexofbody(BodyCode body) {
  if (body == BodyCode::Sun) return 10;
  if (body == BodyCode::Moon) return 11;
  return static_cast<int>(body);
}

std::string resolveplace(GeoPlace& place, int& placeindex, const LocationTable& places, bool explicitplace) {
  clampplace(place);
  const int inuse = locationsinuse(places);
  if (placeindex >= 0) {
    if (placeindex >= inuse) placeindex = 0;
    place = places[static_cast<std::size_t>(placeindex)];
  } else if (iszeroplace(place) && !explicitplace) {
    place = places[0];
  }
  clampplace(place);
  for (int i = 0; i < inuse; ++i) {
    const LocationRecord& r = places[static_cast<std::size_t>(i)];
    if (sameplace(r, place)) return r.name;
  }
  return "";
}

std::string placeheading(const std::string& name, Language language) {
  const bool german = language != english;
  if (name.empty()) return german ? " Für die Koordinaten " : " For the Coordinates ";
  return strprintf(german ? " Für den Ort %s " : " For the Location %s ", name.c_str());
}

std::string coordinateline(int degrees, int minutes, bool positive, bool latitude, double value, const char* separator,
                           int comma, Language language) {
  // Hemisphere words, padded so that the columns line up.
  static const char* const words[2][4] = {{"Nord", "Süd ", "Ost ", "West"}, {"North", "South", "East ", "West "}};
  const int row = language == english ? 1 : 0;
  const char* unit = language == english ? "Deg." : "Grad";
  const char* word = words[row][(latitude ? 0 : 2) + (positive ? 0 : 1)];
  return strprintf("\r\n %3d %s %2d Min. %s %s", degrees, unit, minutes, word, separator) +
         formatdecimal(std::fabs(value), 8, comma, 3) + strprintf(" %s %s ", unit, word);
}

std::string latitudeline(const GeoPlace& p, Language language) {
  return coordinateline(p.latitudedegrees, p.latitudeminutes, p.north != 0, true, latitudeof(p), "", 0, language);
}

std::string longitudeline(const GeoPlace& p, Language language) {
  return coordinateline(p.longitudedegrees, p.longitudeminutes, p.east != 0, false, longitudeof(p), "", 0, language);
}

std::string siderealtimeline(double hours, int withnutation, Language language) {
  const bool german = language != english;
  std::string t = formatdecimal(hours, 9, 0, 5);
  t += german ? " Stunden Ortssternzeit entsprechend " : " Hours Local Sidereal Time corresponding ";
  int h = 0, m = 0, s = 0;
  splitsexagesimal(hours, h, m, s, 0);
  if (german) {
    t += strprintf(h == 1 ? "%2d Stunde  " : "%2d Stunden ", h);
    t += strprintf(m == 1 ? "%2d Minute  " : "%2d Minuten ", m);
    t += strprintf(s == 1 ? "%2d Sekunde  " : "%2d Sekunden ", s);
    t += withnutation ? "(inkl. Nutation) " : "(ohne  Nutation) ";
  } else {
    t += strprintf(h == 1 ? "%2d Hour  " : "%2d Hours ", h);
    t += strprintf(m == 1 ? "%2d Minute  " : "%2d Minutes ", m);
    t += strprintf(s == 1 ? "%2d Second  " : "%2d Seconds ", s);
    t += withnutation ? "(incl. Nutation) " : "(void  Nutation) ";
  }
  return t;
}

std::string azimuthlegend(int northbased, Language language) {
  if (language != english)
    return northbased ? "\r\n\r\n (Nord = 0 Grad, Ost = 90 Grad, Süd = 180 Grad, West = 270 Grad) "
                      : "\r\n\r\n (Süd = 0 Grad, West = 90 Grad, Nord = 180 Grad, Ost = 270 Grad) ";
  return northbased ? "\r\n\r\n (North = 0 Deg., East = 90 Deg., South = 180 Deg., West = 270 Deg.) "
                    : "\r\n\r\n (South = 0 Deg., West = 90 Deg., North = 180 Deg., East = 270 Deg.) ";
}

double shownazimuth(double azimuthfromnorth, int northbased) {
  return northbased ? NormalizeDegrees(azimuthfromnorth) : NormalizeDegrees(azimuthfromnorth + 180.0);
}

void clamplocalinstant(int& year, int& month, int& day, int& hour, int& minute, int& zone, int& half) {
  year = clamp(year, 1000, 3000);
  month = clamp(month, 1, 12);
  day = clamp(day, 1, 31);
  while (day > 1 && dayofweek(day, month, year) <= 0) --day;
  hour = clamp(hour, 0, 23);
  minute = clamp(minute, 0, 59);
  zone = clamp(zone, -12, 12);
  half = (half && zone != 0 && zone != 12 && zone != -12) ? 1 : 0;
}

double zonedays(int zone, int half) {
  double z = zone;
  if (half) z += zone > 0 ? 0.5 : (zone < 0 ? -0.5 : 0.0);
  return z / 24.0;
}

}  // namespace quendal
