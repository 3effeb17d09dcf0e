// Calendar arithmetic (published values, convertdate's calendars, laws over
// every day 100..9999, the day and year steps of the dialogs and the
// calendar window) and the text conventions of the reports (language
// choice, numbers, labels, the buffer, the encodings).
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "calendar/calendar.h"
#include "calendar/encoding.h"
#include "calendar/text.h"
#include "support.h"

using namespace quendal;

// Weekdays 1 Sunday .. 7 Saturday, 0 for no date, -1 for a year out of range.
TEST(CalendarDates, ReformAndWeekdays) {
  const int cases[][4] = {{4, 10, 1582, 5}, {15, 10, 1582, 6}, {10, 10, 1582, 0}, {29, 2, 1700, 0} /* Gregorian */,
                          {1, 1, 99, -1},   {1, 13, 2000, 0},  {0, 1, 2000, 0},   {1, 1, 2000, 7}};
  for (const auto& c : cases) EXPECT_EQ(dayofweek(c[0], c[1], c[2]), c[3]) << c[2] << "-" << c[1] << "-" << c[0];
  EXPECT_GT(dayofweek(29, 2, 1500), 0);  // a Julian leap year
  EXPECT_GT(dayofweek(1, 1, 10000), 0);
  EXPECT_GT(dayofweekjulian(29, 2, 1700), 0);
  EXPECT_GT(dayofweekjulian(10, 10, 1582), 0);  // no gap in the Julian calendar
  EXPECT_EQ((std::array{dayofyear(1, 1, 1582), dayofyear(31, 12, 2024), dayofyear(31, 4, 2024)}),
            (std::array{-1, 366, 0}));
  EXPECT_EQ((std::array{weeknumber(1, 1, 1583), weeknumber(1, 1, 1582), weeknumber(30, 2, 2024)}),
            (std::array{1, -1, 0}));
  EXPECT_EQ((std::array{daysinmonth(2, 1700), daysinmonth(2, 1600), daysinmonth(2, 1500), daysinmonth(10, 1582),
                        daysinmonth(0, 2024), daysinmonth(13, 2024)}),
            (std::array{28, 29, 29, 31, 0, 0}));
}

// Meeus ch. 7: JD 0 is noon of 1 January -4712 (astronomical), historical
// year -4713; examples 7.a, 7.b and 7.c. Dates as yyyymmdd, times as hhmmss.
TEST(CalendarDates, DayNumbers) {
  EXPECT_EQ(
      (std::array{datetomjd(2000, 1, 1), datetomjd(1858, 11, 17), datetomjd(1582, 10, 15), datetomjd(1582, 10, 4)}),
      (std::array{51544, 0, -100840, -100841}));
  EXPECT_DOUBLE_EQ(datetojd(1582, 10, 15), 2299160.5);
  EXPECT_DOUBLE_EQ(juliancalendartojd(-4713, 1, 1), -0.5);
  EXPECT_NEAR(datetojd(1957, 10, 4) + 0.81, 2436116.31, 1e-9);
  EXPECT_DOUBLE_EQ(datetojd(333, 1, 27) + 0.5, 1842713.0);
  int y, m, d, h, mi, s;
  auto date = [&] { return (y * 100 + m) * 100 + d; };
  auto time = [&] { return (h * 100 + mi) * 100 + s; };
  jdtodate(2299160.5, y, m, d, h, mi, s);
  EXPECT_EQ(date() * 1000000LL + time(), 15821015000000LL);
  jdtodate(2299159.5, y, m, d, h, mi, s);
  EXPECT_EQ(date(), 15821004);
  jdtodate(2436116.31, y, m, d, h, mi, s);
  EXPECT_EQ(date() * 10000LL + time() / 100, 195710041926LL);
  jdtojuliancalendar(2299160.5, y, m, d, h, mi, s);
  EXPECT_EQ(date(), 15821005);
  mjdtodatetime(51544.5, y, m, d, h, mi, s);
  EXPECT_EQ(date() * 1000000LL + time(), 20000101120000LL);
  // 0.4 s before a full minute: truncated, unless rounded first.
  const double jd = datetojd(2000, 1, 1) + (10 * 3600 + 59 * 60 + 59.6) / 86400.0;
  jdtodate(jd, y, m, d, h, mi, s);
  EXPECT_EQ(time(), 105959);
  jdtodate(roundjdtominute(jd), y, m, d, h, mi, s);
  EXPECT_EQ(time(), 110000);
  h = 23, mi = 59, s = 30;
  roundtominute(h, mi, s);
  EXPECT_EQ(time(), 0);
  y = 1700, m = 3, d = 1;
  juliancalendartogregorian(y, m, d);
  EXPECT_EQ(date(), 17000312);
  y = 1500, m = 3, d = 1;
  juliancalendartogregorian(y, m, d);
  EXPECT_EQ(date(), 15000301);
  EXPECT_DOUBLE_EQ(centuriessincej2000(51544.5 + 36525.0), 1.0);
  EXPECT_EQ((std::array{astronomicalyear(0), astronomicalyear(-1), astronomicalyear(5)}), (std::array{1, 0, 5}));
}

