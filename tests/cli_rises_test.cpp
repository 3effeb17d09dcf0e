// quendal-report rises and month-overview, and the place and zone options,
// run as a process.
#include <gtest/gtest.h>

#include <cstdio>
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

TEST(CliRises, DefaultPlaceAndZone) {
  // No configuration file: the default place; German zone 1 in winter (of the date).
  const Result r = run("--lang de --today 2024-03-15 --ini /nonexistent/quendal.ini rises --date 2024-03-15");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(contains(r.out, "\n Für den Ort Sankt Pölten (Austria) \n  48 Grad 12 Min. Nord =  48,200 Grad Nord \n"
                              "  15 Grad 37 Min. Ost  =  15,617 Grad Ost   (Zeiten in UTC+1 (MEZ)) \n"));
  EXPECT_TRUE(contains(r.out, "\n Sonne          Mond           \n 06:10 / 18:03  08:21 / -----  \n"));
  EXPECT_TRUE(contains(run("--lang de --today 2024-03-15 --ini /nonexistent/quendal.ini rises --date 2024-08-01").out,
                       "(Zeiten in UTC+2 (MESZ))"));
  EXPECT_TRUE(contains(run("--lang en --ini /nonexistent/quendal.ini rises --date 2024-03-15").out, "(Time in UTC)"));
}

TEST(CliRises, PlacesAndCoordinates) {
  const std::string ini = places();
  EXPECT_TRUE(contains(run("--lang en " + ini + " rises --date 2024-12-15 --zone 1").out,
                       " For the Location Longyearbyen \n"));
  EXPECT_TRUE(contains(run("--lang en " + ini + " rises --date 2024-12-15 --zone 1 --place 2").out,
                       " For the Location Santiago de Chile \n  33 Deg. 27 Min. South ="));
  // Coordinates of a configured place are named; others are not.
  EXPECT_TRUE(contains(run("--lang en " + ini + " rises --date 2024-12-15 --lat 48:12N --lon 15:37E --zone 1").out,
                       " For the Location Sankt Pölten (Austria) \n"));
  const Result typed = run("--lang en " + ini + " rises --date 2024-12-15 --lat 40:43n --lon 074:00w --zone -5");
  EXPECT_EQ(typed.status, 0);
  EXPECT_TRUE(contains(typed.out, " For the Coordinates \n  40 Deg. 43 Min. North =  40.717 Deg. North \n"
                                  "  74 Deg.  0 Min. West  =  74.000 Deg. West   (Time in UTC-5) \n"));
  // Degrees beyond the range are limited, as in the dialog.
  EXPECT_TRUE(contains(run("--lang en " + ini + " rises --date 2024-06-21 --lat 90:30N --lon 0:10E --zone 0").out,
                       "  90 Deg.  0 Min. North =  90.000 Deg. North \n"));
  // The month overview's sun column uses the same places.
  EXPECT_TRUE(contains(run("--lang en " + ini + " month-overview --year 2024 --month 6").out,
                       " Sat  1 WK 22 alw. visib.          \n"));
  EXPECT_TRUE(contains(run("--lang en " + ini + " month-overview --year 2024 --month 6 --place 1").out,
                       " for Sankt Pölten (Austria)\n"));
}

TEST(CliRises, PreciseModeAndPlanets) {
  const std::string ini = "--ini /nonexistent/quendal.ini";
  const Result r = run("--lang en " + ini + " rises --date 2024-03-15 --zone 1 --precise --seconds --planets Venus,jupiter");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(contains(r.out, "\n Sun                  Moon                 Venus                Jupiter              \n"
                              " 06:09:58 / 18:03:22  08:20:43 / --------  05:37:19 / 16:03:56  07:56:37 / 22:23:30  \n"));
  // Without --precise the planets are not shown.
  EXPECT_FALSE(contains(run("--lang en " + ini + " rises --date 2024-03-15 --zone 1 --planets venus").out, "Venus"));
  EXPECT_TRUE(contains(run("--lang en " + ini + " rises --date 1000-06-01 --zone 1 --precise").out,
                       " Date: Saturday, June 1st, 1000 "));
  EXPECT_TRUE(contains(run("--lang en " + ini + " rises --date 1000-06-01 --zone 1").out, " Date: Thursday, June 1st, 1600 "));
  EXPECT_TRUE(contains(run("--lang de " + ini + " rises --date 2024-03-15 --zone 1 --indiv -12").out,
                       "\n Individuell = Sonne bei -12 Grad \n"));
  EXPECT_TRUE(contains(run("--lang de " + ini + " rises --date 2024-03-15 --zone 1 --half-zone").out,
                       "(Zeiten in UTC+1 1/2)"));
}

TEST(CliRises, MalformedValuesExitWithTwo) {
  const std::string ini = places();
  EXPECT_EQ(run(ini + " rises").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-13").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --place 3").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --place -1").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --place x").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --place 1 --lat 48:12N --lon 15:37E").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --lat 48:12N").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --lon 15:37E").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --lat 48.2N --lon 15:37E").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --lat 48:12E --lon 15:37E").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --lat 48:12 --lon 15:37E").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --lat 48:12N --lon 15:37N").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --lat 48:123N --lon 15:37E").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --lat :12N --lon 15:37E").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --lat -48:12N --lon 15:37E").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --zone auto").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --zone 1h").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --indiv many").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --planets venus,earth").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --planets").status, 2);
  EXPECT_EQ(run(ini + " rises --date 2024-03-15 --precise=yes").status, 2);
  EXPECT_EQ(run(ini + " month-overview --year 2024").status, 2);
  EXPECT_EQ(run(ini + " month-overview --month 3").status, 2);
  EXPECT_EQ(run(ini + " month-overview --year 2024 --month March").status, 2);
  EXPECT_EQ(run(ini + " month-overview --year 2024 --month 3 --place 3").status, 2);
  EXPECT_EQ(run(ini + " month-overview --year 2024 --month 3 --lat 48:12N").status, 2);
  EXPECT_EQ(run(ini + " month-overview --year 2024 --month 3 --place 2").status, 0);
}

TEST(CliMonthOverview, LimitsAndLanguages) {
  const std::string ini = "--ini /nonexistent/quendal.ini";
  EXPECT_TRUE(contains(run("--lang at " + ini + " month-overview --year 2024 --month 1").out,
                       "\n Monatskalender für das Monat Jänner 2024 \n\n Mo  1 KW  1 07:48/16:14           Neujahrstag\n"));
  EXPECT_TRUE(contains(run("--lang en " + ini + " month-overview --year 1500 --month 0").out,
                       "\n Calendar for the Month January 1583 \n"));
  EXPECT_TRUE(contains(run("--lang en " + ini + " month-overview --year 99999 --month 14").out,
                       "\n Calendar for the Month December 9999 \n"));
  const Result february = run("--lang de " + ini + " month-overview --year 2023 --month 2");
  EXPECT_TRUE(contains(february.out, " Di 28 ( 59) 06:41/17:40          \n\n\n\n\n Sonnenauf-"));
}
