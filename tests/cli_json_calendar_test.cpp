// The JSON forms of holidays, calendar, moon, distance, dish, day-difference
// and date-shift, and --tz local: one table of command lines whose documents
// must parse and carry their keys, then each compared with its text report
// for the same inputs at the text's precision.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/text.h"
#include "cli_run.h"
#include "support.h"

using nlohmann::json;

namespace {

// The lines of a text without its CR.
std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(testsupport::lf(text));
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

json document(const std::string& args, const std::string& env = "") {
  const clitest::Result r = clitest::run(args, env);
  EXPECT_EQ(r.status, 0) << args << "\n" << r.err;
  EXPECT_EQ(r.out.back(), '\n') << args;
  return json::parse(r.out);
}

std::string text(const std::string& args, const std::string& env = "") {
  const clitest::Result r = clitest::run(args, env);
  EXPECT_EQ(r.status, 0) << args << "\n" << r.err;
  return r.out;
}

// "HH:MM" of the time of an ISO instant "YYYY-MM-DDTHH:MM:SS+hh:mm" rounded
// to the minute as the reports round (24:00 wraps to 00:00).
std::string minute(const json& instant) {
  const std::string t = instant.get<std::string>();
  int h = std::stoi(t.substr(11, 2)), m = std::stoi(t.substr(14, 2));
  if (std::stoi(t.substr(17, 2)) >= 30 && ++m == 60) m = 0, h = (h + 1) % 24;
  char out[8];
  std::snprintf(out, sizeof out, "%02d:%02d", h, m);
  return out;
}

// The number as the reports write it with that many decimals (their own
// rounding).
std::string fixed(const json& value, int decimals) {
  return quendal::formatdecimal(value.get<double>(), 0, 0, decimals);
}

// Each piece in the text, in this order.
void inorder(const std::string& text, const std::vector<std::string>& pieces, const std::string& what) {
  std::size_t at = 0;
  for (const std::string& piece : pieces) {
    at = text.find(piece, at);
    ASSERT_NE(at, std::string::npos) << what << ": " << piece << "\n" << text;
  }
}

struct Case {
  std::string args;                 // with --format json appended
  std::string subcommand;           // the document's
  std::vector<std::string> keys;    // top-level keys besides the header
  std::vector<std::string> inputs;  // keys of inputs
};

const std::vector<Case> cases = {
    {"--today 2024-03-15 holidays --year 2024", "holidays", {"holidays"}, {"year", "language"}},
    {"--today 2024-03-15 calendar --year 2024 --month 3",
     "calendar",
     {"days", "seasons"},
     {"year", "month", "view", "place", "zone", "language"}},
    {"--lang de --today 2024-03-15 calendar --year 2024 --month 10 --view 3",
     "calendar",
     {"days", "seasons"},
     {"year", "month", "view", "place", "zone", "language"}},
    {"--today 2024-03-15 moon --date 2024-03-15 --time 12:00 --zone auto",
     "moon",
     {"jd", "instant", "instant_utc", "moon", "sun", "events"},
     {"date", "time", "zone", "page"}},
    {"moon --date 2024-03-15 --time 12:00 --zone 2 --page 3",
     "moon",
     {"jd", "delta_t_seconds", "events"},
     {"date", "time", "zone", "page"}},
    {"distance --from 48.2,16.37 --to 40:43N,074:00W",
     "distance",
     {"sphere", "ellipsoid", "difference_percent"},
     {"from", "to"}},
    {"dish --satellite 19.2E --lat 48.2 --lon 16.37",
     "dish",
     {"azimuth_deg", "elevation_deg", "elevation_limit_deg", "out_of_range"},
     {"satellite", "place", "azimuth_from"}},
    {"day-difference --from 2024-01-01 --to 2024-03-15",
     "day-difference",
     {"from", "to", "difference"},
     {"from", "to", "reverse", "today"}},
    {"date-shift --date 2024-03-15 --days 100",
     "date-shift",
     {"start", "past", "future", "difference"},
     {"date", "days"}},
};

}  // namespace

TEST(CliJsonCalendar, DocumentsCarryTheirKeys) {
  for (const Case& c : cases) {
    const json d = document(c.args + " --format json");
    EXPECT_EQ(d["format_version"], 1) << c.args;
    EXPECT_EQ(d["subcommand"], c.subcommand) << c.args;
    for (const std::string& key : c.keys) EXPECT_TRUE(d.contains(key)) << c.args << " " << key;
    for (const std::string& key : c.inputs) EXPECT_TRUE(d["inputs"].contains(key)) << c.args << " inputs." << key;
  }
}

