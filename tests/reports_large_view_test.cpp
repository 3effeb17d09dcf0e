// The large view of the Easter report, byte for byte (tests/golden/), and its
// limits.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/large_view.h"
#include "support.h"

using namespace quendal;
using namespace testsupport;

namespace {

std::string text(int year, int page, int language) { return buildlargeview({year, page}, language).text; }

}  // namespace

// Whole pages written by hand from the format strings (tests/golden/): the
// holidays of 2057 (Easter on 22 April) and page 11 of 2024 (November 2024 to
// February 2025; December ends on a Tuesday, so two line breaks follow it; a
// month ending on Sunday gets one) in both layouts.
TEST(ReportsLargeView, Goldens) {
  EXPECT_EQ(text(2057, 0, german), golden("large_holidays_2057_de.txt"));
  EXPECT_EQ(text(2024, 11, english), golden("large_months_2024_11_en.txt"));
  EXPECT_EQ(text(2024, 11, austrian), golden("large_months_2024_11_at.txt"));
  // English: the same layout, its own words and national holidays.
  const std::string english2057 = text(2057, 0, english);
  expectpieces(english2057, "large_view_pieces.txt", "Goldens/english2057");
  EXPECT_EQ(countof(english2057, "\r\n"), countof(text(2057, 0, german), "\r\n"));
}

TEST(ReportsLargeView, MonthEndingOnSunday) {
  // 31 March 2024 is a Sunday: English closes the week line and adds one line break.
  const std::string english2024 = text(2024, 3, english);
  expectpieces(english2024, "large_view_pieces.txt", "MonthEndingOnSunday/english2024");
  const std::string german2024 = text(2024, 3, german);
  expectpieces(german2024, "large_view_pieces.txt", "MonthEndingOnSunday/german2024");
}

TEST(ReportsLargeView, Limits) {
  EXPECT_FALSE(buildlargeview({1582, 0}, german).built);
  EXPECT_FALSE(buildlargeview({10000, 0}, german).built);
  EXPECT_TRUE(buildlargeview({1583, 1}, german).built);
  const LargeView high = buildlargeview({2024, 13}, english);
  EXPECT_EQ(high.page, 12);
  EXPECT_EQ(high.text, text(2024, 12, english));
  EXPECT_EQ(buildlargeview({2024, -1}, english).page, 0);
  EXPECT_EQ(buildlargeview({2024, -1}, english).text, text(2024, 0, english));
}

TEST(ReportsLargeView, EveryDayOnceInEveryGrid) {
  // Each of the four months of any page lists its days 1..n exactly once, in order.
  for (int year : {1583, 1600, 1900, 2000, 2023, 2100, 9998})
    for (int page = 1; page <= 12; ++page)
      for (int language : {english, german}) {
        const std::string t = text(year, page, language);
        std::size_t at = 0;
        int month = page, y = year;
        for (int m = 0; m < 4; ++m) {
          at = t.find(std::string(monthname(month, language)) + " " + std::to_string(y), at);
          ASSERT_NE(at, std::string::npos) << year << " " << page;
          at = t.find(language == english ? "Sun" : "So ", at);
          for (int d = 1; d <= daysinmonth(month, y); ++d) {
            char cell[16];
            std::snprintf(cell, sizeof cell, " %2d ", d);
            const std::size_t next = t.find(cell, at);
            ASSERT_NE(next, std::string::npos) << year << " " << page << " " << d;
            at = next + 3;
          }
          if (++month > 12) {
            month = 1;
            ++y;
          }
        }
      }
}
