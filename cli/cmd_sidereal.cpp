// quendal-report sidereal: local mean and apparent sidereal time with the
// places of the Sun and the Moon.
#include <cmath>

#include "calendar/text.h"
#include "cli/astro_json.h"
#include "cli/cli.h"
#include "cli/json_output.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/sidereal_report.h"

namespace quendal::cli {
namespace {

Json jsonbody(const SiderealBody& body) {
  Json object;
  putequatorial(object, body.ra, body.dec);
  object["azimuth_deg"] = body.azimuth;
  object["altitude_deg"] = body.altitude;
  object["altitude_refracted_deg"] = body.refracted;
  return object;
}

// The JSON form: the inputs as corrected, the instant, both sidereal times
// and the places of the Sun and the Moon (with the Moon's phase).
std::string json(const SiderealReport& r, const std::string& zonename) {
  const SiderealInputs& in = r.corrected;
  const int offset = static_cast<int>(std::lround(zonedays(in.zone, in.halfzone) * 86400.0));
  Json inputs;
  inputs["date"] = isodate({in.year, in.month, in.day});
  inputs["time"] = strprintf("%02d:%02d", in.hour, in.minute);
  inputs["place"] = jsonplace(latitudeof(in.place), longitudeof(in.place), r.placename);
  inputs["zone"] = jsonzone(offset, zonename);
  inputs["azimuth_from"] = in.azimuthnorth ? "north" : "south";
  Json document = jsondocument("sidereal", inputs);
  putinstant(document, "instant", r.jd, offset);
  document["jd_ut"] = r.jd;
  document["mean_sidereal_time_hours"] = r.meansiderealtime;
  document["apparent_sidereal_time_hours"] = r.apparentsiderealtime;
  document["sun"] = jsonbody(r.sun);
  document["moon"] = jsonbody(r.moon);
  document["moon"].update(jsonmoonphase(r.jd));
  return jsontext(document);
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  SiderealInputs in;
  const auto [date, time] = datetimeoption(o, g, 1000, 3000, in);
  in.azimuthnorth = o.flag("azimuth-north") ? 1 : 0;
  loadconfiguration(state, g);
  const ZoneOption zone = zoneoption(o, ZoneSupport::HalfHours, date, time, dialogzone(state.language(), date));
  in.zone = zone.zone;
  in.halfzone = zone.half;
  const PlaceOption place = placeoption(o, state.configuration.locationTable);
  in.place = place.place;
  in.placeindex = place.index;
  in.explicitplace = place.coordinates ? 1 : 0;
  in.places = state.configuration.locationTable;
  const SiderealReport report = buildsiderealreport(in, state.language());
  return g.format == OutputFormat::json ? json(report, zone.name) : report.text;
}

const std::string usage = std::string(
                              "usage: quendal-report [GLOBAL OPTIONS] sidereal [--date Y-M-D] [--time HH:MM]\n"
                              "                      [--zone Z [--half-zone] | --tz NAME]\n"
                              "                      [--place N|NAME | --lat LAT --lon LON] [--azimuth-north]\n"
                              "\n"
                              "  --date Y-M-D      the date, years 1000..3000; default: today\n"
                              "  --time HH:MM      the local time; default: now\n") +
                          zonehelp + placehelp + "  --azimuth-north   count the azimuth from north instead of south\n";

const SubcommandRegistration registration({
    "sidereal",
    "local mean and apparent sidereal time, Sun and Moon",
    usage.c_str(),
    run,
    false,
    {},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
