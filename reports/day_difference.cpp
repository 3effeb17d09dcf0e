// The day difference report; see day_difference.h.
#include "reports/day_difference.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "calendar/calendar.h"

namespace quendal {

namespace {

constexpr double daysperweek = 7.0;
constexpr double dayspermonth = 30.436875;  // 365.2425 / 12
constexpr double daysperyear = 365.2425;

const char* calendarmark(int year, int month, int day) { return isgregorian(year, month, day) ? "(greg)" : "(jul.)"; }

void englishdateline(ReportBuffer& b, int year, int month, int day, Language language) {
  b.printf(" %s %2d%s, %4d %s is a %s ", shortmonthname(month, language), day, ordinal(day), year,
           calendarmark(year, month, day), weekdayname(dayofweek(day, month, year), language));
}

}  // namespace

void correctcivildate(int& year, int& month, int& day) {
  year = std::clamp(year, 100, 9999);
  month = std::clamp(month, 1, 12);
  day = std::clamp(day, 1, 31);
  while (day > 1 && dayofweek(day, month, year) == 0) --day;
}

void germandateline(ReportBuffer& b, int year, int month, int day, Language language) {
  b.append(day < 10 ? " 0" : " ");
  b.printf("%d. %s %4d %s ist ein %s ", day, shortmonthname(month, language), year, calendarmark(year, month, day),
           weekdayname(dayofweek(day, month, year), language));
}

DayDifferenceReport builddaydifference(const DayDifferenceInputs& in, Language language) {
  DayDifferenceReport r;
  r.year1 = in.year1, r.month1 = in.month1, r.day1 = in.day1;
  r.year2 = in.year2, r.month2 = in.month2, r.day2 = in.day2;
  correctcivildate(r.year1, r.month1, r.day1);
  correctcivildate(r.year2, r.month2, r.day2);
  double d = datetojd(r.year2, r.month2, r.day2) - datetojd(r.year1, r.month1, r.day1);
  if (in.direction == 1) d = -d;
  const int n = static_cast<int>(std::trunc(d));
  r.days = n;
  r.weeks = n / daysperweek, r.months = n / dayspermonth, r.years = n / daysperyear;
  r.todaymark = r.year1 == in.todayyear - 1 && r.month1 == 12 && r.day1 == 31 && r.year2 == in.todayyear &&
                r.month2 == in.todaymonth && r.day2 == in.todayday;

  ReportBuffer b;
  if (language != english) {
    b.append("\r\n");
    germandateline(b, r.year1, r.month1, r.day1, language);
    b.append("\r\n");
    germandateline(b, r.year2, r.month2, r.day2, language);
    b.append("\r\n\r\n");
    b.printf("      %8d Tag", n);
    b.append(n == 1 ? "     Differenz " : "e    Differenz ");
    b.append(r.todaymark ? "(*) \r\n" : "\r\n");
    b.printf("     %9d Stunden Differenz \r\n", 24 * n);
    b.append(formatdecimalpadded(r.weeks, 14, 1, 2));
    b.append(" Wochen  Differenz \r\n");
    b.append(formatdecimalpadded(r.months, 13, 1, 1));
    b.append(" Monate  Differenz \r\n");
    b.append(formatdecimalpadded(r.years, 14, 1, 2));
    b.append(" Jahre   Differenz ");
    if (r.todaymark) b.printf("\r\n (*) Heute ist der %d. Tag des Jahres %d ", std::abs(n), r.year2);
  } else {
    b.append("\r\n");
    englishdateline(b, r.year1, r.month1, r.day1, language);
    b.append("\r\n");
    englishdateline(b, r.year2, r.month2, r.day2, language);
    b.append("\r\n\r\n");
    b.printf("   %8d Day", n);
    b.append(n == 1 ? "    Difference " : "s   Difference ");
    b.append(r.todaymark ? "(*) \r\n" : "\r\n");
    b.printf("  %9d Hours  Difference \r\n", 24 * n);
    b.append(formatdecimalpadded(r.weeks, 11, 0, 2));
    b.append(" Weeks  Difference \r\n");
    b.append(formatdecimalpadded(r.months, 10, 0, 1));
    b.append(" Months Difference \r\n");
    b.append(formatdecimalpadded(r.years, 11, 0, 2));
    b.append(" Years  Difference ");
    if (r.todaymark)
      b.printf("\r\n  (*) Today is the %d%s Day of the Year %d ", std::abs(n), ordinal(std::abs(n)), r.year2);
  }
  r.text = b.text();
  return r;
}

}  // namespace quendal
