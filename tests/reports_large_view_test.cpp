// The large view of the Easter report, byte for byte, and its limits.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/large_view.h"

using namespace quendal;

namespace {

std::string text(int year, int page, int language) { return buildlargeview({year, page}, language).text; }

}  // namespace

TEST(ReportsLargeView, HolidaysGerman2057) {
  EXPECT_EQ(text(2057, 0, german),
            " Feiertage des Jahres 2057 \r\n"
            " ========================= \r\n"
            "\r\n"
            " Vom Osterdatum abhängig: \r\n"
            "\r\n"
            " Mi  7. 3. Aschermittwoch \r\n"
            " So 15. 4. Palmsonntag \r\n"
            " Fr 20. 4. Karfreitag \r\n"
            " So 22. 4. Ostersonntag \r\n"
            " Mo 23. 4. Ostermontag \r\n"
            " Do 31. 5. Christi Himmelfahrt \r\n"
            " So 10. 6. Pfingstsonntag \r\n"
            " Mo 11. 6. Pfingstmontag \r\n"
            " Do 21. 6. Fronleichnam \r\n"
            "\r\n"
            " Fixe Feiertage: \r\n"
            "\r\n"
            " Mo  1. 1. Neujahrstag \r\n"
            " Sa  6. 1. Dreikönigstag \r\n"
            " Di  1. 5. Erster Mai (Tag der Arbeit) \r\n"
            " Mi 15. 8. Mariä Himmelfahrt \r\n"
            " Do  1.11. Allerheiligen \r\n"
            " Sa  8.12. Mariä Empfängnis \r\n"
            " Di 25.12. Christtag  (1. Weihnachtstag) \r\n"
            " Mi 26.12. Stefanitag (2. Weihnachtstag) \r\n"
            " Mo 31.12. Silvester \r\n"
            "\r\n"
            " Staatsfeiertage: \r\n"
            "\r\n"
            " Fr 26.10. Staatsfeiertag Österreich \r\n"
            " Mi  3.10. Staatsfeiertag Deutschland \r\n"
            " Mi  1. 8. Staatsfeiertag Schweiz \r\n"
            " Sa 23. 6. Staatsfeiertag Luxemburg \r\n"
            " Mi 15. 8. Staatsfeiertag Liechtenstein \r\n"
            "\r\n"
            " Advent: 2.12., 9.12., 16.12., 23.12. \r\n"
            " (2057 ist kein Schaltjahr) "
  );
}

TEST(ReportsLargeView, HolidaysEnglish2057) {
  EXPECT_EQ(text(2057, 0, english),
            " Holidays of the Year 2057 \r\n"
            " ========================= \r\n"
            "\r\n"
            " Depending from the Easter Date: \r\n"
            "\r\n"
            " Wed  7. 3. Ash Wednesday \r\n"
            " Sun 15. 4. Palm Sunday \r\n"
            " Fri 20. 4. Good Friday \r\n"
            " Sun 22. 4. Easter Sunday \r\n"
            " Mon 23. 4. Easter Monday \r\n"
            " Thu 31. 5. Ascension Day \r\n"
            " Sun 10. 6. Pentecost - Whit Sunday \r\n"
            " Mon 11. 6. Pentecost - Whit Monday \r\n"
            " Thu 21. 6. Corpus Christi \r\n"
            "\r\n"
            " Fix Holidays: \r\n"
            "\r\n"
            " Mon  1. 1. New Year's Day \r\n"
            " Sat  6. 1. Epiphany \r\n"
            " Tue  1. 5. First May \r\n"
            " Wed 15. 8. Assumption \r\n"
            " Thu  1.11. All Saints' Day \r\n"
            " Sat  8.12. Immaculate Conception \r\n"
            " Tue 25.12. Christmas Day \r\n"
            " Wed 26.12. Boxing Day \r\n"
            " Mon 31.12. New Year's Eve \r\n"
            "\r\n"
            " National Holidays: \r\n"
            "\r\n"
            " Wed  4. 7. National Holiday USA \r\n"
            " Fri 26.10. National Holiday Austria \r\n"
            " Wed  3.10. National Holiday Germany \r\n"
            " Wed  1. 8. National Holiday Switzerland \r\n"
            " Sat 23. 6. National Holiday Luxembourg \r\n"
            "\r\n"
            " Advent: 2.12., 9.12., 16.12., 23.12. \r\n"
            " (2057 is not a Leap Year) "
  );
}

