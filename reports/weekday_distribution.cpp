// The weekday distribution; see weekday_distribution.h.
#include "reports/weekday_distribution.h"

#include <algorithm>
#include <utility>

#include "calendar/calendar.h"
#include "calendar/text.h"

namespace quendal {

WeekdayDistributionReport buildweekdaydistribution(const WeekdayDistributionInputs& in, Language language) {
  WeekdayDistributionReport r;
  int y1 = std::clamp(in.firstyear, 100, 9999), m1 = std::clamp(in.firstmonth, 1, 12);
  int y2 = std::clamp(in.lastyear, 100, 9999), m2 = std::clamp(in.lastmonth, 1, 12);
  const int day = std::clamp(in.day, 1, 31);
  if (in.singleyear) y2 = y1, m1 = 1, m2 = 12;
  int i1 = y1 * 12 + m1 - 1, i2 = y2 * 12 + m2 - 1;
  if (i2 < i1) {
    std::swap(y1, y2);
    std::swap(m1, m2);
    std::swap(i1, i2);
  }
  const bool single = y1 == y2 && m1 == 1 && m2 == 12;
  r.firstyear = y1, r.firstmonth = m1, r.lastyear = y2, r.lastmonth = m2, r.day = day;
  const bool german = language != english;

  ReportBuffer b;
  if (german) {
    b.append("\r\n Wochentagsverteilung ");
    b.printf("\r\n für den %2d. jeden Monats", day);
    if (single)
      b.printf("\r\n des Jahres %d: ", y1);
    else
      b.printf("\r\n des Zeitraumes von %s %d bis %s %d: ", shortmonthname(m1, language), y1,
               shortmonthname(m2, language), y2);
  } else {
    b.append("\r\n Distribution of the Weekdays ");
    b.printf("\r\n for the %2d%s of each Month", day, ordinal(day));
    if (single)
      b.printf("\r\n of the Year %d: ", y1);
    else
      b.printf("\r\n of the period from %s %d to %s %d: ", shortmonthname(m1, language), y1,
               shortmonthname(m2, language), y2);
  }
  b.append("\r\n");

  int weekdayofmonth[13] = {};  // single year: the weekday of the day in each month
  for (int i = i1; i <= i2; ++i) {
    const int month = i % 12 + 1, year = i / 12;
    const int w = dayofweek(day, month, year);
    if (w <= 0) continue;  // the month has no such day
    ++r.count[w];
    ++r.total;
    if (single) weekdayofmonth[month] = w;
  }

  for (int w = 1; w <= 7; ++w) {
    const char* name = weekdayname(w, language);
    b.printf("\r\n %s: ", name);
    b.append(padright("", 11 - utf8length(name)));
    b.printf("%6dx ", r.count[w]);
    const float percent = r.total == 0 ? 0.0f : static_cast<float>(r.count[w]) * 100.0f / static_cast<float>(r.total);
    b.append(formatdecimalpadded(percent, 7, german ? 1 : 0, 3));
    b.append(german ? " Prozent " : " Percent ");
    if (single && r.count[w] > 0) {
      const char* separator = "(";
      for (int month = 1; month <= 12; ++month) {
        if (weekdayofmonth[month] != w) continue;
        b.append(separator);
        b.append(shortmonthname(month, language));
        separator = ", ";
      }
      b.append(")");
    }
  }
  if (german)
    b.printf("\r\n\r\n Summe:       %6d   Monate gesamt ", r.total);
  else
    b.printf("\r\n\r\n Sum:         %6d   Months total ", r.total);
  r.text = b.text();
  return r;
}

}  // namespace quendal
