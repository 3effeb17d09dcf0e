// The day difference and date shift reports: golden texts (tests/golden/),
// the edge cases of the calculator, and day counts over the whole range.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "calendar/calendar.h"
#include "reports/date_shift.h"
#include "reports/day_difference.h"
#include "support.h"

namespace quendal {
namespace {

using namespace testsupport;

// Day numbers of the civil calendar (checked against convertdate in
// calendar_dates_test).
long long civiljdn(int y, int m, int d) { return datetomjd(y, m, d) + 2400001LL; }

DayDifferenceInputs difference(int y1, int m1, int d1, int y2, int m2, int d2) {
  return {.year1 = y1, .month1 = m1, .day1 = d1, .year2 = y2, .month2 = m2, .day2 = d2,
          .todayyear = 2024, .todaymonth = 6, .todayday = 1};
}


TEST(DayDifference, LeapYearBothWays) {
  const DayDifferenceReport r = builddaydifference(difference(2024, 1, 1, 2025, 1, 1), 1);
  EXPECT_EQ(r.days, 366);
  EXPECT_EQ(r.text, golden("day_difference_de.txt"));
  // English and reversed: the same layout, its own words, negative counts.
  DayDifferenceInputs in = difference(2024, 1, 1, 2025, 1, 1);
  in.direction = 1;
  const DayDifferenceReport e = builddaydifference(in, english);
  EXPECT_EQ(e.days, -366);
  DayDifferenceInputs back = difference(2025, 1, 1, 2024, 1, 1);
  EXPECT_EQ(builddaydifference(back, english).days, -366);
  back.direction = 1;
  EXPECT_EQ(builddaydifference(back, english).days, 366);
  expectpieces(e.text, "day_difference_pieces.txt", "LeapYearBothWays/e.text");
}

TEST(DayDifference, TodayMark) {
  // 31 December of last year to today: n is today's day of the year.
  const DayDifferenceInputs in = difference(2023, 12, 31, 2024, 6, 1);
  EXPECT_EQ(builddaydifference(in, 0).text,
            golden("day_difference_today_en.txt"));
  // Reversed in Austrian German: the today line prints the absolute value.
  DayDifferenceInputs reversed = in;
  reversed.direction = 1;
  const std::string de = builddaydifference(reversed, 2).text;
  expectpieces(de, "day_difference_pieces.txt", "TodayMark/de");
  EXPECT_EQ(de.substr(de.size() - 46), "\r\n (*) Heute ist der 153. Tag des Jahres 2024 ");
  // Other dates carry no mark.
  EXPECT_FALSE(builddaydifference(difference(2023, 12, 30, 2024, 6, 1), 0).todaymark);
  EXPECT_FALSE(builddaydifference(difference(2023, 12, 31, 2024, 6, 2), 0).todaymark);
  EXPECT_FALSE(builddaydifference(difference(2022, 12, 31, 2023, 6, 1), 0).todaymark);
  // 1 January: n = 1, singular and "1st".
  DayDifferenceInputs newyear = difference(2023, 12, 31, 2024, 1, 1);
  newyear.todaymonth = 1, newyear.todayday = 1;
  const std::string text = builddaydifference(newyear, 0).text;
  expectpieces(text, "day_difference_pieces.txt", "TodayMark/text");
}

TEST(DayDifference, ReformGapIsOneDay) {
  const DayDifferenceReport r = builddaydifference(difference(1582, 10, 4, 1582, 10, 15), 1);
  EXPECT_EQ(r.days, 1);
  EXPECT_EQ(r.text, golden("day_difference_reform_de.txt"));
  const std::string english = builddaydifference(difference(1582, 10, 4, 1582, 10, 15), 0).text;
  expectpieces(english, "day_difference_pieces.txt", "ReformGapIsOneDay/english");
}

TEST(DayDifference, InputCorrection) {
  const DayDifferenceReport a = builddaydifference(difference(2023, 4, 31, 2023, 2, 29), 0);
  EXPECT_EQ((std::array{a.month1, a.day1, a.day2}), (std::array{4, 30, 28}));
  const DayDifferenceReport b = builddaydifference(difference(1582, 10, 10, 50, 0, 0), 0);
  EXPECT_EQ((std::array{b.day1, b.year2, b.month2, b.day2}), (std::array{4, 100, 1, 1}));  // 5..14 October 1582 do not exist
  const DayDifferenceReport c = builddaydifference(difference(12000, 13, 40, -5, 2, 30), 0);
  EXPECT_EQ((std::array{c.year1, c.month1, c.day1, c.year2, c.day2}), (std::array{9999, 12, 31, 100, 29}));  // a Julian leap year
}


DateShiftInputs shift(int y, int m, int d, int days) { return {y, m, d, days}; }

TEST(DateShift, Goldens) {
  EXPECT_EQ(builddateshift(shift(100, 1, 1, 1), 1).text, golden("date_shift_100_de.txt"));
  EXPECT_EQ(builddateshift(shift(9999, 12, 31, 1), 0).text, golden("date_shift_9999_en.txt"));
}

TEST(DateShift, AcrossTheReform) {
  const std::string t = builddateshift(shift(1582, 10, 10, 1000), 0).text;
  expectpieces(t, "day_difference_pieces.txt", "AcrossTheReform/t");
  const DateShiftReport r = builddateshift(shift(1582, 10, 10, 1000), 2);
  EXPECT_EQ(r.day, 4);  // written back to the dialog
  expectpieces(r.text, "day_difference_pieces.txt", "AcrossTheReform/r.text");
}

TEST(DateShift, DayCountIsClamped) {
  const DateShiftReport big = builddateshift(shift(2000, 1, 1, 5000000), 0);
  EXPECT_EQ(big.days, 999999);
  EXPECT_EQ(big.text, builddateshift(shift(2000, 1, 1, 999999), 0).text);
  const DateShiftReport negative = builddateshift(shift(2000, 1, 1, -5), 1);
  EXPECT_EQ(negative.days, 0);
  expectpieces(negative.text, "day_difference_pieces.txt", "DayCountIsClamped/negative.text");
}

TEST(DateShift, ResultsAgreeWithTheDayDifference) {
  std::mt19937 random(1582);
  std::uniform_int_distribution<int> year(100, 9999), month(1, 12), day(1, 31), days(0, 999999);
  for (int i = 0; i < 2000; ++i) {
    const DateShiftReport r = builddateshift(shift(year(random), month(random), day(random), days(random)), 0);
    const long long start = civiljdn(r.year, r.month, r.day);
    const std::string jdnline = "\r\n Julian Date: " + std::to_string(start) + " ";
    EXPECT_EQ(r.text.find(jdnline), r.text.find("\r\n Julian Date: ")) << r.text;
    // Each shifted date's JDN appears unless the result is too far.
    const bool pastok = r.text.find("too far in the Past") == std::string::npos;
    const bool futureok = r.text.find("too far in the Future") == std::string::npos;
    EXPECT_EQ(pastok, start - r.days >= civiljdn(100, 1, 1));
    EXPECT_EQ(futureok, start + r.days <= civiljdn(9999, 12, 31));
    if (pastok) {
      EXPECT_TRUE(contains(r.text, "\r\n Julian Date: " + std::to_string(start - r.days) + " "));
    }
    if (futureok) {
      EXPECT_TRUE(contains(r.text, "\r\n Julian Date: " + std::to_string(start + r.days) + " "));
    }
  }
}

}  // namespace
}  // namespace quendal
