// The configuration file reader: sizes, line shapes, limits, encodings, the
// file lookup in the working directory.
#include "app/configuration.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "app/application_state.h"
#include "app/platform.h"
#include "support.h"

namespace quendal {
namespace {

namespace fs = std::filesystem;

// Configuration files in a fresh directory.
class ConfigurationTest : public testsupport::TempDir {
 protected:
  // Keeps a reading as the program does; the result code.
  int keep(const Configuration& reading) {
    c = reading;
    state.storeconfiguration(reading);
    return reading.result;
  }
  int read(const std::string& bytes) { return keep(readConfigurationFile(write("QUENDAL6.INI", bytes))); }

  Configuration c;         // the last reading
  ApplicationState state;  // languageoverride as the program keeps it
};

bool isdefaultplace(const LocationRecord& r) {
  return r.inuse == 1 && r.name == "Sankt Pölten (Austria)" && r.latitudedegrees == 48 &&
         r.latitudeminutes == 12 && r.north == 1 && r.longitudedegrees == 15 &&
         r.longitudeminutes == 37 && r.east == 1;
}

int datesinuse(const PersonalDateTable& dates) {
  int n = 0;
  for (const PersonalDate& d : dates) n += d.year != 0 ? 1 : 0;
  return n;
}

// ---- Files and sizes ----------------------------------------------------------

TEST_F(ConfigurationTest, EmptyMissingAndTooLargeFiles) {
  EXPECT_EQ(read(""), 1);
  EXPECT_EQ(locationsinuse(c.locationTable), 1);
  EXPECT_TRUE(isdefaultplace(c.locationTable[0]));
  EXPECT_NEAR(latitudeof(c.locationTable[0]), 48.2, 1e-12);
  EXPECT_NEAR(longitudeof(c.locationTable[0]), 15.0 + 37.0 / 60.0, 1e-12);
  EXPECT_EQ(datesinuse(c.personalDateTable), 0);

  EXPECT_EQ(keep(readConfigurationFile((dir / "nothing.ini").string())), 0);
  EXPECT_EQ(keep(readConfigurationFile(dir.string())), 0);  // a directory cannot be read
  EXPECT_TRUE(isdefaultplace(c.locationTable[0]));

  // 65,540 bytes are read, one more is refused.
  const std::string line = "51 N 30     0W 07 London\n";
  std::string content = line + std::string(65540 - line.size(), ' ');
  EXPECT_EQ(read(content), 1);
  EXPECT_EQ(c.locationTable[0].name, "London");
  content += ' ';
  EXPECT_EQ(read(content), -1);
  EXPECT_EQ(locationsinuse(c.locationTable), 1);
  EXPECT_TRUE(isdefaultplace(c.locationTable[0]));
  EXPECT_EQ(keep(readConfigurationContent(content)), -1);
  EXPECT_EQ(keep(readConfigurationContent(std::string(3 * 65540, 'x'))), -1);
}

TEST_F(ConfigurationTest, TooLargeAndMissingLeaveTheLanguageAlone) {
  state.languageoverride = 1031;
  EXPECT_EQ(read("E \n" + std::string(70000, ' ')), -1);
  EXPECT_EQ(state.languageoverride, 1031);
  EXPECT_EQ(keep(readConfigurationFile((dir / "none").string())), 0);
  EXPECT_EQ(state.languageoverride, 1031);
  EXPECT_EQ(read("no language here\n"), 1);
  EXPECT_EQ(state.languageoverride, 1031);  // never cleared by the file
}

TEST_F(ConfigurationTest, EveryReadStartsFromThePresetTables) {
  ASSERT_EQ(read("2000-01-01 Millennium\n10 S 05   020W 10 Somewhere\n"), 1);
  ASSERT_EQ(datesinuse(c.personalDateTable), 1);
  ASSERT_EQ(c.locationTable[0].name, "Somewhere");
  EXPECT_EQ(read(""), 1);
  EXPECT_EQ(datesinuse(c.personalDateTable), 0);
  EXPECT_TRUE(isdefaultplace(c.locationTable[0]));
  EXPECT_EQ(c.locationTable[1].inuse, 0);
}

// ---- The file in the working directory ----------------------------------------

class WorkingDirectory {
 public:
  explicit WorkingDirectory(const fs::path& dir) : saved_(fs::current_path()) { fs::current_path(dir); }
  ~WorkingDirectory() { fs::current_path(saved_); }