TEST(ReportsLargeView, FourMonthsAcrossTheYearEnglish) {
  // Page 11 of 2024: November 2024 to February 2025; December ends on a
  // Tuesday, so two line breaks follow it; a month ending on Sunday gets one.
  EXPECT_EQ(text(2024, 11, english),
            "    November 2024\r\n"
            "\r\n"
            "    Mon Tue Wed Thu Fri Sat Sun\r\n"
            "                      1   2   3 \r\n"
            "      4   5   6   7   8   9  10 \r\n"
            "     11  12  13  14  15  16  17 \r\n"
            "     18  19  20  21  22  23  24 \r\n"
            "     25  26  27  28  29  30 \r\n"
            "\r\n"
            "    December 2024\r\n"
            "\r\n"
            "    Mon Tue Wed Thu Fri Sat Sun\r\n"
            "                              1 \r\n"
            "      2   3   4   5   6   7   8 \r\n"
            "      9  10  11  12  13  14  15 \r\n"
            "     16  17  18  19  20  21  22 \r\n"
            "     23  24  25  26  27  28  29 \r\n"
            "     30  31 \r\n"
            "\r\n"
            "    January 2025\r\n"
            "\r\n"
            "    Mon Tue Wed Thu Fri Sat Sun\r\n"
            "              1   2   3   4   5 \r\n"
            "      6   7   8   9  10  11  12 \r\n"
            "     13  14  15  16  17  18  19 \r\n"
            "     20  21  22  23  24  25  26 \r\n"
            "     27  28  29  30  31 \r\n"
            "\r\n"
            "    February 2025\r\n"
            "\r\n"
            "    Mon Tue Wed Thu Fri Sat Sun\r\n"
            "                          1   2 \r\n"
            "      3   4   5   6   7   8   9 \r\n"
            "     10  11  12  13  14  15  16 \r\n"
            "     17  18  19  20  21  22  23 \r\n"
            "     24  25  26  27  28 \r\n"
            "\r\n"
  );
}

TEST(ReportsLargeView, FourMonthsAcrossTheYearAustrian) {
  EXPECT_EQ(text(2024, 11, austrian),
            "        November 2024\r\n"
            "\r\n"
            " KW     Mo  Di  Mi  Do  Fr  Sa  So \r\n"
            " 44                      1   2   3 \r\n"
            " 45      4   5   6   7   8   9  10 \r\n"
            " 46     11  12  13  14  15  16  17 \r\n"
            " 47     18  19  20  21  22  23  24 \r\n"
            " 48     25  26  27  28  29  30 \r\n"
            "\r\n"
            "        Dezember 2024\r\n"
            "\r\n"
            " KW     Mo  Di  Mi  Do  Fr  Sa  So \r\n"
            " 48                              1 \r\n"
            " 49      2   3   4   5   6   7   8 \r\n"
            " 50      9  10  11  12  13  14  15 \r\n"
            " 51     16  17  18  19  20  21  22 \r\n"
            " 52     23  24  25  26  27  28  29 \r\n"
            " 01     30  31 \r\n"
            "\r\n"
            "        Jänner 2025\r\n"
            "\r\n"
            " KW     Mo  Di  Mi  Do  Fr  Sa  So \r\n"
            " 01              1   2   3   4   5 \r\n"
            " 02      6   7   8   9  10  11  12 \r\n"
            " 03     13  14  15  16  17  18  19 \r\n"
            " 04     20  21  22  23  24  25  26 \r\n"
            " 05     27  28  29  30  31 \r\n"
            "\r\n"
            "        Februar 2025\r\n"
            "\r\n"
            " KW     Mo  Di  Mi  Do  Fr  Sa  So \r\n"
            " 05                          1   2 \r\n"
            " 06      3   4   5   6   7   8   9 \r\n"
            " 07     10  11  12  13  14  15  16 \r\n"
            " 08     17  18  19  20  21  22  23 \r\n"
            " 09     24  25  26  27  28 \r\n"
            "\r\n"
  );
}

TEST(ReportsLargeView, MonthEndingOnSunday) {
  // 31 March 2024 is a Sunday: English closes the week line and adds one line break.
  const std::string english2024 = text(2024, 3, english);
  EXPECT_NE(english2024.find("     25  26  27  28  29  30  31 \r\n    \r\n    April 2024\r\n"), std::string::npos);
  const std::string german2024 = text(2024, 3, german);
  EXPECT_NE(german2024.find(" 13     25  26  27  28  29  30  31 \r\n\r\n        April 2024\r\n"),
            std::string::npos);
}

TEST(ReportsLargeView, Limits) {
  EXPECT_FALSE(buildlargeview({1582, 0}, german).built);
  EXPECT_FALSE(buildlargeview({10000, 0}, german).built);
  EXPECT_TRUE(buildlargeview({1583, 1}, german).built);
  const LargeView high = buildlargeview({2024, 13}, english);
  EXPECT_EQ(high.page, 12);
  EXPECT_EQ(high.text, text(2024, 12, english));
  EXPECT_EQ(buildlargeview({2024, -1}, english).page, 0);
  EXPECT_EQ(buildlargeview({2024, -1}, english).text, text(2024, 0, english));
}

TEST(ReportsLargeView, EveryDayOnceInEveryGrid) {
  // Each of the four months of any page lists its days 1..n exactly once, in order.
  for (int year : {1583, 1600, 1900, 2000, 2023, 2100, 9998})
    for (int page = 1; page <= 12; ++page)
      for (int language : {english, german}) {
        const std::string t = text(year, page, language);
        std::size_t at = 0;
        int month = page, y = year;
        for (int m = 0; m < 4; ++m) {
          at = t.find(std::string(monthname(month, language)) + " " + std::to_string(y), at);
          ASSERT_NE(at, std::string::npos) << year << " " << page;
          at = t.find(language == english ? "Sun" : "So ", at);
          for (int d = 1; d <= daysinmonth(month, y); ++d) {
            char cell[16];
            std::snprintf(cell, sizeof cell, " %2d ", d);
            const std::size_t next = t.find(cell, at);
            ASSERT_NE(next, std::string::npos) << year << " " << page << " " << d;
            at = next + 3;
          }
          if (++month > 12) {
            month = 1;
            ++y;
          }
        }
      }
}
