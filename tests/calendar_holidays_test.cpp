// The holiday table: rows per year, the following-year block, queries and the
// marking priority.
#include <gtest/gtest.h>

#include <string>

#include "calendar/calendar.h"
#include "calendar/holidays.h"

using namespace quendal;

namespace {

// The table last built by a test.
HolidayTable holidayTable;

// The row of the table with that English name and year, or nullptr.
const HolidayEntry* find(const char* english, int year) {
  for (const HolidayEntry& e : holidayTable)
    if (e.year == year && std::string(e.englishname) == english) return &e;
  return nullptr;
}

int usedrows() {
  int n = 0;
  for (const HolidayEntry& e : holidayTable) n += e.day != 0;
  return n;
}

void expectdate(const char* english, int year, int day, int month) {
  const HolidayEntry* e = find(english, year);
  ASSERT_NE(e, nullptr) << english << " " << year;
  EXPECT_EQ(e->day, day) << english << " " << year;
  EXPECT_EQ(e->month, month) << english << " " << year;
}

}  // namespace

TEST(CalendarHolidays, TheYearAndTheFollowingYearsBlock) {
  // 2024: 33 rows of the year (leap day and both summer-time rows included)
  // and the 13 feasts of 2025, whose Epiphany is a public holiday.
  holidayTable = buildholidays(2024);
  EXPECT_EQ(usedrows(), 46);
  int following = 0;
  for (const HolidayEntry& e : holidayTable) following += e.day != 0 && e.year == 2025;
  EXPECT_EQ(following, 13);
  expectdate("Leap Day", 2024, 29, 2);
  EXPECT_STREQ(find("End of Daylight Savings Time (Europe)", 2024)->germanname, "Ende der Sommerzeit (Europa)");
  EXPECT_EQ(find("End of Daylight Savings Time (Europe)", 2024)->kind, nationalday);
  EXPECT_EQ(find("Epiphany", 2025)->kind, publicholiday);
  EXPECT_EQ(find("Epiphany", 2024)->kind, regionalholiday);
  EXPECT_STREQ(find("Christmas Day", 2024)->germanname, "Christtag  (1. Weihnachtstag)");
}

TEST(CalendarHolidays, SummerTimeRows) {
  holidayTable = buildholidays(1979);
  EXPECT_EQ(find("Begin of Daylight Savings Time (Europe)", 1979), nullptr);
  EXPECT_EQ(find("End of Daylight Savings Time (Europe)", 1979), nullptr);
  EXPECT_EQ(usedrows(), 30 + 13);
  holidayTable = buildholidays(1985);
  expectdate("Begin of Daylight Savings Time (Europe)", 1985, 31, 3);
  expectdate("End of Daylight Savings Time (Europe)", 1985, 29, 9);
  // From 1980 on: the last Sunday of March; the end on the last Sunday of
  // September until 1995, of October from 1996 on.
  for (int year = 1980; year <= 2200; ++year) {
    holidayTable = buildholidays(year);
    const HolidayEntry* begin = find("Begin of Daylight Savings Time (Europe)", year);
    const HolidayEntry* end = find("End of Daylight Savings Time (Europe)", year);
    ASSERT_NE(begin, nullptr) << year;
    ASSERT_NE(end, nullptr) << year;
    EXPECT_EQ(dayofweek(begin->day, 3, year), 1) << year;
    EXPECT_GT(begin->day + 7, 31) << year;
    EXPECT_EQ(end->month, year <= 1995 ? 9 : 10) << year;
    EXPECT_EQ(dayofweek(end->day, end->month, year), 1) << year;
    EXPECT_GT(end->day + 7, daysinmonth(end->month, year)) << year;
  }
}

TEST(CalendarHolidays, EveryRowIsARealDateOfItsYear) {
  for (int year = 1583; year <= 9999; year += 7) {
    holidayTable = buildholidays(year);
    int rows = 0;
    for (const HolidayEntry& e : holidayTable) {
      if (e.day == 0) continue;
      ++rows;
      EXPECT_GT(dayofweek(e.day, e.month, e.year), 0) << year;
      EXPECT_TRUE(e.year == year || e.year == year + 1) << year;
    }
    EXPECT_LE(rows, 46);
    // Easter Sunday of both years falls on a Sunday, the Advent Sundays too.
    EXPECT_EQ(dayofweek(find("Easter Sunday", year)->day, find("Easter Sunday", year)->month, year), 1);
    const HolidayEntry* next = find("Easter Sunday", year + 1);
    EXPECT_EQ(dayofweek(next->day, next->month, year + 1), 1);
    const HolidayEntry* fourth = find("4th Advent Sunday", year);
    EXPECT_EQ(dayofweek(fourth->day, 12, year), 1);
    EXPECT_GE(fourth->day, 18);
    EXPECT_LE(fourth->day, 24);
  }
}

