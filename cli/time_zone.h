// IANA time zones of the command line (--tz NAME, --tz local), from the
// system's time zone database through Howard Hinnant's date/tz library.
#pragma once

#include <string>

#include "cli/cli.h"

namespace quendal::cli {

// The name --tz gives for the system's zone.
inline constexpr const char* localzonename = "local";

// The zone's name in the database: `name` itself, or for "local" the
// system's zone, as the C library's clock takes it: the TZ variable when it
// is set (a zone name, ":" before it or the path of a zone file allowed;
// empty is UTC), else /etc/localtime. Throws UsageError naming the option
// when the system's zone cannot be found or TZ names no zone of the database.
std::string zonename(const std::string& option, const std::string& name);

// The offset east of UTC in seconds of the zone `name` ("local" as zonename
// reads it) at a local civil date
// (Julian before 15 October 1582) and time. Throws UsageError naming the
// option for an unknown zone, and for a local time the zone skips (a clock
// turned forward) or has twice (turned back).
int zoneoffset(const std::string& option, const std::string& name, const CivilDate& date, const ClockTime& time);

}  // namespace quendal::cli
