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

// The configured places of the current test.
LocationTable places = presetlocationtable();

std::string text(int year, int month, int language, int place = 0) {
  return buildmonthoverview({year, month, place, places}, language).text;
}

// The places of the tests: a polar one, the default place, a southern one
// west of Greenwich.
void configureplaces() {
  places = readConfigurationContent(
      "78 N 13   015E 38 Longyearbyen\r\n"
      "48 N 12   015E 37 Sankt P\xC3\xB6lten (Austria)\r\n"
      "33 S 27   070W 40 Santiago de Chile\r\n").locationTable;
}

void resetplaces() { places = presetlocationtable(); }

}  // namespace

// Whole months written by hand from the format strings (tests/golden/): with
// the sun and moon columns in both languages, before 1800 and after 2200
// without them (24 December 2209 is a Sunday and so the fourth Sunday of
// Advent; week 48 begins on 27 November).
TEST(ReportsMonthOverview, Goldens) {
  resetplaces();
  EXPECT_EQ(text(2023, 2, german), golden("month_2023_02_de.txt"));
  EXPECT_EQ(text(2024, 3, english), golden("month_2024_03_en.txt"));
  EXPECT_EQ(text(1750, 1, english), golden("month_1750_01_en.txt"));
  EXPECT_EQ(text(2209, 12, german), golden("month_2209_12_de.txt"));
}

// The German season line, in the zone of the season's own date.
TEST(ReportsMonthOverview, GermanSeasonLine) {
  resetplaces();
  EXPECT_TRUE(endswith(text(2024, 6, german), "\r\n Sommerbeginn ist am 20. Juni 2024 um 22:51 Uhr (MESZ) "));
  EXPECT_TRUE(endswith(text(2024, 12, austrian), "\r\n Winterbeginn ist am 21. Dezember 2024 um 10:20 Uhr (MEZ) "));
}

TEST(ReportsMonthOverview, ShortMonthsEndWithEmptyLines) {
  resetplaces();
  // April: one empty line (February 2023 is in the golden text above); 1900
  // is no leap year, 2000 is.
  EXPECT_TRUE(contains(text(2024, 4, english), " Tue 30 (121) 03:40/18:10          \r\n\r\n\r\n Sunrise"));
  EXPECT_TRUE(contains(text(1900, 2, english), " Wed 28 ( 59) "));
  EXPECT_FALSE(contains(text(1900, 2, english), " 29 ( 60) "));
  EXPECT_TRUE(contains(text(2000, 2, english), " Tue 29 ( 60) "));
}

TEST(ReportsMonthOverview, TwoNamesOnOneDay) {
  resetplaces();
  EXPECT_TRUE(contains(text(2024, 8, german), " Do 15 (228) 05:52/20:11           Mariä Himmelfahrt - Staatsfeiertag Liechtenstein\r\n"));
  // The holiday block of the following year does not leak into the year.
  EXPECT_TRUE(contains(text(2024, 3, german), " Di  5 ( 65) 06:30/17:49          \r\n"));
  EXPECT_FALSE(contains(text(2024, 3, german), "Aschermittwoch"));
}

TEST(ReportsMonthOverview, PolarPlace) {
  configureplaces();
  const std::string june = text(2024, 6, german, 0);
  EXPECT_TRUE(contains(june, " Sa  1 KW 22 im. sichtb.          \r\n"));
  EXPECT_TRUE(contains(june, "Sonnenauf- und -untergang (Zeit in MEZ/MESZ) für Longyearbyen\r\n 78 Grad 13 Min. Nord  15 Grad 38 Min. Ost"));
  EXPECT_TRUE(contains(text(2024, 6, english, 0), " Sat  1 WK 22 alw. visib.          \r\n"));
  const std::string december = text(2024, 12, english, 0);
  EXPECT_TRUE(contains(december, " Sun  1 WK 48 nev. visib. NM(06:21) 1st Advent Sunday\r\n"));
  EXPECT_TRUE(contains(text(2024, 12, german, 0), " Mo  2 KW 49 nie sichtb.          \r\n"));
  // A southern place west of Greenwich.
  const std::string santiago = text(2024, 6, english, 2);
  EXPECT_TRUE(contains(santiago, " for Santiago de Chile\r\n 33 Deg. 27 Min. South  70 Deg. 40 Min. West\r\n"));
  EXPECT_TRUE(contains(text(2024, 6, german, 2), " 33 Grad 27 Min. Süd  70 Grad 40 Min. West\r\n"));
  resetplaces();
}

