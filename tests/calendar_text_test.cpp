// Report text conventions: language choice, numbers, labels, the buffer,
// the encodings.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "calendar/encoding.h"
#include "calendar/text.h"

using namespace quendal;

TEST(CalendarText, LanguageChoice) {
  // (languagemode, languageoverride, user's language) -> language
  const int rows[][4] = {
      {1, 0, 3079, austrian}, {-1, 0, 3079, austrian},  // forcing German keeps the Austrian variant
      {0, 0, 3079, english},  {1, 0, 1033, english},    {-1, 0, 1033, german},
      {1, 0, 1031, german},   {1, 0, 2055, german},     {1, 0, 5127, german},
      {1, 0, 4103, german},
      // An override of 2000 yields English in automatic mode, German when forced.
      {1, 2000, 1031, english}, {-1, 2000, 1031, german}, {1, 3079, 1031, austrian},
  };
  for (const auto& r : rows) EXPECT_EQ(currentlanguage(r[0], r[1], r[2]), r[3]) << r[0] << " " << r[1] << " " << r[2];
  // The toggle: automatic -> English -> German -> English; English users start with German.
  EXPECT_EQ((std::array{togglelanguage(1, 0, 1031), togglelanguage(0, 0, 1031), togglelanguage(-1, 0, 1031),
                         togglelanguage(1, 0, 1033)}),
            (std::array{0, -1, 0, -1}));
  EXPECT_STREQ(monthname(1, austrian), "Jänner");
  EXPECT_STREQ(shortmonthname(1, austrian), "Jän.");
  EXPECT_STREQ(monthname(1, german), "Januar");
  EXPECT_STREQ(monthname(3, austrian), "März");
  for (int row = 0; row < 2; ++row)
    for (int m = row; m <= 12; ++m) EXPECT_EQ(utf8length(shortmonthnames[row][m]), 4u) << m;  // they line up (English has a name 0)
}

TEST(CalendarText, Ordinals) {
  for (int n : {11, 12, 13, 111, 112, 113, 4, 20, 100}) EXPECT_EQ(ordinalsuffix(n), 0) << n;
  for (int n : {1, 21, 101}) EXPECT_EQ(ordinalsuffix(n), 1) << n;
  EXPECT_STREQ(ordinal(22), "nd");
  EXPECT_STREQ(ordinal(23), "rd");
}

TEST(CalendarText, Sexagesimal) {
  const std::tuple<double, int, const char*> cases[] = {
      {-0.5, 0, " -0h30'00\""},     {23.99999, 0, "  0h00'00\""}, {12.5, 1, "  12°30'00\""},
      {-0.25, 1, "  -0°15'00\""},   {-12.5, 1, " -12°30'00\""},   {359.99999, 1, "   0°00'00\""}};
  for (const auto& [value, degrees, text] : cases) EXPECT_EQ(formatsexagesimal(value, degrees), text) << value;
  int w = 7, m = 7, s = 7;
  EXPECT_EQ(splitsexagesimal(3e9, w, m, s, 1), 0);
  EXPECT_EQ(w + m + s, 21);  // untouched
  EXPECT_EQ(splitsexagesimal(1.0 + 59.0 / 60 + 59.5 / 3600, w, m, s, 1), 1);
  EXPECT_EQ(w * 10000 + m * 100 + s, 20000);
}

TEST(CalendarText, DecimalsAndRounding) {
  // value, width, comma, decimals (clamped to 1..5) -> text
  const std::tuple<double, int, int, int, const char*> cases[] = {
      {2.675, 0, 0, 2, "2.68"},  {-0.004, 0, 0, 2, "-0.00"},   {9.9996, 0, 0, 3, "10.000"}, {52.2857, 0, 1, 2, "52,29"},
      {3.14159, 8, 0, 3, "   3.142"}, {1.5, 0, 0, 0, "1.5"}, {1.5, 0, 0, 9, "1.50000"}, {3e9, 0, 0, 2, "0.00"},
      {-3e9, 0, 0, 2, "0.00"}};
  for (const auto& [value, width, comma, decimals, text] : cases)
    EXPECT_EQ(formatdecimal(value, width, comma, decimals), text) << value;
  EXPECT_EQ(formatdecimalpadded(1.25, 0, 0, 0), "1.25");
  EXPECT_EQ(formatdecimalpadded(1.25, 5, 1, 1), "  1,3 ");
  EXPECT_EQ((std::array{roundnearest(2.499995), roundnearest(2.49999), roundnearest(-2.5), roundnearest(-0.2),
                         roundnearest(7.0)}),
            (std::array{3, 2, -3, 0, 7}));
}

