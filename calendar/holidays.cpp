// The holiday table; see holidays.h.
#include "calendar/holidays.h"

#include "calendar/calendar.h"
#include "calendar/easter.h"

namespace quendal {

namespace {

bool gregorianleap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

class Filler {
 public:
  explicit Filler(HolidayTable& table) : table_(table) {}
  void add(int day, int month, int year, int kind, const FeastName& name, HolidaySource source,
           const char* country = "") {
    if (next_ >= holidaytablesize) return;
    table_[static_cast<std::size_t>(next_++)] = {day, month, year, kind, name.german, name.english, source, country};
  }
  void add(int year, const FixedFeast& f, HolidaySource source, int kind) {
    add(f.day, f.month, year, kind, f.name, source, f.country);
  }

 private:
  HolidayTable& table_;
  int next_ = 0;
};

}  // namespace

HolidayTable buildholidays(int year) {
  HolidayTable holidays{};
  Filler table(holidays);
  const int easter = eastersundaygregorian(year);
  for (const MovableFeast& f : movablefeasts) {
    const DayMonth d = feastdate(easter, f.offset, year);
    table.add(d.day, d.month, year, f.kind, f.name, HolidaySource::movablefeast);
  }
  for (const FixedFeast& f : fixedfeasts) table.add(year, f, HolidaySource::fixedfeast, f.kind);
  for (const FixedFeast& f : nationaldays) table.add(year, f, HolidaySource::nationalday, f.kind);
  DayMonth advent[4];
  adventsundays(year, advent);
  for (int i = 0; i < 4; ++i)
    table.add(advent[i].day, advent[i].month, year, publicholiday, adventsundaynames[i], HolidaySource::advent);

  if (gregorianleap(year)) table.add(29, 2, year, namedday, leapdayname, HolidaySource::leapday);

  for (int d = 1; d <= 31; ++d)
    if (summertime(d, 3, year) == 1) {
      table.add(d, 3, year, nationalday, summertimebeginname, HolidaySource::summertime);
      break;
    }
  if (summertime(1, 9, year) == 1) {
    bool found = false;
    for (int month = 9; month <= 10 && !found; ++month)
      for (int d = 1; d <= daysinmonth(month, year) && !found; ++d)
        if (summertime(d, month, year) == 0) {
          table.add(d, month, year, nationalday, summertimeendname, HolidaySource::summertime);
          found = true;
        }
  }

  // The first feasts of the following year, for views that show its first
  // months beside December.
  const int next = year + 1;
  const int nexteaster = eastersundaygregorian(next);
  for (const MovableFeast& f : movablefeasts) {
    const DayMonth d = feastdate(nexteaster, f.offset, next);
    table.add(d.day, d.month, next, f.kind, f.name, HolidaySource::movablefeast);
  }
  // New Year's Day, Epiphany and First May, all three marked as public holidays.
  for (int i = 0; i < 3; ++i) table.add(next, fixedfeasts[i], HolidaySource::fixedfeast, publicholiday);
  return holidays;
}

std::vector<const HolidayEntry*> holidaysof(const HolidayTable& table, int day, int month, int year) {
  std::vector<const HolidayEntry*> rows;
  if (day == 0 || month == 0) return rows;
  for (const HolidayEntry& e : table)
    if (e.day == day && e.month == month && e.year == year) rows.push_back(&e);
  return rows;
}

int markingkind(const HolidayTable& table, int day, int month, int year) {
  bool any = false, pub = false, regional = false, national = false;
  for (const HolidayEntry* e : holidaysof(table, day, month, year)) {
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

const char* holidayname(const HolidayEntry& entry, Language language) {
  return language == english ? entry.englishname : entry.germanname;
}

}  // namespace quendal
