// The date shift report; see date_shift.h.
#include "reports/date_shift.h"

#include <algorithm>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/day_difference.h"

namespace quendal {

namespace {

constexpr double daysperweek = 7.0;
constexpr double dayspermonth = 30.436875;  // 365.2425 / 12
constexpr double daysperyear = 365.2425;

// The date line and the Julian Day line of one date, each after a line break.
void dateandjdn(ReportBuffer& b, int jdn, Language language) {
  int year, month, day;
  jdntodate(jdn, year, month, day);
  const char* mark = isgregorian(year, month, day) ? "(greg)" : "(jul.)";
  const char* weekday = weekdayname(dayofweek(day, month, year), language);
  if (language != english) {
    b.append("\r\n");
    germandateline(b, year, month, day, language);
    b.printf("\r\n Julianisches Datum: %d ", jdn);
  } else {
    b.printf(day < 10 ? "\r\n %s 0" : "\r\n %s ", shortmonthname(month, language));
    b.printf("%d%s, %4d %s is a %s ", day, ordinal(day), year, mark, weekday);
    b.printf("\r\n Julian Date: %d ", jdn);
  }
}

}  // namespace

DateShiftReport builddateshift(const DateShiftInputs& in, Language language) {
  DateShiftReport r;
  r.year = in.year, r.month = in.month, r.day = in.day;
  correctcivildate(r.year, r.month, r.day);
  const int n = std::clamp(in.days, 0, 999999);
  r.days = n;
  const int jdn = datetomjd(r.year, r.month, r.day) + 2400001;
  r.jdn = jdn, r.pastjdn = jdn - n, r.futurejdn = jdn + n;
  r.weeks = n / daysperweek, r.months = n / dayspermonth, r.years = n / daysperyear;
  const bool german = language != english;

  ReportBuffer b;
  b.append(german ? "\r\n Ausgangstag: " : "\r\n Start Day: ");
  dateandjdn(b, jdn, language);
  b.append("\r\n");

  int year, month, day;
  if (german)
    b.printf(n == 1 ? "\r\n %d Tag in die Vergangenheit: " : "\r\n %d Tage in die Vergangenheit: ", n);
  else
    b.printf(n == 1 ? "\r\n %d Day into the Past: " : "\r\n %d Days into the Past: ", n);
  jdntodate(jdn - n, year, month, day);
  r.pastshown = year >= 100;
  if (year < 100)
    b.append(german ? "\r\n Ergebnis ist zu weit in der Vergangenheit!" : "\r\n Result is too far in the Past!");
  else
    dateandjdn(b, jdn - n, language);
  b.append("\r\n");

  if (german)
    b.printf(n == 1 ? "\r\n %d Tag in die Zukunft: " : "\r\n %d Tage in die Zukunft: ", n);
  else
    b.printf(n == 1 ? "\r\n %d Day into the Future: " : "\r\n %d Days into the Future: ", n);
  jdntodate(jdn + n, year, month, day);
  r.futureshown = year < 10000;
  if (year >= 10000)
    b.append(german ? "\r\n Ergebnis ist zu weit in der Zukunft!" : "\r\n Result is too far in the Future!");
  else
    dateandjdn(b, jdn + n, language);

  b.append("\r\n\r\n");
  if (german) {
    b.printf("      %8d Tag", n);
    b.append(n == 1 ? "     Differenz " : "e    Differenz ");
    b.append("\r\n");
    b.printf("     %9d Stunden Differenz \r\n", 24 * n);
  } else {
    b.printf("      %8d Day", n);
    b.append(n == 1 ? "     Difference " : "s    Difference ");
    b.append("\r\n");
    b.printf("     %9d Hours   Difference \r\n", 24 * n);
  }
  const int comma = german ? 1 : 0;
  b.append(formatdecimalpadded(r.weeks, 14, comma, 2));
  b.append(german ? " Wochen  Differenz \r\n" : " Weeks   Difference \r\n");
  b.append(formatdecimalpadded(r.months, 13, comma, 1));
  b.append(german ? " Monate  Differenz \r\n" : " Months  Difference \r\n");
  b.append(formatdecimalpadded(r.years, 14, comma, 2));
  b.append(german ? " Jahre   Differenz " : " Years   Difference ");
  r.text = b.text();
  return r;
}

}  // namespace quendal