// Every row of the year's table in both forms: the text's columns are the
// document's entries; the kinds as the table marks them.
TEST(CliJsonCalendar, HolidaysEqualTheirText) {
  for (const std::string lang : {"en", "de"})
    for (const int year : {1583, 1979, 2024, 9999}) {
      const std::string args = "--lang " + lang + " holidays --year " + std::to_string(year);
      const json d = document(args + " --format json");
      const std::vector<std::string> t = lines(text(args));
      ASSERT_EQ(t.size(), d["holidays"].size() + 1) << args;
      for (std::size_t i = 0; i < d["holidays"].size(); ++i) {
        const json& h = d["holidays"][i];
        const std::string& line = t[i + 1];
        EXPECT_TRUE(
            testsupport::startswith(line, h["date"].get<std::string>() + "  " + h["weekday"].get<std::string>()))
            << line;
        EXPECT_TRUE(testsupport::endswith(line, "  " + h["name"].get<std::string>())) << line;
        EXPECT_EQ(h["name"], lang == "en" ? h["name_en"] : h["name_de"]);
        EXPECT_EQ(h["country"].is_string(), h["kind"] == "national_day") << line;
        if (h["country"].is_string()) {
          EXPECT_NE(line.find(" " + h["country"].get<std::string>() + " "), std::string::npos) << line;
        }
        EXPECT_EQ(h["easter_dependent"], h["easter_offset_days"].is_number()) << line;
        if (h["easter_dependent"] == true) {
          const int offset = h["easter_offset_days"];
          EXPECT_NE(line.find((offset >= 0 ? "  +" : "  ") + std::to_string(offset) + " "), std::string::npos) << line;
        }
      }
    }
  const json d = document("holidays --year 2024 --format json");
  int summer = 0, national = 0;
  for (const json& h : d["holidays"]) {
    summer += h["kind"] == "summer_time_change";
    national += h["kind"] == "national_day";
    if (h["name_en"] == "Easter Sunday") {
      EXPECT_EQ(h["easter_offset_days"], 0);
    }
    if (h["name_en"] == "National Holiday Liechtenstein") {
      EXPECT_EQ(h["country"], "LI");
      EXPECT_EQ(h["date"], "2024-08-15");
    }
  }
  EXPECT_EQ(summer, 2);
  EXPECT_EQ(national, 6);
  EXPECT_EQ(d["holidays"].size(), 33u);  // the next year's block left out
  EXPECT_EQ(clitest::run("holidays --year 1582").status, 2);
  EXPECT_EQ(clitest::run("holidays --year 10000 --format json").status, 2);
  EXPECT_EQ(clitest::run("--format jsonl holidays").status, 2);
}

// --tz local is TZ's zone when TZ is set, else /etc/localtime's; its name is
// the database's.
TEST(CliJsonCalendar, TzLocal) {
  const std::string day = "--today 2024-07-01 dayevents --event 0 --date 2024-07-01 --format json ";
  const json local = document(day + "--tz local", "TZ=America/New_York");
  EXPECT_EQ(local["inputs"]["zone"]["name"], "America/New_York");
  EXPECT_EQ(local["inputs"]["zone"]["offset"], "-04:00");
  EXPECT_EQ(local, document(day + "--tz America/New_York", "TZ=America/New_York"));
  EXPECT_EQ(document(day + "--tz local", "TZ=:/usr/share/zoneinfo/Asia/Kolkata")["inputs"]["zone"]["offset"], "+05:30");
  const std::string rises = "--today 2024-07-01 rises --date 2024-07-01 ";
  EXPECT_EQ(text(rises + "--tz local", "TZ=Europe/Vienna"), text(rises + "--tz Europe/Vienna", "TZ=Europe/Vienna"));
  const clitest::Result bad = clitest::run(day + "--tz local", "TZ=Nowhere/Atlantis");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("--tz: local: TZ=Nowhere/Atlantis"), std::string::npos) << bad.err;
  // Without TZ: the zone /etc/localtime links to.
  std::error_code error;
  const std::filesystem::path link = std::filesystem::read_symlink("/etc/localtime", error);
  if (error) GTEST_SKIP() << "/etc/localtime is not a link";
  const std::string target = link.string();
  const std::string name = target.substr(target.find("zoneinfo/") + 9);
  const json system = document(day + "--tz local", "env -u TZ");
  EXPECT_TRUE(name == system["inputs"]["zone"]["name"] || name == "UTC" || name == "Etc/UTC") << name;
  EXPECT_EQ(system["inputs"]["zone"]["name"], document(day + "--tz " + name)["inputs"]["zone"]["name"]);
}

