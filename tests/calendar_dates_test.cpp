// Calendar arithmetic: published values, and laws over every day 100..9999.
#include <gtest/gtest.h>

#include "calendar/calendar.h"

using namespace quendal;

TEST(CalendarDates, ReformAndWeekdays) {
  EXPECT_EQ(dayofweek(4, 10, 1582), 5);   // Thursday
  EXPECT_EQ(dayofweek(15, 10, 1582), 6);  // Friday
  EXPECT_EQ(dayofweek(10, 10, 1582), 0);
  EXPECT_EQ(dayofweek(29, 2, 1700), 0);   // Gregorian: no leap day
  EXPECT_GT(dayofweek(29, 2, 1500), 0);   // Julian leap year
  EXPECT_GT(dayofweekjulian(29, 2, 1700), 0);
  EXPECT_GT(dayofweekjulian(10, 10, 1582), 0);  // no gap in the Julian calendar
  EXPECT_EQ(dayofweek(1, 1, 99), -1);
  EXPECT_GT(dayofweek(1, 1, 10000), 0);
  EXPECT_EQ(dayofweek(1, 13, 2000), 0);
  EXPECT_EQ(dayofweek(0, 1, 2000), 0);
  EXPECT_EQ(dayofweek(1, 1, 2000), 7);  // Saturday
  EXPECT_EQ(dayofyear(1, 1, 1582), -1);
  EXPECT_EQ(dayofyear(31, 12, 2024), 366);
  EXPECT_EQ(dayofyear(31, 4, 2024), 0);
}

TEST(CalendarDates, DayNumbers) {
  EXPECT_EQ(datetomjd(2000, 1, 1), 51544);
  EXPECT_EQ(datetomjd(1858, 11, 17), 0);
  EXPECT_EQ(datetomjd(1582, 10, 15), -100840);
  EXPECT_EQ(datetomjd(1582, 10, 4), -100841);
  EXPECT_DOUBLE_EQ(datetojd(1582, 10, 15), 2299160.5);
  // Meeus ch. 7: JD 0 is noon of 1 January -4712 (astronomical), historical year -4713.
  EXPECT_DOUBLE_EQ(juliancalendartojd(-4713, 1, 1), -0.5);
  EXPECT_NEAR(datetojd(1957, 10, 4) + 0.81, 2436116.31, 1e-9);  // Meeus example 7.a
  EXPECT_DOUBLE_EQ(datetojd(333, 1, 27) + 0.5, 1842713.0);    // Meeus example 7.b

  int y, m, d, h, mi, s;
  jdtodate(2299160.5, y, m, d, h, mi, s);
  EXPECT_EQ((y * 100 + m) * 100 + d, 15821015);
  EXPECT_EQ(h + mi + s, 0);
  jdtodate(2299159.5, y, m, d, h, mi, s);
  EXPECT_EQ((y * 100 + m) * 100 + d, 15821004);
  jdtodate(2436116.31, y, m, d, h, mi, s);  // Meeus example 7.c
  EXPECT_EQ((y * 100 + m) * 100 + d, 19571004);
  EXPECT_EQ(h, 19);
  EXPECT_EQ(mi, 26);
  jdtojuliancalendar(2299160.5, y, m, d, h, mi, s);
  EXPECT_EQ((y * 100 + m) * 100 + d, 15821005);

  mjdtodatetime(51544.5, y, m, d, h, mi, s);
  EXPECT_EQ((y * 100 + m) * 100 + d, 20000101);
  EXPECT_EQ(h * 10000 + mi * 100 + s, 120000);
  // 0.4 s before a full minute: truncated, unless rounded first.
  const double jd = datetojd(2000, 1, 1) + (10 * 3600 + 59 * 60 + 59.6) / 86400.0;
  jdtodate(jd, y, m, d, h, mi, s);
  EXPECT_EQ(h * 10000 + mi * 100 + s, 105959);
  jdtodate(roundjdtominute(jd), y, m, d, h, mi, s);
  EXPECT_EQ(h * 10000 + mi * 100 + s, 110000);

  h = 23, mi = 59, s = 30;
  roundtominute(h, mi, s);
  EXPECT_EQ(h * 10000 + mi * 100 + s, 0);

  y = 1700, m = 3, d = 1;
  juliancalendartogregorian(y, m, d);
  EXPECT_EQ((y * 100 + m) * 100 + d, 17000312);
  y = 1500, m = 3, d = 1;
  juliancalendartogregorian(y, m, d);
  EXPECT_EQ((y * 100 + m) * 100 + d, 15000301);

  EXPECT_DOUBLE_EQ(centuriessincej2000(51544.5), 0.0);
  EXPECT_DOUBLE_EQ(centuriessincej2000(51544.5 + 36525.0), 1.0);
  EXPECT_EQ(astronomicalyear(0), 1);
  EXPECT_EQ(astronomicalyear(-1), 0);
  EXPECT_EQ(astronomicalyear(5), 5);
}

TEST(CalendarDates, NegativeJulianDayNumbers) {
  // jdntodate must agree with the Julian-calendar day count also before JD 0.
  for (int jdn = -800000; jdn <= 10000; jdn += 7) {
    int y, m, d;
    jdntodate(jdn, y, m, d);
    ASSERT_EQ(juliancalendartomjd(y, m, d) + 2400001, jdn) << jdn;
  }
}