TEST(CalendarText, ZoneLabels) {
  const std::tuple<int, int, int, const char*> cases[] = {
      {0, 1, english, "UTC-0 1/2"}, {-3, 1, german, "UTC-3 1/2"},     {5, 1, german, "UTC+5 1/2"},
      {0, 0, german, "UTC"},        {1, 0, german, "UTC+1 (MEZ)"},    {1, 0, english, "UTC+1 (CET)"},
      {2, 0, austrian, "UTC+2 (MESZ)"}, {2, 0, english, "UTC+2 (CEST)"}, {9, 0, english, "UTC+9"},
      {-5, 0, english, "UTC-5"}};
  for (const auto& [zone, half, language, label] : cases) EXPECT_EQ(zonelabel(zone, half, language), label) << label;
}

TEST(CalendarText, CaptionsByPage) {
  EXPECT_STREQ(mainreportcaption(0).english, "Easter Date");
  EXPECT_EQ(mainreportcaption(5).icon, 102);
  EXPECT_STREQ(mainreportcaption(20).german, "Julianischer Kalender");
  EXPECT_EQ(mainreportcaption(28).icon, 117);
  for (int page : {13, 14, 27, 29, 30, 98, 99}) EXPECT_STREQ(mainreportcaption(page).german, "Osterdatum und Kalender");
}

TEST(CalendarText, CharactersNotBytes) {
  EXPECT_EQ(utf8length("Jänner"), 6u);
  EXPECT_EQ(padright("Löwe", 6), "Löwe  ");
  EXPECT_EQ(padleft("Löwe", 6), "  Löwe");
  EXPECT_EQ(padleft("Löwe", 2), "Löwe");
  EXPECT_EQ(utf8truncate("Sankt Pölten", 7), "Sankt P");
  EXPECT_EQ(utf8truncate("Sankt Pölten", 8), "Sankt Pö");
  // The report buffer keeps its capacity in characters.
  ReportBuffer b;
  for (int i = 0; i < 4000; ++i) b.append("ä1234");  // 20,000 characters offered
  EXPECT_EQ(b.characters(), ReportBuffer::capacity);
  EXPECT_EQ(utf8length(b.text()), ReportBuffer::capacity);
  EXPECT_TRUE(isvalidutf8(b.text()));
  b.clear();
  b.printf(" %d. %s", 31, "März");
  EXPECT_EQ(b.text(), " 31. März");
  EXPECT_EQ(b.characters(), 9u);
  // strprintf beyond its first buffer.
  for (std::size_t n : {510u, 511u, 512u, 513u, 5000u}) EXPECT_EQ(strprintf("%s%d", std::string(n, 'x').c_str(), 7), std::string(n, 'x') + "7") << n;
}

TEST(CalendarText, Encodings) {
  const std::string utf8 = "Jänner ° € ß Œ";
  const std::string cp = utf8tocp1252(utf8);
  EXPECT_EQ(cp, "J\xE4nner \xB0 \x80 \xDF \x8C");
  EXPECT_EQ(cp1252toutf8(cp), utf8);
  EXPECT_EQ(utf8tocp1252("日"), "?");
  EXPECT_EQ(cp1252toutf8("\x81"), "\xEF\xBF\xBD");
  EXPECT_TRUE(isvalidutf8(utf8));
  EXPECT_FALSE(isvalidutf8(cp));
  EXPECT_EQ(utf8toutf32(utf8), U"Jänner ° € ß Œ");
  EXPECT_EQ(utf32toutf8(utf8toutf32(utf8)), utf8);
  // Four bytes: U+1F600 between two letters.
  const std::string smile = "a\xF0\x9F\x98\x80z";
  EXPECT_TRUE(isvalidutf8(smile));
  EXPECT_EQ(utf8toutf32(smile), U"a\U0001F600z");
  EXPECT_EQ(utf32toutf8(U"a\U0001F600z"), smile);
  EXPECT_EQ(utf8tocp1252(smile), "a?z");
  EXPECT_EQ(utf8length(smile), 3u);
  EXPECT_EQ(utf8truncate(smile, 2), "a\xF0\x9F\x98\x80");
  EXPECT_EQ(padleft(smile, 4), " " + smile);
  // Malformed: overlong, a surrogate, cut short, beyond U+10FFFF, a lone
  // continuation byte: invalid, and one U+FFFD per byte.
  for (const std::string bad : {"\xC0\xAF", "\xED\xA0\x80", "\xE4\xBD", "\xF0\x9F\x98", "\xF0\x80\x80\x80",
                                "\xF4\x90\x80\x80", "\x80"}) {
    EXPECT_FALSE(isvalidutf8(bad)) << bad.size();
    EXPECT_EQ(utf8toutf32(bad + "b"), std::u32string(bad.size(), U'\uFFFD') + U"b") << bad.size();
  }
}
