// The configuration file reader (sizes, line shapes, limits, encodings, the
// file lookup in the working directory and in $XDG_CONFIG_HOME/quendal/) and
// the start-up.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/application_state.h"
#include "app/configuration.h"
#include "app/platform.h"
#include "app/startup.h"
#include "calendar/text.h"
#include "support.h"

namespace quendal {
namespace {

namespace fs = std::filesystem;

// An environment variable set to a value (unset for nullptr) while the
// object lives.
class EnvironmentVariable {
 public:
  EnvironmentVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) {
      saved_ = old;
      had_ = true;
    }
    set(value);
  }
  ~EnvironmentVariable() { set(had_ ? saved_.c_str() : nullptr); }
  EnvironmentVariable(const EnvironmentVariable&) = delete;
  EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;
  void set(const char* value) const { value != nullptr ? setenv(name_, value, 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::string saved_;
  bool had_ = false;
};

// The working directory changed while the object lives.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const fs::path& directory) : saved_(fs::current_path()) { fs::current_path(directory); }
  ~WorkingDirectory() { fs::current_path(saved_); }
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

 private:
  fs::path saved_;
};

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
                       r.latitudeminutes, r.north ? 'N' : 'S', r.longitudedegrees, r.longitudeminutes,
                       r.east ? 'E' : 'W');
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
  const EnvironmentVariable config("XDG_CONFIG_HOME", dir.c_str());  // no quendal/ in it
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

