// The holiday table: named days, public and regional holidays, the national
// days of six countries, the movable feasts, Advent, the leap day, the
// European summer-time changes, and the early movable feasts of the
// following year. Built per year (from the table of feasts,
// calendar/feasts.h); the calendar views query it day by day.
//
// The event table of moon phases and season starts, which needs the
// astronomy engine, lives in almanac/events.h.
#pragma once

#include <array>
#include <vector>

#include "calendar/feasts.h"

namespace quendal {

// Where a row of the holiday table comes from. The summer-time changes share
// the national days' marking kind; the source tells them apart.
enum class HolidaySource {
  none,          // an empty row
  movablefeast,  // the movable feasts: the date follows Easter
  fixedfeast,
  nationalday,  // the national days (with their country)
  advent,
  leapday,
  summertime,  // a European summer-time change
};

// One row of the holiday table; day, month and year are 0 in an empty row.
struct HolidayEntry {
  int day = 0;
  int month = 0;
  int year = 0;  // the year built, or the following year for the last block
  int kind = 0;  // a HolidayKind
  const char* germanname = "";
  const char* englishname = "";
  HolidaySource source = HolidaySource::none;
  const char* country = "";  // a national day's country (ISO 3166 alpha-2), else ""
};

constexpr int holidaytablesize = 60;

using HolidayTable = std::array<HolidayEntry, holidaytablesize>;

// The holiday table of the year (Gregorian leap rule and Easter of
// eastersundaygregorian). year: 100..9999.
HolidayTable buildholidays(int year);

// All rows with exactly that date, in table order. Empty rows never match.
std::vector<const HolidayEntry*> holidaysof(const HolidayTable& table, int day, int month, int year);

// The marking kind of a date: 1 if any row is a public holiday, else 8 if any
// is a regional holiday, else 9 if any is a national day or summer-time
// change, else 0 if the date has named days only; -1 without any row.
int markingkind(const HolidayTable& table, int day, int month, int year);

// The row's name in the language.
const char* holidayname(const HolidayEntry& entry, Language language);

}  // namespace quendal
