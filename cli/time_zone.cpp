// IANA time zones; see time_zone.h.
#include "cli/time_zone.h"

#include <date/tz.h>
#include <unistd.h>

#include <cstdlib>
#include <exception>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "cli/place_options.h"

namespace quendal::cli {
namespace {

// The zone name of the TZ variable: without a leading ':' and without the
// folders of a zone file's path ("/usr/share/zoneinfo/Europe/Vienna"); the
// C library reads an empty TZ as UTC.
std::string tzvariablezone(std::string tz) {
  if (!tz.empty() && tz[0] == ':') tz.erase(0, 1);
  const std::string folder = "zoneinfo/";
  if (const std::size_t at = tz.rfind(folder); at != std::string::npos) tz.erase(0, at + folder.size());
  return tz.empty() ? "UTC" : tz;
}

const date::time_zone* localzone(const std::string& option) {
  if (const char* tz = std::getenv("TZ")) {
    try {
      return date::locate_zone(tzvariablezone(tz));
    } catch (const std::exception&) {
      throw refusal(option, std::string("local: TZ=") + tz + " names no time zone of the system's database",
                    "TZ unset (the system's zone, /etc/localtime) or an IANA name such as Europe/Vienna");
    }
  }
  try {
    return date::current_zone();
  } catch (const std::exception&) {
    // Without /etc/localtime the C library keeps local time in UTC, and so do we.
    if (access("/etc/localtime", F_OK) != 0) return date::locate_zone("UTC");
    throw refusal(option, "local: the zone of /etc/localtime is not one of the system's database",
                  "IANA names such as Europe/Vienna, or TZ set to one");
  }
}

const date::time_zone* findzone(const std::string& option, const std::string& name) {
  if (name == localzonename) return localzone(option);
  try {
    return date::locate_zone(name);
  } catch (const std::exception&) {
    throw refusal(option, "'" + name + "' is not a time zone of the system's database",
                  "IANA names such as Europe/Vienna or America/New_York, or local");
  }
}

}  // namespace

std::string zonename(const std::string& option, const std::string& name) {
  return name == localzonename ? std::string(localzone(option)->name()) : name;
}

int zoneoffset(const std::string& option, const std::string& name, const CivilDate& date, const ClockTime& time) {
  const date::time_zone* zone = findzone(option, name);
  // The library counts days from 1970-01-01 (MJD 40587) in the Gregorian
  // calendar; the day number carries the Julian dates before the reform.
  const date::local_seconds local{date::local_days{date::days{datetomjd(date.year, date.month, date.day) - 40587}} +
                                  std::chrono::seconds{time.hour * 3600 + time.minute * 60 + time.second}};
  const date::local_info info = zone->get_info(local);
  const std::string when = datetext(date) + strprintf(" %02d:%02d", time.hour, time.minute);
  const std::string before = "UTC" + offsettext(static_cast<int>(info.first.offset.count()));
  const std::string after = "UTC" + offsettext(static_cast<int>(info.second.offset.count()));
  if (info.result == date::local_info::nonexistent)
    throw refusal(option, when + " does not exist in " + name + " (the clocks go from " + before + " to " + after + ")",
                  "a local time that exists, or --zone");
  if (info.result == date::local_info::ambiguous)
    throw refusal(option, when + " occurs twice in " + name + " (" + before + ", then " + after + ")",
                  "--zone " + before.substr(3) + " or --zone " + after.substr(3));
  return static_cast<int>(info.first.offset.count());
}

}  // namespace quendal::cli