TEST(CalendarHolidays, QueriesAndMarking) {
  holidayTable = buildholidays(2024);
  const auto assumption = holidaysof(holidayTable, 15, 8, 2024);
  ASSERT_EQ(assumption.size(), 2u);
  EXPECT_STREQ(holidayname(*assumption[0], 1), "Mariä Himmelfahrt");
  EXPECT_STREQ(holidayname(*assumption[1], 1), "Staatsfeiertag Liechtenstein");
  EXPECT_STREQ(holidayname(*assumption[0], 0), "Assumption");
  EXPECT_EQ(markingkind(holidayTable, 15, 8, 2024), regionalholiday);
  EXPECT_EQ(markingkind(holidayTable, 25, 12, 2024), publicholiday);
  EXPECT_EQ(markingkind(holidayTable, 26, 10, 2024), nationalday);
  EXPECT_EQ(markingkind(holidayTable, 24, 12, 2024), namedday);
  EXPECT_EQ(markingkind(holidayTable, 2, 1, 2024), -1);
  EXPECT_TRUE(holidaysof(holidayTable, 0, 0, 0).empty());
  EXPECT_TRUE(holidaysof(holidayTable, 15, 8, 2023).empty());
  // Ascension Day (public) and First May fall together in 2008.
  holidayTable = buildholidays(2008);
  EXPECT_EQ(holidaysof(holidayTable, 1, 5, 2008).size(), 2u);
  EXPECT_EQ(markingkind(holidayTable, 1, 5, 2008), publicholiday);
  // 24 December 2023 is a Sunday: the fourth Advent Sunday and Christmas Eve.
  holidayTable = buildholidays(2023);
  const auto eve = holidaysof(holidayTable, 24, 12, 2023);
  ASSERT_EQ(eve.size(), 2u);
  EXPECT_STREQ(eve[0]->englishname, "Christmas Eve");
  EXPECT_STREQ(eve[1]->englishname, "4th Advent Sunday");
  EXPECT_EQ(markingkind(holidayTable, 24, 12, 2023), publicholiday);
  // Good Friday is regional, Maundy Thursday a named day.
  EXPECT_EQ(markingkind(holidayTable, 7, 4, 2023), regionalholiday);
  EXPECT_EQ(markingkind(holidayTable, 6, 4, 2023), namedday);
  // The following year's block answers for 2024.
  EXPECT_EQ(markingkind(holidayTable, 1, 1, 2024), publicholiday);
  EXPECT_EQ(markingkind(holidayTable, 6, 1, 2024), publicholiday);
}

TEST(CalendarHolidays, PublishedDates) {
  // Dates as published in church and civil calendars.
  struct Row {
    int year;
    const char* english;
    int day, month;
  };
  const Row rows[] = {
      {1818, "Easter Sunday", 22, 3},            // the earliest possible Easter
      {1943, "Easter Sunday", 25, 4},            // the latest possible Easter
      {1954, "Easter Sunday", 18, 4},            {1981, "Easter Sunday", 19, 4},
      {2000, "Ash Wednesday", 8, 3},             {2019, "Ascension Day", 30, 5},
      {2021, "Pentecost - Whit Sunday", 23, 5},  {2022, "Corpus Christi", 16, 6},
      {2023, "Good Friday", 7, 4},               {2038, "Easter Monday", 26, 4},
      {2285, "Easter Sunday", 22, 3},            {2022, "1st Advent Sunday", 27, 11},
      {2023, "1st Advent Sunday", 3, 12},        {1995, "End of Daylight Savings Time (Europe)", 24, 9},
      {2057, "Ash Wednesday", 7, 3},             {2057, "Ascension Day", 31, 5},  // Easter on 22 April
      {2057, "Pentecost - Whit Sunday", 10, 6},  {2057, "Corpus Christi", 21, 6},
      {2024, "Ash Wednesday", 14, 2},            {2025, "Ash Wednesday", 5, 3},
      {2025, "Easter Sunday", 20, 4},            {2024, "1st Advent Sunday", 1, 12},
      {2024, "4th Advent Sunday", 22, 12},       {2024, "Begin of Daylight Savings Time (Europe)", 31, 3},
      {1996, "End of Daylight Savings Time (Europe)", 27, 10},
      {2021, "Begin of Daylight Savings Time (Europe)", 28, 3},
      {2021, "End of Daylight Savings Time (Europe)", 31, 10},
  };
  for (const Row& r : rows) {
    holidayTable = buildholidays(r.year);
    expectdate(r.english, r.year, r.day, r.month);
  }
}
