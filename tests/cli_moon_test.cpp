// quendal-report moon and large-view, run as a process: the options reach the
// reports (the texts themselves are checked by the report tests), and
// malformed values exit with status 2.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cli_run.h"

using clitest::Result;
using clitest::run;

namespace {

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

}  // namespace

TEST(CliMoon, OptionsReachTheReport) {
  const Result winter = run("--lang de --today 2024-03-15 moon --date 2024-03-15 --time 12:00");
  EXPECT_EQ(winter.status, 0);
  // Without --zone: German 1 in winter, 2 in summer (of the date asked for); English 0.
  EXPECT_TRUE(contains(winter.out, "\n Julianisches Datum: (JD) 2460384,95833\n Mondbeleuchtung um 12:00 UTC+1 (MEZ):"));
  EXPECT_TRUE(contains(run("--lang de moon --date 2024-07-01 --time 12:00").out, " um 12:00 UTC+2 (MESZ):"));
  EXPECT_TRUE(contains(run("--lang en moon --date 2024-07-01 --time 12:00").out, " at 12:00 UTC (World Time):"));
  EXPECT_TRUE(contains(run("--lang de moon --date 2024-07-15 --time 12:00 --zone auto").out, " um 12:00 MESZ:"));
  EXPECT_TRUE(contains(run("--lang en moon --date 2024-03-15 --time 12:00 --zone=-5 --half-zone").out,
                       " at 12:00 UTC-5 1/2:"));
  EXPECT_TRUE(contains(run("--lang en moon --date 2024-03-15 --time 12:00 --zone 0 --page 2 --seconds").out,
                       "\n March 10th (Sun) approx. 09:00:18 UTC "));
  // The language line of the configuration file applies unless --lang is given.
  const std::string ini = testing::TempDir() + "moon_english.ini";
  std::ofstream(ini, std::ios::binary) << "E \r\n48 N 12   015E 37 Sankt Pölten\r\n";
  EXPECT_TRUE(contains(run("--ini " + ini + " moon --date 2024-03-15 --time 12:00", "LC_ALL=de_DE.UTF-8").out,
                       " Date: Friday, March 15th, 2024"));
  EXPECT_TRUE(contains(run("--lang de --ini " + ini + " moon --date 2024-03-15 --time 12:00").out,
                       " Datum: Freitag, 15. März 2024 "));
}

TEST(CliMoon, MalformedValuesExitWithTwo) {
  for (const char* args :
       {"moon --time 12:00", "moon --date 2024-03-15", "moon --date 2024-03 --time 12:00",
        "moon --date 2024-03-15 --time 25:00", "moon --date 2024-03-15 --time 12",
        "moon --date 2024-03-15 --time 12:00 --zone abc", "moon --date 2024-03-15 --time 12:00 --zone 1.5",
        "moon --date 2024-03-15 --time 12:00 --zone", "moon --date 2024-03-15 --time 12:00 --page 7",
        "moon --date 2024-03-15 --time 12:00 --page -1", "moon --date 2024-03-15 --time 12:00 --seconds=1",
        "moon --date 2024-03-15 --time 12:00 --half-zone yes", "moon --date 2024-03-15 --time 12:00 --place 0"})
    EXPECT_EQ(run(args).status, 2) << args;
}

TEST(CliLargeView, PagesAndErrors) {
  const Result holidays = run("--lang de large-view --year 2057");
  EXPECT_EQ(holidays.status, 0);
  EXPECT_TRUE(contains(holidays.out, "\n Do 31. 5. Christi Himmelfahrt \n So 10. 6. Pfingstsonntag \n"));
  EXPECT_TRUE(contains(run("--lang en large-view --year 2024 --page 11").out, "    February 2025\n"));
  for (const char* args : {"large-view --year 1582", "large-view --year 10000", "large-view --year 20x4", "large-view",
                           "large-view --year 2024 --page x"})
    EXPECT_EQ(run(args).status, 2) << args;
}
