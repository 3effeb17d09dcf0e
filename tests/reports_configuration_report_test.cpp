// The configuration evaluation box: golden texts in both languages and the
// Austrian variant, and the day counts against an independent calendar.
#include "reports/configuration_report.h"

#include <gtest/gtest.h>

#include <string>

namespace quendal {
namespace {

PersonalDate date(int year, int month, int day, const char* text) {
  PersonalDate d;
  d.year = year;
  d.month = month;
  d.day = day;
  d.text = text;
  return d;
}

ConfigurationReportInputs inputs(int result) {
  ConfigurationReportInputs in;
  in.result = result;
  in.todayyear = 2024;
  in.todaymonth = 6;
  in.todayday = 1;
  return in;
}

ConfigurationReportInputs withdates() {
  ConfigurationReportInputs in = inputs(1);
  in.dates[0] = date(1970, 5, 17, "Birthday");
  in.dates[2] = date(2024, 12, 24, "Christmas Eve");  // entry 1 stays empty
  in.dates[3] = date(2011, 1, 13, "Thirteenth");
  return in;
}

TEST(ConfigurationReport, NoFile) {
  EXPECT_EQ(buildconfigurationevaluation(inputs(0), 1).text,
            "\n INI-Datei \"QUENDAL6.INI\" nicht gefunden! ");
  EXPECT_EQ(buildconfigurationevaluation(inputs(0), 0).text,
            "\n INI-File \"QUENDAL6.INI\" not found! ");
}

TEST(ConfigurationReport, FileTooLarge) {
  EXPECT_EQ(buildconfigurationevaluation(inputs(-1), 2).text,
            "\n Die INI-Datei \"QUENDAL6.INI\" ist zu groß! "
            "\n (größer als 64 kB) "
            "\n Verarbeitung aus Sicherheitsgründen abgebrochen ");
  EXPECT_EQ(buildconfigurationevaluation(inputs(-1), 0).text,
            "\n INI-File \"QUENDAL6.INI\" is too big! "
            "\n (more than 64 kB) "
            "\n Processing stopped due to safety reasons ");
}

TEST(ConfigurationReport, NoDates) {
  EXPECT_EQ(buildconfigurationevaluation(inputs(1), 1).text,
            " Heute ist Samstag, der 1. Juni 2024 \r\n"
            "\r\n Keine Daten (Datum) in INI-Datei         "
            "\r\n \"QUENDAL6.INI\" gefunden! ");
  EXPECT_EQ(buildconfigurationevaluation(inputs(1), 0).text,
            " Today is Saturday June 1st, 2024 \r\n"
            "\r\n No Data (Dates) found in         "
            "\r\n INI-File \"QUENDAL6.INI\"!   ");
  // Invalid entries count as empty.
  ConfigurationReportInputs in = inputs(1);
  in.dates[5] = date(2023, 2, 29, "no such day");
  EXPECT_EQ(buildconfigurationevaluation(in, 1).text, buildconfigurationevaluation(inputs(1), 1).text);
}

TEST(ConfigurationReport, GermanDates) {
  EXPECT_EQ(buildconfigurationevaluation(withdates(), 1).text,
            " Heute ist Samstag, der 1. Juni 2024 \r\n"
            "\r\n 17. Mai 1970 - Sonntag - Birthday "
            "\r\n 19739 Tage; 2819,86 Wochen; 648,5 Monate; 54,04 Jahre Differenz \r\n"
            "\r\n 24. Dezember 2024 - Dienstag - Christmas Eve "
            "\r\n -206 Tage; -29,43 Wochen; -6,8 Monate; -0,56 Jahre Differenz \r\n"
            "\r\n 13. Januar 2011 - Donnerstag - Thirteenth "
            "\r\n 4888 Tage; 698,29 Wochen; 160,6 Monate; 13,38 Jahre Differenz \r\n");
  ConfigurationReport r = buildconfigurationevaluation(withdates(), 1);
  EXPECT_STREQ(r.title, "Auswertung der INI-Datei");
}

TEST(ConfigurationReport, EnglishDates) {
  const ConfigurationReport r = buildconfigurationevaluation(withdates(), 0);
  EXPECT_EQ(r.text,
            " Today is Saturday June 1st, 2024 \r\n"
            "\r\n May 17th, 1970 - Sunday - Birthday "
            "\r\n 19739 Days; 2819.86 Weeks; 648.5 Months; 54.04 Years Difference \r\n"
            "\r\n December 24th, 2024 - Tuesday - Christmas Eve "
            "\r\n -206 Days; -29.43 Weeks; -6.8 Months; -0.56 Years Difference \r\n"
            "\r\n January 13th, 2011 - Thursday - Thirteenth "
            "\r\n 4888 Days; 698.29 Weeks; 160.6 Months; 13.38 Years Difference \r\n");
  EXPECT_STREQ(r.title, "Interpretation of the INI-File");
}

TEST(ConfigurationReport, AustrianJanuary) {
  ConfigurationReportInputs in = withdates();
  in.todaymonth = 1;
  in.todayday = 22;
  const std::string text = buildconfigurationevaluation(in, 2).text;
  EXPECT_EQ(text.rfind(" Heute ist Montag, der 22. Jänner 2024 \r\n", 0), 0u) << text;
  EXPECT_NE(text.find("\r\n 13. Jänner 2011 - Donnerstag - Thirteenth "), std::string::npos);
  EXPECT_EQ(buildconfigurationevaluation(in, 1).text.find("Jänner"), std::string::npos);
}

// Days from 1 March of year 0 of the proleptic Gregorian calendar (an
// era-based count, independent of the calendar core).
long long daysfromcivil(long long y, long long m, long long d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

TEST(ConfigurationReport, DayCountsMatchAnIndependentCalendar) {
  const int todays[][3] = {{2024, 6, 1}, {1601, 1, 1}, {9999, 12, 31}, {2000, 2, 29}};
  const int dates[][3] = {{1601, 1, 1}, {1700, 3, 1}, {1999, 12, 31}, {2000, 2, 29},
                          {2100, 2, 28}, {9998, 12, 31}, {4321, 7, 15}};
  for (const auto& t : todays) {
    ConfigurationReportInputs in = inputs(1);
    in.todayyear = t[0], in.todaymonth = t[1], in.todayday = t[2];
    for (const auto& d : dates) {
      in.dates[0] = date(d[0], d[1], d[2], "x");
      const std::string text = buildconfigurationevaluation(in, 0).text;
      const long long expected = daysfromcivil(t[0], t[1], t[2]) - daysfromcivil(d[0], d[1], d[2]);
      EXPECT_NE(text.find("\r\n " + std::to_string(expected) + " Days; "), std::string::npos)
          << text;
    }
  }
}

}  // namespace
}  // namespace quendal
