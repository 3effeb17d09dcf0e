// The day difference and date shift reports: golden texts, the edge cases of
// the calculator, and day counts against an independent Julian Day Number.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "reports/date_shift.h"
#include "reports/day_difference.h"

namespace quendal {
namespace {

// Julian Day Number of a civil date: Julian calendar before 15 October 1582,
// Gregorian from then on (the integer formulas of the Explanatory Supplement).
long long civiljdn(long long y, long long m, long long d) {
  const long long a = (14 - m) / 12;
  const long long yy = y + 4800 - a;
  const long long mm = m + 12 * a - 3;
  const bool gregorian = y > 1582 || (y == 1582 && (m > 10 || (m == 10 && d >= 15)));
  if (gregorian) return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
  return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - 32083;
}

DayDifferenceInputs difference(int y1, int m1, int d1, int y2, int m2, int d2) {
  DayDifferenceInputs in;
  in.year1 = y1, in.month1 = m1, in.day1 = d1;
  in.year2 = y2, in.month2 = m2, in.day2 = d2;
  in.todayyear = 2024, in.todaymonth = 6, in.todayday = 1;
  return in;
}

// ---- Day difference -------------------------------------------------------------

TEST(DayDifference, GermanLeapYear) {
  const DayDifferenceReport r = builddaydifference(difference(2024, 1, 1, 2025, 1, 1), 1);
  EXPECT_EQ(r.days, 366);
  EXPECT_EQ(r.text,
            "\r\n 01. Jan. 2024 (greg) ist ein Montag "
            "\r\n 01. Jan. 2025 (greg) ist ein Mittwoch "
            "\r\n\r\n"
            "           366 Tage    Differenz \r\n"
            "          8784 Stunden Differenz \r\n"
            "         52,29 Wochen  Differenz \r\n"
            "         12,0  Monate  Differenz \r\n"
            "          1,00 Jahre   Differenz ");
}

TEST(DayDifference, EnglishLeapYearReversed) {
  DayDifferenceInputs in = difference(2024, 1, 1, 2025, 1, 1);
  in.direction = 1;
  const DayDifferenceReport r = builddaydifference(in, 0);
  EXPECT_EQ(r.days, -366);
  EXPECT_EQ(r.text,
            "\r\n Jan.  1st, 2024 (greg) is a Monday "
            "\r\n Jan.  1st, 2025 (greg) is a Wednesday "
            "\r\n\r\n"
            "       -366 Days   Difference \r\n"
            "      -8784 Hours  Difference \r\n"
            "     -52.29 Weeks  Difference \r\n"
            "     -12.0  Months Difference \r\n"
            "      -1.00 Years  Difference ");
}

TEST(DayDifference, TodayMark) {
  // 31 December of last year to today: n is today's day of the year.
  const DayDifferenceInputs in = difference(2023, 12, 31, 2024, 6, 1);
  EXPECT_EQ(builddaydifference(in, 0).text,
            "\r\n Dec. 31st, 2023 (greg) is a Sunday "
            "\r\n June  1st, 2024 (greg) is a Saturday "
            "\r\n\r\n"
            "        153 Days   Difference (*) \r\n"
            "       3672 Hours  Difference \r\n"
            "      21.86 Weeks  Difference \r\n"
            "       5.0  Months Difference \r\n"
            "       0.42 Years  Difference "
            "\r\n  (*) Today is the 153rd Day of the Year 2024 ");
  // Reversed in Austrian German: the today line prints the absolute value.
  DayDifferenceInputs reversed = in;
  reversed.direction = 1;
  const std::string de = builddaydifference(reversed, 2).text;
  EXPECT_NE(de.find("\r\n\r\n          -153 Tage    Differenz (*) \r\n"), std::string::npos) << de;
  EXPECT_EQ(de.substr(de.size() - 46), "\r\n (*) Heute ist der 153. Tag des Jahres 2024 ");
  // Other dates carry no mark.
  EXPECT_FALSE(builddaydifference(difference(2023, 12, 30, 2024, 6, 1), 0).todaymark);
  EXPECT_FALSE(builddaydifference(difference(2023, 12, 31, 2024, 6, 2), 0).todaymark);
  EXPECT_FALSE(builddaydifference(difference(2022, 12, 31, 2023, 6, 1), 0).todaymark);
  // 1 January: n = 1, singular and "1st".
  DayDifferenceInputs newyear = difference(2023, 12, 31, 2024, 1, 1);
  newyear.todaymonth = 1, newyear.todayday = 1;
  const std::string text = builddaydifference(newyear, 0).text;
  EXPECT_NE(text.find("          1 Day    Difference (*) \r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("(*) Today is the 1st Day of the Year 2024 "), std::string::npos);
}

TEST(DayDifference, ReformGapIsOneDay) {
  const DayDifferenceReport r = builddaydifference(difference(1582, 10, 4, 1582, 10, 15), 1);
  EXPECT_EQ(r.days, 1);
  EXPECT_EQ(r.text,
            "\r\n 04. Okt. 1582 (jul.) ist ein Donnerstag "
            "\r\n 15. Okt. 1582 (greg) ist ein Freitag "
            "\r\n\r\n"
            "             1 Tag     Differenz \r\n"
            "            24 Stunden Differenz \r\n"
            "          0,14 Wochen  Differenz \r\n"
            "          0,0  Monate  Differenz \r\n"
            "          0,00 Jahre   Differenz ");
  const std::string english = builddaydifference(difference(1582, 10, 4, 1582, 10, 15), 0).text;
  EXPECT_NE(english.find("\r\n Oct.  4th, 1582 (jul.) is a Thursday "), std::string::npos);
  EXPECT_NE(english.find("          1 Day    Difference \r\n"), std::string::npos) << english;
}

TEST(DayDifference, InputCorrection) {
  const DayDifferenceReport a = builddaydifference(difference(2023, 4, 31, 2023, 2, 29), 0);
  EXPECT_EQ(a.month1, 4);
  EXPECT_EQ(a.day1, 30);
  EXPECT_EQ(a.day2, 28);
  const DayDifferenceReport b = builddaydifference(difference(1582, 10, 10, 50, 0, 0), 0);
  EXPECT_EQ(b.day1, 4);  // 5..14 October 1582 do not exist
  EXPECT_EQ(b.year2, 100);
  EXPECT_EQ(b.month2, 1);
  EXPECT_EQ(b.day2, 1);
  const DayDifferenceReport c = builddaydifference(difference(12000, 13, 40, -5, 2, 30), 0);
  EXPECT_EQ(c.year1, 9999);
  EXPECT_EQ(c.month1, 12);
  EXPECT_EQ(c.day1, 31);
  EXPECT_EQ(c.year2, 100);
  EXPECT_EQ(c.day2, 29);  // 100 is a Julian leap year
  EXPECT_EQ(builddaydifference(difference(100, 1, 1, 9999, 12, 31), 0).days,
            civiljdn(9999, 12, 31) - civiljdn(100, 1, 1));
}

TEST(DayDifference, AgreesWithAnIndependentDayNumber) {
  std::mt19937 random(1583);
  std::uniform_int_distribution<int> year(100, 9999), month(1, 12), day(1, 31);
  for (int i = 0; i < 3000; ++i) {
    const DayDifferenceReport r =
        builddaydifference(difference(year(random), month(random), day(random), year(random),
                                      month(random), day(random)),
                           i % 3);
    EXPECT_EQ(r.days, civiljdn(r.year2, r.month2, r.day2) - civiljdn(r.year1, r.month1, r.day1));
    DayDifferenceInputs back = difference(r.year2, r.month2, r.day2, r.year1, r.month1, r.day1);
    EXPECT_EQ(builddaydifference(back, 0).days, -r.days);
    back.direction = 1;
    EXPECT_EQ(builddaydifference(back, 0).days, r.days);
  }
}

// ---- Date shift ---------------------------------------------------------------

DateShiftInputs shift(int y, int m, int d, int days) {
  DateShiftInputs in;
  in.year = y, in.month = m, in.day = d, in.days = days;
  return in;
}

TEST(DateShift, GermanFromTheFirstYear) {
  EXPECT_EQ(builddateshift(shift(100, 1, 1, 1), 1).text,
            "\r\n Ausgangstag: "
            "\r\n 01. Jan.  100 (jul.) ist ein Mittwoch "
            "\r\n Julianisches Datum: 1757583 "
            "\r\n"
            "\r\n 1 Tag in die Vergangenheit: "
            "\r\n Ergebnis ist zu weit in der Vergangenheit!"
            "\r\n"
            "\r\n 1 Tag in die Zukunft: "
            "\r\n 02. Jan.  100 (jul.) ist ein Donnerstag "
            "\r\n Julianisches Datum: 1757584 "
            "\r\n\r\n"
            "             1 Tag     Differenz \r\n"
            "            24 Stunden Differenz \r\n"
            "          0,14 Wochen  Differenz \r\n"
            "          0,0  Monate  Differenz \r\n"
            "          0,00 Jahre   Differenz ");
}

TEST(DateShift, EnglishToTheLastYear) {
  EXPECT_EQ(builddateshift(shift(9999, 12, 31, 1), 0).text,
            "\r\n Start Day: "
            "\r\n Dec. 31st, 9999 (greg) is a Friday "
            "\r\n Julian Date: 5373484 "
            "\r\n"
            "\r\n 1 Day into the Past: "
            "\r\n Dec. 30th, 9999 (greg) is a Thursday "
            "\r\n Julian Date: 5373483 "
            "\r\n"
            "\r\n 1 Day into the Future: "
            "\r\n Result is too far in the Future!"
            "\r\n\r\n"
            "             1 Day     Difference \r\n"
            "            24 Hours   Difference \r\n"
            "          0.14 Weeks   Difference \r\n"
            "          0.0  Months  Difference \r\n"
            "          0.00 Years   Difference ");
}

TEST(DateShift, AcrossTheReform) {
  const std::string t = builddateshift(shift(1582, 10, 10, 1000), 0).text;
  EXPECT_NE(t.find("\r\n Start Day: \r\n Oct. 04th, 1582 (jul.) is a Thursday \r\n Julian Date: 2299160 "),
            std::string::npos)
      << t;
  EXPECT_NE(t.find("\r\n 1000 Days into the Past: \r\n Jan. 08th, 1580 (jul.) is a Friday \r\n Julian Date: 2298160 "),
            std::string::npos);
  EXPECT_NE(t.find("\r\n 1000 Days into the Future: \r\n July 10th, 1585 (greg) is a Wednesday "
                   "\r\n Julian Date: 2300160 "),
            std::string::npos);
  const DateShiftReport r = builddateshift(shift(1582, 10, 10, 1000), 2);
  EXPECT_EQ(r.day, 4);  // written back to the dialog
  EXPECT_NE(r.text.find("\r\n 1000 Tage in die Vergangenheit: \r\n 08. Jän. 1580 (jul.) ist ein Freitag "),
            std::string::npos)
      << r.text;
}

TEST(DateShift, DayCountIsClamped) {
  const DateShiftReport big = builddateshift(shift(2000, 1, 1, 5000000), 0);
  EXPECT_EQ(big.days, 999999);
  EXPECT_EQ(big.text, builddateshift(shift(2000, 1, 1, 999999), 0).text);
  const DateShiftReport negative = builddateshift(shift(2000, 1, 1, -5), 1);
  EXPECT_EQ(negative.days, 0);
  EXPECT_NE(negative.text.find("\r\n 0 Tage in die Vergangenheit: \r\n 01. Jan. 2000 (greg) ist ein Samstag "
                               "\r\n Julianisches Datum: 2451545 "),
            std::string::npos)
      << negative.text;
  EXPECT_NE(negative.text.find("\r\n 0 Tage in die Zukunft: \r\n 01. Jan. 2000"), std::string::npos);
}

TEST(DateShift, ResultsAgreeWithTheDayDifference) {
  std::mt19937 random(1582);
  std::uniform_int_distribution<int> year(100, 9999), month(1, 12), day(1, 31), days(0, 999999);
  for (int i = 0; i < 2000; ++i) {
    const DateShiftReport r = builddateshift(shift(year(random), month(random), day(random), days(random)), 0);
    const long long start = civiljdn(r.year, r.month, r.day);
    const std::string jdnline = "\r\n Julian Date: " + std::to_string(start) + " ";
    EXPECT_EQ(r.text.find(jdnline), r.text.find("\r\n Julian Date: ")) << r.text;
    // Each shifted date's JDN appears unless the result is too far.
    const bool pastok = r.text.find("too far in the Past") == std::string::npos;
    const bool futureok = r.text.find("too far in the Future") == std::string::npos;
    EXPECT_EQ(pastok, start - r.days >= civiljdn(100, 1, 1));
    EXPECT_EQ(futureok, start + r.days <= civiljdn(9999, 12, 31));
    if (pastok) {
      EXPECT_NE(r.text.find("\r\n Julian Date: " + std::to_string(start - r.days) + " "),
                std::string::npos);
    }
    if (futureok) {
      EXPECT_NE(r.text.find("\r\n Julian Date: " + std::to_string(start + r.days) + " "),
                std::string::npos);
    }
  }
}

}  // namespace
}  // namespace quendal
