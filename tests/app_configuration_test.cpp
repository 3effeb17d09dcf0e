// The configuration file reader: sizes, line shapes, limits, encodings, the
// file lookup in the working directory.
#include "app/configuration.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/application_state.h"
#include "app/platform.h"
#include "calendar/text.h"
#include "support.h"

namespace quendal {
namespace {

namespace fs = std::filesystem;

// Configuration files in a fresh directory.
class ConfigurationTest : public testsupport::TempDir {
 protected:
  int keep(const Configuration& reading) {
    c = reading;
    return reading.result;
  }
  int read(const std::string& bytes) { return keep(readConfigurationFile(write("QUENDAL6.INI", bytes))); }

  // The places in use as "name DD MM N|S DDD MM E|W" joined by "|".
  std::string places() const {
    std::string s;
    for (const LocationRecord& r : c.locationTable)
      if (r.inuse)
        s += strprintf("%s%s %d %d %c %d %d %c", s.empty() ? "" : "|", r.name.c_str(), r.latitudedegrees,
                       r.latitudeminutes, r.north ? 'N' : 'S', r.longitudedegrees, r.longitudeminutes, r.east ? 'E' : 'W');
    return s;
  }
  // The dates in use as "Y-M-D text" joined by "|".
  std::string dates() const {
    std::string s;
    for (const PersonalDate& d : c.personalDateTable)
      if (d.year != 0) s += strprintf("%s%d-%d-%d %s", s.empty() ? "" : "|", d.year, d.month, d.day, d.text.c_str());
    return s;
  }

