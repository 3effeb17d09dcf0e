// quendal-report dayevents: the output lines and the option checks, run as a process.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

#include "cli_run.h"

using clitest::Result;
using clitest::run;

namespace {

std::map<std::string, std::string> values(const std::string& text) {
  std::map<std::string, std::string> out;
  std::istringstream in(text);
  for (std::string name, value; in >> name >> value;) out[name] = value;
  return out;
}

}  // namespace

TEST(CliDayEvents, SunriseInVienna) {
  const Result r = run("dayevents --date 2024-06-21 --lat 48.2 --lon 16.37 --zone 2 --event 0 --mode 21");
  EXPECT_EQ(r.status, 0);
  std::istringstream in(r.out);
  std::string line, names;
  while (std::getline(in, line)) names += line.substr(0, line.find(' ')) + ",";
  EXPECT_EQ(names, "status,rise,set,culmination,max_altitude,");
  const auto v = values(r.out);
  EXPECT_EQ(v.at("status"), "3");
  EXPECT_NEAR(std::atof(v.at("rise").c_str()), 4.9013, 0.002);    // 04:54 CEST
  EXPECT_NEAR(std::atof(v.at("set").c_str()), 20.9794, 0.002);    // 20:59 CEST
  EXPECT_NEAR(std::atof(v.at("culmination").c_str()), 12.94, 0.01);
  EXPECT_NEAR(std::atof(v.at("max_altitude").c_str()), 65.24, 0.01);
}

TEST(CliDayEvents, NoneWhereNothingIsFound) {
  // Polar night at Tromsø; the culmination only from mode 10 on.
  Result r = run("dayevents --date 2024-12-21 --lat 69.65 --lon 18.96 --zone 1 --event 0");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "status 0\nrise none\nset none\nculmination none\nmax_altitude none\n");
  r = run("dayevents --date 2024-06-21 --lat 69.65 --lon 18.96 --zone 2 --event 0 --mode 10");
  const auto v = values(r.out);
  EXPECT_EQ(v.at("status"), "4");
  EXPECT_EQ(v.at("rise"), "none");
  EXPECT_NE(v.at("culmination"), "none");
}

TEST(CliDayEvents, LongitudeIsEastPositive) {
  // New York (74.01 W): sunrise about 7:17 EST on 2024-12-21.
  const auto v = values(run("dayevents --date 2024-12-21 --lat 40.71 --lon -74.01 --zone -5 --event 0").out);
  EXPECT_NEAR(std::atof(v.at("rise").c_str()), 7.28, 0.02);
}

TEST(CliDayEvents, IndividualTwilight) {
  const auto a = values(run("dayevents --date 2024-03-01 --lat 48.2 --lon 16.37 --zone 1 --event -4 --altitude -6").out);
  const auto b = values(run("dayevents --date 2024-03-01 --lat 48.2 --lon 16.37 --zone 1 --event -1").out);
  EXPECT_EQ(a, b);
  EXPECT_EQ(a.at("culmination"), "none");
}

TEST(CliDayEvents, BadOptionsAreUsageErrors) {
  const std::string place = " --lat 48.2 --lon 16.37 --zone 1";
  EXPECT_EQ(run("dayevents --date 2024-03-01" + place + " --event 13").status, 2);
  EXPECT_EQ(run("dayevents --date 2024-03-01" + place + " --event 5").status, 2);
  EXPECT_EQ(run("dayevents --date 2024-03-01" + place + " --event -4").status, 2);
  EXPECT_EQ(run("dayevents --date 2024-03-01" + place + " --event 0 --altitude 3").status, 2);
  EXPECT_EQ(run("dayevents --date 2024-02-30" + place + " --event 0").status, 2);
  EXPECT_EQ(run("dayevents --date 2024-03-01 --lat 91 --lon 16.37 --zone 1 --event 0").status, 2);
  EXPECT_EQ(run("dayevents --date 2024-03-01 --lat 48 --lon 16.37 --event 0").status, 2);
  EXPECT_EQ(run("dayevents --date 2024-03-01" + place + " --event 0 --mode -1").status, 2);
}

TEST(CliDayEvents, ADayWithoutTheMoonsCulmination) {
  // The Moon crosses the meridian of Vienna at 23:5x CEST on 20 June 2024 and
  // next at 00:51 on 22 June: the 21st has no culmination of its own, and its
  // culmination's altitude is none as well.
  const auto v = values(run("dayevents --date 2024-06-21 --lat 48.2 --lon 16.37 --zone 2 --event 1 --mode 21").out);
  EXPECT_EQ(v.at("status"), "7");
  EXPECT_EQ(v.at("culmination"), "none");
  EXPECT_EQ(v.at("max_altitude"), "none");
  const auto next = values(run("dayevents --date 2024-06-22 --lat 48.2 --lon 16.37 --zone 2 --event 1 --mode 21").out);
  EXPECT_NEAR(std::atof(next.at("culmination").c_str()), 0.85, 0.03);
}
