// The rises and twilight report: for a date and a place the rise and set of
// the Sun, the Moon and (in precise mode) the chosen planets, their greatest
// altitude, the four kinds of dawn and dusk, the length of the day and the
// Moon's phase at noon.
#pragma once

#include <string>
#include <vector>

#include "app/configuration.h"
#include "app/place.h"
#include "astro/riseset.h"
#include "calendar/text.h"

namespace quendal {

// Planet check boxes, in the dialog's order.
enum RisesPlanet {
  risesmercury,
  risesvenus,
  risesmars,
  risesjupiter,
  risessaturn,
  risesuranus,
  risesneptune,
  risespluto
};

struct RisesInputs {
  int year = 0, month = 0, day = 0;              // the date; the year 1600..2400 (1000..3000 precise)
  int zone = 0;                                  // hours east of UTC, -12..12
  int half = 0;                                  // 1: half an hour more in the direction of the zone
  GeoPlace place;                                // latitude 0..90, longitude 0..180 degrees, minutes 0..59
  int individual = -4;                           // the individual twilight: the Sun's altitude in degrees, -30..30
  int precise = 0;                               // 1: positions by the full theory (VSOP87D), planets shown
  int seconds = 0;                               // 1: times with seconds (rise, set, culmination)
  int planets[8] = {};                           // RisesPlanet check boxes; used only in precise mode
  int positionmode = 0;                          // 1: load the place places[locationindex]
  int locationindex = 0;                         // 0..31
  LocationTable places = presetlocationtable();  // the configured places
  int explicitplace = 0;                         // 1: the place as given, 0° 0' too (the command line's coordinates)
};

// The numbers of one column of the text: a body's rise and set, and its
// culmination with the greatest altitude.
struct RisesBody {
  BodyCode body = BodyCode::Sun;
  DayEventsResult day;
  DayEventsResult culmination;
};

struct RisesReport {
  std::string text;
  // The inputs as corrected, for the dialog to write back: limited values,
  // the day lowered until the date is valid, the coordinates of a place
  // loaded from the configured places, the half-hour flag cleared for zones 0, 12
  // and -12, the position mode cleared once the place is loaded.
  RisesInputs corrected;
  std::string placename;  // the configured place the coordinates match, or ""
  // The numbers the text shows: the zone of its times (hours east of UTC),
  // the columns (the Sun, the Moon, the planets chosen), and the dawn and
  // dusk of the civil, nautical, astronomical and individual twilight.
  double zonehours = 0.0;
  std::vector<RisesBody> bodies;
  DayEventsResult twilights[4];
};

// With all coordinates zero, the position mode off and no explicit place the
// first configured place is loaded; in position mode the entry at the location index.
RisesReport buildrisesreport(const RisesInputs& in, Language language);

}  // namespace quendal
