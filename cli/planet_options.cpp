// The options of the planets and ephemeris subcommands; see planet_options.h.
#include "cli/planet_options.h"

#include <cmath>

#include "calendar/text.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"

namespace quendal::cli {

namespace {

const char* const bodyoptionnames[planetreportbodies + 1] = {"",       "mercury", "venus",   "earth", "mars", "jupiter",
                                                             "saturn", "uranus",  "neptune", "pluto", "sun",  "moon"};

void parsebodies(const std::string& text, PlanetInputs& in) {
  for (bool& b : in.bodies) b = false;
  if (text == "all") {
    for (int i = 1; i <= planetreportbodies; ++i) in.bodies[i] = true;
    return;
  }
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string name = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    int found = 0;
    for (int i = 1; i <= planetreportbodies; ++i)
      if (name == bodyoptionnames[i]) found = i;
    if (found == 0)
      throw refusal("bodies", "'" + name + "' is not a body",
                    "mercury, venus, earth, mars, jupiter, saturn, uranus, neptune, pluto, sun, moon, or all");
    in.bodies[found] = true;
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
}

constexpr double kmperau = 149597870.691;

// The zodiac constellations by zodiacnames' index (1..13), IAU names.
const char* const constellationkeys[14] = {"",       "aries",    "taurus",   "gemini",      "cancer",      "leo",
                                           "virgo",  "libra",    "scorpius", "sagittarius", "capricornus", "aquarius",
                                           "pisces", "ophiuchus"};

// The apparent place's numbers: key and member, in the order written.
struct PlaceNumber {
  const char* key;
  double PlanetPlace::*member;
};
const PlaceNumber placenumbers[] = {
    {"dec_deg", &PlanetPlace::dec},
    {"distance_au", &PlanetPlace::distance},
    {"lambda_deg", &PlanetPlace::lambda},
    {"beta_deg", &PlanetPlace::beta},
    {"azimuth_deg", &PlanetPlace::azimuth},
    {"altitude_deg", &PlanetPlace::altitude},
    {"altitude_refracted_deg", &PlanetPlace::refracted},
    {"elongation_deg", &PlanetPlace::elongation},
    {"illuminated_percent", &PlanetPlace::illuminated},
    {"magnitude", &PlanetPlace::magnitude},
    {"diameter_arcsec", &PlanetPlace::diameter},
};

// The orbit data: heliocentric, geocentric for the Moon; null without.
Json jsonorbit(const PlanetPlace& p) {
  if (!HasValue(p.heliocentric.status)) return nullptr;
  const HeliocentricState& s = p.heliocentric;
  Json orbit;
  orbit["frame"] = p.body == planetreportbodies ? "geocentric" : "heliocentric";
  orbit["longitude_deg"] = s.l;
  orbit["latitude_deg"] = s.b;
  orbit["radius_au"] = s.r;
  orbit["longitude_deg_per_day"] = s.dl;
  orbit["latitude_deg_per_day"] = s.db;
  orbit["radius_au_per_day"] = s.dr;
  return orbit;
}

}  // namespace

int planetzoneseconds(const PlanetReport& r) {
  return static_cast<int>(std::lround(zonedays(r.corrected.zone, r.corrected.halfzone) * 86400.0));
}

Json planetjsoninputs(const PlanetReport& r, const std::string& zonename) {
  const PlanetInputs& in = r.corrected;
  Json inputs;
  inputs["date"] = isodate({in.year, in.month, in.day});
  inputs["time"] = strprintf("%02d:%02d", in.hour, in.minute);
  inputs["place"] = jsonplace(r.latitude, r.longitude, r.placename);
  inputs["zone"] = jsonzone(planetzoneseconds(r), zonename);
  inputs["delta_t_s"] = in.deltat / 10.0;
  inputs["temperature_c"] = in.temperature;
  inputs["pressure_mbar"] = in.pressure;
  inputs["bodies"] = Json::array();
  for (int i = 1; i <= planetreportbodies; ++i)
    if (in.bodies[i]) inputs["bodies"].push_back(bodyoptionnames[i]);
  inputs["azimuth_from"] = in.azimuthnorth ? "north" : "south";
  return inputs;
}

Json planetjsonplace(const PlanetPlace& p, bool details) {
  const bool earth = p.body == 3;
  Json place;
  place["body"] = bodyoptionnames[p.body];
  if (details) place["constellation"] = p.constellation > 0 ? Json(constellationkeys[p.constellation]) : Json(nullptr);
  place["ra_hours"] = earth ? Json(nullptr) : Json(p.ra);
  place["ra_deg"] = earth ? Json(nullptr) : Json(p.ra * 15.0);
  for (const PlaceNumber& n : placenumbers) place[n.key] = earth ? Json(nullptr) : Json(p.*n.member);
  place["distance_km"] = earth ? Json(nullptr) : Json(p.distance * kmperau);
  place["above_horizon"] = earth ? Json(nullptr) : Json(p.refracted > 0.0);
  if (details) place["orbit"] = jsonorbit(p);
  return place;
}

std::string planetoptionshelp() {
  return std::string(
             "  --date Y-M-D         the date, years 1000..3000; default: today\n"
             "  --time HH:MM         the local time; default: now\n") +
         zonehelp + placehelp +
         "  --delta-t TENTHS     delta T in tenths of a second, -9999..99999\n"
         "                       (default: computed)\n"
         "  --temp C             temperature for the refraction, -99..200 (default 10)\n"
         "  --pressure MBAR      air pressure for the refraction, 0..3000 (default 1015)\n"
         "  --bodies LIST|all    comma-separated: mercury, venus, earth, mars, jupiter,\n"
         "                       saturn, uranus, neptune, pluto, sun, moon\n"
         "                       (default: all but the Earth)\n"
         "  --orbit              heliocentric orbit data\n"
         "  --radec              right ascension, declination, distance\n"
         "  --altaz              azimuth and altitude\n"
         "  --magnitude          elongation, illumination, magnitude, diameter\n"
         "                       (without any of these four: --radec --altaz --magnitude)\n"
         "  --visible-only       only bodies above the horizon\n"
         "  --azimuth-north      count the azimuth from north instead of south\n"
         "  --dms                angles in degrees, minutes and seconds\n"
         "  --details            coordinates, sidereal time, obliquity, nutation, refraction\n";
}

PlanetInputs planetinputs(ApplicationState& state, const GlobalOptions& g, Options& o, std::string& zonename) {
  PlanetInputs in;
  const auto [date, time] = datetimeoption(o, g, 1000, 3000, in);
  in.deltaTPending = o.has("delta-t");
  in.deltat = static_cast<int>(o.integer("delta-t", 0, -9999, 99999));
  in.temperature = static_cast<int>(o.integer("temp", 10, -99, 200));
  in.pressure = static_cast<int>(o.integer("pressure", 1015, 0, 3000));
  if (o.has("bodies")) parsebodies(o.requiredtext("bodies"), in);
  in.orbit = o.flag("orbit");
  in.radec = o.flag("radec");
  in.altaz = o.flag("altaz");
  in.magnitude = o.flag("magnitude");
  if (!in.orbit && !in.radec && !in.altaz && !in.magnitude) in.radec = in.altaz = in.magnitude = true;
  in.visibleonly = o.flag("visible-only");
  in.azimuthnorth = o.flag("azimuth-north");
  in.sexagesimal = o.flag("dms");
  in.details = o.flag("details");
  loadconfiguration(state, g);
  const ZoneOption zone = zoneoption(o, ZoneSupport::HalfHours, date, time, dialogzone(state.language(), date));
  in.zone = zone.zone;
  in.halfzone = zone.half;
  zonename = zone.name;
  const PlaceOption place = placeoption(o, state.configuration.locationTable);
  in.place = place.place;
  in.placeindex = place.index;
  in.explicitplace = place.coordinates;
  in.places = state.configuration.locationTable;
  in.zodiacEnabled = state.zodiacEnabled;
  return in;
}

PlanetReport runplanettext(PlanetReport (*build)(const PlanetInputs&, Language), PlanetInputs in, Language language) {
  PlanetReport r = build(in, language);
  if (r.deltatcomputed) {
    // The dialog writes delta T into its field, which runs the report again
    // with the delta T hand-shake's flag as the report handed it back.
    in.deltat = r.corrected.deltat;
    in.deltaTPending = r.corrected.deltaTPending;
    r = build(in, language);
  }
  return r;
}

}  // namespace quendal::cli
