// The Easter-date and weekday distributions: golden texts, and the counts
// against an independent Easter algorithm and an independent weekday rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "reports/easter_distribution.h"
#include "reports/weekday_distribution.h"

namespace quendal {
namespace {

// Gregorian Easter after the anonymous algorithm of Meeus (Astronomical
// Algorithms, ch. 8): (month, day).
std::pair<int, int> meeuseaster(int y) {
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
  const int f = (b + 8) / 25, g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  return {(h + l - 7 * m + 114) / 31, (h + l - 7 * m + 114) % 31 + 1};
}

// (month, day) of a date some days after (month, day) of a year; no feast
// reaches past June, so the year's February does not matter.
std::pair<int, int> addays(std::pair<int, int> md, int days) {
  static const int length[] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  md.second += days;
  while (md.second > length[md.first]) md.second -= length[md.first++];
  return md;
}

int countlines(const std::string& text, const std::string& start) {
  int n = 0;
  for (std::size_t p = text.find(start); p != std::string::npos; p = text.find(start, p + 1)) ++n;
  return n;
}

EasterDistributionInputs easter(int first, int last, int feast = distributioneaster) {
  EasterDistributionInputs in;
  in.firstyear = first, in.lastyear = last, in.feast = feast;
  return in;
}

// ---- Easter distribution -------------------------------------------------------

TEST(EasterDistribution, WholeGregorianRange) {
  const EasterDistributionReport r = buildeasterdistribution(easter(1583, 9999), 0);
  EXPECT_EQ(countlines(r.text, "\r\n Mar. ") + countlines(r.text, "\r\n Apr. "), 35);
  EXPECT_EQ(r.text.find("\r\n Distibution of the Days: Easter Sunday for the Years from 1583 to 9999 "
                        "(= 8417 Years): \r\n"),
            0u);
  EXPECT_NE(r.text.find("\r\n Mar. 22nd  45x   0.53 % "), std::string::npos);
  EXPECT_NE(r.text.find("\r\n Apr. 19th 315x   3.74 % "), std::string::npos);
  EXPECT_EQ(r.text.substr(r.text.size() - 27), "\r\n Apr. 25th  67x   0.80 % ");
  EXPECT_EQ(r.text.find(" % -"), std::string::npos);  // no year lists

  // Every count agrees with the independent algorithm.
  std::map<std::pair<int, int>, int> count;
  for (int y = 1583; y <= 9999; ++y) ++count[meeuseaster(y)];
  int total = 0, most = 0;
  for (const auto& [md, n] : count) {
    total += n;
    most = std::max(most, n);
    const char* month = md.first == 3 ? "Mar." : "Apr.";
    char line[64];
    std::snprintf(line, sizeof line, "\r\n %s %2d", month, md.second);
    const std::size_t p = r.text.find(line);
    ASSERT_NE(p, std::string::npos) << line;
    EXPECT_EQ(std::stoi(r.text.substr(p + 13, 3)), n) << line;
  }
  EXPECT_EQ(total, 8417);
  EXPECT_EQ(most, 315);
  EXPECT_EQ(count.size(), 35u);
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
            "\r\n Distibution of the Days: Easter Sunday for the Years from 2020 to 2025 (= 6 Years): \r\n"
            "\r\n Mar. 31st   1x  16.67 % - 2024"
            "\r\n Apr.  4th   1x  16.67 % - 2021"
            "\r\n Apr.  9th   1x  16.67 % - 2023"
            "\r\n Apr. 12th   1x  16.67 % - 2020"
            "\r\n Apr. 17th   1x  16.67 % - 2022"
            "\r\n Apr. 20th   1x  16.67 % - 2025");
  EXPECT_EQ(buildeasterdistribution(easter(1950, 2050, distributionwhitsunday), 2).text.find(
                "\r\n Verteilung der Tage: Pfingstsonntag auf die Jahre von 1950 bis 2050 (= 101 Jahre): "),
            0u);
  // 1001 years list their years, 1002 do not.
  const std::string listed = buildeasterdistribution(easter(2000, 3000), 0).text;
  EXPECT_NE(listed.find(" % - "), std::string::npos);
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
  EXPECT_EQ(a.firstyear, 1583);
  EXPECT_EQ(a.lastyear, 9999);
  EXPECT_EQ(a.icon, 110);
  EXPECT_EQ(a.text, buildeasterdistribution(easter(1583, 9999), 0).text);
  const EasterDistributionReport b = buildeasterdistribution(easter(-5, 1000), 0);
  EXPECT_EQ(b.firstyear, 1583);
  EXPECT_EQ(b.lastyear, 1583);
}

TEST(EasterDistribution, FeastsFollowEaster) {
  const int offsets[] = {0, 39, 49, 60};
  for (int feast = 0; feast < 4; ++feast) {
    const std::string text = buildeasterdistribution(easter(1583, 9999, feast), 1).text;
    std::map<std::pair<int, int>, int> count;
    for (int y = 1583; y <= 9999; ++y) ++count[addays(meeuseaster(y), offsets[feast])];
    EXPECT_EQ(countlines(text, "x "), static_cast<int>(count.size()));
    const auto first = count.begin()->first, last = count.rbegin()->first;
    char line[64];
    std::snprintf(line, sizeof line, "\r\n %2d. ", first.second);
    EXPECT_EQ(text.find("\r\n", 3) + 2, text.find(line, 3)) << feast;
    std::snprintf(line, sizeof line, "\r\n %2d. ", last.second);
    EXPECT_EQ(text.rfind("\r\n"), text.rfind(line)) << feast;
    if (feast == 3) {  // Corpus Christi: 21 May to 24 June
      EXPECT_EQ(first, std::make_pair(5, 21));
      EXPECT_EQ(last, std::make_pair(6, 24));
      EXPECT_NE(text.find("\r\n 21. Mai   45x   0,53 % "), std::string::npos);
      EXPECT_NE(text.find("\r\n 24. Juni  67x   0,80 % "), std::string::npos);
    }
  }
}

// ---- Weekday distribution ---------------------------------------------------------

WeekdayDistributionInputs months(int y1, int m1, int y2, int m2, int day) {
  WeekdayDistributionInputs in;
  in.firstyear = y1, in.firstmonth = m1, in.lastyear = y2, in.lastmonth = m2, in.day = day;
  return in;
}

WeekdayDistributionInputs year(int y, int day) {
  WeekdayDistributionInputs in = months(y, 1, y, 12, day);
  in.singleyear = true;
  return in;
}

TEST(WeekdayDistribution, ThirteenthOf2024) {
  const WeekdayDistributionReport r = buildweekdaydistribution(year(2024, 13), 1);
  EXPECT_EQ(r.text,
            "\r\n Wochentagsverteilung "
            "\r\n für den 13. jeden Monats"
            "\r\n des Jahres 2024: \r\n"
            "\r\n Sonntag:          1x   8,333 Prozent (Okt.)"
            "\r\n Montag:           1x   8,333 Prozent (Mai )"
            "\r\n Dienstag:         2x  16,667 Prozent (Feb., Aug.)"
            "\r\n Mittwoch:         2x  16,667 Prozent (März, Nov.)"
            "\r\n Donnerstag:       1x   8,333 Prozent (Juni)"
            "\r\n Freitag:          2x  16,667 Prozent (Sep., Dez.)"
            "\r\n Samstag:          3x  25,000 Prozent (Jan., Apr., Juli)"
            "\r\n\r\n Summe:           12   Monate gesamt ");
  EXPECT_EQ(r.count[7], 3);
  EXPECT_EQ(r.icon, 102);
  EXPECT_EQ(buildweekdaydistribution(year(2024, 13), 2).text.find("(Jän., Apr., Juli)") != std::string::npos,
            true);
  EXPECT_EQ(buildweekdaydistribution(year(2024, 13), 0).text,
            "\r\n Distribution of the Weekdays "
            "\r\n for the 13th of each Month"
            "\r\n of the Year 2024: \r\n"
            "\r\n Sunday:           1x   8.333 Percent (Oct.)"
            "\r\n Monday:           1x   8.333 Percent (May )"
            "\r\n Tuesday:          2x  16.667 Percent (Feb., Aug.)"
            "\r\n Wednesday:        2x  16.667 Percent (Mar., Nov.)"
            "\r\n Thursday:         1x   8.333 Percent (June)"
            "\r\n Friday:           2x  16.667 Percent (Sep., Dec.)"
            "\r\n Saturday:         3x  25.000 Percent (Jan., Apr., July)"
            "\r\n\r\n Sum:             12   Months total ");
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
  EXPECT_NE(forward.find("\r\n Wednesday:        3x  23.077 Percent \r\n"), std::string::npos);
  const std::string sum = "\r\n Saturday:         1x   7.692 Percent \r\n\r\n Sum:             13   Months total ";
  EXPECT_EQ(forward.substr(forward.size() - sum.size()), sum);
  EXPECT_EQ(buildweekdaydistribution(months(2024, 12, 2023, 3, 31), 0).text, forward);
  // A range from January to December of one year is that year.
  EXPECT_EQ(buildweekdaydistribution(months(2024, 12, 2024, 1, 13), 0).text,
            buildweekdaydistribution(year(2024, 13), 0).text);
  EXPECT_NE(buildweekdaydistribution(months(2024, 1, 2024, 11, 13), 2).text.find(
                "\r\n des Zeitraumes von Jän. 2024 bis Nov. 2024: \r\n"),
            std::string::npos);
}

TEST(WeekdayDistribution, ThirtyFirstAndClamping) {
  const WeekdayDistributionReport r = buildweekdaydistribution(year(2023, 31), 0);
  EXPECT_EQ(r.total, 7);
  EXPECT_NE(r.text.find("\r\n\r\n Sum:              7   Months total "), std::string::npos);
  const WeekdayDistributionReport c = buildweekdaydistribution(months(50, 0, 20000, 13, 99), 0);
  EXPECT_EQ(c.firstyear, 100);
  EXPECT_EQ(c.firstmonth, 1);
  EXPECT_EQ(c.lastyear, 9999);
  EXPECT_EQ(c.lastmonth, 12);
  EXPECT_EQ(c.day, 31);
  const WeekdayDistributionReport z = buildweekdaydistribution(months(2023, 2, 2023, 2, 30), 1);
  EXPECT_EQ(z.total, 0);
  EXPECT_NE(z.text.find("\r\n Sonntag:          0x   0,000 Prozent "), std::string::npos) << z.text;
}

// Civil calendar written independently: Julian before 15 October 1582.
bool civildateexists(int y, int m, int d) {
  static const int length[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool gregorian = y > 1582 || (y == 1582 && m >= 10);
  const bool leap = gregorian ? (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) : y % 4 == 0;
  if (y == 1582 && m == 10 && d >= 5 && d <= 14) return false;
  return d <= length[m] + (m == 2 && leap ? 1 : 0);
}

// 1 Sunday .. 7 Saturday from a running day count since 1 January of the year
// 1 (Julian calendar), a Saturday.
int civilweekday(int y, int m, int d) {
  static const int length[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  long long days = 0;  // days since 1 January of year 1 (Julian)
  const auto leap = [](int year) {
    return year > 1582 ? (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) : year % 4 == 0;
  };
  // Whole years, then months, then days; the reform drops ten days.
  for (int k = 1; k < y; ++k) days += 365 + (leap(k) ? 1 : 0);
  if (y > 1582 || (y == 1582 && (m > 10 || (m == 10 && d >= 15)))) days -= 10;
  for (int k = 1; k < m; ++k) days += length[k] + (k == 2 && leap(y) ? 1 : 0);
  days += d - 1;
  return static_cast<int>((days + 6) % 7) + 1;  // 1 January 1 (Julian) was a Saturday
}

TEST(WeekdayDistribution, CountsAgreeWithAnIndependentCalendar) {
  for (int day = 1; day <= 31; day += 3) {
    const WeekdayDistributionReport r = buildweekdaydistribution(months(1570, 6, 1600, 2, day), 0);
    int count[8] = {};
    int total = 0;
    for (int y = 1570; y <= 1600; ++y)
      for (int m = 1; m <= 12; ++m) {
        if ((y == 1570 && m < 6) || (y == 1600 && m > 2) || !civildateexists(y, m, day)) continue;
        ++count[civilweekday(y, m, day)];
        ++total;
      }
    EXPECT_EQ(r.total, total) << day;
    for (int w = 1; w <= 7; ++w) EXPECT_EQ(r.count[w], count[w]) << day << " " << w;
  }
  // The 400-year Gregorian cycle: the 13th falls on a Friday 688 times.
  const WeekdayDistributionReport cycle = buildweekdaydistribution(months(2000, 1, 2399, 12, 13), 0);
  EXPECT_EQ(cycle.total, 4800);
  EXPECT_EQ(cycle.count[6], 688);
  EXPECT_EQ(cycle.count[1] + cycle.count[2] + cycle.count[3] + cycle.count[4] + cycle.count[5] +
                cycle.count[6] + cycle.count[7],
            4800);
}

}  // namespace
}  // namespace quendal
