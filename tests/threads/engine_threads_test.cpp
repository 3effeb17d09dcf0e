// The engine computed from several threads at once gives what one thread
// gives. Built and run under ThreadSanitizer, which reports any data race.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "almanac/events.h"
#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/lunar_events.h"
#include "astro/riseset.h"
#include "astro/timescales.h"
#include "calendar/holidays.h"
#include "calendar/text.h"
#include "reports/main_report.h"
#include "reports/month_overview.h"
#include "reports/moon_report.h"
#include "reports/planet_report.h"
#include "reports/rises_report.h"

using namespace quendal;

namespace {

// One piece of work: a text that holds every number it computed.
std::string work(int n) {
  const int year = 1850 + 7 * n;
  std::string out;
  const InstantFrame frame = FrameAt(InstantFromUT(2451545.0 + 97.3 * n));
  for (int b = -1; b <= 9; ++b) {
    const ApparentPlace p = BodyPosition(frame, static_cast<BodyCode>(b));
    out += strprintf("%d %.17g %.17g %.17g\n", b, p.ra, p.dec, p.distance);
  }
  const DayEventsResult day =
      DayEvents(51544 + 31 * n, 1.0, 15.6, 48.2, BodyCode::Moon, {}, {true, true, Culmination::Fine});
  out += strprintf("%.17g %.17g %.17g\n", day.rise, day.set, day.culmination);
  double distance = 0.0;
  int evaluations = 0;
  const double apsis = NextApsis(2451545.0 + 40.0 * n, distance, evaluations, 1);
  out += strprintf("%.17g %.17g %.17g\n", LunarPhase(12 * n, 0.5), apsis, distance);
  for (const EventEntry& e : buildevents(year, n % 2, 0))
    out += strprintf("%d-%d-%d %d:%d %d\n", e.year, e.month, e.day, e.hour, e.minute, e.kind);
  for (const HolidayEntry& h : buildholidays(year)) out += strprintf("%d-%d %s\n", h.month, h.day, h.englishname);

  const auto language = static_cast<Language>(n % 3);
  out += buildmainreport({.year = year, .page = n % 13}, language).text;
  out += buildmonthoverview({.year = year, .month = 1 + n % 12}, language).text;
  out += buildmoonreport({.year = year, .month = 1 + n % 12, .day = 10, .hour = 12, .page = n % 7}, language).text;
  out +=
      buildrisesreport(
          {.year = year, .month = 6, .day = 21, .zone = 1, .precise = 1, .planets = {1, 1, 1, 1, 1, 1, 1, 1}}, language)
          .text;
  PlanetInputs planets{.year = year, .month = 3, .day = 1 + n % 28, .hour = n % 24};
  planets.deltaTPending = true;
  planets.details = true;
  out += buildplanetreport(planets, language).text;
  return out;
}

}  // namespace

TEST(EngineThreads, FourThreadsComputeWhatOneComputes) {
  constexpr int pieces = 8;
  std::vector<std::string> expected(pieces);
  for (int n = 0; n < pieces; ++n) expected[n] = work(n);

  constexpr int threads = 4;
  std::vector<std::vector<std::string>> got(threads, std::vector<std::string>(pieces));
  std::vector<std::thread> running;
  for (int t = 0; t < threads; ++t)
    running.emplace_back([t, &got] {
      // Every thread does all pieces, each starting at another one.
      for (int i = 0; i < pieces; ++i) {
        const int n = (i + 2 * t) % pieces;
        got[t][n] = work(n);
      }
    });
  for (std::thread& r : running) r.join();

  for (int t = 0; t < threads; ++t)
    for (int n = 0; n < pieces; ++n) EXPECT_EQ(got[t][n], expected[n]) << "thread " << t << ", piece " << n;
}
