// The month overview: golden texts (tests/golden/), places at the pole,
// the limits, and the sun times checked against the rises report.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
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

// Pieces of months (tests/golden/month_overview_pieces.txt): the German
// season line in the zone of the season's own date, short months ending with
// empty lines (1900 no leap year, 2000 one), two names on one day, the
// following year's holidays kept out, a polar and a southern place, the sun
// and moon columns exactly for 1800..2200, the phases in the language's zone.
TEST(ReportsMonthOverview, Pieces) {
  for (const std::string& key : piececases("month_overview_pieces.txt")) {
    int year = 0, month = 0, place = -1;
    char language[16] = "";
    ASSERT_GE(std::sscanf(key.c_str(), "%d-%d %15s place %d", &year, &month, language, &place), 3) << key;
    const std::string l = language;
    expectpieces(text(year, month, l == "english" ? english : l == "austrian" ? austrian : german, place),
                 "month_overview_pieces.txt", key);
  }
  // Santiago's sun times are those of the rises report (in UTC for English).
  const RisesInputs in{.year = 2024, .month = 6, .day = 21, .positionmode = 1, .locationindex = 2, .places = configured};
  const std::string rises = buildrisesreport(in, english).text;
  const std::size_t cell = rises.find("\r\n ", rises.find("\r\n Sun ") + 3) + 3;
  EXPECT_TRUE(contains(text(2024, 6, english, 2), " Fri 21 (173) " + rises.substr(cell, 5) + "/" + rises.substr(cell + 8, 5) + " "))
      << rises.substr(cell, 15);
}

TEST(ReportsMonthOverview, Limits) {
  const MonthOverview high = buildmonthoverview({12000, 13}, english);
  EXPECT_EQ((std::array{high.year, high.month}), (std::array{9999, 12}));
  const MonthOverview low = buildmonthoverview({1500, 0}, german);
  EXPECT_EQ((std::array{low.year, low.month}), (std::array{1583, 1}));
  EXPECT_TRUE(low.placename.empty());
  EXPECT_EQ(buildmonthoverview({2024, 5}, german).placename, "Sankt Pölten (Austria)");
  EXPECT_EQ(text(1750, 3, english).find("LQ("), std::string::npos);
}
