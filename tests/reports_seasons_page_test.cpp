// Page 28 of the main report: the beginnings of the seasons, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "calendar/text.h"
#include "reports/main_report.h"

using namespace quendal;

namespace {

int countof(const std::string& s, const std::string& what) {
  int n = 0;
  for (std::size_t i = s.find(what); i != std::string::npos; i = s.find(what, i + 1)) ++n;
  return n;
}

}  // namespace

TEST(ReportsSeasonsPage, German2024) {
  EXPECT_EQ(buildseasonspage(2024, german),
            "\r\n Beginn der Jahreszeiten "
            "\r\n\r\n für das Jahr 2024: \r\n"
            "\r\n 20. März (Mi.) ca. 03:07 UTC Frühling "
            "\r\n 20. Juni (Do.) ca. 20:51 UTC Sommer "
            "\r\n 22. Sep. (So.) ca. 12:44 UTC Herbst "
            "\r\n 21. Dez. (Sa.) ca. 09:20 UTC Winter "
            "\r\n\r\n Typische Genauigkeit von 1/4 - 1 1/2 Minuten!"
            "\r\n (Innerhalb von 1900 bis 2100) ");
}

TEST(ReportsSeasonsPage, English2024) {
  EXPECT_EQ(buildseasonspage(2024, english),
            "\r\n Begin of the Seasons "
            "\r\n\r\n for the Year 2024: \r\n"
            "\r\n Mar. 20th (Wed) approx. 03:07 UTC Spring "
            "\r\n June 20th (Thu) approx. 20:51 UTC Summer "
            "\r\n Sep. 22nd (Sun) approx. 12:44 UTC Autumn "
            "\r\n Dec. 21st (Sat) approx. 09:20 UTC Winter "
            "\r\n\r\n Typical Exactness 1/4 - 1 1/2 Minutes!"
            "\r\n (Within from 1900 to 2100) ");
}

TEST(ReportsSeasonsPage, AustrianIsGerman) {
  EXPECT_EQ(buildseasonspage(2024, austrian), buildseasonspage(2024, german));
}

TEST(ReportsSeasonsPage, RoundedToTheMinuteBeforeTheDate) {
  // The September equinox of 1745 falls at 23:59:53 UT on the 22nd: printed
  // as 00:00 of the 23rd.
  const std::string text = buildseasonspage(1745, german);
  EXPECT_NE(text.find("\r\n 23. Sep. (Do.) ca. 00:00 UTC Herbst "), std::string::npos) << text;
  EXPECT_NE(buildseasonspage(1745, english).find("\r\n Sep. 23rd (Thu) approx. 00:00 UTC Autumn "),
            std::string::npos);
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
      EXPECT_NE(text.find(std::to_string(year) + ": "), std::string::npos);
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
