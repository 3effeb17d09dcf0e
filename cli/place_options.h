// Options shared by the subcommands that need an observer's place and a time
// zone:
//
//   --place N                      entry N of the configured places (0 = first)
//   --lat DD:MM(N|S) --lon DDD:MM(E|W)   a place by its coordinates
//   --zone Z                       hours east of UTC (-12..12; "auto" = 99
//                                  where a subcommand offers automatic
//                                  Central European time)
//   --half-zone                    half an hour more in the direction of the zone
#pragma once

#include <string>

#include "app/configuration.h"
#include "app/place.h"
#include "cli/cli.h"

namespace quendal::cli {

struct PlaceOption {
  // name: the configured name ("" for --lat/--lon); degrees and minutes as
  // the dialogs hold them (latitude 0..90, longitude 0..180, minutes 0..59,
  // minutes 0 at 90 and 180 degrees); north/east: hemisphere flags (1/0).
  LocationRecord place;
  int index = -1;            // index into the configured places; -1 for --lat/--lon
  bool coordinates = false;  // given by --lat/--lon
};

// Reads --place N or --lat and --lon (both together, never with --place).
// Without any of them: entry `fallbackindex` of the configured places. N must
// name a configured place (0 .. locationsinuse - 1). Throws UsageError.
PlaceOption placeoption(Options& options, const LocationTable& places, int fallbackindex = 0);

// Reads --place N alone: N, or `fallbackindex` without the option; N must
// name a configured place. Throws UsageError.
int placeindexoption(Options& options, const LocationTable& places, int fallbackindex = 0);

// "DD:MM" followed by N or S (n, s also) into degrees, minutes and the north
// flag of the place, limited to 0..90 and 0..59 (minutes 0 at 90 degrees).
// Throws UsageError naming the option.
void parselatitude(const std::string& option, const std::string& text, GeoPlace& place);
// "DDD:MM" followed by E, O or W (lower case also) into degrees, minutes and
// the east flag, limited to 0..180 and 0..59 (minutes 0 at 180 degrees).
// Throws UsageError naming the option.
void parselongitude(const std::string& option, const std::string& text, GeoPlace& place);

struct ZoneOption {
  int zone = 0;        // hours east of UTC as given (the reports limit it); 99 = automatic
  int half = 0;        // 1 with --half-zone
  bool given = false;  // --zone was given
};

// Reads --zone Z (a whole number; with allowauto also "auto", giving 99) and
// --half-zone. Without --zone the zone is `fallback`. Throws UsageError.
ZoneOption zoneoption(Options& options, int fallback, bool allowauto = false);

// The zone a tool dialog starts with: 0 in English (language 0); in German 2
// when the date lies in European summer time, else 1.
int dialogdefaultzone(const CivilDate& date, int language);

}  // namespace quendal::cli
