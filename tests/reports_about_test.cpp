// The about box: golden texts (tests/golden/) with fixed measurements, the rules for
// measurements that are not positive, and the performance test driven by a
// scripted clock (the repeat under 100 ms and the midnight rule).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/about_report.h"
#include "reports/configuration_report.h"
#include "support.h"

using namespace quendal;
using namespace testsupport;

namespace {

AboutInputs measured(int ephemerides, int ephemerisms, int phases, int phasems) {
  return {{ephemerides, ephemerisms},
          {phases, phasems},
          {64, "Linux", "x86_64", "Qt 6.4", "Debian GNU/Linux 12 (bookworm)", "Kernel 6.1.0, Qt 6.4.2"}};
}

// A clock that returns the scripted readings in turn (the last one forever).
std::vector<int> readings;
std::size_t nextreading = 0;
int scriptedclock() {
  const int v = readings[nextreading < readings.size() ? nextreading : readings.size() - 1];
  ++nextreading;
  return v;
}
void script(std::vector<int> values) {
  readings = std::move(values);
  nextreading = 0;
}

// The German text without measurements (tests/golden/about_de.txt up to them).
std::string germantext() {
  const std::string all = golden("about_de.txt");
  return all.substr(0, all.find("\n\n Perfomance Test: "));
}

}  // namespace

TEST(ReportsAbout, Goldens) {
  const AboutBox box = buildaboutbox(measured(400, 20, 28000, 32), german);
  EXPECT_EQ(box.title, "Quendal and More");
  EXPECT_EQ(box.text, golden("about_de.txt"));
  EXPECT_EQ(buildaboutbox(measured(400, 20, 28000, 32), austrian).text, box.text);
  EXPECT_EQ(buildaboutbox(measured(80, 150, 5600, 123), english).text, golden("about_en.txt"));
}

TEST(ReportsAbout, MeasurementsThatAreNotPositive) {
  // Neither measurement: no heading either.
  EXPECT_EQ(buildaboutbox(measured(0, 0, 0, 0), german).text, germantext() + "\n");
  EXPECT_EQ(buildaboutbox(measured(400, 0, 28000, -5), german).text, germantext() + "\n");
  EXPECT_EQ(buildaboutbox(measured(-1, 10, 0, 10), german).text, germantext() + "\n");
  // One of them: the heading and its own lines only.
  const std::string one = buildaboutbox(measured(400, 0, 28000, 40), english).text;
  expectpieces(one, "about_pieces.txt", "MeasurementsThatAreNotPositive/one");
  const std::string other = buildaboutbox(measured(400, 16, 0, 40), german).text;
  expectpieces(other, "about_pieces.txt", "MeasurementsThatAreNotPositive/other");
}

TEST(ReportsAbout, PerformanceTestWithAScriptedClock) {
  EXPECT_EQ(elapsedmilliseconds(1000, 1250), 250);
  EXPECT_EQ(elapsedmilliseconds(5, 5), 0);
  EXPECT_EQ(elapsedmilliseconds(86399990, 50), 60);  // over midnight
  EXPECT_EQ(elapsedmilliseconds(86399999, 0), 1);
  const struct {
    bool ephemerides;
    std::vector<int> clock;
    int count, milliseconds;
  } runs[] = {
      {true, {1000, 1250}, 80, 250},               // 10 passes of 8 bodies, slow enough
      {true, {1000, 1099, 1200, 1700}, 400, 500},  // under 100 ms: 50 passes, the second run counts
      {true, {0, 0, 10, 30}, 400, 20},             // the repeated run is reported even when short
      {true, {86399950, 150}, 80, 200},            // midnight during the test
      {false, {2000, 2100}, 5600, 100},            // 20 passes of 70 lunations and 4 quarters
      {false, {500, 520, 600, 900}, 28000, 300},   // under 100 ms: 100 passes
  };
  for (const auto& run : runs) {
    script(run.clock);
    const PerformanceMeasurement m =
        run.ephemerides ? measureephemerides(scriptedclock) : measuremoonphases(scriptedclock);
    EXPECT_EQ(m.count, run.count) << run.clock[0];
    EXPECT_EQ(m.milliseconds, run.milliseconds) << run.clock[0];
  }
  // Both measurements in one go with the clock of the box.
  script({86399990, 20, 30, 40, 50, 400});
  const AboutInputs in = measureperformance(scriptedclock);
  EXPECT_EQ(in.ephemerides.count, 400);  // 30 ms at first, then 10 ms
  EXPECT_EQ(in.ephemerides.milliseconds, 10);
  EXPECT_EQ(in.moonphases.count, 5600);  // 350 ms
  EXPECT_EQ(in.moonphases.milliseconds, 350);
  const int now = localmillisecondsofday();
  EXPECT_GE(now, 0);
  EXPECT_LT(now, 86400000);
}

