// The about box: golden texts (tests/golden/) with fixed measurements, the rules for
// measurements that are not positive, and the performance test driven by a
// scripted clock (the repeat under 100 ms and the midnight rule).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/text.h"
#include "reports/about_report.h"
#include "support.h"

using namespace quendal;
using namespace testsupport;

namespace {

AboutInputs measured(int ephemerides, int ephemerisms, int phases, int phasems) {
  return {{ephemerides, ephemerisms}, {phases, phasems},
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
      {true, {1000, 1250}, 80, 250},             // 10 passes of 8 bodies, slow enough
      {true, {1000, 1099, 1200, 1700}, 400, 500},  // under 100 ms: 50 passes, the second run counts
      {true, {0, 0, 10, 30}, 400, 20},           // the repeated run is reported even when short
      {true, {86399950, 150}, 80, 200},          // midnight during the test
      {false, {2000, 2100}, 5600, 100},          // 20 passes of 70 lunations and 4 quarters
      {false, {500, 520, 600, 900}, 28000, 300},  // under 100 ms: 100 passes
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
