// The JSON documents of events, rises, sidereal, position, planets,
// ephemeris and eot against their text reports: one table of command lines,
// each run as text (--lang en) and with --format json. The document must
// parse and hold the documented keys; the numbers, clock times and "none"
// marks of the text, in their order, must be the document's values rounded
// the text's way (null for none). Then the JSON lines of events: the same
// objects, printed as they are found.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "support.h"

using clitest::run;
using Json = nlohmann::json;

namespace {

struct Case {
  std::string args;
  std::string keys;     // pointers the document holds
  std::string numbers;  // a pointer per token of the text ("-" skips one; "*F" scales; "..." ends early)
  std::string nulls;    // pointers whose value is null
  std::string strings;  // "pointer=value" pairs
  std::string marker;   // the text's lines holding it ...
  std::string array;    // ... one per element of this array
};

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> all;
  for (std::string w; in >> w;) all.push_back(w);
  return all;
}

// prefix + each of the names: "/bodies/0/" "rise set".
std::string each(const std::string& prefix, const std::string& names) {
  std::string all;
  for (const std::string& n : words(names)) all.append(" ").append(prefix).append(n);
  return all;
}

const std::string radians = "*0.017453292519943295";

// The orbit lines of the planet report: longitude, latitude, radius, each
// with its rate per day, in radians and degrees or in AU and km (km: the
// factor of the kilometre unit).
std::string orbit(const std::string& body, const std::string& km) {
  std::string all;
  for (const std::string name : {"longitude_deg", "latitude_deg", "radius_au"}) {
    for (const std::string& q : {name, name + "_per_day"}) {
      const std::string pointer = std::string(" ").append(body).append("orbit/").append(q);
      const bool radius = name == "radius_au";
      all.append(pointer).append(radius ? "" : radians).append(pointer).append(radius ? km : "");
    }
  }
  return all;
}

// "HH:MM[:SS]" in seconds of the day.
int clockseconds(const std::string& t) {
  return std::atoi(t.c_str()) * 3600 + std::atoi(t.c_str() + 3) * 60 + (t.size() > 5 ? std::atoi(t.c_str() + 6) : 0);
}

// The text's token against the document's value at spec.
void expecttoken(const Json& doc, const std::string& token, const std::string& spec) {
  const std::size_t star = spec.find('*');
  const Json::json_pointer pointer(spec.substr(0, star));
  ASSERT_TRUE(doc.contains(pointer)) << spec;
  const Json& value = doc.at(pointer);
  if (token[0] == '-' && (token[1] == '-' || token.size() == 1)) {
    EXPECT_TRUE(value.is_null()) << spec << " is " << value << ", the text says " << token;
  } else if (token.find(':') != std::string::npos) {
    ASSERT_TRUE(value.is_string()) << spec;
    // The text rounds or cuts to its last digit, the document to the second.
    int apart = std::abs(clockseconds(value.get<std::string>().substr(11, 8)) - clockseconds(token));
    apart = std::min(apart, 86400 - apart);
    EXPECT_LE(apart, token.size() > 5 ? 1 : 60) << spec << " " << value << " text " << token;
  } else {
    ASSERT_TRUE(value.is_number()) << spec << " is " << value << ", the text says " << token;
    const double expected = value.get<double>() * (star == std::string::npos ? 1.0 : std::stod(spec.substr(star + 1)));
    // The reports round to one more digit first (4.348 shows as 4.4): up to
    // 0.552 units of the last digit.
    const int decimals = static_cast<int>(token.size() - token.find('.') - 1);
    EXPECT_LE(std::fabs(std::stod(token) - expected), 0.553 * std::pow(10.0, -decimals) + 1e-15 * std::fabs(expected))
        << spec << " " << expected << " text " << token;
  }
}

// The text's clock times, decimal numbers and none marks in order.
std::vector<std::string> tokens(const std::string& text) {
  static const std::regex token(R"((\d\d:\d\d(?::\d\d)?)|(-?\d+\.\d+)|(-{4,}|--:--(?::--)?))");
  std::vector<std::string> all;
  for (std::sregex_iterator i(text.begin(), text.end(), token), end; i != end; ++i) all.push_back(i->str());
  return all;
}

