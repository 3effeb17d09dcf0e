// quendal-report: the configuration file on the command line (--ini, the
// working directory, the language line against --lang) and the subcommands
// config, day-difference, date-shift, easter-distribution and
// weekday-distribution.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;

using Output = clitest::Result;

// Runs quendal-report with an English locale, in a directory of the test's
// own (where it may find a QUENDAL6.INI) when dir is given.
Output report(const std::string& args, const std::string& dir = "") {
  std::string env = "LC_ALL=C LC_MESSAGES= LANG=C";
  if (!dir.empty()) env = "cd '" + dir + "' && " + env;
  return clitest::run(args, env);
}

class CliConfiguration : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quendal-cli-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  std::string write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    return (dir_ / name).string();
  }
  fs::path dir_;
};

int countof(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t p = text.find(part); p != std::string::npos; p = text.find(part, p + 1)) ++n;
  return n;
}

TEST(CliReports, DayDifference) {
  const Output r = report("--lang de --today 2024-06-01 day-difference --from 2024-01-01 --to 2025-01-01");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("           366 Tage    Differenz \n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("         52,29 Wochen  Differenz \n"), std::string::npos);
  const Output reversed = report("--lang en day-difference --from 2024-01-01 --to 2025-01-01 --reverse");
  EXPECT_NE(reversed.out.find("       -366 Days   Difference \n"), std::string::npos) << reversed.out;
  const Output crlf = report("--lang en --crlf day-difference --from 2024-1-1 --to 2024-1-2");
  EXPECT_NE(crlf.out.find("          1 Day    Difference \r\n"), std::string::npos) << crlf.out;
}

TEST(CliReports, DateShift) {
  const Output r = report("--lang en date-shift --date 9999-12-31 --days 1");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\n Result is too far in the Future!"), std::string::npos) << r.out;
  const Output clamped = report("--lang en date-shift --date 2023-02-31 --days -7");
  EXPECT_NE(clamped.out.find("\n Feb. 28th, 2023 (greg) is a Tuesday "), std::string::npos) << clamped.out;
  EXPECT_NE(clamped.out.find("\n 0 Days into the Past: "), std::string::npos);
  EXPECT_EQ(report("date-shift --date 2024-01-01").status, 2);
}

TEST(CliReports, EasterDistribution) {
  const Output r = report("--lang de easter-distribution --from-year 1583 --to-year 9999");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(countof(r.out, ". März ") + countof(r.out, ". Apr. "), 35);
  EXPECT_NE(r.out.find("\n 19. Apr. 315x   3,74 % "), std::string::npos) << r.out;
  const Output c = report("--lang en easter-distribution --from-year 1 --to-year 20000 --feast corpus-christi");
  EXPECT_NE(c.out.find("Corpus Christi for the Years from 1583 to 9999 (= 8417 Years)"), std::string::npos);
  EXPECT_NE(c.out.find("\n May  21st  45x"), std::string::npos) << c.out;
  EXPECT_EQ(report("easter-distribution --from-year 2000 --to-year 2001 --feast whit").status, 2);
}

TEST(CliReports, WeekdayDistribution) {
  const Output r = report("--lang en weekday-distribution --year 2024 --day 13");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\n Saturday:         3x  25.000 Percent (Jan., Apr., July)"), std::string::npos)
      << r.out;
  const Output range = report("--lang en weekday-distribution --from 2024-12 --to 2024-1 --day 13");
  EXPECT_EQ(range.out, r.out);
  const Output period = report("--lang de weekday-distribution --from 2023-3 --to 2024-12 --day 31");
  EXPECT_NE(period.out.find("\n des Zeitraumes von März 2023 bis Dez. 2024: \n"), std::string::npos)
      << period.out;
  EXPECT_EQ(report("weekday-distribution --year 2024 --from 2024-1 --to 2024-2 --day 1").status, 2);
  EXPECT_EQ(report("weekday-distribution --day 1").status, 2);
  EXPECT_EQ(report("weekday-distribution --from 2024 --to 2024-2 --day 1").status, 2);
}

TEST_F(CliConfiguration, ConfigFromIniOption) {
  const std::string ini = write("my.ini", "E \r\n1970-05-17 Birthday\r\n");
  const Output r = report("--today 2024-06-01 --ini '" + ini + "' config");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            " Today is Saturday June 1st, 2024 \n"
            "\n May 17th, 1970 - Sunday - Birthday "
            "\n 19739 Days; 2819.86 Weeks; 648.5 Months; 54.04 Years Difference \n");
  // --lang wins over the file's language line.
  const Output german = report("--lang de --today 2024-06-01 --ini '" + ini + "' config");
  EXPECT_EQ(german.out.rfind(" Heute ist Samstag, der 1. Juni 2024 \n", 0), 0u) << german.out;
  const Output missing = report("--lang en --ini '" + (dir_ / "none.ini").string() + "' config");
  EXPECT_EQ(missing.status, 0);
  EXPECT_EQ(missing.out, "\n INI-File \"QUENDAL6.INI\" not found! ");
}

TEST_F(CliConfiguration, WorkingDirectoryFileAndItsLanguage) {
  EXPECT_EQ(report("--lang de config", dir_.string()).out,
            "\n INI-Datei \"QUENDAL6.INI\" nicht gefunden! ");
  write("QUENDAL5.INI", "D \n");
  const Output fallback = report("--today 2024-06-01 config", dir_.string());
  EXPECT_EQ(fallback.out,
            " Heute ist Samstag, der 1. Juni 2024 \n"
            "\n Keine Daten (Datum) in INI-Datei         "
            "\n \"QUENDAL6.INI\" gefunden! ");
  // The main report follows the file's language line too.
  const Output main = report("--today 2024-06-01 main --year 2024", dir_.string());
  EXPECT_NE(main.out.find("Ostern"), std::string::npos) << main.out;
  const Output english = report("--lang en --today 2024-06-01 main --year 2024", dir_.string());
  EXPECT_EQ(english.out.find("Ostern"), std::string::npos) << english.out;
  write("QUENDAL6.INI", std::string(65541, ' '));
  EXPECT_EQ(report("--lang en config", dir_.string()).out,
            "\n INI-File \"QUENDAL6.INI\" is too big! "
            "\n (more than 64 kB) "
            "\n Processing stopped due to safety reasons ");
}

}  // namespace
