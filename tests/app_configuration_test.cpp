// The configuration file reader: sizes, line shapes, limits, encodings, the
// file lookup in the working directory.
#include "app/configuration.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "calendar/text.h"

namespace quendal {
namespace {

namespace fs = std::filesystem;

// A fresh directory per test, removed afterwards.
class ConfigurationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quendal-config-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    savedoverride_ = languageoverride;
    languageoverride = 0;
  }
  void TearDown() override {
    languageoverride = savedoverride_;
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  std::string write(const std::string& name, const std::string& bytes) {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }
  int read(const std::string& bytes) { return readConfigurationFile(write("QUENDAL6.INI", bytes)); }

  fs::path dir_;
  int savedoverride_ = 0;
};

bool isdefaultplace(const LocationRecord& r) {
  return r.inuse == 1 && r.name == "Sankt Pölten (Austria)" && r.latitudedegrees == 48 &&
         r.latitudeminutes == 12 && r.north == 1 && r.longitudedegrees == 15 &&
         r.longitudeminutes == 37 && r.east == 1;
}

int datesinuse() {
  int n = 0;
  for (const PersonalDate& d : personalDateTable) n += d.year != 0 ? 1 : 0;
  return n;
}

// ---- Files and sizes ----------------------------------------------------------

TEST_F(ConfigurationTest, EmptyFileIsReadAndKeepsTheDefaultPlace) {
  EXPECT_EQ(read(""), 1);
  EXPECT_EQ(locationsinuse(), 1);
  EXPECT_TRUE(isdefaultplace(locationTable[0]));
  EXPECT_NEAR(locationTable[0].latitude, 48.2, 1e-12);
  EXPECT_NEAR(locationTable[0].longitude, 15.0 + 37.0 / 60.0, 1e-12);
  EXPECT_EQ(datesinuse(), 0);
}

TEST_F(ConfigurationTest, MissingFileGivesZero) {
  EXPECT_EQ(readConfigurationFile((dir_ / "nothing.ini").string()), 0);
  EXPECT_EQ(readConfigurationFile(dir_.string()), 0);  // a directory cannot be read
  EXPECT_EQ(locationsinuse(), 1);
  EXPECT_TRUE(isdefaultplace(locationTable[0]));
}

TEST_F(ConfigurationTest, SizeLimitIs65540Bytes) {
  // A place line, then padding up to the size.
  const std::string line = "51 N 30     0W 07 London\n";
  std::string content = line + std::string(65540 - line.size(), ' ');
  ASSERT_EQ(content.size(), 65540u);
  EXPECT_EQ(read(content), 1);
  EXPECT_EQ(locationTable[0].name, "London");

  content += ' ';
  EXPECT_EQ(read(content), -1);
  EXPECT_EQ(locationsinuse(), 1);
  EXPECT_TRUE(isdefaultplace(locationTable[0]));
  EXPECT_EQ(readConfigurationContent(content), -1);
  EXPECT_EQ(readConfigurationContent(std::string(3 * 65540, 'x')), -1);
}

TEST_F(ConfigurationTest, TooLargeAndMissingLeaveTheLanguageAlone) {
  languageoverride = 1031;
  EXPECT_EQ(read("E \n" + std::string(70000, ' ')), -1);
  EXPECT_EQ(languageoverride, 1031);
  EXPECT_EQ(readConfigurationFile((dir_ / "none").string()), 0);
  EXPECT_EQ(languageoverride, 1031);
  EXPECT_EQ(read("no language here\n"), 1);
  EXPECT_EQ(languageoverride, 1031);  // never cleared by the file
}

TEST_F(ConfigurationTest, EveryReadStartsFromThePresetTables) {
  ASSERT_EQ(read("2000-01-01 Millennium\n10 S 05   020W 10 Somewhere\n"), 1);
  ASSERT_EQ(datesinuse(), 1);
  ASSERT_EQ(locationTable[0].name, "Somewhere");
  EXPECT_EQ(read(""), 1);
  EXPECT_EQ(datesinuse(), 0);
  EXPECT_TRUE(isdefaultplace(locationTable[0]));
  EXPECT_EQ(locationTable[1].inuse, 0);
}

// ---- The file in the working directory ----------------------------------------

class WorkingDirectory {
 public:
  explicit WorkingDirectory(const fs::path& dir) : saved_(fs::current_path()) {
    fs::current_path(dir);
  }
  ~WorkingDirectory() { fs::current_path(saved_); }

