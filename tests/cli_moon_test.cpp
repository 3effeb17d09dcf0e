// quendal-report moon and large-view, run as a process.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "cli_run.h"

using clitest::Result;
using clitest::run;

namespace {

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

// A configuration file in the test's temporary folder; returns its path.
std::string configuration(const std::string& name, const std::string& content) {
  const std::string path = testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

}  // namespace

TEST(CliMoon, ZoneDefaultsFollowTheLanguageAndTheDate) {
  // German: 1 in winter, 2 in summer (of the date asked for); English: 0.
  const Result winter = run("--lang de --today 2024-03-15 moon --date 2024-03-15 --time 12:00");
  EXPECT_EQ(winter.status, 0);
  EXPECT_TRUE(contains(winter.out, "\n Datum: Freitag, 15. März 2024 \n Julianisches Datum: (JD) 2460384,95833\n"
                                   " Mondbeleuchtung um 12:00 UTC+1 (MEZ):  32,33 Prozent\n"));
  EXPECT_TRUE(contains(run("--lang de --today 2024-03-15 moon --date 2024-07-01 --time 12:00").out,
                       " Mondbeleuchtung um 12:00 UTC+2 (MESZ):"));
  EXPECT_TRUE(contains(run("--lang en --today 2024-03-15 moon --date 2024-07-01 --time 12:00").out,
                       " Moon's Illumination at 12:00 UTC (World Time):"));
}

TEST(CliMoon, ZoneOptions) {
  EXPECT_TRUE(contains(run("--lang de moon --date 2024-07-15 --time 12:00 --zone auto").out,
                       " Mondbeleuchtung um 12:00 MESZ:"));
  EXPECT_TRUE(contains(run("--lang en moon --date 2024-03-15 --time 12:00 --zone 15").out,
                       " Moon's Illumination at 12:00 UTC+12:"));
  EXPECT_TRUE(contains(run("--lang en moon --date 2024-03-15 --time 12:00 --zone -5 --half-zone").out,
                       " Moon's Illumination at 12:00 UTC-5 1/2:"));
  EXPECT_TRUE(contains(run("--lang en moon --date 2024-03-15 --time 12:00 --zone 0 --half-zone").out,
                       " Moon's Illumination at 12:00 UTC (World Time):"));
  EXPECT_TRUE(contains(run("--lang en moon --date 2024-03-15 --time 12:00 --zone=auto --half-zone").out,
                       " Moon's Illumination at 12:00 CET:"));
}

TEST(CliMoon, PagesSecondsAndLineEnds) {
  const Result seasons = run("--lang en --crlf moon --date 2024-03-15 --time 12:00 --zone 0 --page 6");
  EXPECT_EQ(seasons.status, 0);
  EXPECT_TRUE(contains(seasons.out, "\r\n for the Year 2024: UTC \r\n March 20th (Wed) approx. 03:07 UTC Spring"));
  EXPECT_TRUE(contains(run("--lang en moon --date 2024-03-15 --time 12:00 --zone 0 --page 2 --seconds").out,
                       "\n March 10th (Sun) approx. 09:00:18 UTC "));
  const Result eclipses = run("--lang de --cp1252 moon --date 2024-03-15 --time 12:00 --zone auto --page 5");
  EXPECT_TRUE(contains(eclipses.out, " N\xE4" "chste Totale Sonnenfinsternis: JD 2460409,26228\n"));
  // 31 February becomes 29 February 2024; the year is limited to 1600..2400.
  EXPECT_TRUE(contains(run("--lang en moon --date 2024-02-31 --time 12:00").out, " Date: Thursday, February 29th, 2024\n"));
  EXPECT_TRUE(contains(run("--lang en moon --date 1500-06-01 --time 12:00").out, " Date: Thursday, June 1st, 1600\n"));
}

TEST(CliMoon, LanguageOfTheConfigurationFile) {
  const std::string ini = configuration("moon_english.ini", "E \r\n48 N 12   015E 37 Sankt Pölten\r\n");
  EXPECT_TRUE(contains(run("--ini " + ini + " moon --date 2024-03-15 --time 12:00", "LC_ALL=de_DE.UTF-8").out,
                       " Date: Friday, March 15th, 2024"));
  // --lang wins over the file.
  EXPECT_TRUE(contains(run("--lang de --ini " + ini + " moon --date 2024-03-15 --time 12:00").out,
                       " Datum: Freitag, 15. März 2024 "));
}

TEST(CliMoon, MalformedValuesExitWithTwo) {
  EXPECT_EQ(run("moon --time 12:00").status, 2);
  EXPECT_EQ(run("moon --date 2024-03-15").status, 2);
  EXPECT_EQ(run("moon --date 2024-03 --time 12:00").status, 2);
  EXPECT_EQ(run("moon --date 2024-03-15 --time 25:00").status, 2);
  EXPECT_EQ(run("moon --date 2024-03-15 --time 12").status, 2);
  EXPECT_EQ(run("moon --date 2024-03-15 --time 12:00 --zone abc").status, 2);
  EXPECT_EQ(run("moon --date 2024-03-15 --time 12:00 --zone 1.5").status, 2);
  EXPECT_EQ(run("moon --date 2024-03-15 --time 12:00 --zone").status, 2);
  EXPECT_EQ(run("moon --date 2024-03-15 --time 12:00 --page 7").status, 2);
  EXPECT_EQ(run("moon --date 2024-03-15 --time 12:00 --page -1").status, 2);
  EXPECT_EQ(run("moon --date 2024-03-15 --time 12:00 --seconds=1").status, 2);
  EXPECT_EQ(run("moon --date 2024-03-15 --time 12:00 --half-zone yes").status, 2);
  EXPECT_EQ(run("moon --date 2024-03-15 --time 12:00 --place 0").status, 2);
  EXPECT_EQ(run("moon --date 2024-03-15 --time 12:00").status, 0);
}

TEST(CliLargeView, PagesAndLimits) {
  const Result holidays = run("--lang de large-view --year 2057");
  EXPECT_EQ(holidays.status, 0);
  EXPECT_TRUE(contains(holidays.out, "\n Do 31. 5. Christi Himmelfahrt \n So 10. 6. Pfingstsonntag \n"));
  EXPECT_TRUE(contains(run("--lang en large-view --year 2024 --page 11").out, "    February 2025\n"));
  EXPECT_EQ(run("--lang en large-view --year 2024 --page 13").out, run("--lang en large-view --year 2024 --page 12").out);
  EXPECT_EQ(run("large-view --year 1582").status, 2);
  EXPECT_EQ(run("large-view --year 10000").status, 2);
  EXPECT_EQ(run("large-view --year 20x4").status, 2);
  EXPECT_EQ(run("large-view").status, 2);
  EXPECT_EQ(run("large-view --year 2024 --page x").status, 2);
}