// The configuration evaluation box: golden texts (tests/golden/), the
// Austrian variant, the day counts over the whole range, and the lines that
// name the file read or looked for.
namespace quendal {
namespace {

ConfigurationReportInputs inputs(int result) {
  return {.result = result, .todayyear = 2024, .todaymonth = 6, .todayday = 1};
}

ConfigurationReportInputs withdates() {
  ConfigurationReportInputs in = inputs(1);
  in.dates[0] = PersonalDate{17, 5, 1970, "Birthday"};
  in.dates[2] = PersonalDate{24, 12, 2024, "Christmas Eve"};  // entry 1 stays empty
  in.dates[3] = PersonalDate{13, 1, 2011, "Thirteenth"};
  return in;
}

// Whole boxes written by hand from the format strings (tests/golden/).
TEST(ConfigurationReport, Goldens) {
  EXPECT_EQ(buildconfigurationevaluation(inputs(0), german).text, "\n INI-Datei \"QUENDAL6.INI\" nicht gefunden! ");
  EXPECT_EQ(buildconfigurationevaluation(inputs(0), english).text, "\n INI-File \"QUENDAL6.INI\" not found! ");
  EXPECT_EQ(buildconfigurationevaluation(inputs(-1), austrian).text, golden("configuration_too_large_at.txt"));
  EXPECT_EQ(buildconfigurationevaluation(inputs(-1), english).text, golden("configuration_too_large_en.txt"));
  EXPECT_EQ(buildconfigurationevaluation(inputs(1), german).text, golden("configuration_no_dates_de.txt"));
  EXPECT_EQ(buildconfigurationevaluation(inputs(1), english).text, golden("configuration_no_dates_en.txt"));
  const ConfigurationReport r = buildconfigurationevaluation(withdates(), german);
  EXPECT_EQ(r.text, golden("configuration_dates_de.txt"));
  EXPECT_STREQ(r.title, "Auswertung der INI-Datei");
  // Invalid entries count as empty.
  ConfigurationReportInputs in = inputs(1);
  in.dates[5] = PersonalDate{29, 2, 2023, "no such day"};
  EXPECT_EQ(buildconfigurationevaluation(in, german).text, golden("configuration_no_dates_de.txt"));
}

// The messages name the file read, without its directory (QUENDAL6.INI when
// none is given); a name that is not UTF-8 keeps the text UTF-8.
TEST(ConfigurationReport, NamesTheFileRead) {
  ConfigurationReportInputs in = inputs(1);
  const std::pair<std::string, std::string> files[] = {{"", "QUENDAL6.INI"},
                                                       {"QUENDAL5.INI", "QUENDAL5.INI"},
                                                       {"./q.ini", "q.ini"},
                                                       {"/home/anna/.config/quendal/QUENDAL6.INI", "QUENDAL6.INI"},
                                                       {"/tmp/M\xFCller.ini", "M\xEF\xBF\xBDller.ini"}};
  for (const auto& [file, name] : files) {
    in.file = unescape(file);
    EXPECT_TRUE(endswith(buildconfigurationevaluation(in, german).text,
                         "\r\n Keine Daten (Datum) in INI-Datei         \r\n \"" + unescape(name) + "\" gefunden! "))
        << file;
    EXPECT_TRUE(endswith(buildconfigurationevaluation(in, english).text,
                         "\r\n No Data (Dates) found in         \r\n INI-File \"" + unescape(name) + "\"!   "))
        << file;
  }
  in.result = -1;
  in.file = "/tmp/big.ini";
  EXPECT_TRUE(startswith(buildconfigurationevaluation(in, english).text, "\n INI-File \"big.ini\" is too big! "));
  EXPECT_TRUE(startswith(buildconfigurationevaluation(in, german).text, "\n Die INI-Datei \"big.ini\" ist zu groß! "));
}

// The lines both programs print after the box's text: the file read, else
// the files looked for; a bare name (the working directory's) as ./NAME.
TEST(ConfigurationReport, FileReadOrLookedFor) {
  const std::string xdg = "/home/anna/.config/quendal/";
  const std::vector<std::string> lookedfor = {"QUENDAL6.INI", "QUENDAL5.INI", xdg + "QUENDAL6.INI",
                                              xdg + "QUENDAL5.INI"};
  EXPECT_EQ(configurationsource("QUENDAL6.INI", lookedfor, german), "\r\n\r\n Datei: ./QUENDAL6.INI\r\n");
  EXPECT_EQ(configurationsource(xdg + "QUENDAL5.INI", lookedfor, english),
            "\r\n\r\n File: " + xdg + "QUENDAL5.INI\r\n");
  EXPECT_EQ(configurationsource("../q.ini", {}, austrian), "\r\n\r\n Datei: ../q.ini\r\n");
  EXPECT_EQ(configurationsource("", lookedfor, austrian),
            "\r\n\r\n Gesucht: ./QUENDAL6.INI ./QUENDAL5.INI " + xdg + "QUENDAL6.INI " + xdg + "QUENDAL5.INI\r\n");
  EXPECT_EQ(configurationsource("", {"QUENDAL6.INI", "QUENDAL5.INI"}, english),
            "\r\n\r\n Looked for: ./QUENDAL6.INI ./QUENDAL5.INI\r\n");
}

TEST(ConfigurationReport, EnglishDates) {
  // The German layout, its own words.
  const ConfigurationReport r = buildconfigurationevaluation(withdates(), english);
  expectpieces(r.text, "configuration_report_pieces.txt", "EnglishDates/r.text");
  EXPECT_STREQ(r.title, "Interpretation of the INI-File");
}

TEST(ConfigurationReport, AustrianJanuary) {
  ConfigurationReportInputs in = withdates();
  in.todaymonth = 1;
  in.todayday = 22;
  const std::string text = buildconfigurationevaluation(in, austrian).text;
  EXPECT_EQ(text.rfind(" Heute ist Montag, der 22. Jänner 2024 \r\n", 0), 0u) << text;
  expectpieces(text, "configuration_report_pieces.txt", "AustrianJanuary/text");
  EXPECT_EQ(buildconfigurationevaluation(in, german).text.find("Jänner"), std::string::npos);
}

TEST(ConfigurationReport, DayCountsOverTheWholeRange) {
  const int todays[][3] = {{2024, 6, 1}, {1601, 1, 1}, {9999, 12, 31}, {2000, 2, 29}};
  const int dates[][3] = {{1601, 1, 1},  {1700, 3, 1},   {1999, 12, 31}, {2000, 2, 29},
                          {2100, 2, 28}, {9998, 12, 31}, {4321, 7, 15}};
  for (const auto& t : todays) {
    ConfigurationReportInputs in = inputs(1);
    in.todayyear = t[0], in.todaymonth = t[1], in.todayday = t[2];
    for (const auto& d : dates) {
      in.dates[0] = {d[2], d[1], d[0], "x"};
      const std::string text = buildconfigurationevaluation(in, english).text;
      const long long expected = datetomjd(t[0], t[1], t[2]) - datetomjd(d[0], d[1], d[2]);
      EXPECT_TRUE(contains(text, "\r\n " + std::to_string(expected) + " Days; ")) << text;
    }
  }
}

}  // namespace
}  // namespace quendal
