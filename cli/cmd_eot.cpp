// quendal-report eot: the equation of time as a list, as statistics of an
// interval, or as the turning points of a year.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/json_output.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/eot_report.h"

namespace quendal::cli {
namespace {

int modeoption(Options& o) {
  const std::string mode = o.requiredtext("mode");
  if (mode == "list") return eotlist;
  if (mode == "statistics") return eotstatistics;
  if (mode == "year") return eotyear;
  throw refusal("mode", "'" + mode + "' is not a mode", "list, statistics, year");
}

// An instant, local and UTC, with its JD (UT).
Json jsoninstant(double jd, int offset) {
  Json value;
  putinstant(value, "instant", jd, offset);
  value["jd_ut"] = jd;
  return value;
}

// An instant with the equation of time there, minutes.
Json jsonvalue(const EotValue& v, int offset) {
  Json value = jsoninstant(v.jd, offset);
  value["eot_minutes"] = v.minutes;
  return value;
}

// The JSON form of each mode: the list's values, the statistics, or the
// year's turning points with their kind.
std::string json(const EquationOfTimeReport& r, const std::string& zonename) {
  static const char* const modes[3] = {"list", "statistics", "year"};
  static const char* const kinds[eotyeareventcount] = {
      "great_minimum",  "first_zero_crossing", "little_maximum", "second_zero_crossing",
      "little_minimum", "third_zero_crossing", "great_maximum",  "fourth_zero_crossing"};
  const EquationOfTimeInputs& in = r.corrected;
  const int offset = in.zone * 3600;
  Json inputs;
  inputs["mode"] = modes[in.mode];
  inputs["date"] = isodate({in.year, in.month, in.day});
  inputs["hour"] = in.hour;
  inputs["zone"] = jsonzone(offset, zonename);
  inputs["step_quarter_hours"] = in.step;
  Json document = jsondocument("eot", inputs);
  if (in.mode == eotstatistics) {
    document["start"] = jsoninstant(r.start, offset);
    document["end"] = jsoninstant(r.end, offset);
    document["samples"] = r.evaluations;
    document["sample_step_minutes"] = 5;
    document["minimum"] = jsonvalue(r.minimum, offset);
    document["maximum"] = jsonvalue(r.maximum, offset);
    document["mean_minutes"] = r.mean;
    return jsontext(document);
  }
  Json values = Json::array();
  for (std::size_t i = 0; i < r.values.size(); ++i) {
    Json value = in.mode == eotyear ? Json{{"kind", kinds[i]}} : Json::object();
    value.update(jsonvalue(r.values[i], offset));
    values.push_back(value);
  }
  document[in.mode == eotyear ? "turning_points" : "values"] = values;
  return jsontext(document);
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  const CivilDate date = o.calendardate("date", g.today, 1000, 4000);
  EquationOfTimeInputs in;
  in.year = date.year;
  in.month = date.month;
  in.day = date.day;
  in.hour = static_cast<int>(o.integer("hour", 12, 0, 23));
  const ZoneOption zone = zoneoption(o, ZoneSupport::WholeHours, date, {in.hour, 0, 0}, 0);
  in.zone = zone.zone;
  in.step = static_cast<int>(o.integer("step", 12, 1, 9999));
  in.mode = modeoption(o);
  loadconfiguration(state, g);
  const EquationOfTimeReport report = buildequationoftimereport(in, state.language());
  return g.format == OutputFormat::json ? json(report, zone.name) : report.text;
}

const SubcommandRegistration registration({
    "eot",
    "the equation of time: list, statistics or the turning points of a year",
    "usage: quendal-report [GLOBAL OPTIONS] eot [--date Y-M-D] [--hour H] [--zone Z | --tz NAME]\n"
    "                      [--step QUARTER_HOURS] --mode list|statistics|year\n"
    "\n"
    "  --date Y-M-D      the first instant's date, years 1000..4000; default: today\n"
    "  --hour H          its local hour, 0..23 (default 12)\n"
    "  --zone Z          whole hours east of UTC, -12..12, or auto (default 0)\n"
    "  --tz NAME         an IANA time zone, or local (the system's): its offset at\n"
    "                    the date and hour\n"
    "  --step N          the list step in quarter hours, 1..9999 (default 12)\n"
    "  --mode list       30 values, one every step\n"
    "  --mode statistics minimum, maximum and mean of the 29 steps, sampled every\n"
    "                    5 minutes (step 1209: one tropical year)\n"
    "  --mode year       the eight turning points of the date's year\n",
    run,
    false,
    {{"mode", "list statistics year"}},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
