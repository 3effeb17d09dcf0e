// quendal-report dayevents: rise, set and culmination of the Sun, the Moon, a
// planet or a twilight for one local day, for scripts.
#include <cmath>
#include <string>

#include "astro/riseset.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "cli/cli.h"

namespace quendal::cli {
namespace {

std::string hours(bool found, double value) {
  return found ? strprintf("%.6f", value) : std::string("none");
}

// The body and event of an event code of the command line: -4..-1 the
// twilights (individual, astronomical, nautical, civil), 0 the Sun, 1 the
// Moon, 11..19 the planet 1..9 (Mercury..Pluto).
void event(long long code, double altitude, BodyCode& body, HorizonEvent& e) {
  body = code <= 0 ? BodyCode::Sun : code == 1 ? BodyCode::Moon : static_cast<BodyCode>(code - 10);
  switch (code) {
    case -4: e = {HorizonEvent::IndividualTwilight, altitude}; break;
    case -3: e = {HorizonEvent::AstronomicalTwilight}; break;
    case -2: e = {HorizonEvent::NauticalTwilight}; break;
    case -1: e = {HorizonEvent::CivilTwilight}; break;
    default: e = {HorizonEvent::RiseSet}; break;
  }
}

std::string run(ApplicationState&, const GlobalOptions&, Options& o) {
  const CivilDate date = o.requireddate("date");
  const double latitude = o.requirednumber("lat");
  const double longitude = o.requirednumber("lon");
  const double zone = o.requirednumber("zone");
  const long long code = o.requiredinteger("event");
  const long long mode = o.integer("mode", 0);
  const bool individual = o.has("altitude");
  const double h0 = o.number("altitude", 0.0);
  o.finish();

  if (date.year < 100 || date.year > 9999 || dayofweek(date.day, date.month, date.year) <= 0)
    throw UsageError("dayevents: --date is not a date of the years 100..9999");
  if (!(latitude >= -90.0 && latitude <= 90.0))
    throw UsageError("dayevents: --lat must lie within -90..90 (north positive)");
  if (!(longitude >= -180.0 && longitude <= 180.0))
    throw UsageError("dayevents: --lon must lie within -180..180 (east positive)");
  if (!(zone >= -14.0 && zone <= 14.0))
    throw UsageError("dayevents: --zone must lie within -14..14 hours");
  const bool known = (code >= -4 && code <= 1) || (code >= 11 && code <= 19 && code != 13);
  if (!known) throw UsageError("dayevents: --event must be one of -4..1, 11, 12, 14..19");
  if (code == -4 && !individual)
    throw UsageError("dayevents: --event -4 needs --altitude (degrees)");
  if (code != -4 && individual)
    throw UsageError("dayevents: --altitude belongs to --event -4 only");
  if (individual && !(h0 >= -90.0 && h0 <= 90.0))
    throw UsageError("dayevents: --altitude must lie within -90..90 degrees");
  if (mode < 0 || mode > 99) throw UsageError("dayevents: --mode must lie within 0..99");

  const int mjd = datetomjd(date.year, date.month, date.day);
  BodyCode body;
  HorizonEvent e;
  event(code, h0, body, e);
  // The mode: 1 full precision; plus 10 the culmination (of the body's rise
  // and set, not of a twilight), plus 20 that with refined rise and set.
  DayEventsOptions options;
  options.fullPrecision = mode % 2 != 0;
  options.refine = mode >= 20;
  if (code >= 0 && mode >= 10) options.culmination = mode >= 20 ? Culmination::Fine : Culmination::Coarse;
  const DayEventsResult day = DayEvents(mjd, zone, longitude, latitude, body, e, options);
  const int status = day.events;
  const bool culminates = options.culmination != Culmination::None && day.culmination != NoCulmination;
  std::string out = strprintf("status %d\n", status);
  out += "rise " + hours(status & RiseFound, day.rise) + "\n";
  out += "set " + hours(status & SetFound, day.set) + "\n";
  out += "culmination " + hours(culminates, day.culmination) + "\n";
  out += "max_altitude " + hours(culminates, day.altitude) + "\n";
  return out;
}

const SubcommandRegistration registration({
    "dayevents",
    "rise, set and culmination of a body or a twilight for one local day",
    "usage: quendal-report [GLOBAL OPTIONS] dayevents --date Y-M-D --lat D.DDDD --lon D.DDDD\n"
    "                      --zone H --event CODE [--mode M] [--altitude A]\n"
    "\n"
    "  --date Y-M-D   the local date, years 100..9999 (Julian calendar before 1582)\n"
    "  --lat D        latitude in degrees, north positive\n"
    "  --lon D        longitude in degrees, east positive\n"
    "  --zone H       hours east of UT of the local time (e.g. 1, -5, 5.5)\n"
    "  --event CODE   -4 the Sun at the individual altitude --altitude A (degrees)\n"
    "                 -3 astronomical (-18), -2 nautical (-12), -1 civil (-6) twilight\n"
    "                  0 the Sun (-50'), 1 the Moon (+8')\n"
    "                 11..19 Mercury..Pluto (-34'; 13, the Earth, is not a body)\n"
    "  --mode M       0 low-precision Sun and Moon (default), 1 full precision;\n"
    "                 plus 10 for the culmination, plus 20 for culmination and\n"
    "                 refined rise and set (e.g. 21)\n"
    "\n"
    "Prints one line per quantity, 'name value':\n"
    "  status        1 rise found + 2 set found + 4 above the altitude at midnight\n"
    "  rise, set     local decimal hours, or none\n"
    "  culmination   local decimal hours of the upper culmination, the maximum of\n"
    "                the altitude near the meridian (modes 10 and up, codes 0 and\n"
    "                up), or none (also on a day without one, as the Moon has monthly)\n"
    "  max_altitude  the altitude of the culmination in degrees (without\n"
    "                refraction; for the Moon less its diameter), or none\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
