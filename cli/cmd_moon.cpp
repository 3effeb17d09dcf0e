// quendal-report moon: the moon phase, eclipse and season report, as text or
// as a JSON document.
#include <optional>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "cli/astro_json.h"
#include "cli/cli.h"
#include "cli/json_output.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/moon_report.h"

namespace quendal::cli {
namespace {

// ---- The JSON form: the instant of the inputs, the events the page lists
// (each with its Julian Day and as an instant), on page 0 also the Moon and
// the Sun at the instant, on pages 1..4 the deltaT taken.

const char* const eventkeys[] = {"new_moon",
                                 "first_quarter",
                                 "full_moon",
                                 "last_quarter",
                                 "apogee",
                                 "perigee",
                                 "partial_solar_eclipse",
                                 "total_solar_eclipse",
                                 "annular_solar_eclipse",
                                 "partial_lunar_eclipse",
                                 "total_lunar_eclipse",
                                 "spring",
                                 "summer",
                                 "autumn",
                                 "winter"};  // MoonEventKind

// The offset of the report's zone at an instant: a fixed zone's, or for the
// automatic zone CET, CEST when the UT date is a day of European summer time.
int offsetat(const ZoneOption& zone, double jd) {
  if (zone.zone != automaticzone) return zone.seconds;
  CivilDate utc;
  ClockTime time;
  jdtodate(jd, utc.year, utc.month, utc.day, time.hour, time.minute, time.second);
  return summertime(utc.day, utc.month, utc.year) == 1 ? 7200 : 3600;
}

Json jsonevent(const MoonEvent& e, const ZoneOption& zone) {
  const bool found = e.jd != 0.0;
  Json event;
  event["event"] = eventkeys[static_cast<int>(e.kind)];
  event["jd"] = found ? Json(e.jd) : Json(nullptr);
  putinstant(event, "instant", found ? std::optional<double>(e.jd) : std::nullopt, offsetat(zone, e.jd));
  if (e.kind == MoonEventKind::apogee || e.kind == MoonEventKind::perigee) event["distance_km"] = e.kilometres;
  return event;
}

Json jsonmoon(const MoonState& s) {
  Json moon;
  moon["illuminated_percent"] = s.illumination;
  moon["age_days"] = s.age;
  moon["phase"] = moonphasekey(s.phase);
  moon["distance_km"] = s.kilometres;
  moon["libration_longitude_deg"] = s.librationlongitude;
  moon["libration_latitude_deg"] = s.librationlatitude;
  putequatorial(moon, s.moonra, s.moondec);
  moon["magnitude"] = s.magnitude;
  moon["diameter_deg"] = s.diameter / 3600.0;
  moon["lunation"] = s.lunation;
  return moon;
}

std::string json(const MoonReport& r, const ZoneOption& zone) {
  const MoonReportInputs& c = r.corrected;
  Json inputs;
  inputs["date"] = datetext({c.year, c.month, c.day});
  inputs["time"] = strprintf("%02d:%02d", c.hour, c.minute);
  inputs["zone"] = jsonzone(zone.seconds, zone.name);
  inputs["zone"]["european_summer_time"] = zone.zone == automaticzone;
  inputs["page"] = c.page;
  Json document = jsondocument("moon", inputs);
  document["jd"] = r.jd;
  putinstant(document, "instant", r.jd, zone.seconds);
  if (c.page == moonnow) {
    document["moon"] = jsonmoon(r.state);
    Json sun;
    putequatorial(sun, r.state.sunra, r.state.sundec);
    document["sun"] = sun;
  }
  if (c.page >= moonfullmoons && c.page <= moonlastquarters) document["delta_t_seconds"] = r.deltat;
  Json events = Json::array();
  for (const MoonEvent& e : r.events) events.push_back(jsonevent(e, zone));
  document["events"] = events;
  return jsontext(document);
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  loadconfiguration(state, g);  // its language line applies, unless --lang is given
  const Language language = state.language();
  MoonReportInputs in;
  const auto [date, time] = datetimeoption(o, g, 1600, 2400, in);
  const ZoneOption zone = zoneoption(o, ZoneSupport::HalfHoursOrAuto, date, time, dialogzone(language, date));
  in.zone = zone.zone;
  in.half = zone.half;
  in.page = static_cast<int>(o.integer("page", 0, 0, 6));
  in.seconds = o.flag("seconds") ? 1 : 0;
  const MoonReport report = buildmoonreport(in, language);
  return g.format == OutputFormat::json ? json(report, zone) : report.text;
}

const std::string usage = std::string(
                              "usage: quendal-report [GLOBAL OPTIONS] moon [--date Y-M-D] [--time HH:MM]\n"
                              "                      [--zone Z [--half-zone] | --tz NAME] [--page P] [--seconds]\n"
                              "\n"
                              "  --date Y-M-D      the date, years 1600..2400; default: today\n"
                              "  --time HH:MM      local time of day in the zone; default: now\n") +
                          zonehelp +
                          "                    auto: the report's Central European time, CET or CEST\n"
                          "                    for each instant\n"
                          "  --page P          0 the Moon now and the next events (default), 1 full\n"
                          "                    moons, 2 new moons, 3 first quarters, 4 last quarters of\n"
                          "                    the year, 5 the next eclipses, 6 the seasons\n"
                          "  --seconds         times with seconds, angles in degrees, minutes, seconds\n";

const SubcommandRegistration registration({
    "moon",
    "the Moon at an instant, the phases of a year, eclipses, seasons",
    usage.c_str(),
    run,
    false,
    {{"page", "0 1 2 3 4 5 6"}},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
