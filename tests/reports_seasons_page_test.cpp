// Page 28 of the main report: the beginnings of the seasons, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "calendar/text.h"
#include "reports/main_report.h"
#include "support.h"

using namespace quendal;
using namespace testsupport;

TEST(ReportsSeasonsPage, Golden2024) {
  EXPECT_EQ(buildseasonspage(2024, german), golden("seasons_2024_de.txt"));
  EXPECT_EQ(buildseasonspage(2024, austrian), buildseasonspage(2024, german));
  // English: the same layout, its own words.
  const std::string english2024 = buildseasonspage(2024, english);
  expectpieces(english2024, "seasons_page_pieces.txt", "Golden2024/english2024");
  // As page 28 of the main report.
  const MainReport r = buildmainreport({.year = 2024, .page = 28, .todayyear = 2024, .todaymonth = 3, .todayday = 15}, german);
  EXPECT_EQ(r.page, 28);
  EXPECT_EQ(r.text, buildseasonspage(2024, german));
  EXPECT_FALSE(r.proportionalfont);
}

TEST(ReportsSeasonsPage, RoundedToTheMinuteBeforeTheDate) {
  // The September equinox of 1745 falls at 23:59:53 UT on the 22nd: printed
  // as 00:00 of the 23rd.
  EXPECT_TRUE(contains(buildseasonspage(1745, german), "\r\n 23. Sep. (Do.) ca. 00:00 UTC Herbst "));
  EXPECT_TRUE(contains(buildseasonspage(1745, english), "\r\n Sep. 23rd (Thu) approx. 00:00 UTC Autumn "));
}
