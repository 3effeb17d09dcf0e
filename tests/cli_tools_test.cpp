// quendal-report: the subcommands of the astronomy tools (sidereal, planets,
// ephemeris, dish, distance, eot, about), run as a process.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "cli_run.h"

using clitest::Result;

namespace {

// Runs quendal-report in an empty directory of its own, so that no
// configuration file of the working directory is read.
Result run(const std::string& args) {
  static const std::string directory = [] {
    const std::string d = testing::TempDir() + "quendal_cli_tools";
    mkdir(d.c_str(), 0700);
    std::remove((d + "/QUENDAL6.INI").c_str());
    std::remove((d + "/QUENDAL5.INI").c_str());
    return d;
  }();
  return clitest::run(args, "cd '" + directory + "' && LC_ALL=C LANG=C");
}

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

// A configuration file with two places, written once.
std::string inifile() {
  static const std::string path = [] {
    const std::string p = testing::TempDir() + "quendal_cli_tools.ini";
    std::ofstream out(p, std::ios::binary);
    out << "51 N 28   000W 00 Greenwich\r\n52 N 31   013E 24 Berlin\r\n";
    return p;
  }();
  return path;
}

}  // namespace

TEST(CliTools, EquationOfTime) {
  const Result year = run("--lang de eot --date 2000-06-01 --mode year");
  EXPECT_EQ(year.status, 0);
  EXPECT_TRUE(contains(year.out, "\n Jahresauswertung für das Jahr 2000: \n\n\n Großes  Minimum: "
                                 "\n JD 2451586.50695 (Sa) 2000-02-12 00:10 UTC -14.277 Min.= 14 Min. 17 Sek. - "));
  const Result list = run("--lang en eot --date 2024-03-15 --hour 0 --zone 1 --step 6 --mode list");
  EXPECT_EQ(list.status, 0);
  EXPECT_TRUE(contains(list.out, "\n Step Size: 1 1/2 Hour \n\n JD 2460384.45833 (Fri) 2024-03-15 00:00 UTC+1 (CET) "));
  const Result stats = run("--lang en --crlf eot --date 2024-06-01 --step 4 --mode statistics");
  EXPECT_TRUE(contains(stats.out, "\r\n\r\n Number of Calculations: 349 "));
  // Values outside the ranges are limited, not refused.
  EXPECT_EQ(run("--lang en eot --date 2024-02-31 --hour 30 --step 0 --mode list").status, 0);
  EXPECT_EQ(run("eot --date 2024-03-15").status, 2);
  EXPECT_EQ(run("eot --date 2024-03-15 --mode graph").status, 2);
  EXPECT_EQ(run("eot --mode list").status, 2);
  EXPECT_EQ(run("eot --date 2024-03-15 --mode list --step x").status, 2);
}

TEST(CliTools, Dish) {
  const Result de = run("--lang de dish --satellite 19.2E --lat 48:00N --lon 016:00E");
  EXPECT_EQ(de.status, 0);
  EXPECT_TRUE(contains(de.out, "\n SAT-Position 19.2 Grad Ost: \n\n = Astra 1 \n\n Azimuth:    355.70 Grad "
                               "\n Elevation:   34.78 Grad "));
  const Result en = run("--lang en dish --satellite 19.2e --lat 48:00N --lon 016:00E --azimuth-north");
  EXPECT_TRUE(contains(en.out, "\n Azimuth:    175.70 Degree \n Elevation:   34.78 Degree "));
  const Result west = run("--lang en dish --satellite 19.2W");
  EXPECT_TRUE(contains(west.out, "\n For the Location Sankt Pölten (Austria) "));
  EXPECT_FALSE(contains(west.out, "Astra"));
  const Result place = run("--lang de --ini " + inifile() + " dish --satellite 28.2E --place 1");
  EXPECT_TRUE(contains(place.out, "\n Für den Ort Berlin \n  52 Grad 31 Min. Nord "));
  EXPECT_TRUE(contains(place.out, "\n\n = Astra 2 "));
  EXPECT_EQ(run("dish").status, 2);
  EXPECT_EQ(run("dish --satellite 19.2").status, 2);
  EXPECT_EQ(run("dish --satellite 19.25E").status, 2);
  EXPECT_TRUE(contains(run("--lang en dish --satellite 200.5W").out, "\n SAT-Position 180.5 Degree West: "));
  EXPECT_EQ(run("dish --satellite 19.2E --lat 48:00N").status, 2);
}

