// quendal-report dayevents: rise, set and culmination of the Sun, the Moon, a
// planet or a twilight for one local day, for scripts.
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "app/place.h"
#include "astro/riseset.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/json_output.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"

namespace quendal::cli {
namespace {

std::string hours(bool found, double value) { return found ? strprintf("%.6f", value) : std::string("none"); }

// The body and event of an event code of the command line: -4..-1 the
// twilights (individual, astronomical, nautical, civil), 0 the Sun, 1 the
// Moon, 11..19 the planet 1..9 (Mercury..Pluto).
void event(long long code, double altitude, BodyCode& body, HorizonEvent& e) {
  body = code <= 0 ? BodyCode::Sun : code == 1 ? BodyCode::Moon : static_cast<BodyCode>(code - 10);
  switch (code) {
    case -4:
      e = {HorizonEvent::IndividualTwilight, altitude};
      break;
    case -3:
      e = {HorizonEvent::AstronomicalTwilight};
      break;
    case -2:
      e = {HorizonEvent::NauticalTwilight};
      break;
    case -1:
      e = {HorizonEvent::CivilTwilight};
      break;
    default:
      e = {HorizonEvent::RiseSet};
      break;
  }
}

// Decimal degrees of --lat or --lon: a decimal value exactly as given, else
// the value of degrees, minutes and seconds.
double coordinate(const char* option, const std::string& text, bool latitude) {
  GeoPlace p;
  latitude ? parselatitude(option, text, p) : parselongitude(option, text, p);
  if (text.back() >= '0' && text.back() <= '9') return std::strtod(text.c_str(), nullptr);
  return latitude ? latitudeof(p) : longitudeof(p);
}

// "HH:MM:SS" of decimal hours (seconds truncated), or none.
std::string clock(bool found, double value) {
  int h = 0, m = 0, s = 0;
  if (!found || !splitsexagesimal(value, h, m, s, 0)) return "none";
  return strprintf("%02d:%02d:%02d", h, m, s);
}

// The JSON form: the inputs, then each quantity; the local decimal hours as
// instants of the local date in the zone and in UTC.
std::string json(const CivilDate& date, const Json& place, const ZoneOption& zone, long long code, long long mode,
                 const HorizonEvent& e, const DayEventsResult& day, bool culminates) {
  Json inputs;
  inputs["date"] = isodate(date);
  inputs["place"] = place;
  inputs["zone"] = jsonzone(zone.seconds, zone.name);
  inputs["event"] = code;
  inputs["mode"] = mode;
  inputs["altitude_deg"] = code == -4 ? Json(e.altitude) : Json(nullptr);
  Json document = jsondocument("dayevents", inputs);
  const double midnight = datetojd(date.year, date.month, date.day) - zone.seconds / 86400.0;
  const auto instant = [&](bool found, double hours) {
    return found ? std::optional<double>(midnight + hours / 24.0) : std::nullopt;
  };
  const auto number = [](bool found, double value) { return found ? Json(value) : Json(nullptr); };
  document["status"] = day.events;
  document["rise_found"] = (day.events & RiseFound) != 0;
  document["set_found"] = (day.events & SetFound) != 0;
  document["above_at_midnight"] = (day.events & 4) != 0;
  document["rise_hours"] = number(day.events & RiseFound, day.rise);
  putinstant(document, "rise", instant(day.events & RiseFound, day.rise), zone.seconds);
  document["set_hours"] = number(day.events & SetFound, day.set);
  putinstant(document, "set", instant(day.events & SetFound, day.set), zone.seconds);
  document["culmination_hours"] = number(culminates, day.culmination);
  putinstant(document, "culmination", instant(culminates, day.culmination), zone.seconds);
  document["max_altitude_deg"] = number(culminates, day.altitude);
  return jsontext(document);
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  const CivilDate date = o.calendardate("date", g.today, 100, 9999);
  double latitude = 0.0, longitude = 0.0;
  std::string placename;
  if (o.has("lat") && o.has("lon") && !o.has("place")) {
    latitude = coordinate("lat", o.requiredtext("lat"), true);
    longitude = coordinate("lon", o.requiredtext("lon"), false);
  } else {
    loadconfiguration(state, g);
    const PlaceOption place = placeoption(o, state.configuration.locationTable);
    latitude = latitudeof(place.place);
    longitude = longitudeof(place.place);
    placename = place.place.name;
  }
  if (!o.has("zone") && !o.has("tz")) throw refusal("zone", "missing (give --zone Z or --tz NAME)");
  const ZoneOption zone = zoneoption(o, ZoneSupport::AnyOffset, date, {12, 0, 0}, 0);
  const long long code = o.requiredinteger("event");
  const long long mode = o.integer("mode", 0);
  const bool individual = o.has("altitude");
  const double h0 = o.number("altitude", 0.0);
  o.finish();

  const bool known = (code >= -4 && code <= 1) || (code >= 11 && code <= 19 && code != 13);
  if (!known) throw refusal("event", std::to_string(code) + " is not an event", "-4..1, 11, 12, 14..19");
  if (code == -4 && !individual) throw refusal("event", "-4 needs --altitude (degrees)");
  if (code != -4 && individual) throw refusal("altitude", "belongs to --event -4 only");
  if (individual && !(h0 >= -90.0 && h0 <= 90.0))
    throw refusal("altitude", o.requiredtext("altitude") + " is out of range", "-90..90 degrees");
  if (mode != 0 && mode != 1 && mode != 10 && mode != 11 && mode != 20 && mode != 21)
    throw refusal("mode", std::to_string(mode) + " is not a mode", "0, 1, 10, 11, 20, 21");

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
  const DayEventsResult day = DayEvents(mjd, zone.seconds / 3600.0, longitude, latitude, body, e, options);
  const int status = day.events;
  const bool culminates = options.culmination != Culmination::None && day.culmination != NoCulmination;
  if (g.format == OutputFormat::json)
    return json(date, jsonplace(latitude, longitude, placename), zone, code, mode, e, day, culminates);
  std::string out = strprintf("status %d\n", status);
  out += "rise " + hours(status & RiseFound, day.rise) + "\n";
  out += "set " + hours(status & SetFound, day.set) + "\n";
  out += "culmination " + hours(culminates, day.culmination) + "\n";
  out += "max_altitude " + hours(culminates, day.altitude) + "\n";
  out += "zone " + offsettext(zone.seconds) + "\n";
  if (!zone.name.empty()) out += "tz " + zone.name + "\n";
  out += "rise_time " + clock(status & RiseFound, day.rise) + "\n";
  out += "set_time " + clock(status & SetFound, day.set) + "\n";
  out += "culmination_time " + clock(culminates, day.culmination) + "\n";
  return out;
}

const std::string usage = std::string(
    "usage: quendal-report [GLOBAL OPTIONS] dayevents [--date Y-M-D]\n"
    "                      [--place N|NAME | --lat LAT --lon LON]\n"
    "                      --zone Z | --tz NAME --event CODE [--mode M] [--altitude A]\n"
    "\n"
    "  --date Y-M-D   the local date, years 100..9999 (Julian calendar before\n"
    "                 1582); default: today\n"
    "  --place N|NAME a configured place (default 0, the first)\n"
    "  --lat LAT --lon LON  the place by coordinates: decimal degrees, north and\n"
    "                 east positive (48.2 16.37), or DD:MM[:SS] with N/S, E/W\n"
    "  --zone Z       the local time's offset from UT: 1, -5, 5.5, 5:45, or auto\n"
    "                 (UTC+1, in European summer time UTC+2), within -14..14 hours\n"
    "  --tz NAME      an IANA time zone (Europe/Vienna), or local (the system's):\n"
    "                 its offset at noon of the date\n"
    "  --event CODE   -4 the Sun at the individual altitude --altitude A (degrees)\n"
    "                 -3 astronomical (-18), -2 nautical (-12), -1 civil (-6) twilight\n"
    "                  0 the Sun (-50'), 1 the Moon (+8')\n"
    "                 11..19 Mercury..Pluto (-34'; 13, the Earth, is not a body)\n"
    "  --altitude A   with --event -4: the Sun's altitude, -90..90 degrees\n"
    "  --mode M       0 low-precision Sun and Moon (default), 1 full precision;\n"
    "                 plus 10 for the culmination, plus 20 for culmination and\n"
    "                 refined rise and set (0, 1, 10, 11, 20, 21)\n"
    "\n"
    "Prints one line per quantity, 'name value':\n"
    "  status        1 rise found + 2 set found + 4 above the altitude at midnight\n"
    "  rise, set     local decimal hours, or none\n"
    "  culmination   local decimal hours of the upper culmination, the maximum of\n"
    "                the altitude near the meridian (modes 10 and up, codes 0 and\n"
    "                up), or none (also on a day without one, as the Moon has monthly)\n"
    "  max_altitude  the altitude of the culmination in degrees (without\n"
    "                refraction; for the Moon less its diameter), or none\n"
    "  zone          the zone of the local times, e.g. +02:00\n"
    "  tz            the --tz name (only with --tz)\n"
    "  rise_time, set_time, culmination_time\n"
    "                the same local times as HH:MM:SS (seconds rounded), or none\n");

const SubcommandRegistration registration({
    "dayevents",
    "rise, set and culmination of a body or a twilight for one local day",
    usage.c_str(),
    run,
    false,
    {{"event", "-4 -3 -2 -1 0 1 11 12 14 15 16 17 18 19"}, {"mode", "0 1 10 11 20 21"}},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