TEST(CalendarDates, NegativeJulianDayNumbers) {
  // jdntodate must agree with the Julian-calendar day count also before JD 0.
  for (int jdn = -800000; jdn <= 10000; jdn += 7) {
    int y, m, d;
    jdntodate(jdn, y, m, d);
    ASSERT_EQ(juliancalendartomjd(y, m, d) + 2400001, jdn) << jdn;
  }
}

// Central European summer time (1 on a day of summer time at noon): from 1980
// the last Sunday of March to the last Sunday of September (until 1995) or
// October; none in 1979.
TEST(CalendarDates, SummerTime) {
  const int days[][4] = {{24, 9, 1995, 0}, {23, 9, 1995, 1}, {27, 10, 1996, 0}, {26, 10, 1996, 1}, {30, 3, 1980, 1},
                         {29, 3, 1980, 0}, {31, 3, 2024, 1}, {30, 3, 2024, 0},  {27, 10, 2024, 0}, {26, 10, 2024, 1}};
  for (const auto& c : days) EXPECT_EQ(summertime(c[0], c[1], c[2]), c[3]) << c[2] << "-" << c[1] << "-" << c[0];
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= daysinmonth(m, 1979); ++d) ASSERT_EQ(summertime(d, m, 1979), 0);
}

TEST(CalendarDates, EveryDayFrom100To9999) {
  // Consecutive valid days have consecutive day numbers (4 -> 15 October 1582
  // included), the weekday advances by one, and the JD round trip holds.
  int previousmjd = datetomjd(99, 12, 31), previousweekday = 0;
  for (int y = 100; y <= 9999; ++y) {
    int yearday = 0;
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= 31; ++d) {
        const int w = dayofweek(d, m, y);
        ASSERT_GE(w, 0);
        if (w == 0) continue;
        ++yearday;
        const int mjd = datetomjd(y, m, d);
        ASSERT_EQ(mjd, previousmjd + 1) << y << "-" << m << "-" << d;
        ASSERT_EQ(((mjd % 7) + 7 + 3) % 7 + 1, w);  // 17 November 1858 (MJD 0) was a Wednesday
        int yy, mm, dd, h, mi, s;
        jdntodate(mjd + 2400001, yy, mm, dd);
        ASSERT_EQ((yy * 100 + mm) * 100 + dd, (y * 100 + m) * 100 + d);
        jdtodate(datetojd(y, m, d), yy, mm, dd, h, mi, s);
        ASSERT_EQ((yy * 100 + mm) * 100 + dd, (y * 100 + m) * 100 + d);
        ASSERT_EQ(h + mi + s, 0);
        if (y >= 1583) {
          ASSERT_EQ(dayofyear(d, m, y), yearday);
        }
        previousmjd = mjd;
        previousweekday = w;
      }
    }
    if (y == 1582) {
      ASSERT_EQ(yearday, 355);  // ten days dropped
    }
  }
  EXPECT_EQ(previousweekday, 6);  // 31 December 9999 is a Friday
}

// Day numbers, weekdays, day of the year and ISO weeks against convertdate
// (tests/data/calendar_convertdate.txt, tools/gen_calendar_reference.py).
TEST(CalendarDates, AgreeWithConvertdate) {
  for (const auto& r : testsupport::table("calendar_convertdate.txt")) {
    const int y = static_cast<int>(r[0]);
    ASSERT_EQ(datetomjd(y, 1, 1) + 2400001, r[1]) << y;
    ASSERT_EQ(datetomjd(y, 3, 1) + 2400001, r[2]) << y;
    ASSERT_EQ(datetomjd(y, 12, 31) + 2400001, r[3]) << y;
    ASSERT_EQ(dayofweek(1, 1, y), (static_cast<int>(r[1]) + 1) % 7 + 1) << y;
    if (y >= 1583) {
      ASSERT_EQ(dayofyear(31, 12, y), r[3] - r[1] + 1) << y;
    }
    if (y >= 1584) {
      ASSERT_EQ(weeknumber(1, 1, y), r[5]) << y;
      ASSERT_EQ(weeknumber(31, 12, y), r[7]) << y;
    }
  }
}

