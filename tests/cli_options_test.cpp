// The option parsers of quendal-report, in process: options and values,
// coordinates, configured places, zones and IANA time zones.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/place_options.h"
#include "cli/time_zone.h"

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

TEST(CliOptions, Coordinates) {
  const struct {
    const char* text;
    bool latitude;
    int degrees, minutes, seconds, positive;  // degrees -1: refused
  } cases[] = {
      {"48.2", true, 48, 12, 0, 1},        {"-16.37", false, 16, 22, 12, 0},   {"+0.0001", true, 0, 0, 0, 1},
      {"48.20371", true, 48, 12, 13, 1},   {"48:12N", true, 48, 12, 0, 1},    {"48:12:30s", true, 48, 12, 30, 0},
      {"016:22:30E", false, 16, 22, 30, 1}, {"15:37o", false, 15, 37, 0, 1},   {"180:00W", false, 180, 0, 0, 0},
      {"0:00N", true, 0, 0, 0, 1},         {"90", true, 90, 0, 0, 1},         {"-180", false, 180, 0, 0, 0},
      {"90.01", true, -1},   {"90:00:01N", true, -1}, {"48:60N", true, -1}, {"48:12:60N", true, -1},
      {"123:00N", true, -1}, {"48:12E", true, -1},     {"48:12N", false, -1}, {"48.2N", true, -1},
      {"48", false, 48, 0, 0, 1},
      {"1e1", true, -1},     {"48:1:2:3N", true, -1}, {":12N", true, -1},   {"N", true, -1},
  };
  for (const auto& c : cases) {
    GeoPlace p;
    const std::string message = refusalof([&] {
      c.latitude ? parselatitude("lat", c.text, p) : parselongitude("lon", c.text, p);
    });
    if (c.degrees < 0) {
      EXPECT_NE(message, "") << c.text;
      continue;
    }
    ASSERT_EQ(message, "") << c.text;
    const int got[4] = {c.latitude ? p.latitudedegrees : p.longitudedegrees,
                        c.latitude ? p.latitudeminutes : p.longitudeminutes,
                        c.latitude ? p.latitudeseconds : p.longitudeseconds, c.latitude ? p.north : p.east};
    EXPECT_EQ(got[0], c.degrees) << c.text;
    EXPECT_EQ(got[1], c.minutes) << c.text;
    EXPECT_EQ(got[2], c.seconds) << c.text;
    EXPECT_EQ(got[3], c.positive) << c.text;
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
  const CivilDate winter{2024, 1, 15}, summer{2024, 7, 15};
  const struct {
    std::vector<std::string> args;
    ZoneSupport support;
    CivilDate date;
    int zone, half, seconds;  // zone -99: refused
  } cases[] = {
      {{}, ZoneSupport::HalfHours, winter, 7, 0, 25200},  // the fallback
      {{"--zone", "-5"}, ZoneSupport::WholeHours, winter, -5, 0, -18000},
      {{"--zone", "5.5"}, ZoneSupport::HalfHours, winter, 5, 1, 19800},
      {{"--zone=-3:30"}, ZoneSupport::HalfHours, winter, -3, 1, -12600},
      {{"--zone", "+5:45"}, ZoneSupport::AnyOffset, winter, 0, 0, 20700},
      {{"--zone", "5.75"}, ZoneSupport::AnyOffset, winter, 0, 0, 20700},
      {{"--zone", "4", "--half-zone"}, ZoneSupport::HalfHours, winter, 4, 1, 16200},
      {{"--zone", "-4", "--half-zone"}, ZoneSupport::HalfHours, winter, -4, 1, -16200},
      {{"--zone", "auto"}, ZoneSupport::HalfHours, winter, 1, 0, 3600},
      {{"--zone", "auto"}, ZoneSupport::WholeHours, summer, 2, 0, 7200},
      {{"--zone", "auto"}, ZoneSupport::HalfHoursOrAuto, summer, 99, 0, 7200},
      {{"--tz", "America/St_Johns"}, ZoneSupport::HalfHours, winter, -3, 1, -12600},
      {{"--tz", "Europe/Vienna"}, ZoneSupport::WholeHours, summer, 2, 0, 7200},
      {{"--zone", "5:30"}, ZoneSupport::WholeHours, winter, -99},
      {{"--zone", "0.5"}, ZoneSupport::HalfHours, winter, -99},
      {{"--zone", "12.5"}, ZoneSupport::HalfHours, winter, -99},
      {{"--zone", "13"}, ZoneSupport::HalfHours, winter, -99},
      {{"--zone", "14.5"}, ZoneSupport::AnyOffset, winter, -99},
      {{"--zone", "5.1234"}, ZoneSupport::AnyOffset, winter, -99},
      {{"--zone", "5:7"}, ZoneSupport::AnyOffset, winter, -99},
      {{"--zone", "--5"}, ZoneSupport::AnyOffset, winter, -99},
      {{"--zone", "12", "--half-zone"}, ZoneSupport::HalfHours, winter, -99},
      {{"--zone", "auto", "--half-zone"}, ZoneSupport::HalfHoursOrAuto, winter, -99},
      {{"--half-zone"}, ZoneSupport::HalfHours, winter, -99},
      {{"--tz", "Asia/Kathmandu"}, ZoneSupport::HalfHours, winter, -99},
      {{"--tz", "Nowhere/Atlantis"}, ZoneSupport::AnyOffset, winter, -99},
      {{"--zone", "1", "--tz", "Europe/Vienna"}, ZoneSupport::AnyOffset, winter, -99},
  };
  for (const auto& c : cases) {
    Options o = options(c.args);
    ZoneOption z;
    const std::string message = refusalof([&] { z = zoneoption(o, c.support, c.date, {12, 0, 0}, 7); });
    const std::string args = c.args.empty() ? "" : c.args[0] + " " + c.args.back();
    if (c.zone == -99) {
      EXPECT_NE(message, "") << args;
      continue;
    }
    ASSERT_EQ(message, "") << args;
    EXPECT_EQ(z.seconds, c.seconds) << args;
    if (c.support != ZoneSupport::AnyOffset) {
      EXPECT_EQ(z.zone, c.zone) << args;
      EXPECT_EQ(z.half, c.half) << args;
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