TEST(CliTools, Distance) {
  const Result de = run("--lang de distance --from 48:12:00N,015:37:00E --to 48:12:00N,015:37:00E");
  EXPECT_EQ(de.status, 0);
  EXPECT_TRUE(contains(de.out, "\n = Sankt Pölten (Austria)\n\n Breitengrad Zwei: "));
  EXPECT_TRUE(contains(de.out, "\n\n keine Abweichung \n"));
  const Result en = run("--lang en --ini " + inifile() +
                        " distance --from 51:28:00N,000:00:00W --to 52:31:00n,13:24:00o");
  EXPECT_TRUE(contains(en.out, "\n = Greenwich\n\n Second Latitude: "));
  EXPECT_TRUE(contains(en.out, "Degree East \n = Berlin\n\n Simple Distance:    "));
  EXPECT_TRUE(contains(en.out, "\n\n Diff. simp./exact:  "));
  EXPECT_EQ(run("distance --from 48:12:00N,015:37:00E").status, 2);
  EXPECT_EQ(run("distance --from 48:12N,015:37E --to 48:12:00N,015:37:00E").status, 2);
  EXPECT_EQ(run("distance --from 48:12:00E,015:37:00N --to 48:12:00N,015:37:00E").status, 2);
}

TEST(CliTools, Sidereal) {
  const Result de = run("--lang de sidereal --date 2024-03-15 --time 21:30 --zone 1");
  EXPECT_EQ(de.status, 0);
  EXPECT_TRUE(contains(de.out, "\n Datum: Freitag, 15. März 2024 \n\n Für den Ort Sankt Pölten (Austria) "));
  EXPECT_TRUE(contains(de.out, "\n  9.13661 Stunden Ortssternzeit entsprechend  9 Stunden  8 Minuten 12 Sekunden (ohne  Nutation) "));
  const Result en = run("--lang en sidereal --date 2024-03-15 --time 00:00 --zone 1 --lat 51:28N --lon 000:00W "
                        "--azimuth-north");
  EXPECT_TRUE(contains(en.out, "\n Julian Date: 2460384.45833\n"));
  EXPECT_TRUE(contains(en.out, "\n Local Mean Sidereal Time for the Longitude = Greenwich Zero Meridian \n"));
  EXPECT_TRUE(contains(en.out, "\n (North = 0 Deg., East = 90 Deg., South = 180 Deg., West = 270 Deg.) "));
  const Result half = run("--lang en sidereal --date 2024-03-15 --time 12:00 --zone 5 --half-zone");
  EXPECT_TRUE(contains(half.out, " Deg. East at 12:00 UTC+5 1/2\n"));
  // Without --zone: 0 in English, Central European time in German.
  EXPECT_TRUE(contains(run("--lang en sidereal --date 2024-07-01 --time 12:00").out, "at 12:00 UTC\n"));
  EXPECT_TRUE(contains(run("--lang de sidereal --date 2024-07-01 --time 12:00").out, "um 12:00 UTC+2 (MESZ)\n"));
  EXPECT_EQ(run("sidereal --date 2024-03-15").status, 2);
  EXPECT_EQ(run("sidereal --time 12:00").status, 2);
  EXPECT_EQ(run("sidereal --date 2024-03-15 --time 25:00").status, 2);
  EXPECT_EQ(run("sidereal --date 2024-03-15 --time 12:00 --place 3").status, 2);
}

