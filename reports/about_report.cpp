// The about box and its performance test; see about_report.h.
#include "reports/about_report.h"

#include <chrono>
#include <ctime>

#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/lunar_events.h"
#include "astro/riseset.h"
#include "astro/timescales.h"
#include "calendar/text.h"
#include "reports/web_addresses.h"

namespace quendal {

namespace {

constexpr int millisecondsperday = 86400000;

// One run of the apparent-place test: passes x 8 bodies.
int ephemerisrun(int passes, double step) {
  int count = 0;
  volatile double sink = 0.0;  // keeps the computations from being dropped
  double jd = 2454883.0;
  for (int pass = 0; pass < passes; ++pass) {
    // One frame (the Earth, nutation, obliquity) serves the eight bodies.
    const InstantFrame frame = FrameAt(InstantFromTT(jd));
    for (int body = 1; body <= 9; ++body) {
      if (body == 3) continue;
      const ApparentPlace p = BodyPosition(frame, static_cast<BodyCode>(body));
      const HorizontalPlace h = HorizontalFromEquatorial(p.ra, p.dec, 1.071, 48.133);
      sink = sink + h.altitude;
      ++count;
    }
    jd += step;
  }
  return count;
}

// One run of the moon-phase test: passes x 70 lunations x 4 quarters.
int moonphaserun(int passes) {
  int count = 0;
  volatile double sink = 0.0;  // keeps the computations from being dropped
  for (int pass = 0; pass < passes; ++pass)
    for (int k = 0; k < 70; ++k)
      for (int q = 0; q < 4; ++q) {
        sink = sink + LunarPhase(k, q * 0.25);
        ++count;
      }
  return count;
}

void measurementlines(std::string& t, const PerformanceMeasurement& m, const char* counted, const char* rate) {
  if (m.count <= 0 || m.milliseconds <= 0) return;
  t += strprintf(counted, m.count, m.milliseconds);
  // 1000 / (milliseconds / count), as one quotient so that 28000 in 32 ms is
  // 875000 per second and not 874999.99... cut to 874999.
  t += strprintf(rate, static_cast<int>(1000.0 * m.count / m.milliseconds));
}

}  // namespace

int localmillisecondsofday() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &seconds);
#else
  localtime_r(&seconds, &tm);
#endif
  const auto sinceepoch = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch());
  const int millisecond = static_cast<int>(sinceepoch.count() % 1000);
  return tm.tm_hour * 3600000 + tm.tm_min * 60000 + tm.tm_sec * 1000 + millisecond;
}

int elapsedmilliseconds(int start, int end) {
  if (end < start) end += millisecondsperday;
  return end - start;
}

PerformanceMeasurement measureephemerides(MillisecondClock clock) {
  PerformanceMeasurement m;
  int start = clock();
  m.count = ephemerisrun(10, 100.0);
  m.milliseconds = elapsedmilliseconds(start, clock());
  if (m.milliseconds < 100) {
    start = clock();
    m.count = ephemerisrun(50, 20.0);
    m.milliseconds = elapsedmilliseconds(start, clock());
  }
  return m;
}

PerformanceMeasurement measuremoonphases(MillisecondClock clock) {
  PerformanceMeasurement m;
  int start = clock();
  m.count = moonphaserun(20);
  m.milliseconds = elapsedmilliseconds(start, clock());
  if (m.milliseconds < 100) {
    start = clock();
    m.count = moonphaserun(100);
    m.milliseconds = elapsedmilliseconds(start, clock());
  }
  return m;
}

AboutInputs measureperformance(MillisecondClock clock) {
  AboutInputs in;
  in.ephemerides = measureephemerides(clock);
  in.moonphases = measuremoonphases(clock);
  return in;
}

std::string platformlines(const AboutPlatform& p, Language language) {
  const bool german = language != english;
  std::string t = strprintf(german ? "\n\n %d-Bit-Version für %s (%s)" : "\n\n %d-bit version for %s (%s)", p.bits,
                            p.system.c_str(), p.architecture.c_str());
  if (!p.toolkit.empty()) t += ", " + p.toolkit;
  t += german ? " \n läuft auf " : " \n running on ";
  t += p.runningon + " ";
  if (!p.version.empty()) t += "\n (" + p.version + ") ";
  return t;
}

AboutBox buildaboutbox(const AboutInputs& in, Language language) {
  const bool german = language != english;
  AboutBox box;
  box.title = "Quendal and More";
  std::string& t = box.text;
  t = "\n\n Version 6.0, ";
  t += german ? "2009-08-20 " : "August 20th, 2009 ";
  if (german)
    t += "\n\n Osterdatum \n Monatskalender \n Feiertagsübersicht "
         "\n Viermonatsübersicht \n Tagesdifferenzkalkulator "
         "\n Aufgang von Sonne und Mond \n Mondphasen und Jahreszeiten "
         "\n Sonnen- und Mondfinsternisse \n Zeitgleichung und Ortssternzeit "
         "\n Aufgang und Untergang von Sonne und Mond "
         "\n Position der Planeten und Ephemeriden gem. VSOP87D "
         "\n Ermittlung von Entfernungen auf der Erde (Orthodrome) ";
  else
    t += "\n\n Easter Date \n Monthly Calendar "
         "\n Four Month Overview \n Day Difference Calculator "
         "\n Rises and Dawns of Sun and Moon \n Phases of the Moon and Seasons "
         "\n Eclipses of the Sun and the Moon \n Position of the Planets and Ephemerides (VSOP87D) "
         "\n Local Sidereal Time - Equation of Time "
         "\n Calculation of Distances on the Earth ";
  t += german ? "\n\n Produziert 2005 | 2008 - 2009 " : "\n\n Produced 2005 | 2008 - 2009 ";
  // Credits.
  t += german ? "\n Das Quendal-Projekt: " : "\n The Quendal Project: ";
  t += homepageaddress;
  t += german ? "\n Algorithmen: J. Meeus, P. Bretagnon und G. Francou (VSOP87D), "
                "\n O. Montenbruck und T. Pfleger, S. L. Moshier, F. Espenak, W.M. Smart "
              : "\n Algorithms: J. Meeus, P. Bretagnon and G. Francou (VSOP87D), "
                "\n O. Montenbruck and T. Pfleger, S. L. Moshier, F. Espenak, W.M. Smart ";
  t += platformlines(in.platform, language);
  const PerformanceMeasurement& e = in.ephemerides;
  const PerformanceMeasurement& m = in.moonphases;
  const bool ephemeridesshown = e.count > 0 && e.milliseconds > 0;
  const bool phasesshown = m.count > 0 && m.milliseconds > 0;
  if (ephemeridesshown || phasesshown) t += "\n\n Perfomance Test: \n";
  measurementlines(
      t, e,
      german ? "\n %d Ephemeriden berechnet in %d Millisekunden " : "\n %d Ephemeris calculated in %d Milliseconds ",
      german ? "\n (entspricht %d Ephemeriden pro Sekunde) " : "\n (according to %d Ephemeris per Second) ");
  measurementlines(
      t, m,
      german ? "\n %d Mondphasen berechnet in %d Millisekunden " : "\n %d Moon Phases calculated in %d Milliseconds ",
      german ? "\n (entspricht %d Mondphasen pro Sekunde) " : "\n (according to %d Moon Phases per Second) ");
  t += "\n";
  return box;
}

}  // namespace quendal