// One day on (+1) or back (-1) within the years first..last: the reform of
// 1582, month and year carry, the Julian and Gregorian leap days, the wrap at
// the ends of the range (the rises dialog's 1800..2200, the planet dialog's
// 1000..3000), a month or day outside its range brought into it first.
TEST(CalendarDates, StepDay) {
  const struct {
    CivilDate from;
    int direction, first, last;
    CivilDate to;
    const char* what;
  } cases[] = {
      {{1582, 10, 4}, 1, 100, 9999, {1582, 10, 15}, "the last Julian day is followed by the first Gregorian one"},
      {{1582, 10, 15}, -1, 100, 9999, {1582, 10, 4}, "and back"},
      {{1582, 10, 3}, 1, 100, 9999, {1582, 10, 4}, "the day before the reform"},
      {{1582, 10, 16}, -1, 100, 9999, {1582, 10, 15}, "the day after the reform"},
      {{2024, 1, 31}, 1, 100, 9999, {2024, 2, 1}, "month carry"},
      {{2024, 2, 1}, -1, 100, 9999, {2024, 1, 31}, "month carry back"},
      {{2023, 12, 31}, 1, 100, 9999, {2024, 1, 1}, "year carry"},
      {{2024, 1, 1}, -1, 100, 9999, {2023, 12, 31}, "year carry back"},
      {{1500, 2, 28}, 1, 100, 9999, {1500, 2, 29}, "1500 is a Julian leap year"},
      {{1500, 3, 1}, -1, 100, 9999, {1500, 2, 29}, "1500 back to its leap day"},
      {{1700, 2, 28}, 1, 100, 9999, {1700, 3, 1}, "1700 is no Gregorian leap year"},
      {{1700, 3, 1}, -1, 100, 9999, {1700, 2, 28}, "1700 back without a leap day"},
      {{1600, 2, 28}, 1, 100, 9999, {1600, 2, 29}, "1600 is a Gregorian leap year"},
      {{2024, 3, 1}, -1, 100, 9999, {2024, 2, 29}, "2024 back to its leap day"},
      {{2200, 12, 31}, 1, 1800, 2200, {1800, 1, 1}, "after the last day of the range its first"},
      {{1800, 1, 1}, -1, 1800, 2200, {2200, 12, 31}, "before the first day of the range its last"},
      {{3000, 12, 31}, 1, 1000, 3000, {1000, 1, 1}, "the planet dialog's range"},
      {{1000, 1, 1}, -1, 1000, 3000, {3000, 12, 31}, "the planet dialog's range back"},
      {{9999, 12, 31}, 1, 100, 9999, {100, 1, 1}, "the whole calendar"},
      {{2200, 12, 30}, 1, 1800, 2200, {2200, 12, 31}, "the last day of the range itself"},
      {{2024, 3, 15}, 7, 100, 9999, {2024, 3, 16}, "any direction above 0 is one day on"},
      {{2024, 3, 15}, 0, 100, 9999, {2024, 3, 14}, "any other one day back"},
      {{2024, 13, 5}, 1, 100, 9999, {2024, 12, 6}, "month 13 taken as 12"},
      {{2024, 0, 5}, -1, 100, 9999, {2024, 1, 4}, "month 0 taken as 1"},
      {{2024, 4, 31}, 1, 100, 9999, {2024, 5, 1}, "31 April taken as 30 April"},
      {{2023, 2, 30}, -1, 100, 9999, {2023, 2, 27}, "30 February taken as 28 February"},
      {{1700, 2, 29}, 1, 100, 9999, {1700, 3, 1}, "29 February 1700 taken as 28 February"},
      {{2024, 3, 0}, 1, 100, 9999, {2024, 3, 2}, "day 0 taken as 1"},
      {{2024, 12, 99}, 1, 100, 9999, {2025, 1, 1}, "day 99 taken as the month's last"},
  };
  for (const auto& c : cases) {
    const CivilDate got = stepday(c.from, c.direction, c.first, c.last);
    EXPECT_EQ((std::array{got.year, got.month, got.day}), (std::array{c.to.year, c.to.month, c.to.day})) << c.what;
  }
}

