// The option parsers of quendal-report, in process: options and values,
// coordinates, configured places, zones and IANA time zones.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/place_options.h"
#include "cli/time_zone.h"
#include "support.h"

namespace quendal::cli {
namespace {

Options options(std::vector<std::string> args) { return Options("test", std::move(args)); }

// The message of the usage error f throws, or "" when it throws none.
template <typename F>
std::string refusalof(F f) {
  try {
    f();
  } catch (const UsageError& e) {
    return e.what();
  }
  return "";
}

TEST(CliOptions, ValuesFlagsAndLeftovers) {
  Options o = options({"--year", "-5", "--page=3", "--seconds", "--zone", "--tz", "x"});
  EXPECT_EQ(o.integer("year", 0), -5);  // a negative number is a value
  EXPECT_EQ(o.integer("page", 0, 0, 12), 3);
  EXPECT_TRUE(o.flag("seconds"));
  EXPECT_EQ(refusalof([&] { o.requiredtext("zone"); }), "--zone: needs a value");
  EXPECT_EQ(refusalof([&] { o.finish(); }), "--zone: not used with the other options given (see quendal-report test --help)");
  EXPECT_EQ(o.text("tz", ""), "x");
  EXPECT_EQ(refusalof([&] { options({"--a", "1", "--a", "2"}); }), "--a: given twice");
  EXPECT_EQ(refusalof([&] { options({"2024"}); }).rfind("'2024': unexpected argument", 0), 0u);
  Options range = options({"--page", "13", "--flag=1"});
  EXPECT_EQ(refusalof([&] { range.integer("page", 0, 0, 12); }), "--page: 13 is out of range (valid: 0..12)");
  EXPECT_EQ(refusalof([&] { range.flag("flag"); }), "--flag: takes no value ('1' given)");
  EXPECT_EQ(refusalof([&] { range.requiredinteger("year"); }), "--year: missing (see quendal-report test --help)");
  EXPECT_EQ(optionnames("x --date Y-M-D [--zone Z|auto] -- --- --half-zone, --a2"),
            (std::vector<std::string>{"date", "zone", "half-zone", "a2"}));
}

TEST(CliOptions, DatesAndTimes) {
  EXPECT_EQ(parsedate("d", "-44-3-15").year, -44);
  for (const char* bad : {"2024-3", "2024-03-15-1", "2024-+3-15", "2024-3-x", "", "2024--3-15"})
    EXPECT_NE(refusalof([&] { parsedate("d", bad); }), "") << bad;
  EXPECT_EQ(parsetime("t", "7:05:09").second, 9);
  for (const char* bad : {"12", "24:00", "12:60", "12:00:60", "1:2:3:4", "+1:00", "12:"})
    EXPECT_NE(refusalof([&] { parsetime("t", bad); }), "") << bad;
  EXPECT_EQ(refusalof([] { checkcalendardate("d", {1700, 2, 29}, 100, 9999); }),
            "--d: 1700-02-29 is not a date of the calendar (valid: dates of the years 100..9999)");
  EXPECT_EQ(refusalof([] { checkcalendardate("d", {1500, 2, 29}, 100, 9999); }), "");  // Julian leap year
}

// The rows of one kind of tests/data/cli_options.txt, as words.
std::vector<std::vector<std::string>> rows(const std::string& kind) {
  std::vector<std::vector<std::string>> all;
  std::istringstream in(testsupport::readfile(std::string(QUENDAL_SOURCE_DIR) + "/tests/data/cli_options.txt"));
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::vector<std::string> row;
    for (std::string w; words >> w;) row.push_back(w);
    if (!row.empty() && row[0] == kind) all.emplace_back(row.begin() + 1, row.end());
  }
  EXPECT_FALSE(all.empty()) << kind;
  return all;
}

TEST(CliOptions, Coordinates) {
  for (const auto& r : rows("coordinate")) {  // text, lat|lon, degrees minutes seconds positive or "refused"
    GeoPlace p;
    const bool latitude = r[1] == "lat";
    const std::string message = refusalof([&] { latitude ? parselatitude("lat", r[0], p) : parselongitude("lon", r[0], p); });
    if (r[2] == "refused") {
      EXPECT_NE(message, "") << r[0];
      continue;
    }
    ASSERT_EQ(message, "") << r[0];
    const std::vector<int> got = latitude ? std::vector{p.latitudedegrees, p.latitudeminutes, p.latitudeseconds, p.north}
                                          : std::vector{p.longitudedegrees, p.longitudeminutes, p.longitudeseconds, p.east};
    EXPECT_EQ(got, (std::vector{std::stoi(r[2]), std::stoi(r[3]), std::stoi(r[4]), std::stoi(r[5])})) << r[0];
  }
  const GeoPlace point = parsepoint("from", "-33.5,151:12E");
  EXPECT_EQ(point.north, 0);
  EXPECT_EQ(point.longitudeminutes, 12);
  EXPECT_NE(refusalof([] { parsepoint("from", "48.2"); }), "");
}

TEST(CliOptions, ConfiguredPlaces) {
  LocationTable places{};
  const char* const names[4] = {"Wien", "Wiener Neustadt", "Tromsø", "Ötztal"};
  for (std::size_t i = 0; i < 4; ++i) places[i].inuse = 1, places[i].name = names[i];
  EXPECT_EQ(findplace("place", "3", places), 3);
  EXPECT_EQ(findplace("place", "wien", places), 0);  // the exact name wins over the longer one
  EXPECT_EQ(findplace("place", "WIENER", places), 1);
  EXPECT_EQ(findplace("place", "TROMSØ", places), 2);
  EXPECT_EQ(findplace("place", "öTZ", places), 3);
  EXPECT_EQ(refusalof([&] { findplace("place", "Wi", places); }).rfind(
                "--place: 'Wi' names several places: Wien, Wiener Neustadt", 0),
            0u);
  EXPECT_NE(refusalof([&] { findplace("place", "4", places); }), "");
  EXPECT_NE(refusalof([&] { findplace("place", "", places); }), "");
  EXPECT_NE(refusalof([&] { findplace("place", "Graz", places); }), "");
}

TEST(CliOptions, Zones) {
  const std::string supports[] = {"whole", "half", "auto", "any"};
  for (const auto& r : rows("zone")) {  // support, winter|summer, arguments, "=", zone half seconds or "refused"
    const auto equals = std::find(r.begin(), r.end(), "=");
    Options o = options(std::vector<std::string>(r.begin() + 2, equals));
    const auto support = static_cast<ZoneSupport>(std::find(supports, supports + 4, r[0]) - supports);
    const CivilDate date{2024, r[1] == "winter" ? 1 : 7, 15};
    ZoneOption z;
    const std::string message = refusalof([&] { z = zoneoption(o, support, date, {12, 0, 0}, 7); });
    const std::string args = r[0] + " " + r[1] + " " + (equals == r.begin() + 2 ? "" : r[2] + " " + *(equals - 1));
    if (*(equals + 1) == "refused") {
      EXPECT_NE(message, "") << args;
      continue;
    }
    ASSERT_EQ(message, "") << args;
    EXPECT_EQ(z.seconds, std::stoi(*(equals + 3))) << args;
    if (support != ZoneSupport::AnyOffset) {
      EXPECT_EQ(z.zone, std::stoi(*(equals + 1))) << args;
      EXPECT_EQ(z.half, std::stoi(*(equals + 2))) << args;
    }
  }
  EXPECT_EQ(offsettext(-12600), "-03:30");
  EXPECT_EQ(offsettext(3921), "+01:05:21");
}

TEST(CliOptions, TimeZoneDatabase) {
  // New York leaves summer time at 2:00 on 3 November 2024: 1:30 comes twice.
  EXPECT_EQ(zoneoffset("tz", "America/New_York", {2024, 11, 2}, {12, 0, 0}), -4 * 3600);
  EXPECT_EQ(zoneoffset("tz", "America/New_York", {2024, 11, 3}, {3, 0, 0}), -5 * 3600);
  EXPECT_NE(refusalof([] { zoneoffset("tz", "America/New_York", {2024, 11, 3}, {1, 30, 0}); }).find("occurs twice"),
            std::string::npos);
  EXPECT_NE(refusalof([] { zoneoffset("tz", "America/New_York", {2024, 3, 10}, {2, 30, 0}); }).find("does not exist"),
            std::string::npos);
  // Before 1893 Vienna kept its local mean time, 1:05:21 ahead of Greenwich;
  // a Julian date before the reform is the same day as its Gregorian twin.
  EXPECT_EQ(zoneoffset("tz", "Europe/Vienna", {1850, 6, 1}, {12, 0, 0}), 3921);
  EXPECT_EQ(zoneoffset("tz", "UTC", {1500, 2, 29}, {0, 0, 0}), 0);
}

}  // namespace
}  // namespace quendal::cli
