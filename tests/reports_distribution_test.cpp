// The date tools: the Easter-date and weekday distributions (golden texts,
// the counts against convertdate's Easter and the Gregorian cycle), the day
// difference and the date shift (golden texts, the edge cases, the shifted
// dates over the whole range).
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>
#include <string>
#include <utility>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/date_shift.h"
#include "reports/day_difference.h"
#include "reports/easter_distribution.h"
#include "reports/weekday_distribution.h"
#include "support.h"

namespace quendal {
namespace {

using namespace testsupport;

// (month, day) of the Gregorian Easter Sunday of a year from convertdate
// (tests/data/easter_convertdate.txt, tools/gen_calendar_reference.py), and
// some days later (no feast reaches past June).
std::map<int, std::pair<int, int>> eastertable() {
  std::map<int, std::pair<int, int>> easter;
  for (const auto& r : testsupport::table("easter_convertdate.txt"))
    if (r[1] > 0) easter[int(r[0])] = r[1] <= 31 ? std::pair{3, int(r[1])} : std::pair{4, int(r[1]) - 31};
  return easter;
}
std::pair<int, int> addays(std::pair<int, int> md, int days) {
  static const int length[] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (md.second += days; md.second > length[md.first];) md.second -= length[md.first++];
  return md;
}

EasterDistributionInputs easter(int first, int last, int feast = distributioneaster) { return {first, last, feast}; }

TEST(EasterDistribution, WholeGregorianRange) {
  const std::string t = buildeasterdistribution(easter(1583, 9999), english).text;
  expectpieces(t, "distribution_pieces.txt", "WholeGregorianRange/t");
  EXPECT_TRUE(endswith(t, "\r\n Apr. 25th  67x   0.80 % "));  // no year lists
  EXPECT_TRUE(endswith(buildeasterdistribution(easter(1583, 9999, distributioncorpuschristi), german).text,
                       "\r\n 24. Juni  67x   0,80 % "));
}

// Every line of the four feasts, in date order, against convertdate's Easter.
TEST(EasterDistribution, CountsAgreeWithConvertdate) {
  const int offsets[] = {0, 39, 49, 60};
  const auto sundays = eastertable();
  for (int feast = 0; feast < 4; ++feast) {
    const std::string text = buildeasterdistribution(easter(1583, 9999, feast), english).text;
    std::map<std::pair<int, int>, int> count;
    for (const auto& [y, md] : sundays) ++count[addays(md, offsets[feast])];
    EXPECT_EQ(countof(text, "x "), static_cast<int>(count.size()));
    std::size_t previous = 0;
    for (const auto& [md, n] : count) {
      const std::size_t p = text.find(strprintf("\r\n %s %2d", shortmonthname(md.first, english), md.second));
      ASSERT_NE(p, std::string::npos) << feast << " " << md.first << "-" << md.second;
      EXPECT_GT(p, previous);
      EXPECT_EQ(std::stoi(text.substr(p + 13, 3)), n) << feast << " " << md.first << "-" << md.second;
      previous = p;
    }
  }
}

TEST(EasterDistribution, SingleYear) {
  EXPECT_EQ(buildeasterdistribution(easter(2024, 2024), german).text,
            "\r\n Verteilung der Tage: Ostersonntag auf die Jahre von 2024 bis 2024 (= 1 Jahr): \r\n"
            "\r\n 31. März   1x 100,00 % - 2024");
  EXPECT_EQ(buildeasterdistribution(easter(2024, 2024, distributionascension), english).text,
            "\r\n Distibution of the Days: Ascension Day for the Years from 2024 to 2024 (= 1 Year): \r\n"
            "\r\n May   9th   1x 100.00 % - 2024");
}

TEST(EasterDistribution, ShortRangeListsTheYears) {
  EXPECT_EQ(buildeasterdistribution(easter(2025, 2020), english).text, golden("easter_2020_2025_en.txt"));
  EXPECT_EQ(buildeasterdistribution(easter(1950, 2050, distributionwhitsunday), austrian)
                .text.find("\r\n Verteilung der Tage: Pfingstsonntag auf die Jahre von 1950 bis 2050 (= 101 Jahre): "),
            0u);
  // 1001 years list their years, 1002 do not.
  const std::string listed = buildeasterdistribution(easter(2000, 3000), english).text;
  expectpieces(listed, "distribution_pieces.txt", "ShortRangeListsTheYears/listed");
  int years = 0;
  for (std::size_t p = listed.find(" % -"); p != std::string::npos; p = listed.find(" % -", p + 1)) {
    const std::size_t end = listed.find("\r\n", p);
    const std::string list = listed.substr(p + 4, end == std::string::npos ? std::string::npos : end - p - 4);
    for (std::size_t q = 0; q < list.size(); q += 5) ++years;  // " %d" of four-digit years
  }
  EXPECT_EQ(years, 1001);
  EXPECT_EQ(buildeasterdistribution(easter(2000, 3001), english).text.find(" % -"), std::string::npos);
}

TEST(EasterDistribution, ClampsAndSwaps) {
  const EasterDistributionReport a = buildeasterdistribution(easter(10000, 1000), english);
  EXPECT_EQ((std::array{a.firstyear, a.lastyear}), (std::array{1583, 9999}));
  EXPECT_STREQ(a.icon, "easter");
  EXPECT_EQ(a.text, buildeasterdistribution(easter(1583, 9999), english).text);
  const EasterDistributionReport b = buildeasterdistribution(easter(-5, 1000), english);
  EXPECT_EQ(b.firstyear, 1583);
  EXPECT_EQ(b.lastyear, 1583);
}

WeekdayDistributionInputs months(int y1, int m1, int y2, int m2, int day) { return {y1, m1, y2, m2, day}; }

WeekdayDistributionInputs year(int y, int day) { return {y, 1, y, 12, day, true}; }

TEST(WeekdayDistribution, ThirteenthOf2024) {
  const WeekdayDistributionReport r = buildweekdaydistribution(year(2024, 13), german);
  EXPECT_EQ(r.text, golden("weekday_2024_13_de.txt"));
  EXPECT_EQ(r.count[7], 3);
  EXPECT_STREQ(r.icon, "calendar");
  EXPECT_EQ(buildweekdaydistribution(year(2024, 13), austrian).text.find("(Jän., Apr., Juli)") != std::string::npos,
            true);
  // English: the same layout, its own words.
  const std::string e = buildweekdaydistribution(year(2024, 13), english).text;
  expectpieces(e, "distribution_pieces.txt", "ThirteenthOf2024/e");
}

TEST(WeekdayDistribution, PeriodAndBackwardsRange) {
  const std::string forward = buildweekdaydistribution(months(2023, 3, 2024, 12, 31), english).text;
  // A period lists no months after the percentages.
  EXPECT_EQ(forward.rfind("\r\n Distribution of the Weekdays "
                          "\r\n for the 31st of each Month"
                          "\r\n of the period from Mar. 2023 to Dec. 2024: \r\n"
                          "\r\n Sunday:           2x  15.385 Percent \r\n",
                          0),
            0u);
  expectpieces(forward, "distribution_pieces.txt", "PeriodAndBackwardsRange/forward");
  const std::string sum = "\r\n Saturday:         1x   7.692 Percent \r\n\r\n Sum:             13   Months total ";
  EXPECT_EQ(forward.substr(forward.size() - sum.size()), sum);
  EXPECT_EQ(buildweekdaydistribution(months(2024, 12, 2023, 3, 31), english).text, forward);
  // A range from January to December of one year is that year.
  EXPECT_EQ(buildweekdaydistribution(months(2024, 12, 2024, 1, 13), english).text,
            buildweekdaydistribution(year(2024, 13), english).text);
  EXPECT_TRUE(contains(buildweekdaydistribution(months(2024, 1, 2024, 11, 13), austrian).text,
                       "\r\n des Zeitraumes von Jän. 2024 bis Nov. 2024: \r\n"));
}

TEST(WeekdayDistribution, ThirtyFirstAndClamping) {
  const WeekdayDistributionReport r = buildweekdaydistribution(year(2023, 31), english);
  EXPECT_EQ(r.total, 7);
  expectpieces(r.text, "distribution_pieces.txt", "ThirtyFirstAndClamping/r.text");
  const WeekdayDistributionReport c = buildweekdaydistribution(months(50, 0, 20000, 13, 99), english);
  EXPECT_EQ((std::array{c.firstyear, c.firstmonth, c.lastyear, c.lastmonth, c.day}),
            (std::array{100, 1, 9999, 12, 31}));
  const WeekdayDistributionReport z = buildweekdaydistribution(months(2023, 2, 2023, 2, 30), german);
  EXPECT_EQ(z.total, 0);
  expectpieces(z.text, "distribution_pieces.txt", "ThirtyFirstAndClamping/z.text");
}

// The 400-year Gregorian cycle: the 13th falls on a Friday 688 times, on a
// Saturday and a Monday 684 times.
TEST(WeekdayDistribution, TheGregorianCycle) {
  const WeekdayDistributionReport cycle = buildweekdaydistribution(months(2000, 1, 2399, 12, 13), english);
  EXPECT_EQ(cycle.total, 4800);
  EXPECT_EQ((std::array{cycle.count[1], cycle.count[2], cycle.count[3], cycle.count[4], cycle.count[5], cycle.count[6],
                        cycle.count[7]}),
            (std::array{687, 685, 685, 687, 684, 688, 684}));
}

// Day numbers of the civil calendar (checked against convertdate in
// calendar_dates_test).
long long civiljdn(int y, int m, int d) { return datetomjd(y, m, d) + 2400001LL; }

DayDifferenceInputs difference(int y1, int m1, int d1, int y2, int m2, int d2) {
  return {.year1 = y1,
          .month1 = m1,
          .day1 = d1,
          .year2 = y2,
          .month2 = m2,
          .day2 = d2,
          .todayyear = 2024,
          .todaymonth = 6,
          .todayday = 1};
}

TEST(DayDifference, LeapYearBothWays) {
  const DayDifferenceReport r = builddaydifference(difference(2024, 1, 1, 2025, 1, 1), german);
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
  EXPECT_EQ(builddaydifference(in, english).text, golden("day_difference_today_en.txt"));
  // Reversed in Austrian German: the today line prints the absolute value.
  DayDifferenceInputs reversed = in;
  reversed.direction = 1;
  const std::string de = builddaydifference(reversed, austrian).text;
  expectpieces(de, "day_difference_pieces.txt", "TodayMark/de");
  EXPECT_EQ(de.substr(de.size() - 46), "\r\n (*) Heute ist der 153. Tag des Jahres 2024 ");
  // Other dates carry no mark.
  EXPECT_FALSE(builddaydifference(difference(2023, 12, 30, 2024, 6, 1), english).todaymark);
  EXPECT_FALSE(builddaydifference(difference(2023, 12, 31, 2024, 6, 2), english).todaymark);
  EXPECT_FALSE(builddaydifference(difference(2022, 12, 31, 2023, 6, 1), english).todaymark);
  // 1 January: n = 1, singular and "1st".
  DayDifferenceInputs newyear = difference(2023, 12, 31, 2024, 1, 1);
  newyear.todaymonth = 1, newyear.todayday = 1;
  const std::string text = builddaydifference(newyear, english).text;
  expectpieces(text, "day_difference_pieces.txt", "TodayMark/text");
}

TEST(DayDifference, ReformGapIsOneDay) {
  const DayDifferenceReport r = builddaydifference(difference(1582, 10, 4, 1582, 10, 15), german);
  EXPECT_EQ(r.days, 1);
  EXPECT_EQ(r.text, golden("day_difference_reform_de.txt"));
  const std::string inenglish = builddaydifference(difference(1582, 10, 4, 1582, 10, 15), english).text;
  expectpieces(inenglish, "day_difference_pieces.txt", "ReformGapIsOneDay/english");
}

TEST(DayDifference, InputCorrection) {
  const DayDifferenceReport a = builddaydifference(difference(2023, 4, 31, 2023, 2, 29), english);
  EXPECT_EQ((std::array{a.month1, a.day1, a.day2}), (std::array{4, 30, 28}));
  const DayDifferenceReport b = builddaydifference(difference(1582, 10, 10, 50, 0, 0), english);
  EXPECT_EQ((std::array{b.day1, b.year2, b.month2, b.day2}),
            (std::array{4, 100, 1, 1}));  // 5..14 October 1582 do not exist
  const DayDifferenceReport c = builddaydifference(difference(12000, 13, 40, -5, 2, 30), english);
  EXPECT_EQ((std::array{c.year1, c.month1, c.day1, c.year2, c.day2}),
            (std::array{9999, 12, 31, 100, 29}));  // a Julian leap year
}

DateShiftInputs shift(int y, int m, int d, int days) { return {y, m, d, days}; }

TEST(DateShift, Goldens) {
  EXPECT_EQ(builddateshift(shift(100, 1, 1, 1), german).text, golden("date_shift_100_de.txt"));
  EXPECT_EQ(builddateshift(shift(9999, 12, 31, 1), english).text, golden("date_shift_9999_en.txt"));
}

TEST(DateShift, AcrossTheReform) {
  const std::string t = builddateshift(shift(1582, 10, 10, 1000), english).text;
  expectpieces(t, "day_difference_pieces.txt", "AcrossTheReform/t");
  const DateShiftReport r = builddateshift(shift(1582, 10, 10, 1000), austrian);
  EXPECT_EQ(r.day, 4);  // written back to the dialog
  expectpieces(r.text, "day_difference_pieces.txt", "AcrossTheReform/r.text");
}

TEST(DateShift, DayCountIsClamped) {
  const DateShiftReport big = builddateshift(shift(2000, 1, 1, 5000000), english);
  EXPECT_EQ(big.days, 999999);
  EXPECT_EQ(big.text, builddateshift(shift(2000, 1, 1, 999999), english).text);
  const DateShiftReport negative = builddateshift(shift(2000, 1, 1, -5), german);
  EXPECT_EQ(negative.days, 0);
  expectpieces(negative.text, "day_difference_pieces.txt", "DayCountIsClamped/negative.text");
}

TEST(DateShift, ResultsAgreeWithTheDayDifference) {
  std::mt19937 random(1582);
  std::uniform_int_distribution<int> year(100, 9999), month(1, 12), day(1, 31), days(0, 999999);
  for (int i = 0; i < 2000; ++i) {
    const DateShiftReport r = builddateshift(shift(year(random), month(random), day(random), days(random)), english);
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
