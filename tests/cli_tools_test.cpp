// quendal-report: the subcommands of the astronomy tools (sidereal, planets,
// ephemeris, dish, distance, eot, about), run as a process.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct Result {
  int status = -1;
  std::string out;
};

// Runs quendal-report with the arguments (a shell word list) in a directory
// without a configuration file; stderr is dropped.
Result run(const std::string& args) {
  const std::string command = std::string("cd /tmp && LC_ALL=C LANG=C ") + QUENDAL_REPORT_EXE + " " + args +
                              " 2>/dev/null";
  Result r;
  FILE* p = popen(command.c_str(), "r");
  if (p == nullptr) return r;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, p)) > 0) r.out.append(buffer, n);
  const int status = pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
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
  EXPECT_EQ(run("dish --satellite 181.0W").status, 2);
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
