// The month overview: golden texts (tests/golden/), places at the pole,
// the limits, and the sun times checked against the rises report.
#include <gtest/gtest.h>

#include <string>

#include "app/configuration.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/month_overview.h"
#include "reports/rises_report.h"
#include "support.h"

using namespace quendal;
using namespace testsupport;

namespace {

// A polar place, the default place, a southern one west of Greenwich.
const LocationTable configured = readConfigurationContent(
    "78 N 13   015E 38 Longyearbyen\r\n48 N 12   015E 37 Sankt P\xC3\xB6lten (Austria)\r\n"
    "33 S 27   070W 40 Santiago de Chile\r\n").locationTable;

std::string text(int year, int month, int language, int place = -1) {
  return buildmonthoverview({year, month, place < 0 ? 0 : place, place < 0 ? presetlocationtable() : configured}, language).text;
}

}  // namespace

// Whole months written by hand from the format strings (tests/golden/): with
// the sun and moon columns in both languages, before 1800 and after 2200
// without them (24 December 2209 is a Sunday and so the fourth Sunday of
// Advent; week 48 begins on 27 November).
TEST(ReportsMonthOverview, Goldens) {
  EXPECT_EQ(text(2023, 2, german), golden("month_2023_02_de.txt"));
  EXPECT_EQ(text(2024, 3, english), golden("month_2024_03_en.txt"));
  EXPECT_EQ(text(1750, 1, english), golden("month_1750_01_en.txt"));
  EXPECT_EQ(text(2209, 12, german), golden("month_2209_12_de.txt"));
}

// The German season line, in the zone of the season's own date.
TEST(ReportsMonthOverview, GermanSeasonLine) {
  EXPECT_TRUE(endswith(text(2024, 6, german), "\r\n Sommerbeginn ist am 20. Juni 2024 um 22:51 Uhr (MESZ) "));
  EXPECT_TRUE(endswith(text(2024, 12, austrian), "\r\n Winterbeginn ist am 21. Dezember 2024 um 10:20 Uhr (MEZ) "));
}

TEST(ReportsMonthOverview, ShortMonthsEndWithEmptyLines) {
  // April: one empty line (February 2023 is in the golden text above); 1900
  // is no leap year, 2000 is.
  EXPECT_TRUE(contains(text(2024, 4, english), " Tue 30 (121) 03:40/18:10          \r\n\r\n\r\n Sunrise"));
  EXPECT_TRUE(contains(text(1900, 2, english), " Wed 28 ( 59) "));
  EXPECT_FALSE(contains(text(1900, 2, english), " 29 ( 60) "));
  EXPECT_TRUE(contains(text(2000, 2, english), " Tue 29 ( 60) "));
}

TEST(ReportsMonthOverview, TwoNamesOnOneDay) {
  EXPECT_TRUE(contains(text(2024, 8, german), " Do 15 (228) 05:52/20:11           Mariä Himmelfahrt - Staatsfeiertag Liechtenstein\r\n"));
  // The holiday block of the following year does not leak into the year.
  EXPECT_TRUE(contains(text(2024, 3, german), " Di  5 ( 65) 06:30/17:49          \r\n"));
  EXPECT_FALSE(contains(text(2024, 3, german), "Aschermittwoch"));
}

TEST(ReportsMonthOverview, PolarPlace) {
  const std::string june = text(2024, 6, german, 0);
  expectpieces(june, "month_overview_pieces.txt", "PolarPlace/june");
  EXPECT_TRUE(contains(text(2024, 6, english, 0), " Sat  1 WK 22 alw. visib.          \r\n"));
  const std::string december = text(2024, 12, english, 0);
  expectpieces(december, "month_overview_pieces.txt", "PolarPlace/december");
  EXPECT_TRUE(contains(text(2024, 12, german, 0), " Mo  2 KW 49 nie sichtb.          \r\n"));
  // A southern place west of Greenwich.
  const std::string santiago = text(2024, 6, english, 2);
  expectpieces(santiago, "month_overview_pieces.txt", "PolarPlace/santiago");
  EXPECT_TRUE(contains(text(2024, 6, german, 2), " 33 Grad 27 Min. Süd  70 Grad 40 Min. West\r\n"));
  // Its sun times are those of the rises report (in UTC for English).
  const RisesInputs in{.year = 2024, .month = 6, .day = 21, .positionmode = 1, .locationindex = 2, .places = configured};
  const std::string rises = buildrisesreport(in, english).text;
  const std::size_t cell = rises.find("\r\n ", rises.find("\r\n Sun ") + 3) + 3;
  EXPECT_TRUE(contains(santiago, " Fri 21 (173) " + rises.substr(cell, 5) + "/" + rises.substr(cell + 8, 5) + " "))
      << rises.substr(cell, 15);
}

TEST(ReportsMonthOverview, Limits) {
  const MonthOverview high = buildmonthoverview({12000, 13}, english);
  EXPECT_EQ(high.year, 9999);
  EXPECT_EQ(high.month, 12);
  expectpieces(high.text, "month_overview_pieces.txt", "Limits/high.text");
  const MonthOverview low = buildmonthoverview({1500, 0}, german);
  EXPECT_EQ(low.year, 1583);
  EXPECT_EQ(low.month, 1);
  EXPECT_TRUE(low.placename.empty());
  EXPECT_EQ(buildmonthoverview({2024, 5}, german).placename, "Sankt Pölten (Austria)");
  // Sun and moon columns exactly for 1800..2200.
  EXPECT_TRUE(contains(text(1799, 12, english), " Tue 31 (365)           New Year's Eve\r\n"));
  EXPECT_TRUE(contains(text(1800, 1, english), " Wed  1 WK  1 06:49/15:15           New Year's Day\r\n"));
  EXPECT_TRUE(contains(text(2200, 12, english), " for Sankt Pölten (Austria)"));
  EXPECT_FALSE(contains(text(2201, 1, english), " for Sankt Pölten (Austria)"));
}

// The overview builds the tables of its own year and its language's time
// zone (English: the golden text of March 2024, in UTC).
TEST(ReportsMonthOverview, OwnTablesOfItsYearAndLanguage) {
  EXPECT_TRUE(contains(text(2024, 3, german), " So  3 ( 63) 06:34/17:46 LV(16:24)"));
  EXPECT_EQ(text(1750, 3, english).find("LQ("), std::string::npos);
}
