// The large view; see large_view.h.
#include "reports/large_view.h"

#include <algorithm>

#include "calendar/calendar.h"
#include "calendar/easter.h"
#include "calendar/text.h"

namespace quendal {

namespace {

struct FeastLine {
  int offset;
  const char* german;
  const char* english;
};

const FeastLine movablelines[9] = {
    {ashwednesday, "%d. %d. Aschermittwoch \r\n", "%d. %d. Ash Wednesday \r\n"},
    {palmsunday, "%d. %d. Palmsonntag \r\n", "%d. %d. Palm Sunday \r\n"},
    {palmsunday + 5, "%d. %d. Karfreitag \r\n", "%d. %d. Good Friday \r\n"},
    {eastersunday, "%d. %d. Ostersonntag \r\n", "%d. %d. Easter Sunday \r\n"},
    {eastermonday, "%d. %d. Ostermontag \r\n", "%d. %d. Easter Monday \r\n"},
    {ascensionday, "%d. %d. Christi Himmelfahrt \r\n", "%d. %d. Ascension Day \r\n"},
    {whitsunday, "%d. %d. Pfingstsonntag \r\n", "%d. %d. Pentecost - Whit Sunday \r\n"},
    {whitmonday, "%d. %d. Pfingstmontag \r\n", "%d. %d. Pentecost - Whit Monday \r\n"},
    {corpuschristi, "%d. %d. Fronleichnam \r\n", "%d. %d. Corpus Christi \r\n"},
};

struct FixedLine {
  int day, month;
  const char* german;   // nullptr: English only
  const char* english;  // nullptr: German only
};

// The blanks around the numbers line up one- and two-digit days.
const FixedLine fixedlines[9] = {
    {1, 1, " %d. %d. Neujahrstag \r\n", " %d. %d. New Year's Day \r\n"},
    {6, 1, " %d. %d. Dreikönigstag \r\n", " %d. %d. Epiphany \r\n"},
    {1, 5, " %d. %d. Erster Mai (Tag der Arbeit) \r\n", " %d. %d. First May \r\n"},
    {15, 8, "%d. %d. Mariä Himmelfahrt \r\n", "%d. %d. Assumption \r\n"},
    {1, 11, " %d.%d. Allerheiligen \r\n", " %d.%d. All Saints' Day \r\n"},
    {8, 12, " %d.%d. Mariä Empfängnis \r\n", " %d.%d. Immaculate Conception \r\n"},
    {25, 12, "%d.%d. Christtag  (1. Weihnachtstag) \r\n", "%d.%d. Christmas Day \r\n"},
    {26, 12, "%d.%d. Stefanitag (2. Weihnachtstag) \r\n", "%d.%d. Boxing Day \r\n"},
    {31, 12, "%d.%d. Silvester \r\n", "%d.%d. New Year's Eve \r\n"},
};

const FixedLine nationallines[6] = {
    {4, 7, nullptr, " %d. %d. National Holiday USA \r\n"},
    {26, 10, "%d.%d. Staatsfeiertag Österreich \r\n", "%d.%d. National Holiday Austria \r\n"},
    {3, 10, " %d.%d. Staatsfeiertag Deutschland \r\n", " %d.%d. National Holiday Germany \r\n"},
    {1, 8, " %d. %d. Staatsfeiertag Schweiz \r\n", " %d. %d. National Holiday Switzerland \r\n"},
    {23, 6, "%d. %d. Staatsfeiertag Luxemburg \r\n", "%d. %d. National Holiday Luxembourg \r\n"},
    {15, 8, "%d. %d. Staatsfeiertag Liechtenstein \r\n", nullptr},
};

bool gregorianleap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

void weekdaycell(ReportBuffer& b, int day, int month, int year, int language) {
  b.printf(" %s ", shortweekdayname(dayofweek(day, month, year), language));
}

void fixedline(ReportBuffer& b, const FixedLine& line, int year, int language) {
  const char* format = language == english ? line.english : line.german;
  if (format == nullptr) return;
  weekdaycell(b, line.day, line.month, year, language);
  b.printf(format, line.day, line.month);
}

void holidaylist(ReportBuffer& b, int year, int language) {
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
  for (const FeastLine& f : movablelines) {
    const DayMonth d = feastdate(easter, f.offset, year);
    weekdaycell(b, d.day, d.month, year, language);
    if (d.day < 10) b.append(" ");
    b.printf(german ? f.german : f.english, d.day, d.month);
  }
  b.append(german ? "\r\n Fixe Feiertage: \r\n\r\n" : "\r\n Fix Holidays: \r\n\r\n");
  for (const FixedLine& line : fixedlines) fixedline(b, line, year, language);
  b.append(german ? "\r\n Staatsfeiertage: \r\n\r\n" : "\r\n National Holidays: \r\n\r\n");
  for (const FixedLine& line : nationallines) fixedline(b, line, year, language);

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

void monthgrid(ReportBuffer& b, int month, int year, int language) {
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

LargeView buildlargeview(const LargeViewInputs& in, int language) {
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
