// Start-up: the command-line keyword, the start mode and switches, the first
// window geometry, the user's language, the application state.
#include "app/startup.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>

#include "app/application_state.h"
#include "app/platform.h"

namespace quendal {
namespace {

TEST(StartupKeyword, CharactersTwoToFourUpperCased) {
  using enum CommandKeyword;
  const std::pair<const char*, CommandKeyword> words[] = {
      {"/KAL", calendar},  {"-cal", calendar}, {"xCaLendar please", calendar}, {"/bio", equationoftime},
      {"/DRU", printing},  {"-pri", printing}, {"/TZ", zodiac},                {"/tzx", zodiac},
      {"", none},          {"CAL", none} /* no prefix character */,             {"/CA", none} /* too short */,
      {"/T", none},        {"//CAL", none},    {" /CAL", none},                 {"/XTZ", none},
      {"/äCAL", none}};
  for (const auto& [word, keyword] : words) EXPECT_EQ(commandkeyword(word), keyword) << word;
}

TEST(StartupKeyword, EffectsOnTheStartState) {
  ApplicationState state;
  applycommandkeyword(commandkeyword("/PRI"), state);
  applycommandkeyword(commandkeyword("/TZ"), state);
  applycommandkeyword(commandkeyword("nothing"), state);
  EXPECT_EQ(state.appMode, 0);
  EXPECT_TRUE(state.printingEnabled);
  EXPECT_TRUE(state.zodiacEnabled);
  applycommandkeyword(commandkeyword("/KAL"), state);
  EXPECT_EQ(state.appMode, 2);
  applycommandkeyword(commandkeyword("-bio"), state);
  EXPECT_EQ(state.appMode, 4);
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
  EXPECT_EQ(state.languagemode, -1);
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
  EXPECT_EQ((std::array{h.left, h.top, h.width, h.height}), (std::array{127, 9, 767, 690 + 19}));  // 3069 / 4; 6903 / 10 + 767 / 40
  // The window stays on the screen.
  for (int w = 1; w < 5000; w += 37)
    for (int hh = 1; hh < 4000; hh += 41) {
      const WindowGeometry k = initialwindowgeometry(w, hh);
      EXPECT_LE(k.left + k.width, w);
      EXPECT_LE(k.top + k.height, hh);
    }
}

TEST(StartupCaption, WindowCaptions) {
  const std::tuple<int, int, const char*> captions[] = {{2, 1, "Monatskalender"}, {1, 2, "Monatskalender"},
                                                        {2, 0, "Calendar"},       {4, 1, "Zeitgleichung"},
                                                        {4, 0, "Equation of Time"}, {0, 0, ""}};
  for (const auto& [mode, language, caption] : captions) EXPECT_STREQ(startupwindowcaption(mode, language), caption);
}

}  // namespace
}  // namespace quendal
