// quendal-report rises: rise, set, culmination and twilight for a day.
#include <cctype>
#include <cmath>
#include <optional>

#include "calendar/text.h"
#include "cli/astro_json.h"
#include "cli/cli.h"
#include "cli/json_output.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/rises_report.h"

namespace quendal::cli {
namespace {

const char* const planetnames[8] = {"mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto"};

void parseplanets(const std::string& list, int planets[8]) {
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = list.find(',', start);
    std::string name = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    for (char& ch : name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    bool known = false;
    for (int p = 0; p < 8; ++p)
      if (name == planetnames[p]) {
        planets[p] = 1;
        known = true;
      }
    if (!known)
      throw refusal("planets", "'" + name + "' is not a planet",
                    "mercury, venus, mars, jupiter, saturn, uranus, neptune, pluto");
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
}

// The day's numbers in the local zone: instants of the local date's hours.
struct LocalDay {
  CivilDate date;
  double zonehours;
  int offsetseconds;
  void put(Json& object, const char* key, bool found, double hours) const {
    putinstant(object, key, localhours(date, zonehours, found, hours), offsetseconds);
  }
};

// The rise (dawn) and set (dusk) of one row; for a day without either
// whether it stays above (light) or below (dark) all day, else null.
void putevents(Json& object, const LocalDay& local, const DayEventsResult& day, const char* const keys[4]) {
  local.put(object, keys[0], day.events & RiseFound, day.rise);
  local.put(object, keys[1], day.events & SetFound, day.set);
  const bool neither = (day.events & (RiseFound | SetFound)) == 0;
  object["all_day"] = neither ? Json((day.events & AboveAtMidnight) ? keys[2] : keys[3]) : Json(nullptr);
}

Json jsonbody(const RisesBody& column, const LocalDay& local) {
  static const char* const keys[4] = {"rise", "set", "above", "below"};
  Json body;
  body["body"] = bodykey(column.body);
  putevents(body, local, column.day, keys);
  const DayEventsResult& c = column.culmination;
  local.put(body, "culmination", c.culmination != NoCulmination, c.culmination);
  // The text leaves out a greatest altitude below -5 degrees.
  body["max_altitude_deg"] = c.altitude < -5.0 ? Json(nullptr) : Json(c.altitude);
  return body;
}

Json jsontwilights(const RisesReport& r, const LocalDay& local) {
  static const char* const keys[4] = {"dawn", "dusk", "light", "dark"};
  static const char* const kinds[4] = {"civil", "nautical", "astronomical", "individual"};
  const double altitudes[4] = {-6.0, -12.0, -18.0, static_cast<double>(r.corrected.individual)};
  Json twilights = Json::array();
  for (int i = 0; i < 4; ++i) {
    Json twilight;
    twilight["kind"] = kinds[i];
    twilight["sun_altitude_deg"] = altitudes[i];
    putevents(twilight, local, r.twilights[i], keys);
    twilights.push_back(twilight);
  }
  return twilights;
}

// The JSON form: the inputs as corrected, a row per body, the twilights,
// the day's length (set minus rise of the Sun) and the Moon at local noon.
std::string json(const RisesReport& r, const std::string& zonename) {
  const RisesInputs& c = r.corrected;
  const LocalDay local{{c.year, c.month, c.day}, r.zonehours, static_cast<int>(std::lround(r.zonehours * 3600.0))};
  Json inputs;
  inputs["date"] = isodate(local.date);
  inputs["place"] = jsonplace(latitudeof(c.place), longitudeof(c.place), r.placename);
  inputs["zone"] = jsonzone(local.offsetseconds, zonename);
  inputs["individual_twilight_deg"] = c.individual;
  inputs["precise"] = c.precise != 0;
  inputs["seconds"] = c.seconds != 0;
  Json document = jsondocument("rises", inputs);
  document["bodies"] = Json::array();
  for (const RisesBody& column : r.bodies) document["bodies"].push_back(jsonbody(column, local));
  document["twilights"] = jsontwilights(r, local);
  const DayEventsResult& sun = r.bodies.front().day;
  const bool both = (sun.events & RiseFound) && (sun.events & SetFound);
  const double length = sun.set - sun.rise;
  document["day_length_hours"] = both ? Json(length < 0.0 ? length + 24.0 : length) : Json(nullptr);
  Json moon;
  const std::optional<double> noon = localhours(local.date, r.zonehours, true, 12.0);
  putinstant(moon, "instant", noon, local.offsetseconds);
  moon.update(jsonmoonphase(*noon));
  document["moon"] = moon;
  return jsontext(document);
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  loadconfiguration(state, g);  // places; its language line applies, unless --lang is given
  const Language language = state.language();
  RisesInputs in;
  in.precise = o.flag("precise") ? 1 : 0;
  const CivilDate date =
      in.precise ? o.calendardate("date", g.today, 1000, 3000) : o.calendardate("date", g.today, 1600, 2400);
  in.year = date.year;
  in.month = date.month;
  in.day = date.day;
  in.places = state.configuration.locationTable;
  const PlaceOption place = placeoption(o, in.places, 0);
  if (place.coordinates) {
    in.place = place.place;
    in.explicitplace = 1;
  } else {
    in.positionmode = 1;
    in.locationindex = place.index;
  }
  // The zone of the day: its offset at local noon.
  const ZoneOption zone = zoneoption(o, ZoneSupport::HalfHours, date, {12, 0, 0}, dialogzone(language, date));
  in.zone = zone.zone;
  in.half = zone.half;
  in.individual = static_cast<int>(o.integer("indiv", -4, -30, 30));
  in.seconds = o.flag("seconds") ? 1 : 0;
  if (o.has("planets")) {
    if (!in.precise) throw refusal("planets", "needs --precise (the planets are computed by the full theory)");
    parseplanets(o.requiredtext("planets"), in.planets);
  }
  const RisesReport report = buildrisesreport(in, language);
  return g.format == OutputFormat::json ? json(report, zone.name) : report.text;
}

const std::string usage = std::string(
                              "usage: quendal-report [GLOBAL OPTIONS] rises [--date Y-M-D]\n"
                              "                      [--place N|NAME | --lat LAT --lon LON]\n"
                              "                      [--zone Z [--half-zone] | --tz NAME] [--indiv A]\n"
                              "                      [--precise [--planets NAME,...]] [--seconds]\n"
                              "\n"
                              "  --date Y-M-D      the date, years 1600..2400 (1000..3000 with --precise);\n"
                              "                    default: today\n") +
                          placehelp + zonehelp +
                          "  --indiv A         the Sun's altitude of the individual twilight, -30..30\n"
                          "                    degrees (default -4)\n"
                          "  --precise         positions by the full theory (VSOP87D); shows the planets\n"
                          "  --planets LIST    with --precise: any of mercury, venus, mars, jupiter,\n"
                          "                    saturn, uranus, neptune, pluto, separated by commas\n"
                          "  --seconds         times with seconds\n";

const SubcommandRegistration registration({
    "rises",
    "rise, set, culmination and twilight of Sun, Moon and planets",
    usage.c_str(),
    run,
    false,
    {{"planets", "mercury venus mars jupiter saturn uranus neptune pluto", true}},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
