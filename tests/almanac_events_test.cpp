// The event table: moon phases and season starts around a year.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "almanac/events.h"
#include "astro/lunar_events.h"
#include "calendar/calendar.h"

using namespace quendal;

namespace {

// The table last built by a test.
EventTable eventTable;

std::vector<EventEntry> phases() {
  std::vector<EventEntry> rows;
  for (const EventEntry& e : eventTable)
    if (e.day != 0 && e.kind < 10) rows.push_back(e);
  std::sort(rows.begin(), rows.end(), [](const EventEntry& a, const EventEntry& b) {
    const double ta = datetomjd(a.year, a.month, a.day) + a.hour / 24.0 + a.minute / 1440.0;
    const double tb = datetomjd(b.year, b.month, b.day) + b.hour / 24.0 + b.minute / 1440.0;
    return ta < tb;
  });
  return rows;
}

}  // namespace

TEST(AlmanacEvents, NewMoonOfLunationZero) {
  eventTable = buildevents(2000, 0, 0);
  const auto utc = eventsof(eventTable, 6, 1, 2000);
  ASSERT_EQ(utc.size(), 1u);
  EXPECT_EQ(utc[0]->kind, newmoonevent);
  EXPECT_EQ(utc[0]->hour, 18);
  EXPECT_EQ(utc[0]->minute, 14);
  EXPECT_EQ(utc[0]->second, 0);
  // Central European time: one hour later in January.
  eventTable = buildevents(2000, 1, 1);
  const auto cet = eventsof(eventTable, 6, 1, 2000);
  ASSERT_EQ(cet.size(), 1u);
  EXPECT_EQ(cet[0]->hour, 19);
}

TEST(AlmanacEvents, RowsOfTheYear2024) {
  eventTable = buildevents(2024, 0, 0);
  // Only December of the year before, the year and the year after.
  int seasons = 0;
  for (const EventEntry& e : eventTable) {
    if (e.day == 0) continue;
    EXPECT_TRUE(e.year == 2024 || e.year == 2025 || (e.year == 2023 && e.month == 12));
    if (e.kind > 10) {
      ++seasons;
      EXPECT_EQ(e.year, 2024);
    }
  }
  EXPECT_EQ(seasons, 4);
  // The seasons of 2024 (UT): 20 March 03:06, 20 June 20:51, 22 September
  // 12:44, 21 December 09:20 or 09:21.
  const auto spring = eventsof(eventTable, 20, 3, 2024);
  ASSERT_EQ(spring.size(), 1u);
  EXPECT_EQ(spring[0]->kind, springevent);
  EXPECT_EQ(spring[0]->hour, 3);
  EXPECT_NEAR(spring[0]->minute, 6, 1);
  ASSERT_EQ(eventsof(eventTable, 20, 6, 2024).size(), 1u);
  EXPECT_EQ(eventsof(eventTable, 20, 6, 2024)[0]->kind, summerevent);
  ASSERT_EQ(eventsof(eventTable, 22, 9, 2024).size(), 1u);
  EXPECT_EQ(eventsof(eventTable, 22, 9, 2024)[0]->kind, autumnevent);
  ASSERT_EQ(eventsof(eventTable, 21, 12, 2024).size(), 1u);
  EXPECT_EQ(eventsof(eventTable, 21, 12, 2024)[0]->kind, winterevent);
  // The total solar eclipse of 8 April 2024 fell on the new moon (18:21 UT).
  const auto newmoon = eventsof(eventTable, 8, 4, 2024);
  ASSERT_EQ(newmoon.size(), 1u);
  EXPECT_EQ(newmoon[0]->kind, newmoonevent);
  EXPECT_EQ(newmoon[0]->hour, 18);
  EXPECT_EQ(newmoon[0]->minute, 21);
}

TEST(AlmanacEvents, PhasesFollowEachOtherInOrder) {
  // New moon, first quarter, full moon, last quarter, with no phase missing
  // between December of the year before and the end of the year after.
  for (int year : {1800, 1900, 1999, 2000, 2024, 2100, 2200})
    for (int local : {0, 1}) {
      eventTable = buildevents(year, local, 0);
      const auto rows = phases();
      ASSERT_GT(rows.size(), 100u) << year;
      const int order[4] = {newmoonevent, firstquarterevent, fullmoonevent, lastquarterevent};
      const int first = static_cast<int>(std::find(order, order + 4, rows[0].kind) - order);
      for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].kind, order[(first + i) % 4]) << year << " " << i;
      EXPECT_EQ(rows.front().year, year - 1);
      EXPECT_EQ(rows.front().month, 12);
      EXPECT_LE(rows.front().day, 8);
      EXPECT_EQ(rows.back().year, year + 1);
      EXPECT_EQ(rows.back().month, 12);
      EXPECT_GE(rows.back().day, 24);
    }
}

TEST(AlmanacEvents, ExactTimesKeepTheirSeconds) {
  eventTable = buildevents(2024, 0, 1);
  int withseconds = 0;
  for (const EventEntry& e : eventTable)
    if (e.day != 0 && e.kind < 10) withseconds += e.second != 0;
  EXPECT_GT(withseconds, 50);
  eventTable = buildevents(2024, 0, 0);
  for (const EventEntry& e : eventTable) EXPECT_EQ(e.second, 0);
  // Every minute-rounded phase time is LunarPhase rounded to the minute.
  const int k0 = FirstLunationToTry(2024, 1);
  for (int k = k0 + 2; k < k0 + 26; ++k) {
    int y, m, d, h, mi, s;
    mjdtodatetime(roundjdtominute(LunarPhase(k, 0.5)) - 2400000.5, y, m, d, h, mi, s);
    const auto rows = eventsof(eventTable, d, m, y);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]->kind, fullmoonevent);
    EXPECT_EQ(rows[0]->hour, h);
    EXPECT_EQ(rows[0]->minute, mi);
  }
}

TEST(AlmanacEvents, CentralEuropeanSummerTime) {
  eventTable = buildevents(2024, 1, 0);
  // Full moon 22 June 2024 01:08 UT: 03:08 CEST.
  const auto june = eventsof(eventTable, 22, 6, 2024);
  ASSERT_EQ(june.size(), 1u);
  EXPECT_EQ(june[0]->kind, fullmoonevent);
  EXPECT_EQ(june[0]->hour, 3);
  EXPECT_EQ(june[0]->minute, 8);
  // Spring 2024 at 04:06 CET (03:06 UT).
  EXPECT_EQ(eventsof(eventTable, 20, 3, 2024)[0]->hour, 4);
}