 private:
  fs::path saved_;
};

TEST_F(ConfigurationTest, Quendal6FirstThenQuendal5) {
  WorkingDirectory cd(dir_);
  EXPECT_EQ(readConfiguration(), 0);

  write("QUENDAL5.INI", "40 N 25   003W 42 Madrid\n");
  EXPECT_EQ(readConfiguration(), 1);
  EXPECT_EQ(locationTable[0].name, "Madrid");

  write("QUENDAL6.INI", "52 N 31   013E 24 Berlin\n");
  EXPECT_EQ(readConfiguration(), 1);
  EXPECT_EQ(locationTable[0].name, "Berlin");
  EXPECT_EQ(locationsinuse(), 1);

  // An oversized QUENDAL6.INI is refused; QUENDAL5.INI is not tried.
  write("QUENDAL6.INI", std::string(65541, ' '));
  EXPECT_EQ(readConfiguration(), -1);
  EXPECT_TRUE(isdefaultplace(locationTable[0]));
}

// ---- Language lines -------------------------------------------------------------

TEST_F(ConfigurationTest, LanguageLinesTheLastWins) {
  EXPECT_EQ(read("E nglish please\n"), 1);
  EXPECT_EQ(languageoverride, 2000);
  EXPECT_EQ(read("E \nsomething\nD \n"), 1);
  EXPECT_EQ(languageoverride, 1031);
  EXPECT_EQ(read("a \n"), 1);
  EXPECT_EQ(languageoverride, 3079);
  EXPECT_EQ(read("d"), 1);  // no blank after the letter
  EXPECT_EQ(languageoverride, 3079);
  EXPECT_EQ(read("e\n"), 1);
  EXPECT_EQ(languageoverride, 3079);
  EXPECT_EQ(read("X \nEnglish\n"), 1);
  EXPECT_EQ(languageoverride, 3079);
  EXPECT_EQ(read("\xEF\xBB\xBF" "E \n"), 1);  // after a byte-order mark
  EXPECT_EQ(languageoverride, 2000);
}

// ---- Date lines -------------------------------------------------------------------

TEST_F(ConfigurationTest, DateLineColumnsAndSeparators) {
  ASSERT_EQ(read("1970-05-17 Birthday\n2000.12.31 Dot\n1999 01 02 Blank\n2024/02/29\tLeap\n"),
            1);
  ASSERT_EQ(datesinuse(), 4);
  const PersonalDate& a = personalDateTable[0];
  EXPECT_EQ(a.year, 1970);
  EXPECT_EQ(a.month, 5);
  EXPECT_EQ(a.day, 17);
  EXPECT_EQ(a.text, "Birthday");
  EXPECT_EQ(personalDateTable[1].text, "Dot");
  EXPECT_EQ(personalDateTable[2].month, 1);
  EXPECT_EQ(personalDateTable[2].day, 2);
  EXPECT_EQ(personalDateTable[3].day, 29);
  EXPECT_EQ(personalDateTable[3].text, "Leap");  // the tab counts as a blank
}

TEST_F(ConfigurationTest, DateRangeAndValidity) {
  ASSERT_EQ(read("2023-02-29 common year\n"
                 "2024-02-29 leap year\n"
                 "1900-02-29 not a leap year\n"
                 "2000-02-29 leap year\n"
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
  const int expected[][3] = {{2024, 2, 29}, {2000, 2, 29}, {1601, 1, 1},
                             {9998, 12, 31}, {2024, 3, 5}, {2024, 4, 6}};
  ASSERT_EQ(datesinuse(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(personalDateTable[i].year, expected[i][0]) << i;
    EXPECT_EQ(personalDateTable[i].month, expected[i][1]) << i;
    EXPECT_EQ(personalDateTable[i].day, expected[i][2]) << i;
  }
}

TEST_F(ConfigurationTest, DateWithoutTextAndAtMostTwelveDates) {
  std::string content = "2024-01-01\n";  // exactly ten characters: a date without text
  for (int i = 2; i <= 14; ++i) content += "2024-01-" + std::to_string(10 + i) + " Date " + std::to_string(i) + "\n";
  ASSERT_EQ(read(content), 1);
  EXPECT_EQ(datesinuse(), 12);
  EXPECT_EQ(personalDateTable[0].text, "");
  EXPECT_EQ(personalDateTable[11].day, 22);
  EXPECT_EQ(personalDateTable[11].text, "Date 12");
}

TEST_F(ConfigurationTest, TextsAreCutTo39Characters) {
  const std::string long50 = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWX";
  ASSERT_EQ(read("2024-01-01    " + long50 + "\n"
                 "2024-01-02 \t  trailing blanks   \t \n"
                 "2024-01-03 " + std::string(38, 'x') + "  y\n"),
            1);
  EXPECT_EQ(personalDateTable[0].text, long50.substr(0, 39));
  EXPECT_EQ(personalDateTable[1].text, "trailing blanks");
  EXPECT_EQ(personalDateTable[2].text, std::string(38, 'x'));  // cut to 39, then trimmed
  // Characters, not bytes: 45 umlauts keep 39 of them.
  std::string umlauts;
  for (int i = 0; i < 45; ++i) umlauts += "ö";
  ASSERT_EQ(read("2024-01-01 " + umlauts + "\n"), 1);
  EXPECT_EQ(utf8length(personalDateTable[0].text), 39u);
  EXPECT_EQ(personalDateTable[0].text.size(), 78u);
}

TEST_F(ConfigurationTest, OnlySixtyCharactersOfADateTextAreExamined) {
  // Text starts after 59 blanks: its first character is the sixtieth examined.
  ASSERT_EQ(read("2024-01-01 " + std::string(59, ' ') + "XYZ\n"), 1);
  EXPECT_EQ(personalDateTable[0].text, "X");
  ASSERT_EQ(read("2024-01-01 " + std::string(60, ' ') + "XYZ\n"), 1);
  EXPECT_EQ(personalDateTable[0].text, "");
}

// ---- Place lines ----------------------------------------------------------------

TEST_F(ConfigurationTest, OnePlaceLineReplacesTheDefault) {
  ASSERT_EQ(read("48 N 12   015E 37 Sankt Pölten\r\n"), 1);
  EXPECT_EQ(locationsinuse(), 1);
  const LocationRecord& r = locationTable[0];
  EXPECT_EQ(r.name, "Sankt Pölten");
  EXPECT_EQ(r.latitudedegrees, 48);
  EXPECT_EQ(r.latitudeminutes, 12);
  EXPECT_EQ(r.longitudedegrees, 15);
  EXPECT_EQ(r.longitudeminutes, 37);
  EXPECT_NEAR(r.latitude, 48.2, 1e-12);
  EXPECT_NEAR(r.longitude, 15.616666666666667, 1e-12);
}

TEST_F(ConfigurationTest, SouthAndWestAreNegativeAndLowerCaseLettersWork) {
  ASSERT_EQ(read("33 s 52   151e 13 Sydney\n"
                 "22 S 54    43w 12 Rio de Janeiro\n"
                 "40 n 43    74W 00 New York\n"
                 "47 N 04   015o 26 Graz\n"
                 "47 n 16   011O 24 Innsbruck\n"),
            1);
  ASSERT_EQ(locationsinuse(), 5);
  EXPECT_NEAR(locationTable[0].latitude, -(33 + 52 / 60.0), 1e-12);
  EXPECT_NEAR(locationTable[0].longitude, 151 + 13 / 60.0, 1e-12);
  EXPECT_EQ(locationTable[1].north, 0);
  EXPECT_EQ(locationTable[1].east, 0);
  EXPECT_NEAR(locationTable[1].longitude, -(43 + 12 / 60.0), 1e-12);
  EXPECT_NEAR(locationTable[2].latitude, 40 + 43 / 60.0, 1e-12);
  EXPECT_NEAR(locationTable[2].longitude, -74.0, 1e-12);
  EXPECT_EQ(locationTable[3].east, 1);  // O for "Ost"
  EXPECT_EQ(locationTable[4].name, "Innsbruck");
  EXPECT_EQ(locationTable[4].east, 1);
}

TEST_F(ConfigurationTest, SecondLongitudeLayout) {
  // Longitude degrees in columns 11-14, the letter in 15, minutes in 17-18.
  ASSERT_EQ(read("35 N 41    139E 46 Tokyo\n"
                 "19 N 26    099W 08 Mexico City\n"),
            1);
  ASSERT_EQ(locationsinuse(), 2);
  EXPECT_EQ(locationTable[0].longitudedegrees, 139);
  EXPECT_EQ(locationTable[0].longitudeminutes, 46);
  EXPECT_EQ(locationTable[1].longitudedegrees, 99);
  EXPECT_EQ(locationTable[1].longitudeminutes, 8);
  EXPECT_EQ(locationTable[1].east, 0);
  EXPECT_EQ(locationTable[1].name, "Mexico City");
}

TEST_F(ConfigurationTest, LimitsAndNormalisation) {
  ASSERT_EQ(read("90 N 30   010E 00 Pole with minutes\n"
                 "99 S 75   200W 99 Everything too large\n"
                 "00 N 00   000E 00 Null Island\n"
                 "-5 N -3    -7E -1 Negative numbers\n"
                 "10 N 20   180E 45 Date line\n"),
            1);
  ASSERT_EQ(locationsinuse(), 5);
  const LocationRecord* t = locationTable;
  EXPECT_EQ(t[0].latitudedegrees, 90);
  EXPECT_EQ(t[0].latitudeminutes, 0);
  EXPECT_DOUBLE_EQ(t[0].latitude, 90.0);
  EXPECT_EQ(t[1].latitudedegrees, 90);
  EXPECT_EQ(t[1].latitudeminutes, 0);
  EXPECT_EQ(t[1].longitudedegrees, 180);
  EXPECT_EQ(t[1].longitudeminutes, 0);
  EXPECT_DOUBLE_EQ(t[1].latitude, -90.0);
  EXPECT_DOUBLE_EQ(t[1].longitude, -180.0);
  // All four numbers 0: 0° 0' N, 0° 1' E.
  EXPECT_EQ(t[2].north, 1);
  EXPECT_EQ(t[2].east, 1);
  EXPECT_EQ(t[2].longitudeminutes, 1);
  EXPECT_NEAR(t[2].longitude, 1 / 60.0, 1e-15);
  EXPECT_EQ(t[3].latitudedegrees, 0);
  EXPECT_EQ(t[3].latitudeminutes, 0);
  EXPECT_EQ(t[3].longitudedegrees, 0);
  EXPECT_EQ(t[3].longitudeminutes, 1);
  EXPECT_EQ(t[4].longitudeminutes, 0);
  EXPECT_DOUBLE_EQ(t[4].longitude, 180.0);
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
  ASSERT_EQ(locationsinuse(), 1);
  EXPECT_EQ(locationTable[0].longitudeminutes, 3);
  EXPECT_EQ(locationTable[0].name, "");
}

TEST_F(ConfigurationTest, NamesFromColumn19) {
  std::string sixty;
  for (int i = 0; i < 60; ++i) sixty += static_cast<char>('A' + i % 26);
  ASSERT_EQ(read("48 N 12   015E 37    " + sixty + "\n"
                 "48 N 12   015E 37Glued\n"
                 "48 N 12   015E 37 \tÄ  b \t\n"),
            1);
  EXPECT_EQ(locationTable[0].name, sixty.substr(0, 39));
  EXPECT_EQ(locationTable[1].name, "lued");  // column 18 is not part of the name
  EXPECT_EQ(locationTable[2].name, "Ä  b");
}

TEST_F(ConfigurationTest, AtMostThirtyTwoPlaces) {
  std::string content;
  for (int i = 0; i < 40; ++i) content += "10 N " + std::to_string(10 + i) + "   010E 00 P" + std::to_string(i) + "\n";
  ASSERT_EQ(read(content), 1);
  EXPECT_EQ(locationsinuse(), 32);
  EXPECT_EQ(locationTable[31].name, "P31");
  EXPECT_EQ(locationTable[31].latitudeminutes, 41);
}

// ---- Line ends and encodings -------------------------------------------------------

TEST_F(ConfigurationTest, CrLfCrAndLfLineEnds) {
  for (const char* end : {"\r\n", "\n", "\r"}) {
    const std::string e = end;
    ASSERT_EQ(read("E " + e + "1980-07-01 A" + e + "50 N 00   010E 00 B" + e + "51 N 00   011E 00 C"),
              1);
    EXPECT_EQ(datesinuse(), 1) << "line end " << e.size();
    EXPECT_EQ(personalDateTable[0].text, "A");
    EXPECT_EQ(locationsinuse(), 2);
    EXPECT_EQ(locationTable[1].name, "C");
  }
}

TEST_F(ConfigurationTest, Windows1252AndUtf8Files) {
  ASSERT_EQ(read("48 N 12   015E 37 Sankt P\xF6lten \x80 Stra\xDF" "e\n"), 1);
  EXPECT_EQ(locationTable[0].name, "Sankt Pölten € Straße");
  ASSERT_EQ(read("48 N 12   015E 37 Sankt Pölten € Straße\n"), 1);
  EXPECT_EQ(locationTable[0].name, "Sankt Pölten € Straße");
  // Columns count characters: a UTF-8 name keeps its place in the columns.
  ASSERT_EQ(read("2024-01-01 Ä" + std::string(38, 'b') + "c\n"), 1);
  EXPECT_EQ(personalDateTable[0].text, "Ä" + std::string(38, 'b'));
}

TEST_F(ConfigurationTest, ControlCharactersInNamesBecomeBlanks) {
  ASSERT_EQ(read(std::string("48 N 12   015E 37 A\x01" "B\x7F" "C\0D", 25) + "\n"), 1);
  EXPECT_EQ(locationTable[0].name, "A B C D");
}

}  // namespace
}  // namespace quendal
