// quendal-report dish: the pointing of a satellite dish at a geostationary
// satellite.
#include "astro/geodesy.h"
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/json_output.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/dish_report.h"

namespace quendal::cli {
namespace {

// "D" or "D.T" followed by E, O or W: whole degrees 0..180 and tenths.
void parsesatellite(const std::string& text, DishInputs& in) {
  const std::string valid = "0.0..180.0 degrees with one decimal, followed by E or W, e.g. 19.2E";
  const auto fail = [&]() { return refusal("satellite", "'" + text + "' is not an orbital position", valid); };
  if (text.size() < 2) throw fail();
  char letter = text.back();
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  if (letter != 'E' && letter != 'O' && letter != 'W') throw fail();
  const std::string number = text.substr(0, text.size() - 1);
  const std::size_t point = number.find('.');
  const std::string whole = number.substr(0, point);
  const std::string tenth = point == std::string::npos ? "0" : number.substr(point + 1);
  if (whole.empty() || whole.size() > 3 || tenth.size() != 1) throw fail();
  for (char c : whole + tenth)
    if (c < '0' || c > '9') throw fail();
  in.satellitedegrees = std::stoi(whole);
  in.satellitetenths = tenth[0] - '0';
  in.satelliteeast = letter == 'W' ? 0 : 1;
  if (in.satellitedegrees * 10 + in.satellitetenths > 1800)
    throw refusal("satellite", text + " is out of range", valid);
}

// The JSON form: the satellite's position (east positive) and name, the
// place, the azimuth (from south, or north) and elevation.
std::string json(const DishReport& r) {
  const DishInputs& c = r.corrected;
  const double position = (c.satellitedegrees * 10 + c.satellitetenths) / 10.0;
  Json satellite;
  satellite["longitude_deg"] = c.satelliteeast ? position : -position;
  satellite["name"] = *r.satellite != '\0' ? Json(r.satellite) : Json(nullptr);
  Json inputs;
  inputs["satellite"] = satellite;
  inputs["place"] = jsonplace(latitudeof(c.place), longitudeof(c.place), r.placename);
  inputs["azimuth_from"] = c.azimuthnorth ? "north" : "south";
  Json document = jsondocument("dish", inputs);
  document["azimuth_deg"] = r.azimuth;
  document["elevation_deg"] = r.elevation;
  document["elevation_limit_deg"] = DishElevationLimit;
  document["out_of_range"] = r.outofrange;
  return jsontext(document);
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  DishInputs in;
  parsesatellite(o.requiredtext("satellite"), in);
  in.azimuthnorth = o.flag("azimuth-north") ? 1 : 0;
  loadconfiguration(state, g);
  const PlaceOption place = placeoption(o, state.configuration.locationTable);
  in.place = place.place;
  in.placeindex = place.index;
  in.explicitplace = place.coordinates ? 1 : 0;
  in.places = state.configuration.locationTable;
  const DishReport report = builddishreport(in, state.language());
  return g.format == OutputFormat::json ? json(report) : report.text;
}

const std::string usage = std::string(
                              "usage: quendal-report [GLOBAL OPTIONS] dish --satellite D.T(E|W)\n"
                              "                      [--place N|NAME | --lat LAT --lon LON] [--azimuth-north]\n"
                              "\n"
                              "  --satellite D.T(E|W)  the satellite's orbital position, 0.0..180.0 degrees\n"
                              "                    east or west, e.g. 19.2E (Astra 1)\n") +
                          placehelp + "  --azimuth-north   count the azimuth from north instead of south\n";

const SubcommandRegistration registration({
    "dish",
    "the pointing of a satellite dish at a geostationary satellite",
    usage.c_str(),
    run,
    false,
    {},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
