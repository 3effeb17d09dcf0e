// The event table; see events.h.
#include "almanac/events.h"

#include <cmath>

#include "astro/lunar_events.h"
#include "astro/seasons.h"
#include "calendar/calendar.h"

namespace quendal {

namespace {

// The civil date and time of a UT instant, in CET/CEST when local is set.
EventEntry eventat(double jd, int local, int kind) {
  EventEntry e;
  e.kind = kind;
  const double mjd = jd - 2400000.5;
  mjdtodatetime(mjd, e.year, e.month, e.day, e.hour, e.minute, e.second);
  if (local) {
    const int offset = summertime(e.day, e.month, e.year) == 1 ? 2 : 1;
    mjdtodatetime(mjd + offset / 24.0, e.year, e.month, e.day, e.hour, e.minute, e.second);
  }
  return e;
}

}  // namespace

EventTable buildevents(int year, int local, int exact) {
  EventTable eventTable{};

  struct Phase {
    double fraction;
    int kind;
  };
  static const Phase phases[4] = {
      {0.0, newmoonevent}, {0.25, firstquarterevent}, {0.5, fullmoonevent}, {0.75, lastquarterevent}};

  int n = 0;
  const int k0 = static_cast<int>(std::floor((year - 2000 + 1.0 / 12.0) * 12.3685));
  for (const Phase& p : phases)
    for (int k = k0 - 12; k <= k0 + 35; ++k) {
      double jd = LunarPhase(k, p.fraction);
      if (exact == 0) jd = roundjdtominute(jd);
      const EventEntry e = eventat(jd, local, p.kind);
      const bool kept = e.year == year || e.year == year + 1 || (e.year == year - 1 && e.month == 12);
      if (kept && n < eventtablesize - 4) eventTable[n++] = e;
    }

  // Two rows of one date keep only the later one.
  for (int i = 0; i < eventtablesize - 1; ++i)
    for (int j = i + 1; j < eventtablesize; ++j)
      if (eventTable[i].day == eventTable[j].day && eventTable[i].month == eventTable[j].month &&
          eventTable[i].year == eventTable[j].year) {
        eventTable[i].day = eventTable[i].month = eventTable[i].year = 0;
        break;
      }

  for (int season = 1; season <= 4; ++season) {
    const double jd = roundjdtominute(SeasonBegin(year, season));
    if (n < eventtablesize) eventTable[n++] = eventat(jd, local, 10 + season);
  }
  return eventTable;
}

std::vector<const EventEntry*> eventsof(const EventTable& table, int day, int month, int year) {
  std::vector<const EventEntry*> rows;
  if (day == 0 || month == 0) return rows;
  for (const EventEntry& e : table)
    if (e.day == day && e.month == month && e.year == year) rows.push_back(&e);
  return rows;
}

}  // namespace quendal
