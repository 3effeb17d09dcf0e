// The event table: moon phases and season starts around a year.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "almanac/events.h"
#include "astro/lunar_events.h"
#include "calendar/calendar.h"

using namespace quendal;

// Published instants (UT): the new moon of lunation 0, 2000 January 6 18:14;
// the seasons of 2024, 20 March 03:06, 20 June 20:51, 22 September 12:44,
// 21 December 09:20 (seasons within a minute); the new moon of the eclipse of 2024 April 8,
// 18:21; the full moon of 2024 June 22, 01:08. In Central European time
// (local 1) an hour later, in summer two.
TEST(AlmanacEvents, PublishedInstants) {
  const struct {
    int year, local, day, month, kind, hour, minute;
  } cases[] = {{2000, 0, 6, 1, newmoonevent, 18, 14}, {2000, 1, 6, 1, newmoonevent, 19, 14},
               {2024, 0, 20, 3, springevent, 3, 6},   {2024, 1, 20, 3, springevent, 4, 6},
               {2024, 0, 20, 6, summerevent, 20, 51}, {2024, 0, 22, 9, autumnevent, 12, 44},
               {2024, 0, 21, 12, winterevent, 9, 20}, {2024, 0, 8, 4, newmoonevent, 18, 21},
               {2024, 1, 22, 6, fullmoonevent, 3, 8}};
  for (const auto& c : cases) {
    const EventTable table = buildevents(c.year, c.local, 0);
    const auto rows = eventsof(table, c.day, c.month, c.year);
    ASSERT_EQ(rows.size(), 1u) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(rows[0]->kind, c.kind) << c.month << "-" << c.day;
    EXPECT_EQ(rows[0]->hour, c.hour) << c.month << "-" << c.day;
    EXPECT_NEAR(rows[0]->minute, c.minute, c.kind > 10 ? 1 : 0) << c.month << "-" << c.day;  // seasons to the minute
  }
}

// New moon, first quarter, full moon, last quarter, with no phase missing
// from the first week of December of the year before to the end of the year
// after; the four seasons of the year only.
TEST(AlmanacEvents, PhasesFollowEachOtherInOrder) {
  for (int year : {1800, 1900, 1999, 2000, 2024, 2100, 2200})
    for (int local : {0, 1}) {
      std::vector<EventEntry> rows;
      int seasons = 0;
      for (const EventEntry& e : buildevents(year, local, 0)) {
        if (e.day != 0 && e.kind < 10) rows.push_back(e);
        EXPECT_EQ(e.second, 0);
        if (e.day == 0 || e.kind < 10) continue;
        EXPECT_EQ(e.year, year);
        ++seasons;
      }
      EXPECT_EQ(seasons, 4);
      std::sort(rows.begin(), rows.end(), [](const EventEntry& a, const EventEntry& b) {
        return std::array{a.year, a.month, a.day, a.hour, a.minute} <
               std::array{b.year, b.month, b.day, b.hour, b.minute};
      });
      ASSERT_GT(rows.size(), 100u) << year;
      const int order[4] = {newmoonevent, firstquarterevent, fullmoonevent, lastquarterevent};
      const int first = static_cast<int>(std::find(order, order + 4, rows[0].kind) - order);
      for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].kind, order[(first + i) % 4]) << year << " " << i;
      EXPECT_EQ((std::array{rows.front().year, rows.front().month}), (std::array{year - 1, 12}));
      EXPECT_LE(rows.front().day, 8);
      EXPECT_EQ((std::array{rows.back().year, rows.back().month}), (std::array{year + 1, 12}));
      EXPECT_GE(rows.back().day, 24);
    }
}

// Exact times keep their seconds; otherwise every phase time is LunarPhase
// rounded to the minute.
TEST(AlmanacEvents, ExactTimesKeepTheirSeconds) {
  int withseconds = 0;
  for (const EventEntry& e : buildevents(2024, 0, 1)) withseconds += e.day != 0 && e.kind < 10 && e.second != 0;
  EXPECT_GT(withseconds, 50);
  const EventTable table = buildevents(2024, 0, 0);
  const int k0 = FirstLunationToTry(2024, 1);
  for (int k = k0 + 2; k < k0 + 26; ++k) {
    int y, m, d, h, mi, s;
    mjdtodatetime(roundjdtominute(LunarPhase(k, 0.5)) - 2400000.5, y, m, d, h, mi, s);
    const auto rows = eventsof(table, d, m, y);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ((std::array{rows[0]->kind, rows[0]->hour, rows[0]->minute}), (std::array{int(fullmoonevent), h, mi}));
  }
}
