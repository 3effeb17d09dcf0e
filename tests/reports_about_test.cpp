// The about box: golden texts with fixed measurements, the rules for
// measurements that are not positive, and the performance test driven by a
// scripted clock (the repeat under 100 ms and the midnight rule).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/text.h"
#include "reports/about_report.h"

using namespace quendal;

namespace {

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

AboutInputs measured(int ephemerides, int ephemerisms, int phases, int phasems) {
  AboutInputs in;
  in.ephemerides = {ephemerides, ephemerisms};
  in.moonphases = {phases, phasems};
  in.platform = {64, "Linux", "x86_64", "Qt 6.4", "Debian GNU/Linux 12 (bookworm)", "Kernel 6.1.0, Qt 6.4.2"};
  return in;
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

const char* const germantext =
    "\n\n Version 6.0, 2009-08-20 "
    "\n\n Osterdatum \n Monatskalender \n Feiertagsübersicht "
    "\n Viermonatsübersicht \n Tagesdifferenzkalkulator "
    "\n Aufgang von Sonne und Mond \n Mondphasen und Jahreszeiten "
    "\n Sonnen- und Mondfinsternisse \n Zeitgleichung und Ortssternzeit "
    "\n Aufgang und Untergang von Sonne und Mond "
    "\n Position der Planeten und Ephemeriden gem. VSOP87D "
    "\n Ermittlung von Entfernungen auf der Erde (Orthodrome) "
    "\n\n Produziert 2005 | 2008 - 2009 "
    "\n Das Quendal-Projekt: https://www.quendal.org/"
    "\n Algorithmen: J. Meeus, P. Bretagnon und G. Francou (VSOP87D), "
    "\n O. Montenbruck und T. Pfleger, S. L. Moshier, F. Espenak, W.M. Smart "
    "\n\n 64-Bit-Version für Linux (x86_64), Qt 6.4 "
    "\n läuft auf Debian GNU/Linux 12 (bookworm) "
    "\n (Kernel 6.1.0, Qt 6.4.2) ";

}  // namespace

TEST(ReportsAbout, GoldenGerman) {
  const AboutBox box = buildaboutbox(measured(400, 20, 28000, 32), german);
  EXPECT_EQ(box.title, "Quendal and More");
  EXPECT_EQ(box.text, std::string(germantext) +
                          "\n\n Perfomance Test: \n"
                          "\n 400 Ephemeriden berechnet in 20 Millisekunden "
                          "\n (entspricht 20000 Ephemeriden pro Sekunde) "
                          "\n 28000 Mondphasen berechnet in 32 Millisekunden "
                          "\n (entspricht 875000 Mondphasen pro Sekunde) "
                          "\n");
  // Austrian German is the same text.
  EXPECT_EQ(buildaboutbox(measured(400, 20, 28000, 32), austrian).text, box.text);
}

TEST(ReportsAbout, GoldenEnglish) {
  const AboutBox box = buildaboutbox(measured(80, 150, 5600, 123), english);
  EXPECT_EQ(box.title, "Quendal and More");
  EXPECT_EQ(box.text,
            "\n\n Version 6.0, August 20th, 2009 "
            "\n\n Easter Date \n Monthly Calendar "
            "\n Four Month Overview \n Day Difference Calculator "
            "\n Rises and Dawns of Sun and Moon \n Phases of the Moon and Seasons "
            "\n Eclipses of the Sun and the Moon \n Position of the Planets and Ephemerides (VSOP87D) "
            "\n Local Sidereal Time - Equation of Time "
            "\n Calculation of Distances on the Earth "
            "\n\n Produced 2005 | 2008 - 2009 "
            "\n The Quendal Project: https://www.quendal.org/"
            "\n Algorithms: J. Meeus, P. Bretagnon and G. Francou (VSOP87D), "
            "\n O. Montenbruck and T. Pfleger, S. L. Moshier, F. Espenak, W.M. Smart "
            "\n\n 64-bit version for Linux (x86_64), Qt 6.4 "
            "\n running on Debian GNU/Linux 12 (bookworm) "
            "\n (Kernel 6.1.0, Qt 6.4.2) "
            "\n\n Perfomance Test: \n"
            "\n 80 Ephemeris calculated in 150 Milliseconds "
            "\n (according to 533 Ephemeris per Second) "
            "\n 5600 Moon Phases calculated in 123 Milliseconds "
            "\n (according to 45528 Moon Phases per Second) "
            "\n");
}

TEST(ReportsAbout, MeasurementsThatAreNotPositive) {
  // Neither measurement: no heading either.
  EXPECT_EQ(buildaboutbox(measured(0, 0, 0, 0), german).text, std::string(germantext) + "\n");
  EXPECT_EQ(buildaboutbox(measured(400, 0, 28000, -5), german).text, std::string(germantext) + "\n");
  EXPECT_EQ(buildaboutbox(measured(-1, 10, 0, 10), german).text, std::string(germantext) + "\n");
  // One of them: the heading and its own lines only.
  const std::string one = buildaboutbox(measured(400, 0, 28000, 40), english).text;
  EXPECT_TRUE(contains(one, "\n\n Perfomance Test: \n\n 28000 Moon Phases calculated in 40 Milliseconds "
                            "\n (according to 700000 Moon Phases per Second) \n"));
  EXPECT_FALSE(contains(one, "Ephemeris"));
  const std::string other = buildaboutbox(measured(400, 16, 0, 40), german).text;
  EXPECT_TRUE(contains(other, "\n\n Perfomance Test: \n\n 400 Ephemeriden berechnet in 16 Millisekunden "
                              "\n (entspricht 25000 Ephemeriden pro Sekunde) \n"));
  EXPECT_FALSE(contains(other, "Mondphasen berechnet"));
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