 private:
  fs::path saved_;
};

TEST_F(ConfigurationTest, Quendal6FirstThenQuendal5) {
  WorkingDirectory cd(dir);
  EXPECT_EQ(keep(readConfiguration()), 0);
  write("QUENDAL5.INI", "40 N 25   003W 42 Madrid\n");
  EXPECT_EQ(keep(readConfiguration()), 1);
  EXPECT_EQ(c.locationTable[0].name, "Madrid");
  write("QUENDAL6.INI", "52 N 31   013E 24 Berlin\n");
  EXPECT_EQ(keep(readConfiguration()), 1);
  EXPECT_EQ(c.locationTable[0].name, "Berlin");
  EXPECT_EQ(locationsinuse(c.locationTable), 1);
  // An oversized QUENDAL6.INI is refused; QUENDAL5.INI is not tried.
  write("QUENDAL6.INI", std::string(65541, ' '));
  EXPECT_EQ(keep(readConfiguration()), -1);
  EXPECT_TRUE(isdefaultplace(c.locationTable[0]));
  // One that cannot be read (here a directory) counts as missing.
  fs::remove(dir / "QUENDAL6.INI");
  fs::create_directory(dir / "QUENDAL6.INI");
  EXPECT_EQ(keep(readConfiguration()), 1);
  EXPECT_EQ(c.locationTable[0].name, "Madrid");
}

// ---- Language lines -------------------------------------------------------------

TEST_F(ConfigurationTest, LanguageLinesTheLastWins) {
  const struct {
    const char* file;
    int override;  // after reading, starting from the previous row's value
  } rows[] = {{"E nglish please\n", 2000}, {"E \nsomething\nD \n", 1031}, {"a \n", 3079},
              {"d", 3079} /* no blank after the letter */, {"e\n", 3079}, {"X \nEnglish\n", 3079},
              {"\xEF\xBB\xBF" "E \n", 2000} /* after a byte-order mark */};
  for (const auto& row : rows) {
    EXPECT_EQ(read(row.file), 1);
    EXPECT_EQ(state.languageoverride, row.override) << row.file;
  }
}

// ---- Date lines -------------------------------------------------------------------

TEST_F(ConfigurationTest, DateLinesColumnsRangeAndValidity) {
  ASSERT_EQ(read("1970-05-17 Birthday\n"
                 "2000.12.31 Dot\n"
                 "1999 01 02 Blank\n"
                 "2024/02/29\tLeap\n"
                 "2023-02-29 common year\n"
                 "1900-02-29 not a leap year\n"
                 "2000-02-29 leap century\n"
                 "1600-06-01 too early\n"
                 "1601-01-01 first year\n"
                 "9998-12-31 last year\n"
                 "9999-01-01 too late\n"
                 "2024-04-31 no such day\n"
                 "2024-13-01 no such month\n"
                 "2024-00-10 no month\n"
                 "2024-+3-+5 signs\n"
                 "2024- 4- 6 blanks\n"
                 "202"),
            1);
  const struct {
    int year, month, day;
    const char* text;
  } expected[] = {{1970, 5, 17, "Birthday"}, {2000, 12, 31, "Dot"},       {1999, 1, 2, "Blank"},
                  {2024, 2, 29, "Leap"} /* the tab counts as a blank */,   {2000, 2, 29, "leap century"},
                  {1601, 1, 1, "first year"},
                  {9998, 12, 31, "last year"}, {2024, 3, 5, "signs"},     {2024, 4, 6, "blanks"}};
  ASSERT_EQ(datesinuse(c.personalDateTable), 9);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(c.personalDateTable[i].year, expected[i].year) << i;
    EXPECT_EQ(c.personalDateTable[i].month, expected[i].month) << i;
    EXPECT_EQ(c.personalDateTable[i].day, expected[i].day) << i;
    EXPECT_EQ(c.personalDateTable[i].text, expected[i].text) << i;
  }
}

TEST_F(ConfigurationTest, DateWithoutTextAndAtMostTwelveDates) {
  std::string content = "2024-01-01\n";  // exactly ten characters: a date without text
  for (int i = 2; i <= 14; ++i) content += "2024-01-" + std::to_string(10 + i) + " Date " + std::to_string(i) + "\n";
  ASSERT_EQ(read(content), 1);
  EXPECT_EQ(datesinuse(c.personalDateTable), 12);
  EXPECT_EQ(c.personalDateTable[0].text, "");
  EXPECT_EQ(c.personalDateTable[11].day, 22);
  EXPECT_EQ(c.personalDateTable[11].text, "Date 12");
}

TEST_F(ConfigurationTest, TextsAreCutTo39Characters) {
  const std::string long50 = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWX";
  ASSERT_EQ(read("2024-01-01    " + long50 + "\n"
                 "2024-01-02 \t  trailing blanks   \t \n"
                 "2024-01-03 " + std::string(38, 'x') + "  y\n"),
            1);
  EXPECT_EQ(c.personalDateTable[0].text, long50.substr(0, 39));
  EXPECT_EQ(c.personalDateTable[1].text, "trailing blanks");
  EXPECT_EQ(c.personalDateTable[2].text, std::string(38, 'x'));  // cut to 39, then trimmed
  // Characters, not bytes: 45 umlauts keep 39 of them.
  std::string umlauts;
  for (int i = 0; i < 45; ++i) umlauts += "ö";
  ASSERT_EQ(read("2024-01-01 " + umlauts + "\n"), 1);
  EXPECT_EQ(utf8length(c.personalDateTable[0].text), 39u);
  EXPECT_EQ(c.personalDateTable[0].text.size(), 78u);
  // Only sixty characters from column 12 are examined.
  ASSERT_EQ(read("2024-01-01 " + std::string(59, ' ') + "XYZ\n"), 1);
  EXPECT_EQ(c.personalDateTable[0].text, "X");
  ASSERT_EQ(read("2024-01-01 " + std::string(60, ' ') + "XYZ\n"), 1);
  EXPECT_EQ(c.personalDateTable[0].text, "");
}

// ---- Place lines ----------------------------------------------------------------

TEST_F(ConfigurationTest, PlaceLinesBothLayoutsAndHemispheres) {
  ASSERT_EQ(read("48 N 12   015E 37 Sankt Pölten\r\n"
                 "33 s 52   151e 13 Sydney\n"
                 "22 S 54    43w 12 Rio de Janeiro\n"
                 "40 n 43    74W 00 New York\n"
                 "47 N 04   015o 26 Graz\n"
                 "47 n 16   011O 24 Innsbruck\n"
                 "35 N 41    139E 46 Tokyo\n"          // second layout: degrees 11-14, letter 15, minutes 17-18
                 "19 N 26    099W 08 Mexico City\n"),
            1);
  const struct {
    const char* name;
    int latd, latm, north, lond, lonm, east;
  } expected[] = {{"Sankt Pölten", 48, 12, 1, 15, 37, 1}, {"Sydney", 33, 52, 0, 151, 13, 1},
                  {"Rio de Janeiro", 22, 54, 0, 43, 12, 0}, {"New York", 40, 43, 1, 74, 0, 0},
                  {"Graz", 47, 4, 1, 15, 26, 1} /* O for "Ost" */, {"Innsbruck", 47, 16, 1, 11, 24, 1},
                  {"Tokyo", 35, 41, 1, 139, 46, 1},
                  {"Mexico City", 19, 26, 1, 99, 8, 0}};
  ASSERT_EQ(locationsinuse(c.locationTable), 8);
  for (int i = 0; i < 8; ++i) {
    const LocationRecord& r = c.locationTable[i];
    const auto& e = expected[i];
    EXPECT_EQ(r.name, e.name);
    EXPECT_EQ((std::array{r.latitudedegrees, r.latitudeminutes, r.north, r.longitudedegrees, r.longitudeminutes, r.east}),
              (std::array{e.latd, e.latm, e.north, e.lond, e.lonm, e.east})) << e.name;
    EXPECT_NEAR(latitudeof(r), (e.latd + e.latm / 60.0) * (e.north ? 1 : -1), 1e-12) << e.name;
    EXPECT_NEAR(longitudeof(r), (e.lond + e.lonm / 60.0) * (e.east ? 1 : -1), 1e-12) << e.name;
  }
}

TEST_F(ConfigurationTest, LimitsAndNormalisation) {
  ASSERT_EQ(read("90 N 30   010E 00 Pole with minutes\n"
                 "99 S 75   200W 99 Everything too large\n"
                 "00 N 00   000E 00 Null Island\n"
                 "-5 N -3    -7E -1 Negative numbers\n"
                 "10 N 20   180E 45 Date line\n"),
            1);
  ASSERT_EQ(locationsinuse(c.locationTable), 5);
  const LocationTable& t = c.locationTable;
  EXPECT_EQ(t[0].latitudedegrees, 90);
  EXPECT_EQ(t[0].latitudeminutes, 0);
  EXPECT_DOUBLE_EQ(latitudeof(t[0]), 90.0);
  EXPECT_EQ((std::array{t[1].latitudedegrees, t[1].latitudeminutes, t[1].longitudedegrees, t[1].longitudeminutes}),
            (std::array{90, 0, 180, 0}));
  EXPECT_DOUBLE_EQ(latitudeof(t[1]), -90.0);
  EXPECT_DOUBLE_EQ(longitudeof(t[1]), -180.0);
  // All four numbers 0: 0° 0' N, 0° 1' E.
  EXPECT_EQ((std::array{t[2].north, t[2].east, t[2].longitudeminutes}),
            (std::array{1, 1, 1}));
  EXPECT_NEAR(longitudeof(t[2]), 1 / 60.0, 1e-15);
  EXPECT_EQ((std::array{t[3].latitudedegrees, t[3].latitudeminutes, t[3].longitudedegrees, t[3].longitudeminutes}),
            (std::array{0, 0, 0, 1}));
  EXPECT_EQ(t[4].longitudeminutes, 0);
  EXPECT_DOUBLE_EQ(longitudeof(t[4]), 180.0);
}

TEST_F(ConfigurationTest, CommentsShortLinesAndLinesWithoutCoordinates) {
  ASSERT_EQ(read(";8 N 12   015E 37 Semicolon\n"
                 ":8 N 12   015E 37 Colon\n"
                 ",8 N 12   015E 37 Comma\n"
                 "48 N 12   015E 3\n"      // 16 characters: still a place
                 "48 N 12   015E \n"       // 15 characters: too short
                 "48 N 12   015X 37 No longitude letter\n"
                 "48 X 12   015E 37 No latitude letter\n"
                 "abcdefghijklmEW 12 Two longitude letters, no latitude\n"),
            1);
  ASSERT_EQ(locationsinuse(c.locationTable), 1);
  EXPECT_EQ(c.locationTable[0].longitudeminutes, 3);
  EXPECT_EQ(c.locationTable[0].name, "");
}

TEST_F(ConfigurationTest, NamesFromColumn19AndAtMostThirtyTwoPlaces) {
  std::string sixty;
  for (int i = 0; i < 60; ++i) sixty += static_cast<char>('A' + i % 26);
  ASSERT_EQ(read("48 N 12   015E 37    " + sixty + "\n"
                 "48 N 12   015E 37Glued\n"
                 "48 N 12   015E 37 \tÄ  b \t\n"
                 "48 N 12   015E 37 A\x01" "B\x7F" "C" + std::string(1, '\0') + "D\n"),
            1);
  EXPECT_EQ(c.locationTable[0].name, sixty.substr(0, 39));
  EXPECT_EQ(c.locationTable[1].name, "lued");  // column 18 is not part of the name
  EXPECT_EQ(c.locationTable[2].name, "Ä  b");
  EXPECT_EQ(c.locationTable[3].name, "A B C D");  // control characters count as blanks
  // Only 55 characters from column 19 are examined.
  ASSERT_EQ(read("48 N 12   015E 37 " + std::string(54, ' ') + "XYZ\n"), 1);
  EXPECT_EQ(c.locationTable[0].name, "X");
  ASSERT_EQ(read("48 N 12   015E 37 " + std::string(55, ' ') + "XYZ\n"), 1);
  EXPECT_EQ(c.locationTable[0].name, "");

  std::string content;
  for (int i = 0; i < 40; ++i) content += "10 N " + std::to_string(10 + i) + "   010E 00 P" + std::to_string(i) + "\n";
  ASSERT_EQ(read(content), 1);
  EXPECT_EQ(locationsinuse(c.locationTable), 32);
  EXPECT_EQ(c.locationTable[31].name, "P31");
  EXPECT_EQ(c.locationTable[31].latitudeminutes, 41);
}

// ---- Line ends and encodings -------------------------------------------------------

TEST_F(ConfigurationTest, LineEndsAndEncodings) {
  for (const char* end : {"\r\n", "\n", "\r"}) {
    const std::string e = end;
    ASSERT_EQ(read("E " + e + "1980-07-01 A" + e + "50 N 00   010E 00 B" + e + "51 N 00   011E 00 C"), 1);
    EXPECT_EQ(datesinuse(c.personalDateTable), 1) << "line end " << e.size();
    EXPECT_EQ(c.personalDateTable[0].text, "A");
    EXPECT_EQ(locationsinuse(c.locationTable), 2);
    EXPECT_EQ(c.locationTable[1].name, "C");
  }
  ASSERT_EQ(read("48 N 12   015E 37 Sankt P\xF6lten \x80 Stra\xDF" "e\n"), 1);  // Windows-1252
  EXPECT_EQ(c.locationTable[0].name, "Sankt Pölten € Straße");
  ASSERT_EQ(read("48 N 12   015E 37 Sankt Pölten € Straße\n"), 1);  // UTF-8
  EXPECT_EQ(c.locationTable[0].name, "Sankt Pölten € Straße");
  // Columns count characters: a UTF-8 name keeps its place in the columns.
  ASSERT_EQ(read("2024-01-01 Ä" + std::string(38, 'b') + "c\n"), 1);
  EXPECT_EQ(c.personalDateTable[0].text, "Ä" + std::string(38, 'b'));
}

// The system's name for pages 30 and 97 of the main report, from an
// os-release file.
TEST_F(ConfigurationTest, OsReleaseName) {
  const struct {
    const char* file;
    const char* name;
  } files[] = {
      {"NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n", "Debian GNU/Linux 12 (bookworm)"},
      {"NAME='Alpine Linux'\nID=alpine\n", "Alpine Linux"},      // no PRETTY_NAME: NAME, single quotes
      {"PRETTY_NAME=Plain\nPRETTY_NAME=Second\n", "Plain"},     // unquoted; the first one counts
      {"PRETTY_NAME=\"unbalanced\nNAME=x\n", "\"unbalanced"},  // quotes only when they enclose
      {"ID=none\n", ""},
  };
  for (const auto& f : files) EXPECT_EQ(osreleasename(write("os-release", f.file).c_str()), f.name) << f.file;
  EXPECT_EQ(osreleasename((dir / "missing").c_str()), "");
}

}  // namespace
}  // namespace quendal
