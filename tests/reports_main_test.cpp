// The main report, byte for byte, with today fixed (goldens in tests/golden/).
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "calendar/text.h"
#include "reports/main_report.h"
#include "support.h"

using namespace quendal;
using namespace testsupport;

namespace {

MainReport page(int year, int p, int language, int ty = 2024, int tm = 3, int td = 15) {
  return buildmainreport({.year = year, .page = p, .todayyear = ty, .todaymonth = tm, .todayday = td}, language);
}

std::string text(int year, int p, int language, int ty = 2024, int tm = 3, int td = 15) {
  return page(year, p, language, ty, tm, td).text;
}

}  // namespace

// Whole pages written by hand from the format strings (tests/golden/).
TEST(ReportsMain, Goldens) {
  const struct {
    int year, page, language, ty, tm, td;
    const char* file;
  } pages[] = {
      {2024, 0, german, 2024, 3, 15, "main_year_de.txt"},
      {1582, 0, english, 2025, 1, 1, "main_year_1582_en.txt"},  // Julian Easter, no epact line
      {2024, 1, austrian, 2024, 3, 15, "main_month_2024_01_at.txt"},
      // December 2023 ends on a Sunday: the last row ends with "\r\n    " and
      // no further line break comes before the day-of-year line; today marked.
      {2023, 12, english, 2023, 12, 24, "main_month_2023_12_en.txt"},
      {1582, 10, german, 2024, 3, 15, "main_month_1582_10_de.txt"},
      {2024, 14, german, 2024, 3, 15, "main_short_de.txt"},
      {2024, 27, english, 2024, 3, 15, "main_short_en.txt"},
      {1700, 16, english, 2024, 3, 15, "main_julian_1700_02_en.txt"},
  };
  for (const auto& p : pages) EXPECT_EQ(text(p.year, p.page, p.language, p.ty, p.tm, p.td), golden(p.file)) << p.file;
}

// Pieces of pages (tests/golden/main_pieces.txt): the end of the year, the
// months around the reform, the weeks across the year's end (January 2021
// starts in week 53 of 2020, December 2024 ends in week 1 of 2025), the
// Julian calendar before the reform, the identical years (72 of them, eight
// lines of nine), the program text pages.
TEST(ReportsMain, Pieces) {
  for (const std::string& key : piececases("main_pieces.txt")) {
    int year = 0, p = 0, ty = 0, tm = 0, td = 0;
    char language[16] = "";
    ASSERT_EQ(std::sscanf(key.c_str(), "%d page %d %15s today %d-%d-%d", &year, &p, language, &ty, &tm, &td), 6) << key;
    const std::string l = language;
    expectpieces(text(year, p, l == "english" ? english : l == "austrian" ? austrian : german, ty, tm, td), "main_pieces.txt",
                 key);
  }
  EXPECT_EQ(countof(text(2024, 29, german), "\r\n"), 4 + 8);
}

TEST(ReportsMain, SystemVersion) {
  MainReportInputs in{.year = 2024, .page = 30, .system = {6, 1, false, "Debian GNU/Linux 12 (bookworm)"}};
  const std::string linux1 = buildmainreport(in, german).text;
  EXPECT_EQ(linux1, golden("main_system_de.txt"));
  EXPECT_EQ(linux1.find("Windows"), std::string::npos);  // 6.1 is not Windows 7 here
  in.system.windows = true;
  in.page = 97;
  EXPECT_EQ(buildmainreport(in, english).text,
            "\r\n\r\n Operating System Version \r\n\r\n Major Version: 6 \r\n Minor Version: 1 "
            "\r\n\r\n = \r\n\r\n Windows Seven ");
  EXPECT_EQ(windowsproductname(4, 0, german), " Windows 95 oder \r\n Windows NT 4.0 ");
  EXPECT_EQ(windowsproductname(3, 51, english), " Windows NT 3.51 ");
  EXPECT_EQ(windowsproductname(10, 0, english), "");
  in.system.windows = false;
  in.system.name.clear();
  EXPECT_EQ(buildmainreport(in, english).text.find(" = "), std::string::npos);
}

TEST(ReportsMain, PagesCaptionsAndFonts) {
  EXPECT_FALSE(page(99, 0, german).built);
  EXPECT_FALSE(page(10000, 0, german).built);
  EXPECT_TRUE(page(100, 0, german).built);
  for (int p : {45, -3, 31, 96, 100, 77}) {
    const MainReport r = page(2024, p, english);
    EXPECT_EQ(r.page, 0) << p;
    EXPECT_EQ(r.text, text(2024, 0, english)) << p;
  }
  EXPECT_STREQ(page(2024, 0, english).caption, "Easter Date");
  EXPECT_STREQ(page(2024, 3, german).caption, "Kalender");
  EXPECT_EQ(page(2024, 20, german).icon, 102);
  EXPECT_TRUE(page(2024, 13, german).proportionalfont);
  EXPECT_FALSE(page(2024, 14, german).proportionalfont);
  EXPECT_STREQ(page(2024, 28, german).caption, "Jahreszeiten");
}

TEST(ReportsMain, LanguageSwitchPage) {
  // A German user in automatic mode: page 66 hands back English forced, then
  // German forced; the caller stores the mode. Other pages leave it.
  MainReportInputs in{.year = 2024, .page = 66, .todayyear = 2024, .todaymonth = 3, .todayday = 15, .userlanguage = 1031};
  MainReport r = buildmainreport(in, german);
  EXPECT_EQ((std::array{r.languagemode, r.year, r.page, int(r.language)}), (std::array{0, 2024, 0, int(english)}));
  EXPECT_EQ(r.text, text(2024, 0, english));
  in.languagemode = r.languagemode;
  r = buildmainreport(in, english);
  EXPECT_EQ(r.languagemode, -1);
  EXPECT_EQ(r.text, text(2024, 0, german));
  in.languagemode = r.languagemode;
  in.page = 3;
  EXPECT_EQ(buildmainreport(in, german).languagemode, -1);
}
