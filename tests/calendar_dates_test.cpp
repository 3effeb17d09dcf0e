// Calendar arithmetic: published values, convertdate's calendars, and laws
// over every day 100..9999.
#include <gtest/gtest.h>

#include <array>

#include "calendar/calendar.h"
#include "support.h"

using namespace quendal;

// Weekdays 1 Sunday .. 7 Saturday, 0 for no date, -1 for a year out of range.
TEST(CalendarDates, ReformAndWeekdays) {
  const int cases[][4] = {{4, 10, 1582, 5}, {15, 10, 1582, 6}, {10, 10, 1582, 0}, {29, 2, 1700, 0} /* Gregorian */,
                          {1, 1, 99, -1},   {1, 13, 2000, 0},  {0, 1, 2000, 0},   {1, 1, 2000, 7}};
  for (const auto& c : cases) EXPECT_EQ(dayofweek(c[0], c[1], c[2]), c[3]) << c[2] << "-" << c[1] << "-" << c[0];
  EXPECT_GT(dayofweek(29, 2, 1500), 0);  // a Julian leap year
  EXPECT_GT(dayofweek(1, 1, 10000), 0);
  EXPECT_GT(dayofweekjulian(29, 2, 1700), 0);
  EXPECT_GT(dayofweekjulian(10, 10, 1582), 0);  // no gap in the Julian calendar
  EXPECT_EQ((std::array{dayofyear(1, 1, 1582), dayofyear(31, 12, 2024), dayofyear(31, 4, 2024)}), (std::array{-1, 366, 0}));
  EXPECT_EQ((std::array{weeknumber(1, 1, 1583), weeknumber(1, 1, 1582), weeknumber(30, 2, 2024)}), (std::array{1, -1, 0}));
  EXPECT_EQ((std::array{daysinmonth(2, 1700), daysinmonth(2, 1600), daysinmonth(2, 1500), daysinmonth(10, 1582),
                         daysinmonth(0, 2024), daysinmonth(13, 2024)}),
            (std::array{28, 29, 29, 31, 0, 0}));
}

// Meeus ch. 7: JD 0 is noon of 1 January -4712 (astronomical), historical
// year -4713; examples 7.a, 7.b and 7.c. Dates as yyyymmdd, times as hhmmss.
TEST(CalendarDates, DayNumbers) {
  EXPECT_EQ((std::array{datetomjd(2000, 1, 1), datetomjd(1858, 11, 17), datetomjd(1582, 10, 15), datetomjd(1582, 10, 4)}),
            (std::array{51544, 0, -100840, -100841}));
  EXPECT_DOUBLE_EQ(datetojd(1582, 10, 15), 2299160.5);
  EXPECT_DOUBLE_EQ(juliancalendartojd(-4713, 1, 1), -0.5);
  EXPECT_NEAR(datetojd(1957, 10, 4) + 0.81, 2436116.31, 1e-9);
  EXPECT_DOUBLE_EQ(datetojd(333, 1, 27) + 0.5, 1842713.0);
  int y, m, d, h, mi, s;
  auto date = [&] { return (y * 100 + m) * 100 + d; };
  auto time = [&] { return (h * 100 + mi) * 100 + s; };
  jdtodate(2299160.5, y, m, d, h, mi, s);
  EXPECT_EQ(date() * 1000000LL + time(), 15821015000000LL);
  jdtodate(2299159.5, y, m, d, h, mi, s);
  EXPECT_EQ(date(), 15821004);
  jdtodate(2436116.31, y, m, d, h, mi, s);
  EXPECT_EQ(date() * 10000LL + time() / 100, 195710041926LL);
  jdtojuliancalendar(2299160.5, y, m, d, h, mi, s);
  EXPECT_EQ(date(), 15821005);
  mjdtodatetime(51544.5, y, m, d, h, mi, s);
  EXPECT_EQ(date() * 1000000LL + time(), 20000101120000LL);
  // 0.4 s before a full minute: truncated, unless rounded first.
  const double jd = datetojd(2000, 1, 1) + (10 * 3600 + 59 * 60 + 59.6) / 86400.0;
  jdtodate(jd, y, m, d, h, mi, s);
  EXPECT_EQ(time(), 105959);
  jdtodate(roundjdtominute(jd), y, m, d, h, mi, s);
  EXPECT_EQ(time(), 110000);
  h = 23, mi = 59, s = 30;
  roundtominute(h, mi, s);
  EXPECT_EQ(time(), 0);
  y = 1700, m = 3, d = 1;
  juliancalendartogregorian(y, m, d);
  EXPECT_EQ(date(), 17000312);
  y = 1500, m = 3, d = 1;
  juliancalendartogregorian(y, m, d);
  EXPECT_EQ(date(), 15000301);
  EXPECT_DOUBLE_EQ(centuriessincej2000(51544.5 + 36525.0), 1.0);
  EXPECT_EQ((std::array{astronomicalyear(0), astronomicalyear(-1), astronomicalyear(5)}), (std::array{1, 0, 5}));
}

