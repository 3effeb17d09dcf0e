// The satellite dish report: azimuth and elevation of a dish pointed at a
// geostationary satellite from the observer's place.
#pragma once

#include <string>

#include "calendar/text.h"
#include "reports/position_text.h"

namespace quendal {

struct DishInputs {
  int satellitedegrees = 19;  // 0..180, whole degrees of the orbital position
  int satellitetenths = 2;    // 0..9, tenths of a degree
  int satelliteeast = 1;      // 1 east of Greenwich ("Ost"), 0 west
  GeoPlace place;
  // Position mode: the entry of places to load ("Pos. -" / "Pos. +"); -1 off.
  int placeindex = -1;
  LocationTable places = presetlocationtable();  // the configured places
  int azimuthnorth = 0;                          // "Azim. Nord": azimuth counted from north
  int explicitplace = 0;                         // 1: the place as given, 0° 0' too (the command line's coordinates)
};

struct DishReport {
  std::string text;
  DishInputs corrected;        // clamped inputs, place as loaded
  std::string placename;       // "" when the place matches no configured place
  const char* satellite = "";  // the name of a known position east of Greenwich ("Astra 1"), else ""
  double azimuth = 0.0;        // degrees, from south (from north with azimuthnorth)
  double elevation = 0.0;      // degrees
  bool outofrange = false;     // elevation below 5 degrees
};

DishReport builddishreport(const DishInputs& in, Language language);

}  // namespace quendal
