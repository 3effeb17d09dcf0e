// The event table: the moon phases and the beginnings of the seasons around
// a year, in Central European time or in UTC, for the calendar views. Built
// from the astronomy engine (lunar phases and season starts) per year.
#pragma once

#include <array>
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

using EventTable = std::array<EventEntry, eventtablesize>;

// The event table of the year: the phases of the 48 lunations from about a
// year before the year on that fall in December of the year before, in the
// year or in the following year, then the four season starts of the year.
// Phase times are rounded to the minute unless exact is 1; season times
// always. local 1: Central European time (UTC+1, UTC+2 on days of European
// summer time, decided by the UTC date); local 0: UTC. year: 1800..2200.
EventTable buildevents(int year, int local, int exact);

// All rows with that date, in table order.
std::vector<const EventEntry*> eventsof(const EventTable& table, int day, int month, int year);

}  // namespace quendal
