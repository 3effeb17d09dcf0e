// The local sidereal time report: for a date, a local clock time and a place,
// the local mean and apparent sidereal time, and the apparent right
// ascension, declination, azimuth and altitude of the Sun and the Moon with
// the Moon's illumination.
#pragma once

#include <string>

#include "calendar/text.h"
#include "reports/position_text.h"

namespace quendal {

struct SiderealInputs {
  int year = 2000;   // 1000..3000
  int month = 1;     // 1..12
  int day = 1;       // 1..31, lowered until the date is valid
  int hour = 0;      // 0..23, local time
  int minute = 0;    // 0..59
  int zone = 0;      // -12..12 whole hours
  int halfzone = 0;  // half an hour further from UTC; cleared for zones 0, 12, -12
  GeoPlace place;
  // Position mode: the entry of places to load ("Pos. -" / "Pos. +"); -1 off.
  int placeindex = -1;
  LocationTable places = presetlocationtable();  // the configured places
  int azimuthnorth = 0;                          // "Azim. Nord": azimuth counted from north
  int explicitplace = 0;                         // 1: the place as given, 0° 0' too (the command line's coordinates)
};

// The Sun or the Moon as the report shows it: apparent right ascension
// (hours) and declination, the azimuth (from south or north as chosen) and
// the altitude without and with refraction, degrees.
struct SiderealBody {
  double ra = 0.0, dec = 0.0, azimuth = 0.0, altitude = 0.0, refracted = 0.0;
};

struct SiderealReport {
  std::string text;
  SiderealInputs corrected;           // clamped date and zone flag, place as loaded
  std::string placename;              // "" when the coordinates match no configured place
  double jd = 0.0;                    // the instant, JD (UT)
  double meansiderealtime = 0.0;      // hours
  double apparentsiderealtime = 0.0;  // hours
  SiderealBody sun, moon;
};

SiderealReport buildsiderealreport(const SiderealInputs& in, Language language);

}  // namespace quendal
