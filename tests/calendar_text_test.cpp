// Report text conventions: language choice, numbers, labels, the buffer.
#include <gtest/gtest.h>

#include "calendar/encoding.h"
#include "calendar/text.h"

using namespace quendal;

TEST(CalendarText, LanguageChoice) {
  // (languagemode, languageoverride, user's language) -> language
  struct Row {
    int mode, override_, user, language;
  };
  const Row rows[] = {
      {1, 0, 3079, austrian}, {-1, 0, 3079, austrian},  // forcing German keeps the Austrian variant
      {0, 0, 3079, english},  {1, 0, 1033, english},    {-1, 0, 1033, german},
      {1, 0, 1031, german},   {1, 0, 2055, german},     {1, 0, 5127, german},
      {1, 0, 4103, german},
      // An override of 2000 yields English in automatic mode, German when forced.
      {1, 2000, 1031, english}, {-1, 2000, 1031, german}, {1, 3079, 1031, austrian},
  };
  for (const Row& r : rows)
    EXPECT_EQ(currentlanguage(r.mode, r.override_, r.user), r.language) << r.mode << " " << r.override_ << " " << r.user;
  EXPECT_STREQ(monthname(1, austrian), "Jänner");
  EXPECT_STREQ(shortmonthname(1, austrian), "Jän.");
  EXPECT_STREQ(monthname(1, german), "Januar");
  EXPECT_STREQ(monthname(1, english), "January");
  EXPECT_STREQ(monthname(3, austrian), "März");
}

TEST(CalendarText, LanguageToggle) {
  int mode = 1;
  mode = togglelanguage(mode, 0, 1031);
  EXPECT_EQ(mode, 0);
  mode = togglelanguage(mode, 0, 1031);
  EXPECT_EQ(mode, -1);
  mode = togglelanguage(mode, 0, 1031);
  EXPECT_EQ(mode, 0);
  EXPECT_EQ(togglelanguage(1, 0, 1033), -1);
}

TEST(CalendarText, NameTablesLineUp) {
  for (int row = 0; row < 2; ++row)
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(utf8length(shortmonthnames[row][m]), 4u) << m;
  EXPECT_EQ(utf8length(shortmonthnames[0][0]), 4u);
}

TEST(CalendarText, Ordinals) {
  for (int n : {11, 12, 13, 111, 112, 113, 4, 20, 100}) EXPECT_EQ(ordinalsuffix(n), 0) << n;
  for (int n : {1, 21, 101}) EXPECT_EQ(ordinalsuffix(n), 1) << n;
  EXPECT_STREQ(ordinal(22), "nd");
  EXPECT_STREQ(ordinal(23), "rd");
}

TEST(CalendarText, Sexagesimal) {
  EXPECT_EQ(formatsexagesimal(-0.5, 0), " -0h30'00\"");
  EXPECT_EQ(formatsexagesimal(23.99999, 0), "  0h00'00\"");
  EXPECT_EQ(formatsexagesimal(12.5, 1), "  12°30'00\"");
  EXPECT_EQ(formatsexagesimal(-0.25, 1), "  -0°15'00\"");
  EXPECT_EQ(formatsexagesimal(-12.5, 1), " -12°30'00\"");
  EXPECT_EQ(formatsexagesimal(359.99999, 1), "   0°00'00\"");
  int w = 7, m = 7, s = 7;
  EXPECT_EQ(splitsexagesimal(3e9, w, m, s, 1), 0);
  EXPECT_EQ(w + m + s, 21);  // untouched
  EXPECT_EQ(splitsexagesimal(1.0 + 59.0 / 60 + 59.5 / 3600, w, m, s, 1), 1);
  EXPECT_EQ(w * 10000 + m * 100 + s, 20000);
}

TEST(CalendarText, Decimals) {
  EXPECT_EQ(formatdecimal(2.675, 0, 0, 2), "2.68");
  EXPECT_EQ(formatdecimal(-0.004, 0, 0, 2), "-0.00");
  EXPECT_EQ(formatdecimal(9.9996, 0, 0, 3), "10.000");
  EXPECT_EQ(formatdecimal(52.2857, 0, 1, 2), "52,29");
  EXPECT_EQ(formatdecimal(3.14159, 8, 0, 3), "   3.142");
  EXPECT_EQ(formatdecimal(1.5, 0, 0, 0), "1.5");    // decimals clamped to 1..5
  EXPECT_EQ(formatdecimal(1.5, 0, 0, 9), "1.50000");
  EXPECT_EQ(formatdecimal(3e9, 0, 0, 2), "0.00");
  EXPECT_EQ(formatdecimal(-3e9, 0, 0, 2), "0.00");
  EXPECT_EQ(formatdecimalpadded(1.25, 0, 0, 0), "1.25");
  EXPECT_EQ(formatdecimalpadded(1.25, 5, 1, 1), "  1,3 ");
}