// The month view's day lines: sun times, phase tags and holiday names; the
// moon-phase view's phases to the second; the holiday view's rows.
TEST(CliJsonCalendar, CalendarEqualsItsText) {
  for (const std::string lang : {"en", "de"}) {
    const std::string args = "--lang " + lang + " calendar --year 2024 --month 3";
    const json d = document(args + " --format json");
    const std::vector<std::string> t = lines(text(args));
    ASSERT_EQ(d["days"].size(), 31u);
    for (const json& day : d["days"]) {
      const int n = day["day_of_year"].get<int>() - 60;
      const std::string& line = t[static_cast<std::size_t>(n)];
      EXPECT_NE(line.find(" " + minute(day["sunrise"]) + "/" + minute(day["sunset"])), std::string::npos) << line;
      for (const json& p : day["moon_phases"])
        EXPECT_NE(line.find("(" + minute(p["instant"]) + ")"), std::string::npos) << line;
      std::string names;
      for (const json& h : day["holidays"]) names += (names.empty() ? " " : " - ") + h["name"].get<std::string>();
      EXPECT_TRUE(testsupport::endswith(line, names)) << line;
    }
    EXPECT_NE(testsupport::lf(text(args)).find(minute(d["seasons"][0]["instant"])), std::string::npos);
  }
  const std::string view3 = "--lang de calendar --year 2024 --month 10 --view 3";
  const json phases = document(view3 + " --format json");
  const std::string t3 = text(view3);
  for (const json& day : phases["days"])
    for (const json& p : day["moon_phases"]) {
      const std::string instant = p["instant"];
      EXPECT_NE(t3.find("(" + instant.substr(11, 8) + ") - (" + (instant.substr(19) == "+02:00" ? "MESZ" : "MEZ")),
                std::string::npos)
          << instant;
    }
  EXPECT_EQ(testsupport::countof(t3, ") - ("), 25);
  std::size_t rows = 0;
  const json holidays = document("calendar --year 2024 --view 2 --format json");
  for (const json& day : holidays["days"]) rows += day["holidays"].size();
  EXPECT_EQ(rows + 1, lines(text("calendar --year 2024 --view 2")).size());
  // Before 1800 no astronomy: null, as the view shows none.
  const json early = document("calendar --year 1700 --month 5 --format json");
  EXPECT_TRUE(early["seasons"].is_null());
  EXPECT_TRUE(early["days"][0]["sunrise"].is_null());
  EXPECT_TRUE(early["days"][0]["moon_phases"].is_null());
  EXPECT_EQ(early["days"][0]["holidays"][0]["name"], "First May");
}

// Page 0: the Moon now at the text's precision and each event's Julian Day,
// local minute and (apsides) distance; the lists of pages 1..6 in order.
TEST(CliJsonCalendar, MoonEqualsItsText) {
  const std::string now = "--today 2024-03-15 moon --date 2024-03-15 --time 12:00 --zone auto";
  const json d = document(now + " --format json");
  const std::string t = testsupport::lf(text(now));
  const json& m = d["moon"];
  const json& sun = d["sun"];
  inorder(
      t,
      {"JD) " + fixed(d["jd"], 5), fixed(m["illuminated_percent"], 2) + " Percent", fixed(m["age_days"], 4) + " Days",
       "Waxing Crescent", std::to_string(std::lround(m["distance_km"].get<double>())) + " km",
       fixed(m["libration_longitude_deg"], 3) + " Degree", fixed(m["libration_latitude_deg"], 3) + " Degree",
       fixed(m["ra_hours"], 1) + " / ", fixed(m["ra_deg"], 1) + "  - ", fixed(m["dec_deg"], 1) + " (Moon)",
       fixed(sun["ra_hours"], 1) + " / ", fixed(sun["ra_deg"], 1) + "  - ", fixed(sun["dec_deg"], 1) + " (Sun)",
       ": " + std::to_string(m["lunation"].get<int>()) + " ",
       fixed(m["magnitude"], 1) + " - Durchmesser: ", fixed(m["diameter_deg"].get<double>() * 60.0, 1) + " '"},
      now);
  EXPECT_EQ(m["phase"], "waxing_crescent");
  std::vector<std::string> events;
  for (const json& e : d["events"]) {
    events.push_back("JD " + fixed(e["jd"], 5) + "\n");
    events.push_back("approx. " + minute(e["instant"]) +
                     (e["instant"].get<std::string>().ends_with("+02:00") ? " CEST" : " CET"));
    if (e.contains("distance_km"))
      events.push_back(std::to_string(std::lround(e["distance_km"].get<double>())) + " km");
  }
  EXPECT_EQ(d["events"][5]["event"], "apogee");
  inorder(t, events, now);

  for (const std::string page : {"1", "2", "3", "4", "5", "6"}) {
    const std::string args = "--lang de moon --date 2024-03-15 --time 12:00 --tz America/New_York --page " + page;
    const json list = document(args + " --format json");
    EXPECT_EQ(list["inputs"]["zone"]["name"], "America/New_York");
    std::vector<std::string> times;
    for (const json& e : list["events"]) times.push_back(" " + minute(e["instant"]) + " ");
    EXPECT_EQ(list["events"].size(), page == "5" ? 5u : page == "6" ? 4u : 20u) << args;
    inorder(text(args), times, args);
    if (page < "5") {
      EXPECT_NE(text(args).find(std::to_string(std::lround(list["delta_t_seconds"].get<double>())) + " Sekunden"),
                std::string::npos);
    }
  }
}