  Configuration c;  // the last reading
};

const std::string preset = "Sankt Pölten (Austria) 48 12 N 15 37 E";

// ---- Files and sizes ----------------------------------------------------------

TEST_F(ConfigurationTest, EmptyMissingAndTooLargeFiles) {
  EXPECT_EQ(read(""), 1);
  EXPECT_EQ(places(), preset);
  EXPECT_NEAR(latitudeof(c.locationTable[0]), 48.2, 1e-12);
  EXPECT_NEAR(longitudeof(c.locationTable[0]), 15.0 + 37.0 / 60.0, 1e-12);
  EXPECT_EQ(dates(), "");
  EXPECT_EQ(keep(readConfigurationFile((dir / "nothing.ini").string())), 0);
  EXPECT_EQ(keep(readConfigurationFile(dir.string())), 0);  // a directory cannot be read
  EXPECT_EQ(places(), preset);
  // 65,540 bytes are read, one more is refused.
  const std::string line = "51 N 30     0W 07 London\n";
  std::string content = line + std::string(65540 - line.size(), ' ');
  EXPECT_EQ(read(content), 1);
  EXPECT_EQ(places(), "London 51 30 N 0 7 W");
  content += ' ';
  EXPECT_EQ(read(content), -1);
  EXPECT_EQ(places(), preset);
  EXPECT_EQ(keep(readConfigurationContent(content)), -1);
  // Every read starts from the preset tables.
  ASSERT_EQ(read("2000-01-01 Millennium\n10 S 05   020W 10 Somewhere\n"), 1);
  EXPECT_EQ(read(""), 1);
  EXPECT_EQ(dates() + places(), preset);
}

TEST_F(ConfigurationTest, Quendal6FirstThenQuendal5) {
  const fs::path saved = fs::current_path();
  fs::current_path(dir);
  EXPECT_EQ(keep(readConfiguration()), 0);
  write("QUENDAL5.INI", "40 N 25   003W 42 Madrid\n");
  EXPECT_EQ(keep(readConfiguration()), 1);
  EXPECT_EQ(places(), "Madrid 40 25 N 3 42 W");
  write("QUENDAL6.INI", "52 N 31   013E 24 Berlin\n");
  EXPECT_EQ(keep(readConfiguration()), 1);
  EXPECT_EQ(places(), "Berlin 52 31 N 13 24 E");
  // An oversized QUENDAL6.INI is refused; QUENDAL5.INI is not tried.
  write("QUENDAL6.INI", std::string(65541, ' '));
  EXPECT_EQ(keep(readConfiguration()), -1);
  EXPECT_EQ(places(), preset);
  // One that cannot be read (here a directory) counts as missing.
  fs::remove(dir / "QUENDAL6.INI");
  fs::create_directory(dir / "QUENDAL6.INI");
  EXPECT_EQ(keep(readConfiguration()), 1);
  EXPECT_EQ(places(), "Madrid 40 25 N 3 42 W");
  fs::current_path(saved);
}

// ---- Language lines -------------------------------------------------------------

TEST_F(ConfigurationTest, LanguageLinesTheLastWins) {
  const std::pair<const char*, int> files[] = {
      {"E nglish please\n", 2000}, {"E \nsomething\nD \n", 1031}, {"a \n", 3079}, {"d", 0} /* no blank after it */,
      {"e\n", 0}, {"X \nEnglish\n", 0}, {"\xEF\xBB\xBF" "E \n", 2000} /* after a byte-order mark */};
  for (const auto& [file, language] : files) {
    EXPECT_EQ(read(file), 1);
    EXPECT_EQ(c.languageoverride, language) << file;
  }
}

// ---- Date lines -------------------------------------------------------------------

TEST_F(ConfigurationTest, DateLinesColumnsRangeAndValidity) {
  ASSERT_EQ(read("1970-05-17 Birthday\n2000.12.31 Dot\n1999 01 02 Blank\n"
                 "2024/02/29\tLeap\n"  // the tab counts as a blank
                 "2023-02-29 common year\n1900-02-29 not a leap year\n2000-02-29 leap century\n"
                 "1600-06-01 too early\n1601-01-01 first year\n9998-12-31 last year\n9999-01-01 too late\n"
                 "2024-04-31 no such day\n2024-13-01 no such month\n2024-00-10 no month\n"
                 "2024-+3-+5 signs\n2024- 4- 6 blanks\n202"),
            1);
  EXPECT_EQ(dates(), "1970-5-17 Birthday|2000-12-31 Dot|1999-1-2 Blank|2024-2-29 Leap|2000-2-29 leap century|"
                     "1601-1-1 first year|9998-12-31 last year|2024-3-5 signs|2024-4-6 blanks");
}

TEST_F(ConfigurationTest, DateWithoutTextAndAtMostTwelveDates) {
  std::string content = "2024-01-01\n";  // exactly ten characters: a date without text
  for (int i = 2; i <= 14; ++i) content += "2024-01-" + std::to_string(10 + i) + " Date " + std::to_string(i) + "\n";
  ASSERT_EQ(read(content), 1);
  EXPECT_EQ(dates().substr(0, 10), "2024-1-1 |");
  EXPECT_TRUE(testsupport::endswith(dates(), "|2024-1-21 Date 11|2024-1-22 Date 12")) << dates();
  EXPECT_EQ(testsupport::countof(dates(), "|"), 11);
}

TEST_F(ConfigurationTest, TextsAreCutTo39Characters) {
  const std::string long50 = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWX";
  ASSERT_EQ(read("2024-01-01    " + long50 + "\n2024-01-02 \t  trailing blanks   \t \n"
                 "2024-01-03 " + std::string(38, 'x') + "  y\n"),
            1);
  EXPECT_EQ(c.personalDateTable[0].text, long50.substr(0, 39));
  EXPECT_EQ(c.personalDateTable[1].text, "trailing blanks");
  EXPECT_EQ(c.personalDateTable[2].text, std::string(38, 'x'));  // cut to 39, then trimmed
  // Characters, not bytes: 45 umlauts keep 39 of them.
  std::string umlauts;
  for (int i = 0; i < 45; ++i) umlauts += "ö";
  ASSERT_EQ(read("2024-01-01 " + umlauts + "\n"), 1);
  EXPECT_EQ(c.personalDateTable[0].text, umlauts.substr(0, 78));
  // Only sixty characters from column 12 are examined.
  ASSERT_EQ(read("2024-01-01 " + std::string(59, ' ') + "XYZ\n2024-01-02 " + std::string(60, ' ') + "XYZ\n"), 1);
  EXPECT_EQ(dates(), "2024-1-1 X|2024-1-2 ");
}

// ---- Place lines ----------------------------------------------------------------

TEST_F(ConfigurationTest, PlaceLinesBothLayoutsAndHemispheres) {
  ASSERT_EQ(read("48 N 12   015E 37 Sankt Pölten\r\n33 s 52   151e 13 Sydney\n22 S 54    43w 12 Rio de Janeiro\n"
                 "40 n 43    74W 00 New York\n47 N 04   015o 26 Graz\n47 n 16   011O 24 Innsbruck\n"
                 // the second layout: degrees in columns 11-14, the letter in 15, minutes in 17-18
                 "35 N 41    139E 46 Tokyo\n19 N 26    099W 08 Mexico City\n"),
            1);
  EXPECT_EQ(places(), "Sankt Pölten 48 12 N 15 37 E|Sydney 33 52 S 151 13 E|Rio de Janeiro 22 54 S 43 12 W|"
                      "New York 40 43 N 74 0 W|Graz 47 4 N 15 26 E|Innsbruck 47 16 N 11 24 E|Tokyo 35 41 N 139 46 E|"
                      "Mexico City 19 26 N 99 8 W");
  EXPECT_NEAR(latitudeof(c.locationTable[1]), -(33 + 52 / 60.0), 1e-12);
  EXPECT_NEAR(longitudeof(c.locationTable[2]), -(43 + 12 / 60.0), 1e-12);
}

TEST_F(ConfigurationTest, LimitsAndNormalisation) {
  // Minutes vanish at 90 and 180 degrees; all four numbers 0 give 0° 0' N,
  // 0° 1' E; negative numbers count as 0.
  ASSERT_EQ(read("90 N 30   010E 00 Pole\n99 S 75   200W 99 Too large\n00 N 00   000E 00 Null Island\n"
                 "-5 N -3    -7E -1 Negative\n10 N 20   180E 45 Date line\n"),
            1);
  EXPECT_EQ(places(), "Pole 90 0 N 10 0 E|Too large 90 0 S 180 0 W|Null Island 0 0 N 0 1 E|Negative 0 0 N 0 1 E|"
                      "Date line 10 20 N 180 0 E");
  EXPECT_DOUBLE_EQ(latitudeof(c.locationTable[1]), -90.0);
  EXPECT_DOUBLE_EQ(longitudeof(c.locationTable[1]), -180.0);
  EXPECT_NEAR(longitudeof(c.locationTable[2]), 1 / 60.0, 1e-15);
}

TEST_F(ConfigurationTest, CommentsShortLinesAndLinesWithoutCoordinates) {
  ASSERT_EQ(read(";8 N 12   015E 37 Semicolon\n:8 N 12   015E 37 Colon\n,8 N 12   015E 37 Comma\n"
                 "48 N 12   015E 3\n"  // 16 characters: still a place
                 "48 N 12   015E \n"   // 15 characters: too short
                 "48 N 12   015X 37 No longitude letter\n48 X 12   015E 37 No latitude letter\n"
                 "abcdefghijklmEW 12 Two longitude letters, no latitude\n"),
            1);
  EXPECT_EQ(places(), " 48 12 N 15 3 E");
}

TEST_F(ConfigurationTest, NamesFromColumn19AndAtMostThirtyTwoPlaces) {
  std::string sixty;
  for (int i = 0; i < 60; ++i) sixty += static_cast<char>('A' + i % 26);
  ASSERT_EQ(read("48 N 12   015E 37    " + sixty + "\n48 N 12   015E 37Glued\n48 N 12   015E 37 \tÄ  b \t\n"
                 "48 N 12   015E 37 A\x01" "B\x7F" "C" + std::string(1, '\0') + "D\n"),
            1);
  EXPECT_EQ(c.locationTable[0].name, sixty.substr(0, 39));
  EXPECT_EQ(c.locationTable[1].name, "lued");  // column 18 is not part of the name
  EXPECT_EQ(c.locationTable[2].name, "Ä  b");
  EXPECT_EQ(c.locationTable[3].name, "A B C D");  // control characters count as blanks
  // Only 55 characters from column 19 are examined.
  ASSERT_EQ(read("48 N 12   015E 37 " + std::string(54, ' ') + "XYZ\n48 N 12   015E 37 " + std::string(55, ' ') + "XYZ\n"), 1);
  EXPECT_EQ(c.locationTable[0].name + "|" + c.locationTable[1].name, "X|");
  std::string content;
  for (int i = 0; i < 40; ++i) content += "10 N " + std::to_string(10 + i) + "   010E 00 P" + std::to_string(i) + "\n";
  ASSERT_EQ(read(content), 1);
  EXPECT_EQ(locationsinuse(c.locationTable), 32);
  EXPECT_EQ(places().substr(places().rfind('|')), "|P31 10 41 N 10 0 E");
}

// ---- Line ends and encodings -------------------------------------------------------

TEST_F(ConfigurationTest, LineEndsAndEncodings) {
  for (const std::string e : {"\r\n", "\n", "\r"}) {
    ASSERT_EQ(read("E " + e + "1980-07-01 A" + e + "50 N 00   010E 00 B" + e + "51 N 00   011E 00 C"), 1);
    EXPECT_EQ(dates() + "|" + places(), "1980-7-1 A|B 50 0 N 10 0 E|C 51 0 N 11 0 E") << e.size();
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
  const std::pair<const char*, const char*> files[] = {
      {"NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n", "Debian GNU/Linux 12 (bookworm)"},
      {"NAME='Alpine Linux'\nID=alpine\n", "Alpine Linux"},      // no PRETTY_NAME: NAME, single quotes
      {"PRETTY_NAME=Plain\nPRETTY_NAME=Second\n", "Plain"},     // unquoted; the first one counts
      {"PRETTY_NAME=\"unbalanced\nNAME=x\n", "\"unbalanced"},  // quotes only when they enclose
      {"ID=none\n", ""},
  };
  for (const auto& [file, name] : files) EXPECT_EQ(osreleasename(write("os-release", file).c_str()), name) << file;
  EXPECT_EQ(osreleasename((dir / "missing").c_str()), "");
}

}  // namespace
}  // namespace quendal
