// quendal-report: the subcommands of the astronomy tools (sidereal, planets,
// ephemeris, dish, distance, eot, about) run as a process: a smoke run of
// each, the mapping of their options and their option errors. The texts
// themselves are checked by the report tests.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "cli_run.h"

namespace {

// Runs quendal-report in an empty directory of its own, so that no
// configuration file of the working directory is read.
clitest::Result run(const std::string& args) {
  static const std::string directory = [] {
    const std::string d = testing::TempDir() + "quendal_cli_tools";
    mkdir(d.c_str(), 0700);
    std::remove((d + "/QUENDAL6.INI").c_str());
    std::remove((d + "/QUENDAL5.INI").c_str());
    return d;
  }();
  return clitest::run(args, "cd '" + directory + "' && LC_ALL=C LANG=C");
}

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

struct Case {
  std::string args;
  int status;
  const char* part;     // a piece of the output ("" for errors)
  const char* absent;   // a piece that must not be there, or nullptr
};

void check(const Case& c) {
  const clitest::Result r = run(c.args);
  EXPECT_EQ(r.status, c.status) << c.args;
  EXPECT_NE(r.out.find(c.part), std::string::npos) << c.args << "\n" << r.out;
  if (c.absent != nullptr) {
    EXPECT_EQ(r.out.find(c.absent), std::string::npos) << c.args << "\n" << r.out;
  }
}

}  // namespace

TEST(CliTools, SiderealAndEquationOfTime) {
  const Case cases[] = {
      {"--lang de sidereal --date 2024-03-15 --time 21:30 --zone 1", 0,
       "\n  9.13661 Stunden Ortssternzeit entsprechend  9 Stunden  8 Minuten 12 Sekunden (ohne  Nutation) ", nullptr},
      {"--lang en sidereal --date 2024-03-15 --time 00:00 --zone 1 --lat 51:28N --lon 000:00W --azimuth-north", 0,
       "\n Julian Date: 2460384.45833\n", "(South = 0 Deg."},
      {"--lang en sidereal --date 2024-03-15 --time 12:00 --zone 5 --half-zone", 0, " Deg. East at 12:00 UTC+5 1/2\n",
       nullptr},
      // Without --zone: 0 in English, Central European time in German.
      {"--lang en sidereal --date 2024-07-01 --time 12:00", 0, "at 12:00 UTC\n", nullptr},
      {"--lang de sidereal --date 2024-07-01 --time 12:00", 0, "um 12:00 UTC+2 (MESZ)\n", nullptr},
      {"--lang de --ini " + inifile() + " sidereal --date 2024-07-01 --time 12:00 --place 1", 0,
       "\n Für den Ort Berlin \n", nullptr},
      {"sidereal --date 2024-03-15", 2, "", nullptr},
      {"sidereal --time 12:00", 2, "", nullptr},
      {"sidereal --date 2024-03-15 --time 25:00", 2, "", nullptr},
      {"sidereal --date 2024-03-15 --time 12:00 --place 3", 2, "", nullptr},
      {"sidereal --date 2024-03-15 --time 12:00 --place 0 --lat 48:00N --lon 016:00E", 2, "", nullptr},
      {"sidereal --date 2024-03-15 --time 12:00 --lat 48:00N", 2, "", nullptr},
      {"--lang de eot --date 2000-06-01 --mode year", 0, "\n Jahresauswertung für das Jahr 2000: \n", nullptr},
      {"--lang en eot --date 2024-03-15 --hour 0 --zone 1 --step 6 --mode list", 0,
       "\n Step Size: 1 1/2 Hour \n\n JD 2460384.45833 (Fri) 2024-03-15 00:00 UTC+1 (CET) ", nullptr},
      {"--lang en --crlf eot --date 2024-06-01 --step 4 --mode statistics", 0, "\r\n\r\n Number of Calculations: 349 ",
       nullptr},
      // Values outside the ranges are limited, not refused.
      {"--lang en eot --date 2024-02-31 --hour 30 --step 0 --mode list", 0,
       "\n Step Size: 1/4 Hour \n\n JD 2460370.45833 (Thu) 2024-02-29 23:00 UTC ", nullptr},
      {"eot --date 2024-03-15", 2, "", nullptr},
      {"eot --date 2024-03-15 --mode graph", 2, "", nullptr},
      {"eot --mode list", 2, "", nullptr},
      {"eot --date 2024-03-15 --mode list --step x", 2, "", nullptr},
  };
  for (const Case& c : cases) check(c);
}