const std::string place = " --lat 48.2 --lon 16.37 --zone 1";
const std::string instant = " --date 2024-03-15 --time 21:30" + place;
const std::string header = "/format_version /subcommand /inputs/zone/offset /inputs/zone/name";

const Case cases[] = {
    {"events --what apsides --from 2024-02-01 --to 2024-02-29",
     header + " /inputs/what /inputs/from /inputs/to" +
         each("/events/0/", "instant instant_utc jd_ut kind distance_km"),
     "/events/0/instant_utc /events/0/distance_km /events/1/instant_utc /events/1/distance_km", "",
     "/events/0/kind=perigee /events/1/kind=apogee", "Z,", "/events"},
    {"events --what phases --from 2024-02-01 --to 2024-02-29", header,
     each("/events/", "0/instant 1/instant 2/instant 3/instant"), "/events/0/distance_km",
     "/events/0/kind=last /events/1/kind=new", "Z,", "/events"},
    {"rises --date 2024-03-15" + place,
     header + " /inputs/date /inputs/place/latitude_deg /inputs/individual_twilight_deg /day_length_hours" +
         each("/moon/", "instant illuminated_percent phase") + each("/twilights/0/", "kind sun_altitude_deg all_day"),
     "/inputs/place/latitude_deg /inputs/place/longitude_deg" + each("/bodies/", "0/rise 0/set 1/rise 1/set") +
         each("/bodies/", "0/culmination 0/max_altitude_deg 1/culmination 1/max_altitude_deg") +
         each("/twilights/", "0/dawn 0/dusk 1/dawn 1/dusk 2/dawn 2/dusk 3/dawn 3/dusk") + " /moon/illuminated_percent",
     "/bodies/0/all_day", "/bodies/1/body=moon /moon/phase=waxing_crescent"},
    {"rises --date 2024-12-21 --lat 78.2 --lon 16.37 --zone 1 --seconds --precise --planets mars,saturn", header,
     "/inputs/place/latitude_deg /inputs/place/longitude_deg" + each("/bodies/", "1/rise 1/set 3/rise 3/set") +
         each("/bodies/", "0/culmination 0/max_altitude_deg 1/culmination 1/max_altitude_deg 2/culmination") +
         each("/bodies/", "2/max_altitude_deg 3/culmination 3/max_altitude_deg") +
         each("/twilights/", "1/dawn 1/dusk 2/dawn 2/dusk") + " /moon/illuminated_percent",
     "/bodies/0/rise /bodies/0/set /bodies/2/rise /bodies/2/set /twilights/0/dusk /twilights/3/dawn /day_length_hours",
     "/bodies/0/all_day=below /bodies/2/all_day=above /bodies/2/body=mars /twilights/0/all_day=dark"},
    {"sidereal --azimuth-north" + instant, header + " /inputs/time /inputs/azimuth_from /instant_utc",
     "/inputs/place/latitude_deg /inputs/place/longitude_deg /jd_ut /inputs/place/longitude_deg /instant" +
         each("/", "mean_sidereal_time_hours apparent_sidereal_time_hours") + each("/sun/", "ra_hours ra_deg dec_deg") +
         each("/moon/", "ra_hours ra_deg dec_deg") + each("/sun/", "azimuth_deg altitude_deg altitude_refracted_deg") +
         each("/moon/", "azimuth_deg altitude_deg altitude_refracted_deg") + " /instant /moon/illuminated_percent",
     "", "/inputs/azimuth_from=north /moon/phase=waxing_crescent"},
    {"position --body saturn --date 2024-03-15 --time 21:30:15", header + " /inputs/body /inputs/time_scale /ra_deg",
     each("/", "jd_ut jde ra_hours dec_deg distance_au lambda_deg beta_deg elongation_deg illuminated_percent") +
         each("/", "magnitude diameter_arcsec helio_l_deg helio_b_deg helio_r_au"),
     "", "/inputs/time_scale=ut /instant_utc=2024-03-15T21:30:15Z"},
    {"position --body moon --date 2024-03-15 --time 21:30:15 --tt", header,
     each("/", "jd_ut jde ra_hours dec_deg distance_au lambda_deg beta_deg elongation_deg illuminated_percent") +
         each("/", "magnitude diameter_arcsec"),
     "/helio_l_deg /helio_b_deg /helio_r_au", "/inputs/time_scale=tt"},
    {"planets --bodies earth,mars,moon --orbit --radec --altaz --magnitude --details" + instant,
     header + " /inputs/delta_t_s /inputs/bodies /bodies/2/constellation /bodies/2/distance_km /bodies/2/above_horizon",
     "/instant /jd_ut /inputs/place/latitude_deg /inputs/place/longitude_deg" +
         each("/", "mean_sidereal_time_hours apparent_sidereal_time_hours true_obliquity_deg") +
         each("/", "nutation_obliquity_arcsec nutation_longitude_arcsec") + " - -" + each("/", "jde inputs/delta_t_s") +
         orbit("/bodies/0/", "*149.597870691") + each("/bodies/1/", "lambda_deg beta_deg") +
         orbit("/bodies/1/", "*149.597870691") + each("/bodies/1/", "ra_hours ra_deg dec_deg distance_au") +
         " /bodies/1/distance_km*1e-6" +
         each("/bodies/1/", "azimuth_deg altitude_deg altitude_refracted_deg elongation_deg illuminated_percent") +
         each("/bodies/1/", "magnitude diameter_arcsec") + each("/bodies/2/", "lambda_deg beta_deg") +
         orbit("/bodies/2/", "*149597.870691") + each("/bodies/2/", "ra_hours ra_deg dec_deg distance_au") +
         " /bodies/2/distance_km*0.001" +
         each("/bodies/2/", "azimuth_deg altitude_deg altitude_refracted_deg elongation_deg illuminated_percent") +
         " /bodies/2/magnitude /bodies/2/diameter_arcsec*0.016666666666666666 /instant /moon/illuminated_percent",
     "/bodies/0/ra_hours /bodies/0/constellation", "/bodies/0/body=earth /bodies/1/constellation=capricornus"},
    {"ephemeris --bodies mars,moon --step 60" + instant,
     header + " /inputs/step_minutes" + each("/steps/0/", "instant instant_utc jd_ut jde sun_altitude_refracted_deg"),
     "/inputs/step_minutes*0.016666666666666666 - /steps/0/instant" +
         each("/steps/0/bodies/0/", "magnitude elongation_deg illuminated_percent azimuth_deg altitude_deg") +
         " /steps/0/bodies/0/diameter_arcsec /steps/0/sun_altitude_refracted_deg /steps/0/instant" +
         each("/steps/0/bodies/1/", "magnitude elongation_deg illuminated_percent azimuth_deg altitude_deg") +
         " /steps/0/bodies/1/altitude_refracted_deg /steps/0/bodies/1/diameter_arcsec*0.016666666666666666" +
         " /steps/0/sun_altitude_refracted_deg /steps/1/instant ...",
     "", "/steps/0/bodies/0/body=mars", " Mars ", "/steps"},
    {"eot --date 2024-03-15 --zone 1 --mode list --step 5", header + " /inputs/mode /inputs/step_quarter_hours",
     each("/values/0/", "jd_ut instant eot_minutes") + each("/values/1/", "jd_ut instant eot_minutes") + " ...", "",
     "/inputs/mode=list", " JD ", "/values"},
    {"eot --date 2024-03-15 --zone 1 --mode statistics", header + " /samples /sample_step_minutes",
     each("/", "start/jd_ut start/instant end/jd_ut end/instant") + each("/minimum/", "jd_ut instant eot_minutes") +
         each("/maximum/", "jd_ut instant eot_minutes") + " /mean_minutes",
     "", "/inputs/mode=statistics"},
    {"eot --date 2024-03-15 --zone 1 --mode year", header,
     each("/turning_points/0/", "jd_ut instant eot_minutes") + each("/turning_points/1/", "jd_ut instant eot_minutes") +
         " ...",
     "", "/turning_points/0/kind=great_minimum /turning_points/7/kind=fourth_zero_crossing", " JD ", "/turning_points"},
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.args; }

