// The holiday table; see holidays.h.
#include "calendar/holidays.h"

#include "calendar/calendar.h"
#include "calendar/easter.h"

namespace quendal {

HolidayEntry holidayTable[holidaytablesize];
int tablesStale = 1;

namespace {

struct Name {
  const char* german;
  const char* english;
};

struct MovableFeast {
  int offset;  // days from Easter Sunday
  int kind;
  Name name;
};

// The movable feasts, in table order.
const MovableFeast movablefeasts[10] = {
    {ashwednesday, namedday, {"Aschermittwoch", "Ash Wednesday"}},
    {palmsunday, publicholiday, {"Palmsonntag", "Palm Sunday"}},
    {maundythursday, namedday, {"Gründonnerstag", "Maundy Thursday"}},
    {goodfriday, regionalholiday, {"Karfreitag", "Good Friday"}},
    {eastersunday, publicholiday, {"Ostersonntag", "Easter Sunday"}},
    {eastermonday, publicholiday, {"Ostermontag", "Easter Monday"}},
    {ascensionday, publicholiday, {"Christi Himmelfahrt", "Ascension Day"}},
    {whitsunday, publicholiday, {"Pfingstsonntag", "Pentecost - Whit Sunday"}},
    {whitmonday, publicholiday, {"Pfingstmontag", "Pentecost - Whit Monday"}},
    {corpuschristi, publicholiday, {"Fronleichnam", "Corpus Christi"}},
};

struct FixedHoliday {
  int day, month, kind;
  Name name;
};

// The fixed holidays and national days, in table order.
const FixedHoliday fixedholidays[16] = {
    {1, 1, publicholiday, {"Neujahrstag", "New Year's Day"}},
    {6, 1, regionalholiday, {"Dreikönigstag", "Epiphany"}},
    {1, 5, publicholiday, {"Erster Mai (Tag der Arbeit)", "First May"}},
    {15, 8, regionalholiday, {"Mariä Himmelfahrt", "Assumption"}},
    {1, 11, publicholiday, {"Allerheiligen", "All Saints' Day"}},
    {8, 12, regionalholiday, {"Mariä Empfängnis", "Immaculate Conception"}},
    {24, 12, namedday, {"Heiliger Abend", "Christmas Eve"}},
    {25, 12, publicholiday, {"Christtag  (1. Weihnachtstag)", "Christmas Day"}},
    {26, 12, publicholiday, {"Stefanitag (2. Weihnachtstag)", "Boxing Day"}},
    {31, 12, namedday, {"Silvester", "New Year's Eve"}},
    {26, 10, nationalday, {"Staatsfeiertag Österreich", "National Holiday Austria"}},
    {3, 10, nationalday, {"Staatsfeiertag Deutschland", "National Holiday Germany"}},
    {1, 8, nationalday, {"Staatsfeiertag Schweiz", "National Holiday Switzerland"}},
    {23, 6, nationalday, {"Staatsfeiertag Luxemburg", "National Holiday Luxembourg"}},
    {15, 8, nationalday, {"Staatsfeiertag Liechtenstein", "National Holiday Liechtenstein"}},
    {4, 7, nationalday, {"Staatsfeiertag USA", "National Holiday USA"}},
};

const Name adventnames[4] = {
    {"1. Adventsonntag", "1st Advent Sunday"},
    {"2. Adventsonntag", "2nd Advent Sunday"},
    {"3. Adventsonntag", "3rd Advent Sunday"},
    {"4. Adventsonntag", "4th Advent Sunday"},
};

const Name leapday = {"Schalttag", "Leap Day"};
const Name summertimebegins = {"Beginn der Sommerzeit (Europa)",
                               "Begin of Daylight Savings Time (Europe)"};
const Name summertimeends = {"Ende der Sommerzeit (Europa)", "End of Daylight Savings Time (Europe)"};

bool gregorianleap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

class Filler {
 public:
  void add(int day, int month, int year, int kind, const Name& name) {
    if (next_ >= holidaytablesize) return;
    holidayTable[next_++] = {day, month, year, kind, name.german, name.english};
  }

 private:
  int next_ = 0;
};

}  // namespace

void buildholidays(int year) {
  for (HolidayEntry& e : holidayTable) e = HolidayEntry{};
  tablesStale = 0;

  Filler table;
  const int easter = eastersundaygregorian(year);
  for (const MovableFeast& f : movablefeasts) {
    const DayMonth d = feastdate(easter, f.offset, year);
    table.add(d.day, d.month, year, f.kind, f.name);
  }
  for (const FixedHoliday& f : fixedholidays) table.add(f.day, f.month, year, f.kind, f.name);
  DayMonth advent[4];
  adventsundays(year, advent);
  for (int i = 0; i < 4; ++i) table.add(advent[i].day, advent[i].month, year, publicholiday, adventnames[i]);

  if (gregorianleap(year)) table.add(29, 2, year, namedday, leapday);

  for (int d = 1; d <= 31; ++d)
    if (summertime(d, 3, year) == 1) {
      table.add(d, 3, year, nationalday, summertimebegins);
      break;
    }
  if (summertime(1, 9, year) == 1) {
    bool found = false;
    for (int month = 9; month <= 10 && !found; ++month)
      for (int d = 1; d <= daysinmonth(month, year) && !found; ++d)
        if (summertime(d, month, year) == 0) {
          table.add(d, month, year, nationalday, summertimeends);
          found = true;
        }
  }

  // The first feasts of the following year, for views that show its first
  // months beside December.
  const int next = year + 1;
  const int nexteaster = eastersundaygregorian(next);
  for (const MovableFeast& f : movablefeasts) {
    const DayMonth d = feastdate(nexteaster, f.offset, next);
    table.add(d.day, d.month, next, f.kind, f.name);
  }
  table.add(1, 1, next, publicholiday, fixedholidays[0].name);
  table.add(6, 1, next, publicholiday, fixedholidays[1].name);
  table.add(1, 5, next, publicholiday, fixedholidays[2].name);
}

std::vector<const HolidayEntry*> holidaysof(int day, int month, int year) {
  std::vector<const HolidayEntry*> rows;
  if (day == 0 || month == 0) return rows;
  for (const HolidayEntry& e : holidayTable)
    if (e.day == day && e.month == month && e.year == year) rows.push_back(&e);
  return rows;
}

int markingkind(int day, int month, int year) {
  bool any = false, pub = false, regional = false, national = false;
  for (const HolidayEntry* e : holidaysof(day, month, year)) {
    any = true;
    pub |= e->kind == publicholiday;
    regional |= e->kind == regionalholiday;
    national |= e->kind == nationalday;
  }
  if (pub) return publicholiday;
  if (regional) return regionalholiday;
  if (national) return nationalday;
  return any ? namedday : -1;
}

const char* holidayname(const HolidayEntry& entry, int language) {
  return language == 0 ? entry.englishname : entry.germanname;
}

}  // namespace quendal
