// quendal-report: config (the configuration file by --ini and in the working
// directory, --lang against the file's language line) and the date tools
// day-difference, date-shift, easter-distribution, weekday-distribution: a
// smoke run of each, the mapping of their options and their option errors.
// The texts themselves are checked by the report tests.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;

// Runs quendal-report with an English locale, in a directory of the test's
// own (where it may find a QUENDAL6.INI) when dir is given.
clitest::Result report(const std::string& args, const std::string& dir = "") {
  std::string env = "LC_ALL=C LC_MESSAGES= LANG=C";
  if (!dir.empty()) env = "cd '" + dir + "' && " + env;
  return clitest::run(args, env);
}

TEST(CliDateTools, OptionsAndErrors) {
  const struct {
    const char* args;
    int status;
    const char* part;  // a piece of the output ("" for errors)
  } cases[] = {
      {"--lang de day-difference --from 2024-01-01 --to 2025-01-01", 0, "\n           366 Tage    Differenz \n"},
      {"--lang en day-difference --from 2024-01-01 --to 2025-01-01 --reverse", 0, "\n       -366 Days   Difference \n"},
      {"day-difference --from 2024-01-01", 2, ""},
      {"day-difference --from 2024-01-01 --to 2024-1", 2, ""},
      {"--lang en date-shift --date 2023-02-31 --days -7", 0,
       "\n Feb. 28th, 2023 (greg) is a Tuesday \n Julian Date: 2460004 \n\n 0 Days into the Past: "},
      {"date-shift --date 2024-01-01", 2, ""},
      {"date-shift --date 2024-01-01 --days 1.5", 2, ""},
      {"--lang en easter-distribution --from-year 2024 --to-year 2024", 0, ": Easter Sunday for the Years"},
      {"--lang en easter-distribution --from-year 2024 --to-year 2024 --feast ascension", 0, ": Ascension Day for"},
      {"--lang en easter-distribution --from-year 2024 --to-year 2024 --feast pentecost", 0, ": Whitsunday for"},
      {"--lang en easter-distribution --from-year 1 --to-year 20000 --feast corpus-christi", 0,
       ": Corpus Christi for the Years from 1583 to 9999 (= 8417 Years): \n"},
      {"easter-distribution --from-year 2000 --to-year 2001 --feast whit", 2, ""},
      {"easter-distribution --from-year 2000", 2, ""},
      {"--lang en weekday-distribution --year 2024 --day 13", 0,
       "\n Saturday:         3x  25.000 Percent (Jan., Apr., July)"},
      {"--lang de weekday-distribution --from 2023-3 --to 2024-12 --day 31", 0,
       "\n des Zeitraumes von März 2023 bis Dez. 2024: \n"},
      {"weekday-distribution --year 2024 --from 2024-1 --to 2024-2 --day 1", 2, ""},
      {"weekday-distribution --day 1", 2, ""},
      {"weekday-distribution --from 2024 --to 2024-2 --day 1", 2, ""},
  };
  for (const auto& c : cases) {
    const clitest::Result r = report(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_NE(r.out.find(c.part), std::string::npos) << c.args << "\n" << r.out;
  }
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

TEST_F(CliConfiguration, IniOptionAndLanguage) {
  const std::string ini = write("my.ini", "E \r\n1970-05-17 Birthday\r\n");
  const clitest::Result r = report("--today 2024-06-01 --ini '" + ini + "' config");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            " Today is Saturday June 1st, 2024 \n"
            "\n May 17th, 1970 - Sunday - Birthday "
            "\n 19739 Days; 2819.86 Weeks; 648.5 Months; 54.04 Years Difference \n");
  // --lang wins over the file's language line.
  const clitest::Result german = report("--lang de --today 2024-06-01 --ini '" + ini + "' config");
  EXPECT_EQ(german.out.rfind(" Heute ist Samstag, der 1. Juni 2024 \n", 0), 0u) << german.out;
  const clitest::Result missing = report("--lang en --ini '" + (dir_ / "none.ini").string() + "' config");
  EXPECT_EQ(missing.status, 0);
  EXPECT_EQ(missing.out, "\n INI-File \"QUENDAL6.INI\" not found! ");
  EXPECT_EQ(report("config --today 2024-06-01").status, 2);
}

TEST_F(CliConfiguration, WorkingDirectoryFileAndItsLanguage) {
  EXPECT_EQ(report("--lang de config", dir_.string()).out, "\n INI-Datei \"QUENDAL6.INI\" nicht gefunden! ");
  write("QUENDAL5.INI", "D \n");
  EXPECT_EQ(report("--today 2024-06-01 config", dir_.string()).out,
            " Heute ist Samstag, der 1. Juni 2024 \n"
            "\n Keine Daten (Datum) in INI-Datei         "
            "\n \"QUENDAL6.INI\" gefunden! ");
  // The other reports follow the file's language line too, unless --lang is given.
  EXPECT_NE(report("--today 2024-06-01 main --year 2024", dir_.string()).out.find("Ostern"), std::string::npos);
  EXPECT_EQ(report("--lang en --today 2024-06-01 main --year 2024", dir_.string()).out.find("Ostern"),
            std::string::npos);
}

}  // namespace