// The lookup both programs share: QUENDAL6.INI and QUENDAL5.INI in the
// working directory, then in $XDG_CONFIG_HOME/quendal/, or in
// ~/.config/quendal/ when XDG_CONFIG_HOME is unset, empty or relative.
TEST_F(ConfigurationTest, WorkingDirectoryThenXdgConfigHome) {
  const std::string config = (dir / "config").string(), home = (dir / "home").string();
  const EnvironmentVariable xdg("XDG_CONFIG_HOME", config.c_str()), homevariable("HOME", home.c_str());
  const std::vector<std::string> here = {"QUENDAL6.INI", "QUENDAL5.INI"};
  auto with = [&](const std::string& folder) {
    std::vector<std::string> files = here;
    for (const char* name : {"QUENDAL6.INI", "QUENDAL5.INI"}) files.push_back(folder + "/quendal/" + name);
    return files;
  };
  EXPECT_EQ(configurationcandidates(), with(config));
  for (const char* unusable : {"", "config", static_cast<const char*>(nullptr)}) {
    xdg.set(unusable);
    EXPECT_EQ(configurationcandidates(), with(home + "/.config")) << (unusable ? unusable : "unset");
  }
  homevariable.set(nullptr);
  EXPECT_EQ(configurationcandidates(), here);
  homevariable.set(home.c_str());
  xdg.set(config.c_str());

  // From a working directory without a file, the one in config/quendal/.
  fs::create_directories(dir / "config" / "quendal");
  fs::create_directory(dir / "work");
  const WorkingDirectory work(dir / "work");
  EXPECT_EQ(keep(readConfiguration()), 0);
  EXPECT_EQ(c.path, "");
  write("config/quendal/QUENDAL5.INI", "40 N 25   003W 42 Madrid\n");
  EXPECT_EQ(keep(readConfiguration()), 1);
  EXPECT_EQ(places(), "Madrid 40 25 N 3 42 W");
  EXPECT_EQ(c.path, config + "/quendal/QUENDAL5.INI");
  write("config/quendal/QUENDAL6.INI", "52 N 31   013E 24 Berlin\n2024-03-15 Day\nD \n");
  EXPECT_EQ(keep(readConfiguration()), 1);
  EXPECT_EQ(places() + "|" + dates(), "Berlin 52 31 N 13 24 E|2024-3-15 Day");
  EXPECT_EQ(c.languageoverride, 1031);
  EXPECT_EQ(c.path, config + "/quendal/QUENDAL6.INI");
  // The working directory's file wins, even under the older name.
  write("work/QUENDAL5.INI", "51 N 30     0W 07 London\n");
  EXPECT_EQ(keep(readConfiguration()), 1);
  EXPECT_EQ(places(), "London 51 30 N 0 7 W");
  EXPECT_EQ(c.path, "QUENDAL5.INI");
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
  ASSERT_EQ(read("2024-01-01    " + long50 +
                 "\n2024-01-02 \t  trailing blanks   \t \n"
                 "2024-01-03 " +
                 std::string(38, 'x') + "  y\n"),
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

TEST_F(ConfigurationTest, NamesFromColumn19AndAtMostThirtyTwoPlaces) {
  std::string sixty;
  for (int i = 0; i < 60; ++i) sixty += static_cast<char>('A' + i % 26);
  ASSERT_EQ(read("48 N 12   015E 37    " + sixty +
                 "\n48 N 12   015E 37Glued\n48 N 12   015E 37 \tÄ  b \t\n"
                 "48 N 12   015E 37 A\x01"
                 "B\x7F"
                 "C" +
                 std::string(1, '\0') + "D\n"),
            1);
  EXPECT_EQ(c.locationTable[0].name, sixty.substr(0, 39));
  EXPECT_EQ(c.locationTable[1].name, "lued");  // column 18 is not part of the name
  EXPECT_EQ(c.locationTable[2].name, "Ä  b");
  EXPECT_EQ(c.locationTable[3].name, "A B C D");  // control characters count as blanks
  // Only 55 characters from column 19 are examined.
  ASSERT_EQ(
      read("48 N 12   015E 37 " + std::string(54, ' ') + "XYZ\n48 N 12   015E 37 " + std::string(55, ' ') + "XYZ\n"),
      1);
  EXPECT_EQ(c.locationTable[0].name + "|" + c.locationTable[1].name, "X|");
  std::string content;
  for (int i = 0; i < 40; ++i) content += "10 N " + std::to_string(10 + i) + "   010E 00 P" + std::to_string(i) + "\n";
  ASSERT_EQ(read(content), 1);
  EXPECT_EQ(locationsinuse(c.locationTable), 32);
  EXPECT_EQ(places().substr(places().rfind('|')), "|P31 10 41 N 10 0 E");
}

// The files of tests/data/configuration_files.txt: their dates, places or
// language line as read.
TEST_F(ConfigurationTest, FilesAsRead) {
  std::istringstream in(testsupport::readfile(std::string(QUENDAL_SOURCE_DIR) + "/tests/data/configuration_files.txt"));
  int files = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab1 = line.find('\t'), tab2 = line.rfind('\t');
    const std::string what = line.substr(0, tab1),
                      content = testsupport::unescape(line.substr(tab1 + 1, tab2 - tab1 - 1));
    ASSERT_EQ(read(content), 1) << content;
    const std::string got = what == "dates"    ? dates()
                            : what == "places" ? places()
                                               : std::to_string(c.languageoverride);
    EXPECT_EQ(got, testsupport::unescape(line.substr(tab2 + 1))) << content;
    ++files;
  }
  EXPECT_GT(files, 15);
  // Signed degrees of a place in the south and the west.
  ASSERT_EQ(read("33 s 52   151e 13 Sydney\n22 S 54    43w 12 Rio de Janeiro\n99 S 75   200W 99 Too large\n"), 1);
  EXPECT_NEAR(latitudeof(c.locationTable[0]), -(33 + 52 / 60.0), 1e-12);
  EXPECT_NEAR(longitudeof(c.locationTable[1]), -(43 + 12 / 60.0), 1e-12);
  EXPECT_DOUBLE_EQ(latitudeof(c.locationTable[2]), -90.0);
  EXPECT_DOUBLE_EQ(longitudeof(c.locationTable[2]), -180.0);
}

// The system's name for pages 30 and 97 of the main report, from an
// os-release file.
TEST_F(ConfigurationTest, OsReleaseName) {
  const std::pair<const char*, const char*> files[] = {
      {"NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n", "Debian GNU/Linux 12 (bookworm)"},
      {"NAME='Alpine Linux'\nID=alpine\n", "Alpine Linux"},    // no PRETTY_NAME: NAME, single quotes
      {"PRETTY_NAME=Plain\nPRETTY_NAME=Second\n", "Plain"},    // unquoted; the first one counts
      {"PRETTY_NAME=\"unbalanced\nNAME=x\n", "\"unbalanced"},  // quotes only when they enclose
      {"ID=none\n", ""},
  };
  for (const auto& [file, name] : files) EXPECT_EQ(osreleasename(write("os-release", file).c_str()), name) << file;
  EXPECT_EQ(osreleasename((dir / "missing").c_str()), "");
}

// Start-up: the command-line keyword, the start mode and switches, the
// first window geometry, the user's language, the application state.
TEST(StartupKeyword, CharactersTwoToFourUpperCased) {
  using enum CommandKeyword;
  const std::pair<const char*, CommandKeyword> words[] = {{"/KAL", calendar},
                                                          {"-cal", calendar},
                                                          {"xCaLendar please", calendar},
                                                          {"/bio", equationoftime},
                                                          {"/DRU", printing},
                                                          {"-pri", printing},
                                                          {"/TZ", zodiac},
                                                          {"/tzx", zodiac},
                                                          {"", none},
                                                          {"CAL", none} /* no prefix character */,
                                                          {"/CA", none} /* too short */,
                                                          {"/T", none},
                                                          {"//CAL", none},
                                                          {" /CAL", none},
                                                          {"/XTZ", none},
                                                          {"/äCAL", none}};
  for (const auto& [word, keyword] : words) EXPECT_EQ(commandkeyword(word), keyword) << word;
}

TEST(StartupKeyword, EffectsOnTheStartState) {
  ApplicationState state;
  applycommandkeyword(commandkeyword("/PRI"), state);
  applycommandkeyword(commandkeyword("/TZ"), state);
  applycommandkeyword(commandkeyword("nothing"), state);
  EXPECT_EQ(state.appMode, AppMode::maindialog);
  EXPECT_TRUE(state.printingEnabled);
  EXPECT_TRUE(state.zodiacEnabled);
  applycommandkeyword(commandkeyword("/KAL"), state);
  EXPECT_EQ(state.appMode, AppMode::calendaronly);
  applycommandkeyword(commandkeyword("-bio"), state);
  EXPECT_EQ(state.appMode, AppMode::equationoftimeonly);
}

TEST(StartupLanguage, LocaleIds) {
  const std::pair<const char*, int> locales[] = {{"de_DE.UTF-8", 1031}, {"de_AT.UTF-8", 3079}, {"de_CH", 2055},
                                                 {"de_LI.utf8", 5127},  {"de_LU@euro", 4103},  {"de_BE.UTF-8", 1033},
                                                 {"de_DEX", 1033},      {"C", 1033},           {nullptr, 1033}};
  for (const auto& [locale, id] : locales) EXPECT_EQ(languageidfromlocale(locale), id) << (locale ? locale : "null");
}

TEST(StartupLanguage, TheStateKeepsTheFilesLanguageAndToggles) {
  ApplicationState state;
  state.userlanguage = 1031;
  EXPECT_EQ(state.language(), german);
  Configuration file;
  file.result = 1;
  file.languageoverride = 2000;
  state.storeconfiguration(file);
  EXPECT_EQ(state.language(), english);
  // A reading without a language line (or without a file) keeps the choice.
  state.storeconfiguration(Configuration{});
  EXPECT_EQ(state.languageoverride, 2000);
  EXPECT_EQ(state.configuration.result, 0);
  state.togglelanguage();
  EXPECT_EQ(state.languagemode, LanguageMode::german);
  EXPECT_EQ(state.language(), german);
  state.togglelanguage();
  EXPECT_EQ(state.language(), english);
}

TEST(StartupKeyword, CommandLineTextJoinsTheArguments) {
  const char* argv[] = {"quendal", "/kal", "more", "words"};
  EXPECT_EQ(commandlinetext(4, argv), "/kal more words");
  EXPECT_EQ(commandlinetext(1, argv), "");
}

TEST(StartupGeometry, IntegerDivisionOfTheScreen) {
  const WindowGeometry g = initialwindowgeometry(1920, 1080), h = initialwindowgeometry(1023, 767);
  EXPECT_EQ((std::array{g.left, g.top, g.width, g.height}), (std::array{240, 13, 1440, 972 + 27}));
  EXPECT_EQ((std::array{h.left, h.top, h.width, h.height}),
            (std::array{127, 9, 767, 690 + 19}));  // 3069 / 4; 6903 / 10 + 767 / 40
  // The window stays on the screen.
  for (int w = 1; w < 5000; w += 37)
    for (int hh = 1; hh < 4000; hh += 41) {
      const WindowGeometry k = initialwindowgeometry(w, hh);
      EXPECT_LE(k.left + k.width, w);
      EXPECT_LE(k.top + k.height, hh);
    }
}

TEST(StartupCaption, WindowCaptions) {
  const std::tuple<AppMode, Language, const char*> captions[] = {
      {AppMode::calendaronly, german, "Monatskalender"},
      {AppMode::calendarfrommain, austrian, "Monatskalender"},
      {AppMode::calendaronly, english, "Calendar"},
      {AppMode::equationoftimeonly, german, "Zeitgleichung"},
      {AppMode::equationoftimeonly, english, "Equation of Time"},
      {AppMode::maindialog, english, ""}};
  for (const auto& [mode, language, caption] : captions) EXPECT_STREQ(startupwindowcaption(mode, language), caption);
}

}  // namespace
}  // namespace quendal
