// The configuration evaluation box: golden texts (tests/golden/), the
// Austrian variant, and the day counts over the whole range.
#include "reports/configuration_report.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar/calendar.h"
#include "support.h"

namespace quendal {
namespace {

using namespace testsupport;

ConfigurationReportInputs inputs(int result) { return {.result = result, .todayyear = 2024, .todaymonth = 6, .todayday = 1}; }

ConfigurationReportInputs withdates() {
  ConfigurationReportInputs in = inputs(1);
  in.dates[0] = PersonalDate{17, 5, 1970, "Birthday"};
  in.dates[2] = PersonalDate{24, 12, 2024, "Christmas Eve"};  // entry 1 stays empty
  in.dates[3] = PersonalDate{13, 1, 2011, "Thirteenth"};
  return in;
}

// Whole boxes written by hand from the format strings (tests/golden/).
TEST(ConfigurationReport, Goldens) {
  EXPECT_EQ(buildconfigurationevaluation(inputs(0), 1).text, "\n INI-Datei \"QUENDAL6.INI\" nicht gefunden! ");
  EXPECT_EQ(buildconfigurationevaluation(inputs(0), 0).text, "\n INI-File \"QUENDAL6.INI\" not found! ");
  EXPECT_EQ(buildconfigurationevaluation(inputs(-1), 2).text, golden("configuration_too_large_at.txt"));
  EXPECT_EQ(buildconfigurationevaluation(inputs(-1), 0).text, golden("configuration_too_large_en.txt"));
  EXPECT_EQ(buildconfigurationevaluation(inputs(1), 1).text, golden("configuration_no_dates_de.txt"));
  EXPECT_EQ(buildconfigurationevaluation(inputs(1), 0).text, golden("configuration_no_dates_en.txt"));
  const ConfigurationReport r = buildconfigurationevaluation(withdates(), 1);
  EXPECT_EQ(r.text, golden("configuration_dates_de.txt"));
  EXPECT_STREQ(r.title, "Auswertung der INI-Datei");
  // Invalid entries count as empty.
  ConfigurationReportInputs in = inputs(1);
  in.dates[5] = PersonalDate{29, 2, 2023, "no such day"};
  EXPECT_EQ(buildconfigurationevaluation(in, 1).text, golden("configuration_no_dates_de.txt"));
}

TEST(ConfigurationReport, EnglishDates) {
  // The German layout, its own words.
  const ConfigurationReport r = buildconfigurationevaluation(withdates(), 0);
  expectpieces(r.text, "configuration_report_pieces.txt", "EnglishDates/r.text");
  EXPECT_STREQ(r.title, "Interpretation of the INI-File");
}

TEST(ConfigurationReport, AustrianJanuary) {
  ConfigurationReportInputs in = withdates();
  in.todaymonth = 1;
  in.todayday = 22;
  const std::string text = buildconfigurationevaluation(in, 2).text;
  EXPECT_EQ(text.rfind(" Heute ist Montag, der 22. Jänner 2024 \r\n", 0), 0u) << text;
  expectpieces(text, "configuration_report_pieces.txt", "AustrianJanuary/text");
  EXPECT_EQ(buildconfigurationevaluation(in, 1).text.find("Jänner"), std::string::npos);
}

TEST(ConfigurationReport, DayCountsOverTheWholeRange) {
  const int todays[][3] = {{2024, 6, 1}, {1601, 1, 1}, {9999, 12, 31}, {2000, 2, 29}};
  const int dates[][3] = {{1601, 1, 1}, {1700, 3, 1}, {1999, 12, 31}, {2000, 2, 29},
                          {2100, 2, 28}, {9998, 12, 31}, {4321, 7, 15}};
  for (const auto& t : todays) {
    ConfigurationReportInputs in = inputs(1);
    in.todayyear = t[0], in.todaymonth = t[1], in.todayday = t[2];
    for (const auto& d : dates) {
      in.dates[0] = {d[2], d[1], d[0], "x"};
      const std::string text = buildconfigurationevaluation(in, 0).text;
      const long long expected = datetomjd(t[0], t[1], t[2]) - datetomjd(d[0], d[1], d[2]);
      EXPECT_TRUE(contains(text, "\r\n " + std::to_string(expected) + " Days; "))
          << text;
    }
  }
}

}  // namespace
}  // namespace quendal
