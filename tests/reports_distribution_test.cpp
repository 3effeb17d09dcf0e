// The Easter-date and weekday distributions: golden texts (tests/golden/),
// and the counts against convertdate's Easter and the Gregorian cycle.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <utility>

#include "reports/easter_distribution.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
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
  const std::string t = buildeasterdistribution(easter(1583, 9999), 0).text;
  expectpieces(t, "distribution_pieces.txt", "WholeGregorianRange/t");
  EXPECT_TRUE(endswith(t, "\r\n Apr. 25th  67x   0.80 % "));  // no year lists
  EXPECT_TRUE(endswith(buildeasterdistribution(easter(1583, 9999, distributioncorpuschristi), 1).text,
                       "\r\n 24. Juni  67x   0,80 % "));
}

// Every line of the four feasts, in date order, against convertdate's Easter.
TEST(EasterDistribution, CountsAgreeWithConvertdate) {
  const int offsets[] = {0, 39, 49, 60};
  const auto sundays = eastertable();
  for (int feast = 0; feast < 4; ++feast) {
    const std::string text = buildeasterdistribution(easter(1583, 9999, feast), 0).text;
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
  EXPECT_EQ(buildeasterdistribution(easter(2024, 2024), 1).text,
            "\r\n Verteilung der Tage: Ostersonntag auf die Jahre von 2024 bis 2024 (= 1 Jahr): \r\n"
            "\r\n 31. März   1x 100,00 % - 2024");
  EXPECT_EQ(buildeasterdistribution(easter(2024, 2024, distributionascension), 0).text,
            "\r\n Distibution of the Days: Ascension Day for the Years from 2024 to 2024 (= 1 Year): \r\n"
            "\r\n May   9th   1x 100.00 % - 2024");
}

TEST(EasterDistribution, ShortRangeListsTheYears) {
  EXPECT_EQ(buildeasterdistribution(easter(2025, 2020), 0).text,
            golden("easter_2020_2025_en.txt"));
  EXPECT_EQ(buildeasterdistribution(easter(1950, 2050, distributionwhitsunday), 2).text.find(
                "\r\n Verteilung der Tage: Pfingstsonntag auf die Jahre von 1950 bis 2050 (= 101 Jahre): "),
            0u);
  // 1001 years list their years, 1002 do not.
  const std::string listed = buildeasterdistribution(easter(2000, 3000), 0).text;
  expectpieces(listed, "distribution_pieces.txt", "ShortRangeListsTheYears/listed");
  int years = 0;
  for (std::size_t p = listed.find(" % -"); p != std::string::npos; p = listed.find(" % -", p + 1)) {
    const std::size_t end = listed.find("\r\n", p);
    const std::string list = listed.substr(p + 4, end == std::string::npos ? std::string::npos : end - p - 4);
    for (std::size_t q = 0; q < list.size(); q += 5) ++years;  // " %d" of four-digit years
  }
  EXPECT_EQ(years, 1001);
  EXPECT_EQ(buildeasterdistribution(easter(2000, 3001), 0).text.find(" % -"), std::string::npos);
}

TEST(EasterDistribution, ClampsAndSwaps) {
  const EasterDistributionReport a = buildeasterdistribution(easter(10000, 1000), 0);
  EXPECT_EQ((std::array{a.firstyear, a.lastyear, a.icon}),
            (std::array{1583, 9999, 110}));
  EXPECT_EQ(a.text, buildeasterdistribution(easter(1583, 9999), 0).text);
  const EasterDistributionReport b = buildeasterdistribution(easter(-5, 1000), 0);
  EXPECT_EQ(b.firstyear, 1583);
  EXPECT_EQ(b.lastyear, 1583);
}


WeekdayDistributionInputs months(int y1, int m1, int y2, int m2, int day) { return {y1, m1, y2, m2, day}; }

WeekdayDistributionInputs year(int y, int day) { return {y, 1, y, 12, day, true}; }

TEST(WeekdayDistribution, ThirteenthOf2024) {
  const WeekdayDistributionReport r = buildweekdaydistribution(year(2024, 13), 1);
  EXPECT_EQ(r.text,
            golden("weekday_2024_13_de.txt"));
  EXPECT_EQ(r.count[7], 3);
  EXPECT_EQ(r.icon, 102);
  EXPECT_EQ(buildweekdaydistribution(year(2024, 13), 2).text.find("(Jän., Apr., Juli)") != std::string::npos,
            true);
  // English: the same layout, its own words.
  const std::string e = buildweekdaydistribution(year(2024, 13), 0).text;
  expectpieces(e, "distribution_pieces.txt", "ThirteenthOf2024/e");
}

TEST(WeekdayDistribution, PeriodAndBackwardsRange) {
  const std::string forward = buildweekdaydistribution(months(2023, 3, 2024, 12, 31), 0).text;
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
  EXPECT_EQ(buildweekdaydistribution(months(2024, 12, 2023, 3, 31), 0).text, forward);
  // A range from January to December of one year is that year.
  EXPECT_EQ(buildweekdaydistribution(months(2024, 12, 2024, 1, 13), 0).text,
            buildweekdaydistribution(year(2024, 13), 0).text);
  EXPECT_TRUE(contains(buildweekdaydistribution(months(2024, 1, 2024, 11, 13), 2).text, "\r\n des Zeitraumes von Jän. 2024 bis Nov. 2024: \r\n"));
}

TEST(WeekdayDistribution, ThirtyFirstAndClamping) {
  const WeekdayDistributionReport r = buildweekdaydistribution(year(2023, 31), 0);
  EXPECT_EQ(r.total, 7);
  expectpieces(r.text, "distribution_pieces.txt", "ThirtyFirstAndClamping/r.text");
  const WeekdayDistributionReport c = buildweekdaydistribution(months(50, 0, 20000, 13, 99), 0);
  EXPECT_EQ((std::array{c.firstyear, c.firstmonth, c.lastyear, c.lastmonth, c.day}),
            (std::array{100, 1, 9999, 12, 31}));
  const WeekdayDistributionReport z = buildweekdaydistribution(months(2023, 2, 2023, 2, 30), 1);
  EXPECT_EQ(z.total, 0);
  expectpieces(z.text, "distribution_pieces.txt", "ThirtyFirstAndClamping/z.text");
}

// The 400-year Gregorian cycle: the 13th falls on a Friday 688 times, on a
// Saturday and a Monday 684 times.
TEST(WeekdayDistribution, TheGregorianCycle) {
  const WeekdayDistributionReport cycle = buildweekdaydistribution(months(2000, 1, 2399, 12, 13), 0);
  EXPECT_EQ(cycle.total, 4800);
  EXPECT_EQ((std::array{cycle.count[1], cycle.count[2], cycle.count[3], cycle.count[4], cycle.count[5],
                         cycle.count[6], cycle.count[7]}),
            (std::array{687, 685, 685, 687, 684, 688, 684}));
}

}  // namespace
}  // namespace quendal
