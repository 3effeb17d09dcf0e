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
  for (const char* line : {"\r\n Begin of the Seasons \r\n\r\n for the Year 2024: \r\n",
                           "\r\n Mar. 20th (Wed) approx. 03:07 UTC Spring ", "\r\n Sep. 22nd (Sun) approx. 12:44 UTC Autumn ",
                           "\r\n\r\n Typical Exactness 1/4 - 1 1/2 Minutes!\r\n (Within from 1900 to 2100) "})
    EXPECT_TRUE(contains(english2024, line)) << line;
}

TEST(ReportsSeasonsPage, RoundedToTheMinuteBeforeTheDate) {
  // The September equinox of 1745 falls at 23:59:53 UT on the 22nd: printed
  // as 00:00 of the 23rd.
  const std::string text = buildseasonspage(1745, german);
  EXPECT_TRUE(contains(text, "\r\n 23. Sep. (Do.) ca. 00:00 UTC Herbst ")) << text;
  EXPECT_TRUE(contains(buildseasonspage(1745, english), "\r\n Sep. 23rd (Thu) approx. 00:00 UTC Autumn "));
}

TEST(ReportsSeasonsPage, FourLinesInOrderForEveryYear) {
  for (int year = 100; year <= 9999; year += 97) {
    for (int language : {german, english}) {
      const std::string text = buildseasonspage(year, language);
      EXPECT_EQ(countof(text, " UTC "), 4) << year;
      const char* const names[2][4] = {{"Frühling", "Sommer", "Herbst", "Winter"},
                                       {"Spring", "Summer", "Autumn", "Winter"}};
      std::size_t at = 0;
      for (const char* name : names[namerow(language)]) {
        const std::size_t next = text.find(name, at);
        ASSERT_NE(next, std::string::npos) << year << " " << name;
        at = next;
      }
      EXPECT_TRUE(contains(text, std::to_string(year) + ": "));
    }
  }
}

TEST(ReportsSeasonsPage, IsPage28OfTheMainReport) {
  MainReportInputs in;
  in.year = 2024;
  in.page = 28;
  in.todayyear = 2024;
  in.todaymonth = 3;
  in.todayday = 15;
  const MainReport r = buildmainreport(in, german);
  EXPECT_EQ(r.page, 28);
  EXPECT_EQ(r.text, buildseasonspage(2024, german));
  EXPECT_STREQ(r.caption, "Jahreszeiten");
  EXPECT_FALSE(r.proportionalfont);
}