TEST(CliTools, PlanetsAndEphemeris) {
  const Case cases[] = {
      // Without --delta-t the computed value is used.
      {"--lang de planets --date 2024-03-15 --time 21:30 --zone 1 --bodies jupiter", 0,
       " | Differenz TDB <-> UTC deltaT (Sek.): 74.0\n", "Saturn"},
      {"--lang en planets --date 2024-03-15 --time 21:30 --zone 1 --bodies jupiter --delta-t 700", 0,
       " | Difference TDB <-> UTC deltaT (Sec.): 70.0\n", nullptr},
      // Default bodies: all but the Earth; --bodies all adds it (orbit data only).
      {"--lang en planets --date 2024-03-15 --time 21:30 --orbit", 0, "Data of Pluto", "Data of Earth"},
      {"--lang en planets --date 2024-03-15 --time 21:30 --orbit --bodies all", 0, "\n\n Data of Earth:   \n Longitude: ",
       nullptr},
      {"--lang en planets --date 2024-03-15 --time 21:30 --bodies moon --radec --dms --details --temp 20 --pressure 990",
       0, "\n\n Refraction: 20 Degree Celsius 990 mBar - at Height over Horizon 0.0 Deg. - Refr.: +", "Azimuth: "},
      {"--lang en planets --date 2024-03-15 --time 21:30 --bodies moon --radec --dms", 0, "\n Right Asc.:   4h", nullptr},
      {"--lang en planets --date 2024-03-15 --time 21:30 --bodies sun,mars --altaz --azimuth-north --visible-only", 0,
       "(North = 0 Deg.", "Right Asc."},
      {"planets --date 2024-03-15 --time 21:30 --bodies venus,vulcan", 2, "", nullptr},
      {"planets --date 2024-03-15 --time 21:30 --delta-t many", 2, "", nullptr},
      {"planets --date 2024-03-15", 2, "", nullptr},
      {"--lang de ephemeris --date 2024-03-15 --time 21:30 --zone 0 --step 1440 --bodies mars", 0,
       "\n Mars 22. Juni 2024 21:30    ", nullptr},  // the 100th step
      {"--lang en ephemeris --date 2024-03-15 --time 21:30 --step 60 --bodies sun,moon --visible-only", 0,
       "\n Moon Mar. 15, 2024 21:30   ", "\n Sun  Mar. 15, 2024 21:30"},
      {"ephemeris --date 2024-03-15 --time 21:30 --step x", 2, "", nullptr},
  };
  for (const Case& c : cases) check(c);
}

TEST(CliTools, DishAndDistance) {
  const Case cases[] = {
      {"--lang de dish --satellite 19.2E --lat 48:00N --lon 016:00E", 0,
       "\n SAT-Position 19.2 Grad Ost: \n\n = Astra 1 \n\n Azimuth:    355.70 Grad \n Elevation:   34.78 Grad ", nullptr},
      {"--lang en dish --satellite 19.2e --lat 48:00N --lon 016:00E --azimuth-north", 0,
       "\n Azimuth:    175.70 Degree \n Elevation:   34.78 Degree ", nullptr},
      {"--lang en dish --satellite 19W", 0, "\n For the Location Sankt Pölten (Austria) ", "Astra"},
      {"--lang de --ini " + inifile() + " dish --satellite 28.2E --place 1", 0,
       "\n Für den Ort Berlin \n  52 Grad 31 Min. Nord ", nullptr},
      {"--lang en dish --satellite 200.5W", 0, "\n SAT-Position 180.5 Degree West: ", nullptr},
      {"dish", 2, "", nullptr},
      {"dish --satellite 19.2", 2, "", nullptr},
      {"dish --satellite 19.25E", 2, "", nullptr},
      {"dish --satellite 19.2E --lat 48:00N", 2, "", nullptr},
      {"--lang de distance --from 48:12:00N,015:37:00E --to 48:12:00N,015:37:00E", 0,
       "\n = Sankt Pölten (Austria)\n\n Breitengrad Zwei: ", nullptr},
      {"--lang en --ini " + inifile() + " distance --from 51:28:00N,000:00:00W --to 52:31:00n,13:24:00o", 0,
       "Degree East \n = Berlin\n\n Simple Distance:    ", nullptr},
      {"distance --from 48:12:00N,015:37:00E", 2, "", nullptr},
      {"distance --from 48:12N,015:37E --to 48:12:00N,015:37:00E", 2, "", nullptr},
      {"distance --from 48:12:00E,015:37:00N --to 48:12:00N,015:37:00E", 2, "", nullptr},
  };
  for (const Case& c : cases) check(c);
}

TEST(CliTools, About) {
  check({"--lang de about", 0, "Quendal and More\n\n\n Version 6.0, 2009-08-20 \n", nullptr});
  check({"--lang en about", 0, " Moon Phases calculated in ", nullptr});
  check({"about --fast", 2, "", nullptr});
}