std::vector<std::string> lines(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> all;
  for (std::string line; std::getline(in, line);) all.push_back(line);
  return all;
}

class CliJsonAstro : public testing::TestWithParam<Case> {};

TEST_P(CliJsonAstro, DocumentMatchesText) {
  const Case& c = GetParam();
  const clitest::Result text = run("--lang en " + c.args), json = run("--format json " + c.args);
  ASSERT_EQ(text.status, 0) << text.err;
  ASSERT_EQ(json.status, 0) << json.err;
  const Json doc = Json::parse(json.out);
  EXPECT_EQ(doc["format_version"], 1);
  EXPECT_EQ(doc["subcommand"], c.args.substr(0, c.args.find(' ')));
  for (const std::string& key : words(c.keys)) EXPECT_TRUE(doc.contains(Json::json_pointer(key))) << key;
  for (const std::string& key : words(c.nulls)) EXPECT_TRUE(doc.at(Json::json_pointer(key)).is_null()) << key;
  for (const std::string& pair : words(c.strings)) {
    const std::size_t equals = pair.find('=');
    EXPECT_EQ(doc.at(Json::json_pointer(pair.substr(0, equals))), pair.substr(equals + 1)) << pair;
  }
  std::vector<std::string> specs = words(c.numbers);
  const std::vector<std::string> found = tokens(text.out);
  const bool early = !specs.empty() && specs.back() == "...";
  if (early) specs.pop_back();
  ASSERT_TRUE(early ? found.size() >= specs.size() : found.size() == specs.size())
      << found.size() << " tokens in the text, " << specs.size() << " expected:\n"
      << text.out;
  for (std::size_t i = 0; i < specs.size(); ++i)
    if (specs[i] != "-") expecttoken(doc, found[i], specs[i]);
  if (!c.marker.empty()) {
    EXPECT_EQ(doc.at(Json::json_pointer(c.array)).size(), testsupport::countof(text.out, c.marker)) << c.marker;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, CliJsonAstro, testing::ValuesIn(cases));

// The JSON lines are the document's events, in the text's order.
TEST(CliJsonAstroEvents, LinesAreTheDocumentsEvents) {
  const std::string args = "events --what eclipses --from 2024-01-01 --to 2025-12-31";
  const std::vector<std::string> text = lines(run(args).out);
  const Json doc = Json::parse(run("--format json " + args).out);
  const std::vector<std::string> objects = lines(run("--format jsonl " + args).out);
  ASSERT_EQ(objects.size(), text.size());
  ASSERT_EQ(doc["events"].size(), text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Json object = Json::parse(objects[i]);
    EXPECT_EQ(object, doc["events"][i]);
    EXPECT_EQ(object["kind"], text[i].substr(text[i].find(',') + 1));
    EXPECT_EQ(object["instant_utc"].get<std::string>().substr(0, 16), text[i].substr(0, 16));
  }
}

// A range of ten millennia takes a minute or more; its first objects are
// there at once, each a line of its own.
TEST(CliJsonAstroEvents, JsonLinesStream) {
  const auto start = std::chrono::steady_clock::now();
  const clitest::Result r = run("--format jsonl events --what apsides --from 100-01-01 --to 9999-12-31 | head -n 3");
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const std::vector<std::string> objects = lines(r.out);
  ASSERT_EQ(objects.size(), 3u) << r.out;
  for (const std::string& line : objects) {
    const Json object = Json::parse(line);
    EXPECT_EQ(object["instant_utc"].get<std::string>().substr(0, 5), "0100-");
    EXPECT_TRUE(object["distance_km"].is_number());
  }
  EXPECT_LT(seconds, 5.0);
}

}  // namespace
