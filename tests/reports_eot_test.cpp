// The equation of time report: golden texts (tests/golden/), the value and
// step formatting, the statistics interval, and the year's turning points
// against a dense scan of the equation of time.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "astro/sun.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/eot_report.h"
#include "support.h"

using namespace quendal;
using namespace testsupport;

namespace {

EquationOfTimeReport report(int year, int month, int day, int hour, int zone, int step, int mode,
                            int language) {
  return buildequationoftimereport({year, month, day, hour, zone, step, mode}, language);
}

}  // namespace

TEST(ReportsEot, Year2000) {
  EXPECT_EQ(report(2000, 6, 1, 12, 0, 12, eotyear, german).text, golden("eot_year_2000_de.txt"));
  // English, the same instants shown in UTC+1.
  EXPECT_TRUE(contains(report(2000, 1, 1, 0, 1, 12, eotyear, english).text,
                       "\r\n Evaluation for the Year 2000: \r\n\r\n\r\n Great  Minimum: "
                       "\r\n JD 2451586.50695 (Sat) 2000-02-12 01:10 UTC+1 (CET) -14.277 Min.= 14 Min. 17 Sec. - "));
}

TEST(ReportsEot, ListGolden) {
  const std::string t = report(2024, 3, 15, 12, 1, 9, eotlist, german).text;
  expectpieces(t, "eot_pieces.txt", "ListGolden/t");
  EXPECT_EQ(countof(t, "\r\n JD "), 30);
  // The last line is 29 steps of 2 1/4 hours later.
  const std::string e = report(2024, 3, 15, 12, -5, 96, eotlist, english).text;
  expectpieces(e, "eot_pieces.txt", "ListGolden/e");
}

TEST(ReportsEot, StepLines) {
  auto stepline = [](int step, int language) {
    const std::string t = report(2024, 1, 1, 12, 0, step, eotlist, language).text;
    return t.substr(0, t.find("\r\n", 2) + 2);
  };
  EXPECT_EQ(stepline(4, german), "\r\n Schrittweite: 1 Stunde \r\n");
  EXPECT_EQ(stepline(6, german), "\r\n Schrittweite: 1 1/2 Stunde \r\n");
  EXPECT_EQ(stepline(2, german), "\r\n Schrittweite: 1/2 Stunde \r\n");
  EXPECT_EQ(stepline(9999, english), "\r\n Step Size: 2499 3/4 Hours \r\n");
}

TEST(ReportsEot, ValueFormatting) {
  EXPECT_EQ(formateotvalue(0.0, german), "   0.000 Min.=  0 Min. 00 Sek. ");
  EXPECT_EQ(formateotvalue(-3.9999, german), "  -4.000 Min.=  4 Min. 00 Sek. - ");
  EXPECT_EQ(formateotvalue(3.9999, english), "   4.000 Min.=  4 Min. 00 Sec. + ");
  EXPECT_EQ(formateotvalue(16.4708, english), "  16.471 Min.= 16 Min. 28 Sec. + ");
  // 0.5 s and more rounds up to a second; just below half a second stays 0.
  EXPECT_EQ(formateotvalue(-0.0084, german), "  -0.008 Min.=  0 Min. 01 Sek. - ");
  EXPECT_EQ(formateotvalue(-0.0082, german), "  -0.008 Min.=  0 Min. 00 Sek. ");
  EXPECT_EQ(formateotvalue(-14.2845, german), " -14.285 Min.= 14 Min. 17 Sek. - ");
}

TEST(ReportsEot, InstantFormatting) {
  // Half a second is added before the minute is cut (the JD shows 5 decimals).
  const double jd = datetojd(2024, 12, 31) + (23 * 60 + 59) / 1440.0 + 59.6 / 86400.0;
  EXPECT_EQ(formateotinstant(jd, 0, german), "\r\n JD 2460676.50000 (Mi) 2025-01-01 00:00 UTC");
  EXPECT_EQ(formateotinstant(jd, 2, english), "\r\n JD 2460676.50000 (Wed) 2025-01-01 02:00 UTC+2 (CEST)");
  EXPECT_EQ(formateotinstant(jd, -12, english), "\r\n JD 2460676.50000 (Tue) 2024-12-31 12:00 UTC-12");
}

TEST(ReportsEot, StatisticsGoldenEnglish) {
  // 29 steps of one hour from 2024-06-01 12:00 UTC: 29 x 12 + 1 samples.
  const EquationOfTimeReport r = report(2024, 6, 1, 12, 0, 4, eotstatistics, english);
  EXPECT_EQ(r.evaluations, 349);
  EXPECT_EQ(r.text,
            golden("eot_statistics_en.txt"));
}

