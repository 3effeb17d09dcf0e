// Easter computus (convertdate over the whole range, the feasts that follow
// Easter, Advent, identical years) and the holiday table (rows per year, the
// following-year block, queries and the marking priority, dates as published).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>

#include "calendar/calendar.h"
#include "calendar/easter.h"
#include "calendar/holidays.h"
#include "support.h"

using namespace quendal;

namespace {

const char* const summerbegin = "Begin of Daylight Savings Time (Europe)";
const char* const summerend = "End of Daylight Savings Time (Europe)";

// The row of the table with that English name and year, or nullptr.
const HolidayEntry* find(const HolidayTable& table, const char* english, int year) {
  for (const HolidayEntry& e : table)
    if (e.year == year && std::string(e.englishname) == english) return &e;
  return nullptr;
}

int usedrows(const HolidayTable& table, int year = 0) {
  int n = 0;
  for (const HolidayEntry& e : table) n += e.day != 0 && (year == 0 || e.year == year);
  return n;
}

int mjdof(int year, DayMonth dm) { return datetomjd(year, dm.month, dm.day); }

}  // namespace

TEST(CalendarHolidays, TheYearAndTheFollowingYearsBlock) {
  // 2024: 33 rows of the year (leap day and both summer-time rows included)
  // and the 13 feasts of 2025, whose Epiphany is a public holiday; 1979 had
  // no summer time.
  const HolidayTable t = buildholidays(2024);
  EXPECT_EQ(usedrows(t), 46);
  EXPECT_EQ(usedrows(t, 2025), 13);
  ASSERT_NE(find(t, "Leap Day", 2024), nullptr);
  EXPECT_STREQ(find(t, summerend, 2024)->germanname, "Ende der Sommerzeit (Europa)");
  EXPECT_EQ(find(t, summerend, 2024)->kind, nationalday);
  EXPECT_EQ(find(t, "Epiphany", 2025)->kind, publicholiday);
  EXPECT_EQ(find(t, "Epiphany", 2024)->kind, regionalholiday);
  EXPECT_STREQ(find(t, "Christmas Day", 2024)->germanname, "Christtag  (1. Weihnachtstag)");
  const HolidayTable t1979 = buildholidays(1979);
  EXPECT_EQ(find(t1979, summerbegin, 1979), nullptr);
  EXPECT_EQ(find(t1979, summerend, 1979), nullptr);
  EXPECT_EQ(usedrows(t1979), 30 + 13);
}

// Every year: real dates of the year or the next; Easter and the fourth
// Advent Sunday (18..24 December) on Sundays; from 1980 on summer time from
// the last Sunday of March to the last Sunday of September (until 1995) or
// October.
TEST(CalendarHolidays, EveryRowIsARealDateOfItsYear) {
  for (int year = 1583; year <= 9999; year += year >= 1980 && year < 2200 ? 1 : 7) {
    const HolidayTable t = buildholidays(year);
    for (const HolidayEntry& e : t) {
      if (e.day == 0) continue;
      EXPECT_GT(dayofweek(e.day, e.month, e.year), 0) << year;
      EXPECT_TRUE(e.year == year || e.year == year + 1) << year;
    }
    EXPECT_LE(usedrows(t), 46);
    for (const auto& [name, y] :
         {std::pair{"Easter Sunday", year}, {"Easter Sunday", year + 1}, {"4th Advent Sunday", year}}) {
      const HolidayEntry* e = find(t, name, y);
      EXPECT_EQ(dayofweek(e->day, e->month, y), 1) << name << " " << y;
    }
    EXPECT_GE(find(t, "4th Advent Sunday", year)->day, 18);
    if (year < 1980) continue;
    const HolidayEntry *begin = find(t, summerbegin, year), *end = find(t, summerend, year);
    ASSERT_TRUE(begin && end) << year;
    EXPECT_EQ(dayofweek(begin->day, 3, year), 1) << year;
    EXPECT_GT(begin->day + 7, 31) << year;
    EXPECT_EQ(end->month, year <= 1995 ? 9 : 10) << year;
    EXPECT_EQ(dayofweek(end->day, end->month, year), 1) << year;
    EXPECT_GT(end->day + 7, daysinmonth(end->month, year)) << year;
  }
}

TEST(CalendarHolidays, QueriesAndMarking) {
  HolidayTable t = buildholidays(2024);
  const auto assumption = holidaysof(t, 15, 8, 2024);
  ASSERT_EQ(assumption.size(), 2u);
  EXPECT_STREQ(holidayname(*assumption[0], german), "Mariä Himmelfahrt");
  EXPECT_STREQ(holidayname(*assumption[1], german), "Staatsfeiertag Liechtenstein");
  EXPECT_STREQ(holidayname(*assumption[0], english), "Assumption");
  EXPECT_TRUE(holidaysof(t, 0, 0, 0).empty());
  EXPECT_TRUE(holidaysof(t, 15, 8, 2023).empty());
  // Ascension Day (public) and First May fall together in 2008.
  EXPECT_EQ(holidaysof(buildholidays(2008), 1, 5, 2008).size(), 2u);
  // 24 December 2023 is a Sunday: Christmas Eve and the fourth Advent Sunday.
  t = buildholidays(2023);
  const auto eve = holidaysof(t, 24, 12, 2023);
  ASSERT_EQ(eve.size(), 2u);
  EXPECT_STREQ(eve[0]->englishname, "Christmas Eve");
  EXPECT_STREQ(eve[1]->englishname, "4th Advent Sunday");
  // Public over regional over national over named days; the following
  // year's block answers for 2024.
  const struct {
    int table, year, day, month, kind;
  } marks[] = {{2024, 2024, 15, 8, regionalholiday},
               {2024, 2024, 25, 12, publicholiday},
               {2024, 2024, 26, 10, nationalday},
               {2024, 2024, 24, 12, namedday},
               {2024, 2024, 2, 1, -1},
               {2008, 2008, 1, 5, publicholiday},
               {2023, 2023, 24, 12, publicholiday},
               {2023, 2023, 7, 4, regionalholiday},  // Good Friday
               {2023, 2023, 6, 4, namedday},
               {2023, 2024, 6, 1, publicholiday}};  // Maundy Thursday; Epiphany
  for (const auto& m : marks)
    EXPECT_EQ(markingkind(buildholidays(m.table), m.day, m.month, m.year), m.kind)
        << m.year << "-" << m.month << "-" << m.day;
}

