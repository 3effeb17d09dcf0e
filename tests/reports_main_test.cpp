// The main report, its seasons page (28) and its large view, byte for byte,
// with today fixed (goldens in tests/golden/).
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/large_view.h"
#include "reports/main_report.h"
#include "support.h"

using namespace quendal;
using namespace testsupport;

namespace {

MainReport page(int year, int p, Language language, int ty = 2024, int tm = 3, int td = 15) {
  return buildmainreport({.year = year, .page = p, .todayyear = ty, .todaymonth = tm, .todayday = td}, language);
}

std::string largetext(int year, int page, Language language) { return buildlargeview({year, page}, language).text; }

std::string text(int year, int p, Language language, int ty = 2024, int tm = 3, int td = 15) {
  return page(year, p, language, ty, tm, td).text;
}

}  // namespace

// Whole pages written by hand from the format strings (tests/golden/).
TEST(ReportsMain, Goldens) {
  const struct {
    int year, page;
    Language language;
    int ty, tm, td;
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
    expectpieces(text(year, p,
                      l == "english"    ? english
                      : l == "austrian" ? austrian
                                        : german,
                      ty, tm, td),
                 "main_pieces.txt", key);
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
  EXPECT_STREQ(page(2024, 20, german).icon, "calendar");
  EXPECT_TRUE(page(2024, 13, german).proportionalfont);
  EXPECT_FALSE(page(2024, 14, german).proportionalfont);
  EXPECT_STREQ(page(2024, 28, german).caption, "Jahreszeiten");
}

TEST(ReportsMain, LanguageSwitchPage) {
  // A German user in automatic mode: page 66 hands back English forced, then
  // German forced; the caller stores the mode. Other pages leave it.
  MainReportInputs in{
      .year = 2024, .page = 66, .todayyear = 2024, .todaymonth = 3, .todayday = 15, .userlanguage = 1031};
  MainReport r = buildmainreport(in, german);
  EXPECT_EQ(r.languagemode, LanguageMode::english);
  EXPECT_EQ((std::array{r.year, r.page, int(r.language)}), (std::array{2024, 0, int(english)}));
  EXPECT_EQ(r.text, text(2024, 0, english));
  in.languagemode = r.languagemode;
  r = buildmainreport(in, english);
  EXPECT_EQ(r.languagemode, LanguageMode::german);
  EXPECT_EQ(r.text, text(2024, 0, german));
  in.languagemode = r.languagemode;
  in.page = 3;
  EXPECT_EQ(buildmainreport(in, german).languagemode, LanguageMode::german);
}

TEST(ReportsSeasonsPage, Golden2024) {
  EXPECT_EQ(buildseasonspage(2024, german), golden("seasons_2024_de.txt"));
  EXPECT_EQ(buildseasonspage(2024, austrian), buildseasonspage(2024, german));
  // English: the same layout, its own words.
  const std::string english2024 = buildseasonspage(2024, english);
  expectpieces(english2024, "seasons_page_pieces.txt", "Golden2024/english2024");
  // As page 28 of the main report.
  const MainReport r =
      buildmainreport({.year = 2024, .page = 28, .todayyear = 2024, .todaymonth = 3, .todayday = 15}, german);
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

// Whole pages written by hand from the format strings (tests/golden/): the
// holidays of 2057 (Easter on 22 April) and page 11 of 2024 (November 2024 to
// February 2025; December ends on a Tuesday, so two line breaks follow it; a
// month ending on Sunday gets one) in both layouts.
TEST(ReportsLargeView, Goldens) {
  EXPECT_EQ(largetext(2057, 0, german), golden("large_holidays_2057_de.txt"));
  EXPECT_EQ(largetext(2024, 11, english), golden("large_months_2024_11_en.txt"));
  EXPECT_EQ(largetext(2024, 11, austrian), golden("large_months_2024_11_at.txt"));
  // English: the same layout, its own words and national holidays.
  const std::string english2057 = largetext(2057, 0, english);
  expectpieces(english2057, "large_view_pieces.txt", "Goldens/english2057");
  EXPECT_EQ(countof(english2057, "\r\n"), countof(largetext(2057, 0, german), "\r\n"));
}

TEST(ReportsLargeView, MonthEndingOnSunday) {
  // 31 March 2024 is a Sunday: English closes the week line and adds one line break.
  const std::string english2024 = largetext(2024, 3, english);
  expectpieces(english2024, "large_view_pieces.txt", "MonthEndingOnSunday/english2024");
  const std::string german2024 = largetext(2024, 3, german);
  expectpieces(german2024, "large_view_pieces.txt", "MonthEndingOnSunday/german2024");
}

TEST(ReportsLargeView, Limits) {
  EXPECT_FALSE(buildlargeview({1582, 0}, german).built);
  EXPECT_FALSE(buildlargeview({10000, 0}, german).built);
  EXPECT_TRUE(buildlargeview({1583, 1}, german).built);
  const LargeView high = buildlargeview({2024, 13}, english);
  EXPECT_EQ(high.page, 12);
  EXPECT_EQ(high.text, largetext(2024, 12, english));
  EXPECT_EQ(buildlargeview({2024, -1}, english).page, 0);
  EXPECT_EQ(buildlargeview({2024, -1}, english).text, largetext(2024, 0, english));
}

TEST(ReportsLargeView, EveryDayOnceInEveryGrid) {
  // Each of the four months of any page lists its days 1..n exactly once, in order.
  for (int year : {1583, 1600, 1900, 2000, 2023, 2100, 9998})
    for (int page = 1; page <= 12; ++page)
      for (Language language : {english, german}) {
        const std::string t = largetext(year, page, language);
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