TEST(ReportsEot, StatisticsOverOneTropicalYear) {
  // Step 1209: the interval is one tropical year, sampled about 105,000 times.
  const EquationOfTimeReport r = report(2024, 3, 15, 12, 0, 1209, eotstatistics, german);
  EXPECT_EQ(r.evaluations, 105190);
  expectpieces(r.text, "eot_pieces.txt", "StatisticsOverOneTropicalYear/r.text");
  // The year's extremes: the great maximum in early November, the great
  // minimum in mid-February.
  // From a date before a leap day the end is the same date of the next year.
  const std::string leap = report(2023, 3, 1, 12, 0, 1209, eotstatistics, german).text;
  expectpieces(leap, "eot_pieces.txt", "StatisticsOverOneTropicalYear/leap");
  // An evening start whose year ends after midnight is not stretched by a day.
  const std::string evening = report(2025, 3, 15, 20, 0, 1209, eotstatistics, german).text;
  expectpieces(evening, "eot_pieces.txt", "StatisticsOverOneTropicalYear/evening");
}

TEST(ReportsEot, InputsAreClamped) {
  const EquationOfTimeReport r = report(999, 2, 31, 25, 13, 0, 7, english);
  EXPECT_EQ(r.corrected.year, 1000);
  EXPECT_EQ(r.corrected.day, 29);  // 1000 is a leap year of the Julian calendar
  EXPECT_EQ((std::array{r.corrected.hour, r.corrected.zone, r.corrected.step}),
            (std::array{23, 12, 1}));
  EXPECT_EQ(r.corrected.mode, eotlist);
  const EquationOfTimeReport high = report(5000, 13, 0, -1, -13, 10000, eotlist, english);
  EXPECT_EQ((std::array{high.corrected.year, high.corrected.month, high.corrected.day, high.corrected.hour,
                         high.corrected.zone, high.corrected.step}),
            (std::array{4000, 12, 1, 0, -12, 9999}));
  EXPECT_EQ(report(2023, 2, 30, 12, 0, 12, eotlist, german).corrected.day, 28);
  EXPECT_EQ(report(2024, 4, 31, 12, 0, 12, eotlist, german).corrected.day, 30);
  EXPECT_EQ(report(1582, 10, 10, 12, 0, 12, eotlist, german).corrected.day, 4);
}

// The cache of the graph window holds 31 years: a year asked for again
// after 40 others still gets its own turning points.
TEST(ReportsEotYearCache, FullCacheKeepsEachYearsOwnEvents) {
  YearEventCache cache;
  int evaluations = 0;
  for (int year = 1990; year < 2030; ++year) EotYearEvents(cache, year, evaluations);
  for (int year = 1990; year < 2030; ++year) {
    YearEventCache fresh;
    const EotYearSlot& expected = eotyearslot(fresh, EotYearEvents(fresh, year));
    const EotYearSlot& got = eotyearslot(cache, EotYearEvents(cache, year));
    EXPECT_EQ(got.year, year);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(got.events[i].jd, expected.events[i].jd) << year << " " << i;
  }
  evaluations = 0;
  EotYearEvents(cache, 2029, evaluations);
  EXPECT_EQ(evaluations, 0);  // found, not computed again
}

// The eight turning points of a year in their order (a minimum first; in the
// far future, 4000, the last zero crossing falls into January of the next
// year): each an extremum of EquationOfTime within two minutes either side or a
// sign change within a minute, at its value.
TEST(ReportsEotYearCache, TurningPointsAreExtremaAndZeros) {
  const double minute = 1.0 / 1440.0;
  for (int year : {1000, 1583, 1850, 1900, 2000, 2024, 2100, 2500, 3000, 4000}) {
    YearEventCache cache;
    const EotYearSlot& slot = eotyearslot(cache, EotYearEvents(cache, year));
    for (int i = 0; i < 8; ++i) {
      const double jd = slot.events[i].jd, e = EquationOfTime(jd);
      const double before = EquationOfTime(jd - minute), after = EquationOfTime(jd + minute);
      const double far1 = EquationOfTime(jd - 2 * minute), far2 = EquationOfTime(jd + 2 * minute);
      if (i % 2 == 1) {  // a zero crossing: the sign changes within a minute
        EXPECT_LE(before * after, 0.0) << year << " event " << i;
        EXPECT_NEAR(slot.events[i].value, 0.0, 0.001) << year << " event " << i;
      } else {  // minima at 0 and 4, maxima at 2 and 6
        const double sign = i % 4 == 0 ? -1.0 : 1.0;
        EXPECT_GE(sign * (e - far1), 0.0) << year << " event " << i;
        EXPECT_GE(sign * (e - far2), 0.0) << year << " event " << i;
        EXPECT_NEAR(slot.events[i].value, e, 0.001) << year << " event " << i;
        EXPECT_GT(sign * e, 2.0) << year << " event " << i;
      }
      if (i > 0) {
        EXPECT_GT(jd - slot.events[i - 1].jd, 20.0) << year << " event " << i;
      }
    }
    EXPECT_LT(slot.events[0].jd, datetojd(year, 3, 1));
  }
}
