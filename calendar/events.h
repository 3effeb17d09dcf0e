// The event table: the moon phases and the beginnings of the seasons around
// a year, in Central European time or in UTC, for the calendar views.
//
// It is the one part of calendar/ that calls the astronomy engine (lunar
// phases and season starts); the rest of calendar/ stays below astro/.
#pragma once

#include <vector>

namespace quendal {

// Kinds of an event row.
enum EventKind {
  newmoonevent = 0,
  fullmoonevent = 1,
  firstquarterevent = 2,
  lastquarterevent = 3,
  springevent = 11,
  summerevent = 12,
  autumnevent = 13,
  winterevent = 14,
};

// One row of the event table; day, month and year are 0 in an empty or
// removed row.
struct EventEntry {
  int day = 0, month = 0, year = 0;
  int hour = 0, minute = 0, second = 0;
  int kind = 0;  // an EventKind
};

constexpr int eventtablesize = 180;

// Process-wide: the event table of the year last built.
extern EventEntry eventTable[eventtablesize];

// Clears and refills eventTable for the year and clears tablesStale
// (calendar/holidays.h): the phases of the 48 lunations from about a year
// before the year on that fall in December of the year before, in the year or
// in the following year, then the four season starts of the year. Phase
// times are rounded to the minute unless exact is 1; season times always.
// local 1: Central European time (UTC+1, UTC+2 on days of European summer
// time, decided by the UTC date); local 0: UTC. year: 1800..2200.
void buildevents(int year, int local, int exact);

// All rows with that date, in table order.
std::vector<const EventEntry*> eventsof(int day, int month, int year);

}  // namespace quendal