TEST(CalendarDates, WeekNumbers) {
  EXPECT_EQ(weeknumber(1, 1, 2021), 53);
  EXPECT_EQ(weeknumber(31, 12, 2024), 1);
  EXPECT_EQ(weeknumber(28, 12, 2026), 53);
  EXPECT_EQ(weeknumber(1, 1, 1583), 1);
  EXPECT_EQ(weeknumber(2, 1, 1583), 1);
  EXPECT_EQ(weeknumber(1, 1, 1582), -1);
  EXPECT_EQ(weeknumber(30, 2, 2024), 0);
}

TEST(CalendarDates, SummerTime) {
  EXPECT_EQ(summertime(24, 9, 1995), 0);
  EXPECT_EQ(summertime(23, 9, 1995), 1);
  EXPECT_EQ(summertime(27, 10, 1996), 0);
  EXPECT_EQ(summertime(26, 10, 1996), 1);
  EXPECT_EQ(summertime(30, 3, 1980), 1);
  EXPECT_EQ(summertime(29, 3, 1980), 0);
  EXPECT_EQ(summertime(31, 3, 2024), 1);
  EXPECT_EQ(summertime(30, 3, 2024), 0);
  EXPECT_EQ(summertime(27, 10, 2024), 0);
  EXPECT_EQ(summertime(26, 10, 2024), 1);
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= daysinmonth(m, 1979); ++d) ASSERT_EQ(summertime(d, m, 1979), 0);
}

TEST(CalendarDates, MonthLengths) {
  EXPECT_EQ(daysinmonth(2, 1700), 28);
  EXPECT_EQ(daysinmonth(2, 1600), 29);
  EXPECT_EQ(daysinmonth(2, 1500), 29);
  EXPECT_EQ(daysinmonth(10, 1582), 31);
  EXPECT_EQ(daysinmonth(4, 2024), 30);
  EXPECT_EQ(daysinmonth(0, 2024), 0);
  EXPECT_EQ(daysinmonth(13, 2024), 0);
}

// A second, independent day count: days since 1 January 1 of the proleptic
// calendars, switched at the reform.
namespace {
long long gregoriandays(long long y, int m, int d) {
  static const int before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  const long long p = y - 1;
  return p * 365 + p / 4 - p / 100 + p / 400 + before[m - 1] + (leap && m > 2 ? 1 : 0) + d;
}
}  // namespace

TEST(CalendarDates, EveryDayFrom100To9999) {
  // Consecutive valid days have consecutive day numbers (4 -> 15 October 1582
  // included), the weekday advances by one, the JD round trip holds, and from
  // the reform on the day number matches an independent Gregorian count.
  int previousmjd = 0, previousweekday = 0;
  bool first = true;
  long long days = 0;
  for (int y = 100; y <= 9999; ++y) {
    int yearday = 0;
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= 31; ++d) {
        const int w = dayofweek(d, m, y);
        ASSERT_GE(w, 0);
        if (w == 0) continue;
        ++days;
        ++yearday;
        const int mjd = datetomjd(y, m, d);
        if (!first) {
          ASSERT_EQ(mjd, previousmjd + 1) << y << "-" << m << "-" << d;
          ASSERT_EQ(w, previousweekday % 7 + 1) << y << "-" << m << "-" << d;
        }
        // 17 November 1858 (MJD 0) was a Wednesday.
        ASSERT_EQ(((mjd % 7) + 7 + 3) % 7 + 1, w);
        int yy, mm, dd, h, mi, s;
        jdntodate(mjd + 2400001, yy, mm, dd);
        ASSERT_EQ((yy * 100 + mm) * 100 + dd, (y * 100 + m) * 100 + d);
        jdtodate(datetojd(y, m, d), yy, mm, dd, h, mi, s);
        ASSERT_EQ((yy * 100 + mm) * 100 + dd, (y * 100 + m) * 100 + d);
        ASSERT_EQ(h + mi + s, 0);
        if (isgregorian(y, m, d)) {
          ASSERT_EQ(gregoriandays(y, m, d) - gregoriandays(2000, 1, 1), mjd - 51544);
        }
        if (y >= 1583) {
          ASSERT_EQ(dayofyear(d, m, y), yearday);
        }
        if (y == 1582 && m == 12 && d == 31) {
          ASSERT_EQ(yearday, 355);  // ten days dropped
        }
        previousmjd = mjd;
        previousweekday = w;
        first = false;
      }
    }
  }
  EXPECT_EQ(days, static_cast<long long>(datetomjd(9999, 12, 31) - datetomjd(100, 1, 1) + 1));
}

TEST(CalendarDates, Iso8601WeeksFrom1584) {
  // ISO week by the Thursday rule: the week's Thursday decides the year.
  for (int y = 1584; y <= 9999; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= daysinmonth(m, y); ++d) {
        const long long n = gregoriandays(y, m, d);
        const int isoweekday = static_cast<int>((n - 1) % 7) + 1;  // 1 Jan 1 was a Monday
        const long long thursday = n - isoweekday + 4;
        int ty = y;
        if (thursday < gregoriandays(y, 1, 1)) ty = y - 1;
        if (thursday > gregoriandays(y, 12, 31)) ty = y + 1;
        const int week = static_cast<int>((thursday - gregoriandays(ty, 1, 1)) / 7) + 1;
        ASSERT_EQ(weeknumber(d, m, y), week) << y << "-" << m << "-" << d;
      }
    }
  }
}
