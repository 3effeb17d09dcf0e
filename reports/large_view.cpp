// The large view; see large_view.h.
#include "reports/large_view.h"

#include <algorithm>

#include "calendar/calendar.h"
#include "calendar/easter.h"
#include "calendar/feasts.h"
#include "calendar/text.h"

namespace quendal {

namespace {

// The national days in the order of the list (the catalogue's order puts
// the USA last).
const NationalDay nationallist[nationaldaycount] = {nationalusa,         nationalaustria,    nationalgermany,
                                                    nationalswitzerland, nationalluxembourg, nationalliechtenstein};

bool gregorianleap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// " Mi  5. 3. Aschermittwoch \r\n": the short weekday, the date with a blank
// before a one-digit day and after the point of a one-digit month (so that
// the columns line up), the name.
void feastline(ReportBuffer& b, int day, int month, int year, const FeastName& name, Language language) {
  b.printf(" %s ", shortweekdayname(dayofweek(day, month, year), language));
  b.printf(day < 10 ? " %d." : "%d.", day);
  b.printf(month < 10 ? " %d. " : "%d. ", month);
  b.append(language == english ? name.english : name.german);
  b.append(" \r\n");
}

void fixedline(ReportBuffer& b, const FixedFeast& f, int year, Language language) {
  if (listedin(f.listing, language)) feastline(b, f.day, f.month, year, f.name, language);
}

void holidaylist(ReportBuffer& b, int year, Language language) {
  const bool german = language != english;
  if (german) {
    b.printf(" %s des Jahres %d \r\n", feastwords[0][0], year);
    b.append(" ========================= \r\n\r\n");
    b.append(" Vom Osterdatum abhängig: \r\n\r\n");
  } else {
    b.printf(" %s of the Year %d \r\n", feastwords[1][0], year);
    b.append(" ========================= \r\n\r\n");
    b.append(" Depending from the Easter Date: \r\n\r\n");
  }
  const int easter = eastersundaygregorian(year);
  for (const MovableFeast& f : movablefeasts) {
    if (!listedin(f.listing, language)) continue;
    const DayMonth d = feastdate(easter, f.offset, year);
    feastline(b, d.day, d.month, year, f.name, language);
  }
  b.append(german ? "\r\n Fixe Feiertage: \r\n\r\n" : "\r\n Fix Holidays: \r\n\r\n");
  for (const FixedFeast& f : fixedfeasts) fixedline(b, f, year, language);
  b.append(german ? "\r\n Staatsfeiertage: \r\n\r\n" : "\r\n National Holidays: \r\n\r\n");
  for (const NationalDay n : nationallist) fixedline(b, nationaldays[n], year, language);

  DayMonth advent[4];
  adventsundays(year, advent);
  b.printf("\r\n Advent: %d.%d., ", advent[0].day, advent[0].month);
  b.printf("%d.%d., ", advent[1].day, advent[1].month);
  b.printf("%d.%d., ", advent[2].day, advent[2].month);
  b.printf("%d.%d. ", advent[3].day, advent[3].month);
  const bool leap = gregorianleap(year);
  if (german)
    b.printf(leap ? "\r\n (%d ist ein Schaltjahr) " : "\r\n (%d ist kein Schaltjahr) ", year);
  else
    b.printf(leap ? "\r\n (%d is a Leap Year) " : "\r\n (%d is not a Leap Year) ", year);
}

void weekline(ReportBuffer& b, int week) { b.printf(week < 10 ? "\r\n 0%d    " : "\r\n %d    ", week); }

void monthgrid(ReportBuffer& b, int month, int year, Language language) {
  const bool german = language != english;
  b.printf(german ? "        %s %d" : "    %s %d", monthname(month, language), year);
  b.append("\r\n\r\n");
  b.append(german ? " KW     Mo  Di  Mi  Do  Fr  Sa  So " : "    Mon Tue Wed Thu Fri Sat Sun");
  bool first = true;
  int lastcolumn = 0;
  for (int d = 1; d <= 31; ++d) {
    const int w = dayofweek(d, month, year);
    if (w <= 0) continue;
    const int c = w == 1 ? 7 : w - 1;  // Monday 1 .. Sunday 7
    if (first) {
      if (german)
        weekline(b, weeknumber(d, month, year));
      else
        b.append("\r\n    ");
      for (int k = 1; k < c; ++k) b.append("    ");
      first = false;
    }
    b.printf(" %2d ", d);
    if (c == 7) {
      if (!german)
        b.append("\r\n    ");
      else if (const int next = weeknumber(d + 1, month, year); next > 0)
        weekline(b, next);
    }
    lastcolumn = c;
  }
  if (german)
    b.append("\r\n\r\n");
  else
    b.append(lastcolumn == 7 ? "\r\n" : "\r\n\r\n");
}

}  // namespace

LargeView buildlargeview(const LargeViewInputs& in, Language language) {
  LargeView r;
  r.page = std::clamp(in.page, 0, 12);
  if (in.year < 1583 || in.year > 9999) return r;
  r.built = true;
  ReportBuffer b;
  if (r.page == 0) {
    holidaylist(b, in.year, language);
  } else {
    int month = r.page, year = in.year;
    for (int i = 0; i < 4; ++i) {
      monthgrid(b, month, year, language);
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
  r.text = b.text();
  return r;
}

}  // namespace quendal
