// Easter computus: published cases, convertdate over the whole range, the
// feasts that follow Easter, Advent, identical years.
#include <gtest/gtest.h>

#include <algorithm>

#include "calendar/calendar.h"
#include "calendar/easter.h"
#include "support.h"

using namespace quendal;

namespace {

int mjdof(int year, DayMonth dm) { return datetomjd(year, dm.month, dm.day); }

}  // namespace

TEST(CalendarEaster, PublishedCases) {
  EXPECT_EQ(eastersundaygregorian(1981), 50);
  EXPECT_EQ(eastersundaygregorian(1954), 49);
  EXPECT_EQ(eastersundaygregorian(2019), 52);
  EXPECT_EQ(eastersundaygregorian(2024), 31);
  EXPECT_EQ(eastersundaygregorian(2025), 51);
  EXPECT_EQ(eastersundaygregorian(99), -1);
  EXPECT_EQ(eastersundaygregorian(10001), -1);
  EXPECT_EQ(eastersundaygregorian(1582), eastersundayjulian(1582));
  EXPECT_EQ(eastersundayjulian(2024), 53);
  EXPECT_EQ(eastersundayjulian(99), -1);
  EXPECT_EQ(epact(2024), 19);
  EXPECT_EQ(epact(2025), 0);
  EXPECT_EQ(epact(2000), 25);
  EXPECT_EQ(goldennumber(2024), 11);
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

TEST(CalendarEaster, FeastsAreEasterPlusTheirOffsets) {
  const int offsets[] = {ashwednesday, palmsunday, maundythursday, goodfriday, eastersunday,
                         eastermonday, ascensionday, whitsunday, whitmonday, corpuschristi};
  for (int y = 1583; y <= 9999; ++y) {
    const int s = eastersundaygregorian(y);
    const int easter = mjdof(y, feastdate(s, eastersunday, y));
    for (int k : offsets) ASSERT_EQ(mjdof(y, feastdate(s, k, y)), easter + k) << y << " " << k;
  }
  // Ash Wednesday for Easter on 22 March.
  EXPECT_EQ(feastdate(22, ashwednesday, 2023).day, 4);
  EXPECT_EQ(feastdate(22, ashwednesday, 2024).day, 5);
  EXPECT_EQ(feastdate(22, ashwednesday, 2024).month, 2);
  // Easter 22 April: Ascension 31 May, Whit Sunday 10 June, Corpus Christi 21 June.
  const DayMonth a = feastdate(53, ascensionday, 1984), w = feastdate(53, whitsunday, 1984),
                 c = feastdate(53, corpuschristi, 1984);
  EXPECT_EQ(a.day * 100 + a.month, 3105);
  EXPECT_EQ(w.day * 100 + w.month, 1006);
  EXPECT_EQ(c.day * 100 + c.month, 2106);
  const DayMonth latest = feastdate(56, corpuschristi, 1943);
  EXPECT_EQ(latest.day * 100 + latest.month, 2406);
}

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
  DayMonth s[4];
  adventsundays(2023, s);  // 24 December 2023 is a Sunday
  EXPECT_EQ(s[0].day * 100 + s[0].month, 312);
  EXPECT_EQ(s[3].day * 100 + s[3].month, 2412);
  adventsundays(2022, s);  // 24 December 2022 is a Saturday
  EXPECT_EQ(s[0].day * 100 + s[0].month, 2711);
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