// Stepping on from 1 January 1000 reaches 31 December 3000 through every day
// in between once, stepping back undoes each step, and the step after the
// last day is the first again.
TEST(CalendarDates, StepDayThroughARange) {
  const CivilDate first{1000, 1, 1}, last{3000, 12, 31};
  const int days = datetomjd(3000, 12, 31) - datetomjd(1000, 1, 1) + 1;
  CivilDate d = first;
  int visited = 1;
  while (d != last && visited <= days) {
    const CivilDate next = stepday(d, 1, 1000, 3000);
    ASSERT_GT(dayofweek(next.day, next.month, next.year), 0) << next.year << "-" << next.month << "-" << next.day;
    ASSERT_EQ(datetomjd(next.year, next.month, next.day), datetomjd(d.year, d.month, d.day) + 1)
        << d.year << "-" << d.month << "-" << d.day;
    ASSERT_EQ(stepday(next, -1, 1000, 3000), d) << next.year << "-" << next.month << "-" << next.day;
    d = next;
    ++visited;
  }
  EXPECT_EQ(visited, days);
  EXPECT_EQ(days, 730845);  // 2001 years of 365 days, 146 Julian and 344 Gregorian leap days, 10 days dropped
  EXPECT_EQ(stepday(last, 1, 1000, 3000), first);
  EXPECT_EQ(stepday(first, -1, 1000, 3000), last);
}

// The decade and century keys of the calendar window move the year only
// where it stays at least two years within 1583..9999: back by 10 from 1595,
// on by 10 up to 9987, back by 100 from 1685, on by 100 up to 9897.
TEST(CalendarDates, YearStepFits) {
  const std::tuple<int, int, bool> cases[] = {{1594, -10, false}, {1595, -10, true},   {9988, 10, false},
                                              {9987, 10, true},   {1684, -100, false}, {1685, -100, true},
                                              {9898, 100, false}, {9897, 100, true}};
  for (const auto& [year, step, fits] : cases) EXPECT_EQ(yearstepfits(year, step), fits) << year << " " << step;
}

TEST(CalendarText, LanguageChoice) {
  // (languagemode, languageoverride, user's language) -> language
  constexpr LanguageMode automatic = LanguageMode::automatic, forcedgerman = LanguageMode::german,
                         forcedenglish = LanguageMode::english;
  const struct {
    LanguageMode mode;
    int override, user;
    Language language;
  } rows[] = {
      {automatic, 0, 3079, austrian},
      {forcedgerman, 0, 3079, austrian},  // forcing German keeps the Austrian variant
      {forcedenglish, 0, 3079, english},
      {automatic, 0, 1033, english},
      {forcedgerman, 0, 1033, german},
      {automatic, 0, 1031, german},
      {automatic, 0, 2055, german},
      {automatic, 0, 5127, german},
      {automatic, 0, 4103, german},
      // An override of 2000 yields English in automatic mode, German when forced.
      {automatic, 2000, 1031, english},
      {forcedgerman, 2000, 1031, german},
      {automatic, 3079, 1031, austrian},
  };
  for (const auto& r : rows)
    EXPECT_EQ(currentlanguage(r.mode, r.override, r.user), r.language)
        << static_cast<int>(r.mode) << " " << r.override << " " << r.user;
  // The toggle: automatic -> English -> German -> English; English users start with German.
  EXPECT_EQ((std::array{togglelanguage(automatic, 0, 1031), togglelanguage(forcedenglish, 0, 1031),
                        togglelanguage(forcedgerman, 0, 1031), togglelanguage(automatic, 0, 1033)}),
            (std::array{forcedenglish, forcedgerman, forcedenglish, forcedgerman}));
  EXPECT_STREQ(monthname(1, austrian), "Jänner");
  EXPECT_STREQ(shortmonthname(1, austrian), "Jän.");
  EXPECT_STREQ(monthname(1, german), "Januar");
  EXPECT_STREQ(monthname(3, austrian), "März");
  for (int row = 0; row < 2; ++row)
    for (int m = row; m <= 12; ++m)
      EXPECT_EQ(utf8length(shortmonthnames[row][m]), 4u) << m;  // they line up (English has a name 0)
}

TEST(CalendarText, Ordinals) {
  for (int n : {11, 12, 13, 111, 112, 113, 4, 20, 100}) EXPECT_EQ(ordinalsuffix(n), 0) << n;
  for (int n : {1, 21, 101}) EXPECT_EQ(ordinalsuffix(n), 1) << n;
  EXPECT_STREQ(ordinal(22), "nd");
  EXPECT_STREQ(ordinal(23), "rd");
}