// distance, dish, day-difference and date-shift: every number of the text.
TEST(CliJsonCalendar, ToolsEqualTheirText) {
  const std::string distance = "distance --from 48.2,16.37 --to 40:43N,074:00W";
  const json d = document(distance + " --format json");
  std::vector<std::string> numbers;
  for (const char* unit : {"distance_km", "distance_mi", "distance_nmi"})
    for (const char* model : {"sphere", "ellipsoid"}) numbers.push_back(fixed(d[model][unit], 5));
  numbers.push_back(fixed(d["difference_percent"], 5) + " Percent");
  inorder(text(distance), numbers, distance);
  EXPECT_EQ(d["inputs"]["to"]["longitude_deg"], -74.0);
  EXPECT_TRUE(document("distance --from 1,1 --to 1,1 --format json")["difference_percent"].is_null());

  for (const std::string dish : {"dish --satellite 19.2E --lat 48.2 --lon 16.37",
                                 "dish --satellite 100W --lat 48.2 --lon 16.37 --azimuth-north"}) {
    const json j = document(dish + " --format json");
    const std::string t = text(dish);
    inorder(t, {fixed(j["azimuth_deg"], 2), fixed(j["elevation_deg"], 2)}, dish);
    EXPECT_EQ(j["out_of_range"], t.find("out of Range") != std::string::npos);
    EXPECT_EQ(j["inputs"]["satellite"]["name"].is_null(), t.find(" = Astra 1") == std::string::npos);
  }

  const std::string difference = "--today 2024-03-15 day-difference --from 2023-12-31";
  const json dd = document(difference + " --format json");
  const json& n = dd["difference"];
  inorder(text(difference),
          {"Sun", "Fri", std::to_string(n["days"].get<int>()) + " Days",
           std::to_string(n["hours"].get<int>()) + " Hours", fixed(n["weeks"], 2) + " Weeks",
           fixed(n["months"], 1) + "  Months", fixed(n["years"], 2) + " Years", "the 75th Day"},
          difference);
  EXPECT_EQ(dd["today_day_of_year"], 75);
  EXPECT_TRUE(
      document("day-difference --from 2024-01-01 --to 1500-01-01 --format json")["today_day_of_year"].is_null());

  const std::string shift = "date-shift --date 0100-01-10 --days 100";
  const json s = document(shift + " --format json");
  const std::string st = text(shift);
  EXPECT_TRUE(s["past"].is_null());
  EXPECT_NE(st.find("too far in the Past"), std::string::npos);
  inorder(st,
          {"Julian Date: " + std::to_string(s["start"]["jdn"].get<int>()),
           "Apr. 19th,  100 (jul.) is a " + s["future"]["weekday"].get<std::string>(),
           "Julian Date: " + std::to_string(s["future"]["jdn"].get<int>()), fixed(s["difference"]["weeks"], 2),
           fixed(s["difference"]["months"], 1), fixed(s["difference"]["years"], 2)},
          shift);
  EXPECT_EQ(s["future"]["calendar"], "julian");
}

namespace {

// Names from a configuration file come out as JSON strings with their quotes,
// backslashes and umlauts, whatever the file's encoding (UTF-8 or
// Windows-1252).
TEST(JsonEscaping, NamesOfTheConfigurationFile) {
  const struct {
    const char* file;
    const char* bytes;
  } files[] = {
      {"utf8.ini", "48 N 12   016E 22 Say \"Grüß\" \\ Wien\t\n"},
      {"cp1252.ini", "48 N 12   016E 22 Say \"Gr\xfc\xdf\" \\ Wien\t\n"},
  };
  for (const auto& f : files) {
    const std::string ini = clitest::file(f.file, f.bytes);
    const json d = document("--ini '" + ini + "' --format json dayevents --date 2024-06-21 --zone 2 --event 0");
    EXPECT_EQ(d["inputs"]["place"]["name"], "Say \"Grüß\" \\ Wien") << f.file;
  }
}

}  // namespace