TEST(CliTools, Planets) {
  // Without --delta-t the computed value is used.
  const Result de = run("--lang de planets --date 2024-03-15 --time 21:30 --zone 1 --bodies jupiter");
  EXPECT_EQ(de.status, 0);
  EXPECT_TRUE(contains(de.out, " | Differenz TDB <-> UTC deltaT (Sek.): 74.0\n"));
  EXPECT_TRUE(contains(de.out, "\n\n Daten von Jupiter: Widder     - eL:  44.04 Grad / eB:  -0.87 Grad "
                               "\n Rekt. (Std./Grad):  2.79 /  41.85 - Dekl.:  15.23 Grad - Entf.: (AU / Mio. km) 5.60680 / 838.766"
                               "\n Azimuth: 104.04 Grad - Höhe über Horizont:   7.90 Grad (mit Refraktion   8.01 Grad) "
                               "\n Elongation:  48.3 Grad - Beleuchtung:  99.4 %  - Magnitude:  -2.1 - Durchmesser: 32.8\" "));
  const Result given = run("--lang en planets --date 2024-03-15 --time 21:30 --zone 1 --bodies jupiter --delta-t 700");
  EXPECT_TRUE(contains(given.out, " | Difference TDB <-> UTC deltaT (Sec.): 70.0\n"));
  // Default bodies: all but the Earth; --bodies all adds it (orbit data only).
  const Result all = run("--lang en planets --date 2024-03-15 --time 21:30 --orbit");
  EXPECT_FALSE(contains(all.out, "Data of Earth"));
  EXPECT_TRUE(contains(all.out, "Data of Pluto"));
  EXPECT_TRUE(contains(run("--lang en planets --date 2024-03-15 --time 21:30 --orbit --bodies all").out,
                       "\n\n Data of Earth:   \n Longitude: "));
  // The option flags.
  const Result flags = run("--lang en planets --date 2024-03-15 --time 21:30 --bodies moon --radec --dms --details "
                           "--temp 20 --pressure 990");
  EXPECT_TRUE(contains(flags.out, "\n Right Asc.:   4h"));
  EXPECT_FALSE(contains(flags.out, "Azimuth: "));
  EXPECT_TRUE(contains(flags.out, "\n\n Refraction: 20 Degree Celsius 990 mBar - at Height over Horizon 0.0 Deg. - Refr.: +"));
  EXPECT_EQ(run("planets --date 2024-03-15 --time 21:30 --bodies venus,vulcan").status, 2);
  EXPECT_EQ(run("planets --date 2024-03-15 --time 21:30 --delta-t many").status, 2);
  EXPECT_EQ(run("planets --date 2024-03-15").status, 2);
}

TEST(CliTools, Ephemeris) {
  const Result de = run("--lang de ephemeris --date 2024-03-15 --time 21:30 --zone 0 --step 1440 --bodies mars");
  EXPECT_EQ(de.status, 0);
  EXPECT_TRUE(contains(de.out, "\n\n Schrittweite: 1440 Minuten (= 24.00 Stunden = 1.00 Tage)\n"));
  EXPECT_TRUE(contains(de.out, "\n Mars 15. März 2024 21:30    "));
  EXPECT_TRUE(contains(de.out, "\n Mars 22. Juni 2024 21:30    "));  // the 100th step
  EXPECT_TRUE(contains(de.out, "\n Zeitangaben in UTC (Weltzeit)\n"));
  const Result en = run("--lang en ephemeris --date 2024-03-15 --time 21:30 --step 60 --bodies sun,moon --visible-only");
  EXPECT_EQ(en.status, 0);
  EXPECT_TRUE(contains(en.out, "\n Moon Mar. 15, 2024 21:30   "));
  EXPECT_FALSE(contains(en.out, "\n Sun  Mar. 15, 2024 21:30"));
  EXPECT_EQ(run("ephemeris --date 2024-03-15 --time 21:30 --step x").status, 2);
}

TEST(CliTools, About) {
  const Result de = run("--lang de about");
  EXPECT_EQ(de.status, 0);
  EXPECT_TRUE(contains(de.out, "Quendal and More\n\n\n Version 6.0, 2009-08-20 \n"));
  EXPECT_TRUE(contains(de.out, "\n Das Quendal-Projekt: https://www.quendal.org/"));
  EXPECT_TRUE(contains(de.out, "\n\n Perfomance Test: \n\n 400 Ephemeriden berechnet in ") ||
              contains(de.out, "\n\n Perfomance Test: \n\n 80 Ephemeriden berechnet in "));
  const Result en = run("--lang en about");
  EXPECT_TRUE(contains(en.out, "\n\n Version 6.0, August 20th, 2009 "));
  EXPECT_TRUE(contains(en.out, " Moon Phases calculated in "));
  EXPECT_EQ(run("about --fast").status, 2);
}