TEST(ReportsMonthOverview, Limits) {
  resetplaces();
  const MonthOverview high = buildmonthoverview({12000, 13, 0, places}, english);
  EXPECT_EQ(high.year, 9999);
  EXPECT_EQ(high.month, 12);
  EXPECT_TRUE(contains(high.text, " Calendar for the Month December 9999 \r\n"));
  const MonthOverview low = buildmonthoverview({1500, 0, 0, places}, german);
  EXPECT_EQ(low.year, 1583);
  EXPECT_EQ(low.month, 1);
  EXPECT_TRUE(low.placename.empty());
  EXPECT_EQ(buildmonthoverview({2024, 5, 0, places}, german).placename, "Sankt Pölten (Austria)");
  // Sun and moon columns exactly for 1800..2200.
  EXPECT_TRUE(contains(text(1799, 12, english), " Tue 31 (365)           New Year's Eve\r\n"));
  EXPECT_TRUE(contains(text(1800, 1, english), " Wed  1 WK  1 06:49/15:15           New Year's Day\r\n"));
  EXPECT_TRUE(contains(text(2200, 12, english), " for Sankt Pölten (Austria)"));
  EXPECT_FALSE(contains(text(2201, 1, english), " for Sankt Pölten (Austria)"));
}

TEST(ReportsMonthOverview, OwnTablesOfItsYearAndLanguage) {
  resetplaces();
  // The overview builds the tables of its own year and its language's time
  // zone.
  EXPECT_TRUE(contains(text(2024, 3, english), "Easter Sunday"));
  const std::string german2024 = text(2024, 3, german);
  const std::string english2024 = text(2024, 3, english);
  EXPECT_TRUE(contains(german2024, " So  3 ( 63) 06:34/17:46 LV(16:24)"));
  EXPECT_TRUE(contains(english2024, " Sun  3 ( 63) 05:34/16:45 LQ(15:24)"));
  EXPECT_EQ(text(1750, 3, english).find("LQ("), std::string::npos);
}

TEST(ReportsMonthOverview, SunriseEqualsTheRisesReport) {
  configureplaces();
  for (int place = 0; place < 3; ++place)
    for (int month = 1; month <= 12; ++month)
      for (int language : {english, german}) {
        const std::string overview = text(2024, month, language, place);
        for (int day = 1; day <= daysinmonth(month, 2024); day += 3) {
          RisesInputs in;
          in.year = 2024;
          in.month = month;
          in.day = day;
          in.zone = language == english ? 0 : (summertime(day, month, 2024) == 1 ? 2 : 1);
          in.positionmode = 1;
          in.locationindex = place;
          in.places = places;
          const std::string rises = buildrisesreport(in, language).text;
          // The rises report's Sun cell: "HH:MM / HH:MM  " or a word.
          const std::size_t head = rises.find(language == english ? "\r\n Sun " : "\r\n Sonne ");
          ASSERT_NE(head, std::string::npos);
          const std::string cell = rises.substr(rises.find("\r\n ", head + 3) + 3, 15);
          const std::size_t row = overview.find(strprintf(" %2d ", day) + (day == 1 || dayofweek(day, month, 2024) == 2 ? (language == english ? "WK" : "KW") : "("));
          ASSERT_NE(row, std::string::npos);
          const std::string columns = overview.substr(row + 9, 12);
          if (cell.compare(0, 5, "alway") == 0 || cell.compare(0, 5, "immer") == 0) {
            EXPECT_EQ(columns, language == english ? " alw. visib." : " im. sichtb.");
          } else if (cell.compare(0, 5, "never") == 0 || cell.compare(0, 5, "nie s") == 0) {
            EXPECT_EQ(columns, language == english ? " nev. visib." : " nie sichtb.");
          } else {
            const std::string rise = cell.substr(0, 5), set = cell.substr(8, 5);
            EXPECT_EQ(columns, " " + rise + "/" + set) << place << " " << month << " " << day;
          }
        }
      }
  resetplaces();
}