TEST(CalendarText, Sexagesimal) {
  const std::tuple<double, int, const char*> cases[] = {{-0.5, 0, " -0h30'00\""},   {23.99999, 0, "  0h00'00\""},
                                                        {12.5, 1, "  12°30'00\""},  {-0.25, 1, "  -0°15'00\""},
                                                        {-12.5, 1, " -12°30'00\""}, {359.99999, 1, "   0°00'00\""}};
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
      {2.675, 0, 0, 2, "2.68"},    {-0.004, 0, 0, 2, "-0.00"},     {9.9996, 0, 0, 3, "10.000"},
      {52.2857, 0, 1, 2, "52,29"}, {3.14159, 8, 0, 3, "   3.142"}, {1.5, 0, 0, 0, "1.5"},
      {1.5, 0, 0, 9, "1.50000"},   {3e9, 0, 0, 2, "0.00"},         {-3e9, 0, 0, 2, "0.00"}};
  for (const auto& [value, width, comma, decimals, text] : cases)
    EXPECT_EQ(formatdecimal(value, width, comma, decimals), text) << value;
  EXPECT_EQ(formatdecimalpadded(1.25, 0, 0, 0), "1.25");
  EXPECT_EQ(formatdecimalpadded(1.25, 5, 1, 1), "  1,3 ");
  EXPECT_EQ((std::array{roundnearest(2.499995), roundnearest(2.49999), roundnearest(-2.5), roundnearest(-0.2),
                        roundnearest(7.0)}),
            (std::array{3, 2, -3, 0, 7}));
}

TEST(CalendarText, ZoneLabels) {
  const std::tuple<int, int, Language, const char*> cases[] = {
      {0, 1, english, "UTC-0 1/2"},     {-3, 1, german, "UTC-3 1/2"},
      {5, 1, german, "UTC+5 1/2"},      {0, 0, german, "UTC"},
      {1, 0, german, "UTC+1 (MEZ)"},    {1, 0, english, "UTC+1 (CET)"},
      {2, 0, austrian, "UTC+2 (MESZ)"}, {2, 0, english, "UTC+2 (CEST)"},
      {9, 0, english, "UTC+9"},         {-5, 0, english, "UTC-5"}};
  for (const auto& [zone, half, language, label] : cases) EXPECT_EQ(zonelabel(zone, half, language), label) << label;
}

// The zone a dialog starts with: 0 in English whatever the date; in German
// and Austrian 2 on a day of European summer time (from its first day to the
// day before its end), else 1, also before 1980.
TEST(CalendarText, DialogZone) {
  const std::tuple<Language, CivilDate, int> cases[] = {
      {english, {2024, 7, 15}, 0},  {english, {2024, 1, 15}, 0}, {german, {2024, 7, 15}, 2},
      {austrian, {2024, 7, 15}, 2}, {german, {2024, 1, 15}, 1},  {german, {2024, 3, 31}, 2},
      {german, {2024, 3, 30}, 1},   {german, {2024, 10, 26}, 2}, {german, {2024, 10, 27}, 1},
      {german, {1979, 7, 15}, 1},   {german, {1582, 10, 15}, 1}};
  for (const auto& [language, date, zone] : cases)
    EXPECT_EQ(dialogzone(language, date), zone)
        << static_cast<int>(language) << " " << date.year << "-" << date.month << "-" << date.day;
}

TEST(CalendarText, CaptionsByPage) {
  EXPECT_STREQ(mainreportcaption(0).caption.en, "Easter Date");
  EXPECT_STREQ(mainreportcaption(5).icon, "calendar");
  EXPECT_STREQ(mainreportcaption(20).caption.de, "Julianischer Kalender");
  EXPECT_STREQ(mainreportcaption(28).icon, "seasons");
  for (int page : {13, 14, 27, 29, 30, 98, 99})
    EXPECT_STREQ(mainreportcaption(page).caption.de, "Osterdatum und Kalender");
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
  for (std::size_t n : {510u, 511u, 512u, 513u, 5000u})
    EXPECT_EQ(strprintf("%s%d", std::string(n, 'x').c_str(), 7), std::string(n, 'x') + "7") << n;
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
  // Malformed: overlong (also the euro sign in four bytes), a surrogate, cut
  // short, beyond U+10FFFF, a lone continuation byte: invalid, and one U+FFFD
  // per byte.
  for (const std::string bad : {"\xC0\xAF", "\xED\xA0\x80", "\xE4\xBD", "\xF0\x9F\x98", "\xF0\x80\x80\x80",
                                "\xF0\x82\x82\xAC", "\xF4\x90\x80\x80", "\x80"}) {
    EXPECT_FALSE(isvalidutf8(bad)) << bad.size();
    EXPECT_EQ(utf8toutf32(bad + "b"), std::u32string(bad.size(), U'\uFFFD') + U"b") << bad.size();
  }
}
