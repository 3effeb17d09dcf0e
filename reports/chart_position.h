// The position dialog of the sky chart: a new place and instant for the
// chart, entered as degrees, minutes and seconds and as a local date and
// time with its zone, and the report that shows them.
#pragma once

#include <string>

#include "app/configuration.h"
#include "app/place.h"
#include "calendar/text.h"

namespace quendal {

struct ChartPositionInputs {
  GeoPlace place;  // latitude and longitude with seconds and hemispheres
  // Position mode ("Pos. -" / "Pos. +"): the entry of places loaded into the
  // place first (seconds 0); -1 off. An entry not in use loads entry 0.
  int placeindex = -1;
  LocationTable places = presetlocationtable();
  int year = 2000;   // 1000..3000
  int month = 1;     // 0 becomes 1, above 12 becomes 12
  int day = 1;       // 0 becomes 1, above 31 becomes 31, then lowered until valid
  int hour = 0;      // 0..23
  int minute = 0;    // 0..59
  int zone = 0;      // -12..12 hours
  int halfzone = 0;  // cleared for the zones 0, 12 and -12
};

struct ChartPosition {
  std::string text;               // the report
  ChartPositionInputs corrected;  // as limited, the place as loaded (write-back)
  double instant = 0.0;           // the entered instant, JD (UT)
  double latitude = 0.0;          // degrees, north positive, at most 90
  double longitude = 0.0;         // degrees, east positive, at most 180
  std::string placename;          // of the configured place with exactly these coordinates, or ""
};

ChartPosition buildchartposition(const ChartPositionInputs& in, Language language);

// The local date and time the dialog shows for a chart instant (JD, UT) and
// the zone it starts with: in German for the years 1901..2099 Central
// European time (1, or 2 in summer time), else 0 (UTC). Seconds from 30 on
// raise the minute.
struct ChartLocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, zone = 0;
};
ChartLocalTime chartlocaltime(double instant, Language language);
// The zone of a local date by the same rule.
int chartzone(int year, int month, int day, Language language);

}  // namespace quendal
