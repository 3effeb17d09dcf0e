// IANA time zones of the command line (--tz NAME), from the system's time
// zone database through Howard Hinnant's date/tz library.
#pragma once

#include <string>

#include "cli/cli.h"

namespace quendal::cli {

// The offset east of UTC in seconds of the zone `name` at a local civil date
// (Julian before 15 October 1582) and time. Throws UsageError naming the
// option for an unknown zone, and for a local time the zone skips (a clock
// turned forward) or has twice (turned back).
int zoneoffset(const std::string& option, const std::string& name, const CivilDate& date, const ClockTime& time);

}  // namespace quendal::cli
