// Easter computus: published cases, convertdate over the whole range, the
// feasts that follow Easter, Advent, identical years.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "calendar/calendar.h"
#include "calendar/easter.h"
#include "support.h"

using namespace quendal;

namespace {

int mjdof(int year, DayMonth dm) { return datetomjd(year, dm.month, dm.day); }

}  // namespace

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
    const DayMonth g = feastdate(s, eastersunday, y);
    ASSERT_EQ(dayofweek(g.day, g.month, y), 1) << y;
  }
}

// Every feast at its distance from Easter over 1583..9999, across month
// ends and leap days (published dates of the feasts and of Advent:
// calendar_holidays_test).
TEST(CalendarEaster, FeastsAreEasterPlusTheirOffsets) {
  const int offsets[] = {ashwednesday, palmsunday, maundythursday, goodfriday, eastersunday,
                         eastermonday, ascensionday, whitsunday, whitmonday, corpuschristi};
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
  EXPECT_EQ(std::vector<int>(years.begin(), years.begin() + 5),
            (std::vector<int>{1652, 1720, 1872, 2024, 2176}));
  EXPECT_TRUE(std::is_sorted(years.begin(), years.end()));
  for (int y : years)
    for (int m = 1; m <= 12; ++m) ASSERT_EQ(dayofweek(1, m, y), dayofweek(1, m, 2024)) << y;
}