// Dates as published in church and civil calendars (tests/data/holidays_published.txt):
// the earliest (1818, 2285) and latest (1943) Easter, the feasts of 2057
// (Easter on 22 April), Advent, summer time.
TEST(CalendarHolidays, PublishedDates) {
  std::istringstream in(testsupport::readfile(std::string(QUENDAL_SOURCE_DIR) + "/tests/data/holidays_published.txt"));
  int rows = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    int year, day, month;
    std::string name;
    fields >> year >> day >> month >> std::ws;
    std::getline(fields, name);
    const HolidayTable t = buildholidays(year);
    const HolidayEntry* e = find(t, name.c_str(), year);
    ASSERT_NE(e, nullptr) << name << " " << year;
    EXPECT_EQ(e->day * 100 + e->month, day * 100 + month) << name << " " << year;
    ++rows;
  }
  EXPECT_GT(rows, 25);
}

// Outside 100..9999 no Easter; before the reform the Julian one; the epact
// and golden number as published (2024: 19 and 11).
TEST(CalendarEaster, RangeEpactAndGoldenNumber) {
  EXPECT_EQ((std::array{eastersundaygregorian(99), eastersundaygregorian(10001), eastersundayjulian(99)}),
            (std::array{-1, -1, -1}));
  EXPECT_EQ(eastersundaygregorian(1582), eastersundayjulian(1582));
  EXPECT_EQ((std::array{epact(2024), epact(2025), epact(2000), goldennumber(2024)}), (std::array{19, 0, 25, 11}));
}

// Both computus against convertdate (tests/data/easter_convertdate.txt,
// tools/gen_calendar_reference.py), each on a Sunday of its calendar.
TEST(CalendarEaster, AgreesWithConvertdate) {
  for (const auto& r : testsupport::table("easter_convertdate.txt")) {
    const int y = static_cast<int>(r[0]);
    const int julian = eastersundayjulian(y);
    ASSERT_EQ(julian, r[2]) << y;
    const DayMonth j = feastdate(julian, eastersunday, y);
    ASSERT_EQ(dayofweekjulian(j.day, j.month, y), 1) << y;
    if (y < 1583) continue;
    const int s = eastersundaygregorian(y);
    ASSERT_EQ(s, r[1]) << y;
    // Easter is the first Sunday after the paschal full moon, which the epact
    // gives as the March day 44 - epact (from the 21st on, else a lunation later).
    const int fullmoon = 44 - epact(y) + (44 - epact(y) < 21 ? 30 : 0);
    ASSERT_TRUE(s - fullmoon >= 1 && s - fullmoon <= 7) << y;
    const DayMonth g = feastdate(s, eastersunday, y);
    ASSERT_EQ(dayofweek(g.day, g.month, y), 1) << y;
  }
}

// Every feast at its distance from Easter over 1583..9999, across month
// ends and leap days (published dates of the feasts and of Advent:
// calendar_holidays_test).
TEST(CalendarEaster, FeastsAreEasterPlusTheirOffsets) {
  const int offsets[] = {ashwednesday, palmsunday,   maundythursday, goodfriday, eastersunday,
                         eastermonday, ascensionday, whitsunday,     whitmonday, corpuschristi};
  for (int y = 1583; y <= 9999; ++y) {
    const int s = eastersundaygregorian(y);
    const int easter = mjdof(y, feastdate(s, eastersunday, y));
    for (int k : offsets) ASSERT_EQ(mjdof(y, feastdate(s, k, y)), easter + k) << y << " " << k;
  }
}

// The fourth Advent Sunday is the last Sunday before Christmas Day, the
// others a week apart.
TEST(CalendarEaster, Advent) {
  for (int y = 1583; y <= 9999; ++y) {
    DayMonth s[4];
    adventsundays(y, s);
    const int christmaseve = datetomjd(y, 12, 24);
    const int fourth = datetomjd(y, s[3].month, s[3].day);
    ASSERT_EQ(dayofweek(s[3].day, s[3].month, y), 1);
    ASSERT_LE(fourth, christmaseve);
    ASSERT_GT(fourth, christmaseve - 7);
    for (int i = 0; i < 3; ++i)
      ASSERT_EQ(datetomjd(y, s[i + 1].month, s[i + 1].day) - datetomjd(y, s[i].month, s[i].day), 7);
  }
}

TEST(CalendarEaster, IdenticalYears) {
  const std::vector<int> years = identicalyears(2024);
  ASSERT_EQ(years.size(), 72u);
  EXPECT_EQ(std::vector<int>(years.begin(), years.begin() + 5), (std::vector<int>{1652, 1720, 1872, 2024, 2176}));
  EXPECT_TRUE(std::is_sorted(years.begin(), years.end()));
  for (int y : years)
    for (int m = 1; m <= 12; ++m) ASSERT_EQ(dayofweek(1, m, y), dayofweek(1, m, 2024)) << y;
}
