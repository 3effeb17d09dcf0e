// Pieces of the JSON form shared by the astronomy subcommands (rises,
// sidereal, position, planets, ephemeris): the stable names of the bodies
// and of the Moon's phases, instants of local decimal hours, and the Moon's
// illumination.
#pragma once

#include <optional>

#include "astro/units.h"
#include "calendar/calendar.h"
#include "cli/json_output.h"

namespace quendal::cli {

// "mercury" .. "pluto", "earth", "sun", "moon".
const char* bodykey(BodyCode body);

// "new_moon", "waxing_crescent", ..., "waning_crescent" of a phase index
// 0..7 (moonphasenames' order).
const char* moonphasekey(int index);

// The instant (JD UT) of local decimal hours of a local date in a zone of
// zonehours east of UTC; none when not found.
std::optional<double> localhours(const CivilDate& date, double zonehours, bool found, double hours);

// {"illuminated_percent": ..., "phase": "waxing_gibbous"} of the Moon at jd (UT).
Json jsonmoonphase(double jd);

// The equatorial place: {"ra_hours", "ra_deg", "dec_deg"}.
void putequatorial(Json& object, double rahours, double decdeg);

}  // namespace quendal::cli