TEST(CalendarDates, NegativeJulianDayNumbers) {
  // jdntodate must agree with the Julian-calendar day count also before JD 0.
  for (int jdn = -800000; jdn <= 10000; jdn += 7) {
    int y, m, d;
    jdntodate(jdn, y, m, d);
    ASSERT_EQ(juliancalendartomjd(y, m, d) + 2400001, jdn) << jdn;
  }
}

// Central European summer time (1 on a day of summer time at noon): from 1980
// the last Sunday of March to the last Sunday of September (until 1995) or
// October; none in 1979.
TEST(CalendarDates, SummerTime) {
  const int days[][4] = {{24, 9, 1995, 0},  {23, 9, 1995, 1},  {27, 10, 1996, 0}, {26, 10, 1996, 1},
                         {30, 3, 1980, 1},  {29, 3, 1980, 0},  {31, 3, 2024, 1},  {30, 3, 2024, 0},
                         {27, 10, 2024, 0}, {26, 10, 2024, 1}};
  for (const auto& c : days) EXPECT_EQ(summertime(c[0], c[1], c[2]), c[3]) << c[2] << "-" << c[1] << "-" << c[0];
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= daysinmonth(m, 1979); ++d) ASSERT_EQ(summertime(d, m, 1979), 0);
}

TEST(CalendarDates, EveryDayFrom100To9999) {
  // Consecutive valid days have consecutive day numbers (4 -> 15 October 1582
  // included), the weekday advances by one, and the JD round trip holds.
  int previousmjd = datetomjd(99, 12, 31), previousweekday = 0;
  for (int y = 100; y <= 9999; ++y) {
    int yearday = 0;
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= 31; ++d) {
        const int w = dayofweek(d, m, y);
        ASSERT_GE(w, 0);
        if (w == 0) continue;
        ++yearday;
        const int mjd = datetomjd(y, m, d);
        ASSERT_EQ(mjd, previousmjd + 1) << y << "-" << m << "-" << d;
        ASSERT_EQ(((mjd % 7) + 7 + 3) % 7 + 1, w);  // 17 November 1858 (MJD 0) was a Wednesday
        int yy, mm, dd, h, mi, s;
        jdntodate(mjd + 2400001, yy, mm, dd);
        ASSERT_EQ((yy * 100 + mm) * 100 + dd, (y * 100 + m) * 100 + d);
        jdtodate(datetojd(y, m, d), yy, mm, dd, h, mi, s);
        ASSERT_EQ((yy * 100 + mm) * 100 + dd, (y * 100 + m) * 100 + d);
        ASSERT_EQ(h + mi + s, 0);
        if (y >= 1583) {
          ASSERT_EQ(dayofyear(d, m, y), yearday);
        }
        previousmjd = mjd;
        previousweekday = w;
      }
    }
    if (y == 1582) {
      ASSERT_EQ(yearday, 355);  // ten days dropped
    }
  }
  EXPECT_EQ(previousweekday, 6);  // 31 December 9999 is a Friday
}

// Day numbers, weekdays, day of the year and ISO weeks against convertdate
// (tests/data/calendar_convertdate.txt, tools/gen_calendar_reference.py).
TEST(CalendarDates, AgreeWithConvertdate) {
  for (const auto& r : testsupport::table("calendar_convertdate.txt")) {
    const int y = static_cast<int>(r[0]);
    ASSERT_EQ(datetomjd(y, 1, 1) + 2400001, r[1]) << y;
    ASSERT_EQ(datetomjd(y, 3, 1) + 2400001, r[2]) << y;
    ASSERT_EQ(datetomjd(y, 12, 31) + 2400001, r[3]) << y;
    ASSERT_EQ(dayofweek(1, 1, y), (static_cast<int>(r[1]) + 1) % 7 + 1) << y;
    if (y >= 1583) {
      ASSERT_EQ(dayofyear(31, 12, y), r[3] - r[1] + 1) << y;
    }
    if (y >= 1584) {
      ASSERT_EQ(weeknumber(1, 1, y), r[5]) << y;
      ASSERT_EQ(weeknumber(31, 12, y), r[7]) << y;
    }
  }
}
