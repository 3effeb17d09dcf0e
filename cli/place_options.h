// The place and zone options, the same on every subcommand that takes them:
//
//   --place N|NAME     a configured place by its number (0 = the first) or by
//                      its name: case-insensitive, a unique beginning is enough
//   --lat LAT --lon LON   a place by its coordinates, used as given (0:00N
//                      0:00E is the point in the Gulf of Guinea, not the
//                      configured place): decimal degrees, north and east
//                      positive (48.2, -16.37), or DD:MM[:SS] with a
//                      hemisphere letter (48:12N, 016:22:30E; O for east
//                      also); decimal degrees are taken to the second of arc
//   --zone Z           hours east of UTC: whole or fractional hours or H:MM
//                      (1, -3.5, 5:30, +5:45), or auto: Central European
//                      time with the European summer-time rule (UTC+1 or
//                      UTC+2 by the date)
//   --tz NAME          an IANA time zone (Europe/Vienna, America/New_York), or
//                      local (the system's: TZ, else /etc/localtime):
//                      its offset at the report's local date and time
//   --half-zone        half an hour more in the direction of --zone (the
//                      old form of 5:30)
#pragma once

#include <string>

#include "app/configuration.h"
#include "app/place.h"
#include "calendar/text.h"
#include "cli/cli.h"

namespace quendal::cli {

struct PlaceOption {
  // The place's fields (latitude 0..90, longitude 0..180 degrees, minutes
  // and seconds 0..59, 0 at 90 and 180 degrees; hemisphere flags) and the
  // configured name ("" for --lat/--lon).
  LocationRecord place;
  int index = -1;            // index into the configured places; -1 for --lat/--lon
  bool coordinates = false;  // given by --lat/--lon
};

// Reads --place or --lat and --lon (both together, never with --place).
// Without any of them: entry `fallbackindex` of the configured places.
// Throws UsageError.
PlaceOption placeoption(Options& options, const LocationTable& places, int fallbackindex = 0);

// Reads --place N|NAME alone: the index of the configured place, or
// `fallbackindex` without the option. Throws UsageError.
int placeindexoption(Options& options, const LocationTable& places, int fallbackindex = 0);

// The configured place named by a number (0 .. in use - 1) or by a name or
// the unique beginning of one (case-insensitive; an exact name wins).
int findplace(const std::string& option, const std::string& text, const LocationTable& places);

// One coordinate into the place's fields: a latitude (N/S) or a longitude
// (E/O/W). Throws UsageError naming the option.
void parselatitude(const std::string& option, const std::string& text, GeoPlace& place);
void parselongitude(const std::string& option, const std::string& text, GeoPlace& place);
// "LAT,LON", each in either form.
GeoPlace parsepoint(const std::string& option, const std::string& text);

// What a report can show as its zone.
enum class ZoneSupport {
  WholeHours,       // -12..12 whole hours
  HalfHours,        // and the half hours from 1:30 to 11:30 either way
  HalfHoursOrAuto,  // and the report's own automatic CET/CEST (zone 99)
  AnyOffset,        // any offset within -14..14 hours
};

struct ZoneOption {
  int zone = 0;        // whole hours east of UTC; 99 the report's automatic zone
  int half = 0;        // 1: half an hour more in the direction of the zone
  int seconds = 0;     // the offset east of UTC in seconds (of the date, also for 99)
  bool given = false;  // --zone or --tz was given
  std::string name;    // the --tz name, else ""
};

// Reads --zone Z, --tz NAME and (for the half-hour reports) --half-zone.
// date and time are the report's local date and time (auto and --tz take the
// offset valid then); without --zone and --tz the zone is `fallback` whole
// hours. Throws UsageError.
ZoneOption zoneoption(Options& options, ZoneSupport support, const CivilDate& date, const ClockTime& time,
                      int fallback);

// "+05:30" (with seconds, "+01:05:21", where an offset has them).
std::string offsettext(int seconds);

// The help lines of the place and zone options.
extern const char* const placehelp;
extern const char* const zonehelp;

}  // namespace quendal::cli
