// quendal-report rises and month-overview, run as a process: the place, zone
// and planet options reach the reports (the texts themselves are checked by
// the report tests), and malformed values exit with status 2.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cli_run.h"

using clitest::Result;
using clitest::run;

namespace {

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

// Three places in a configuration file of the test's temporary folder.
std::string places() {
  const std::string path = testing::TempDir() + "rises_places.ini";
  std::ofstream(path, std::ios::binary) << "78 N 13   015E 38 Longyearbyen\r\n"
                                           "48 N 12   015E 37 Sankt P\xC3\xB6lten (Austria)\r\n"
                                           "33 S 27   070W 40 Santiago de Chile\r\n";
  return "--ini " + path;
}

}  // namespace

TEST(CliRises, OptionsReachTheReport) {
  const std::string none = "--ini /nonexistent/quendal.ini";
  // No configuration file: the default place; German zone 1 in winter, 2 in
  // summer (of the date); English 0.
  const Result r = run("--lang de " + none + " rises --date 2024-03-15");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(contains(r.out, "\n Für den Ort Sankt Pölten (Austria) \n"));
  EXPECT_TRUE(contains(r.out, "(Zeiten in UTC+1 (MEZ))"));
  EXPECT_TRUE(contains(run("--lang de " + none + " rises --date 2024-08-01").out, "(Zeiten in UTC+2 (MESZ))"));
  EXPECT_TRUE(contains(run("--lang en " + none + " rises --date 2024-03-15").out, "(Time in UTC)"));
  EXPECT_TRUE(contains(run("--lang de " + none + " rises --date 2024-03-15 --zone 1 --half-zone --indiv -12").out,
                       "(Zeiten in UTC+1 1/2)"));
  // --precise widens the years and shows the planets of --planets (any case).
  const Result planets = run("--lang en " + none + " rises --date 1000-06-01 --zone 1 --precise --seconds --planets Venus,jupiter");
  EXPECT_TRUE(contains(planets.out, " Date: Saturday, June 1st, 1000 "));
  EXPECT_TRUE(contains(planets.out, "\n Sun                  Moon                 Venus                Jupiter              \n"));
  EXPECT_FALSE(contains(run("--lang en " + none + " rises --date 2024-03-15 --planets venus").out, "Venus"));

  const std::string ini = places();
  EXPECT_TRUE(contains(run("--lang en " + ini + " rises --date 2024-12-15 --zone 1").out,
                       " For the Location Longyearbyen \n"));
  EXPECT_TRUE(contains(run("--lang en " + ini + " rises --date 2024-12-15 --zone 1 --place 2").out,
                       " For the Location Santiago de Chile \n  33 Deg. 27 Min. South ="));
  // Coordinates of a configured place are named; others are not.
  EXPECT_TRUE(contains(run("--lang en " + ini + " rises --date 2024-12-15 --lat 48:12N --lon 15:37E --zone 1").out,
                       " For the Location Sankt Pölten (Austria) \n"));
  EXPECT_TRUE(contains(run("--lang en " + ini + " rises --date 2024-12-15 --lat 40:43n --lon 074:00w --zone -5").out,
                       " For the Coordinates \n  40 Deg. 43 Min. North =  40.717 Deg. North \n"
                       "  74 Deg.  0 Min. West  =  74.000 Deg. West   (Time in UTC-5) \n"));
}

TEST(CliMonthOverview, OptionsReachTheReport) {
  const Result january = run("--lang at --ini /nonexistent/quendal.ini month-overview --year 2024 --month 1");
  EXPECT_EQ(january.status, 0);
  EXPECT_TRUE(contains(january.out, "\n Monatskalender für das Monat Jänner 2024 \n\n Mo  1 KW  1 07:48/16:14           Neujahrstag\n"));
  EXPECT_TRUE(contains(run("--lang en " + places() + " month-overview --year 2024 --month 6 --place 1").out,
                       " for Sankt Pölten (Austria)\n"));
}

TEST(CliRises, MalformedValuesExitWithTwo) {
  const std::string ini = places() + " ";
  for (const char* args :
       {"rises", "rises --date 2024-13", "rises --date 2024-03-15 --place 3", "rises --date 2024-03-15 --place -1",
        "rises --date 2024-03-15 --place x", "rises --date 2024-03-15 --place 1 --lat 48:12N --lon 15:37E",
        "rises --date 2024-03-15 --lat 48:12N", "rises --date 2024-03-15 --lon 15:37E",
        "rises --date 2024-03-15 --lat 48.2N --lon 15:37E", "rises --date 2024-03-15 --lat 48:12E --lon 15:37E",
        "rises --date 2024-03-15 --lat 48:12 --lon 15:37E", "rises --date 2024-03-15 --lat 48:12N --lon 15:37N",
        "rises --date 2024-03-15 --lat 48:123N --lon 15:37E", "rises --date 2024-03-15 --lat :12N --lon 15:37E",
        "rises --date 2024-03-15 --lat -48:12N --lon 15:37E", "rises --date 2024-03-15 --zone auto",
        "rises --date 2024-03-15 --zone 1h", "rises --date 2024-03-15 --indiv many",
        "rises --date 2024-03-15 --planets venus,earth", "rises --date 2024-03-15 --planets",
        "rises --date 2024-03-15 --precise=yes", "month-overview --year 2024", "month-overview --month 3",
        "month-overview --year 2024 --month March", "month-overview --year 2024 --month 3 --place 3",
        "month-overview --year 2024 --month 3 --lat 48:12N"})
    EXPECT_EQ(run(ini + args).status, 2) << args;
  EXPECT_EQ(run(ini + "month-overview --year 2024 --month 3 --place 2").status, 0);
}