TEST(CalendarText, ZoneLabels) {
  EXPECT_EQ(zonelabel(0, 1, english), "UTC-0 1/2");
  EXPECT_EQ(zonelabel(-3, 1, german), "UTC-3 1/2");
  EXPECT_EQ(zonelabel(5, 1, german), "UTC+5 1/2");
  EXPECT_EQ(zonelabel(0, 0, german), "UTC");
  EXPECT_EQ(zonelabel(1, 0, german), "UTC+1 (MEZ)");
  EXPECT_EQ(zonelabel(1, 0, english), "UTC+1 (CET)");
  EXPECT_EQ(zonelabel(2, 0, austrian), "UTC+2 (MESZ)");
  EXPECT_EQ(zonelabel(2, 0, english), "UTC+2 (CEST)");
  EXPECT_EQ(zonelabel(9, 0, english), "UTC+9");
  EXPECT_EQ(zonelabel(-5, 0, english), "UTC-5");
}

TEST(CalendarText, RoundNearest) {
  EXPECT_EQ(roundnearest(2.499995), 3);
  EXPECT_EQ(roundnearest(2.49999), 2);
  EXPECT_EQ(roundnearest(-2.5), -3);
  EXPECT_EQ(roundnearest(-0.2), 0);
  EXPECT_EQ(roundnearest(7.0), 7);
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
}

TEST(CalendarText, ReportBufferKeepsItsCapacity) {
  ReportBuffer b;
  for (int i = 0; i < 4000; ++i) b.append("ä1234");  // 20,000 characters offered
  EXPECT_EQ(b.characters(), ReportBuffer::capacity);
  EXPECT_EQ(utf8length(b.text()), ReportBuffer::capacity);
  EXPECT_TRUE(isvalidutf8(b.text()));
  b.clear();
  b.printf(" %d. %s", 31, "März");
  EXPECT_EQ(b.text(), " 31. März");
  EXPECT_EQ(b.characters(), 9u);
}

TEST(CalendarText, Encodings) {
  const std::string utf8 = "Jänner ° € ß Œ";
  const std::string cp = utf8tocp1252(utf8);
  EXPECT_EQ(cp, "J\xE4nner \xB0 \x80 \xDF \x8C");
  EXPECT_EQ(cp1252toutf8(cp), utf8);
  EXPECT_EQ(utf8tocp1252("日"), "?");
  EXPECT_TRUE(isvalidutf8(utf8));
  EXPECT_FALSE(isvalidutf8(cp));
  EXPECT_FALSE(isvalidutf8("\xC0\xAF"));        // overlong
  EXPECT_FALSE(isvalidutf8("\xED\xA0\x80"));    // surrogate
  EXPECT_FALSE(isvalidutf8("\xE4\xBD"));        // cut short
  EXPECT_EQ(cp1252toutf8("\x81"), "\xEF\xBF\xBD");
  EXPECT_EQ(utf8toutf32(utf8), U"Jänner ° € ß Œ");
  EXPECT_EQ(utf32toutf8(utf8toutf32(utf8)), utf8);
  EXPECT_EQ(utf8toutf32("a\xE4" "b"), U"a\uFFFDb");
}

TEST(CalendarText, FourByteCharactersAndMalformedInput) {
  const std::string smile = "a\xF0\x9F\x98\x80z";  // U+1F600 between two letters
  EXPECT_TRUE(isvalidutf8(smile));
  EXPECT_EQ(utf8toutf32(smile), U"a\U0001F600z");
  EXPECT_EQ(utf32toutf8(U"a\U0001F600z"), smile);
  EXPECT_EQ(utf8tocp1252(smile), "a?z");
  EXPECT_EQ(utf8length(smile), 3u);
  EXPECT_EQ(utf8truncate(smile, 2), "a\xF0\x9F\x98\x80");
  EXPECT_EQ(padleft(smile, 4), " " + smile);
  // Malformed: cut short, overlong, beyond U+10FFFF, a lone continuation byte:
  // invalid, and one U+FFFD per byte.
  for (const std::string bad : {"\xF0\x9F\x98", "\xF0\x80\x80\x80", "\xF4\x90\x80\x80", "\x80"}) {
    EXPECT_FALSE(isvalidutf8(bad)) << bad.size();
    EXPECT_EQ(utf8toutf32(bad + "b"), std::u32string(bad.size(), U'\uFFFD') + U"b") << bad.size();
  }
}

TEST(CalendarText, StrprintfBeyondItsFirstBuffer) {
  for (std::size_t n : {510u, 511u, 512u, 513u, 5000u}) {
    const std::string long_(n, 'x');
    EXPECT_EQ(strprintf("%s%d", long_.c_str(), 7), long_ + "7") << n;
  }
}
