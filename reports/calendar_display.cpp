// The calendar window's display list; see calendar_display.h.
#include "reports/calendar_display.h"

#include <algorithm>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/calendar_lines.h"

namespace quendal {

namespace {

constexpr int weekcellcharacters = 8;
constexpr int daycellcharacters = 4;

class DisplayBuilder {
 public:
  explicit DisplayBuilder(CalendarDisplay& display) : lines_(display.lines) {}

  void title(const std::string& text) { add(DisplayLine::title, 0, titlecolour, text); }
  void line(int colour, const std::string& text) { add(DisplayLine::body, ++body_, colour, text); }
  void cells(const std::array<int, 8>& codes, const std::string& text) {
    if (add(DisplayLine::body, ++body_, celllinecolour, text)) lines_.back().cells = codes;
  }
  void footer(int n, const std::string& text) { add(DisplayLine::footer, n, blackcolour, text); }

 private:
  bool add(DisplayLine::Place place, int index, int colour, const std::string& text) {
    if (static_cast<int>(lines_.size()) >= displaylistsize) return false;
    lines_.push_back({place, index, colour, {}, utf8truncate(text, 179)});
    return true;
  }

  std::vector<DisplayLine>& lines_;
  int body_ = 0;
};

// Central European time or UTC, as the event table holds it.
const char* zonetag(int day, int month, int year, Language language) {
  if (language == english) return "(UTC) ";
  return summertime(day, month, year) == 1 ? "(MESZ) " : "(MEZ) ";
}

void monthcalendar(DisplayBuilder& out, const CalendarDisplay& d, const LocationRecord& place,
                   const HolidayTable& holidays, const EventTable& events, Language language) {
  const int year = d.year, month = d.month;
  out.title(d.caption);
  for (int day = 1; day <= 32; ++day) {
    if (dayofweek(day, month, year) <= 0) {
      out.line(blackcolour, "");
      continue;
    }
    std::string t = dayhead(day, month, year, language);
    std::string phases;
    if (withastronomy(year)) {
      t += suncolumn(day, month, year, place, language);
      phases = moonphasetags(events, day, month, year, language);
    }
    t += phases.empty() ? std::string("          ") : phases;
    t += holidaynames(holidays, day, month, year, language);
    out.line(daycolour(holidays, day, month, year), t);
  }
  if (!withastronomy(year)) return;
  out.footer(34, sunheading(language) + place.name);
  out.footer(35, coordinatesline(place, language));
  out.footer(36, moonlegend(language));
  const std::string season = seasonline(events, month, year, language);
  if (!season.empty()) out.footer(37, season);
}

// One month sheet of the four-month overview; the first title is the view's.
void monthsheet(DisplayBuilder& out, int month, int year, bool first, const HolidayTable& holidays, Language language) {
  const std::string heading = strprintf(" %s %d ", monthname(month, language), year);
  if (first)
    out.title(heading);
  else
    out.line(titlecolour, heading);
  out.cells({0, 0, 0, 0, 0, 0, 0, sundaycolour},
            language == english ? " WK     Mon Tue Wed Thu Fri Sat Sun" : " KW     Mo  Di  Mi  Do  Fr  Sa  So");
  const int last = daysinmonth(month, year);
  int day = 1;
  while (day <= last) {
    std::array<int, 8> codes{};
    std::string t = strprintf(" %02d     ", weeknumber(day, month, year));
    const int column = (dayofweek(day, month, year) + 5) % 7;  // Monday 0 .. Sunday 6
    t.append(static_cast<std::size_t>(daycellcharacters) * static_cast<std::size_t>(column), ' ');
    for (int c = column; c < 7 && day <= last; ++c, ++day) {
      t += strprintf("%2d  ", day);
      codes[static_cast<std::size_t>(c) + 1] = c == 6 ? sundaycolour : daycolour(holidays, day, month, year);
    }
    out.cells(codes, t);
  }
  out.line(blackcolour, "");
}

void fourmonths(DisplayBuilder& out, const CalendarDisplay& d, const HolidayTable& holidays, Language language) {
  int month = d.month, year = d.year;
  for (int i = 0; i < 4; ++i) {
    monthsheet(out, month, year, i == 0, holidays, language);
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
}

void holidayoverview(DisplayBuilder& out, const CalendarDisplay& d, const HolidayTable& holidays, Language language) {
  out.title(strprintf(language == english ? " Year: %d " : " Jahr: %d ", d.year));
  std::vector<const HolidayEntry*> rows;
  for (const HolidayEntry& e : holidays)
    if (e.day != 0 && e.year == d.year) rows.push_back(&e);
  std::stable_sort(rows.begin(), rows.end(), [](const HolidayEntry* a, const HolidayEntry* b) {
    return a->month != b->month ? a->month < b->month : a->day < b->day;
  });
  for (const HolidayEntry* e : rows)
    out.line(e->kind == nationalday ? nationalcolour : blackcolour,
             strprintf(" %s %2d. %s ", shortweekdayname(dayofweek(e->day, e->month, e->year), language), e->day,
                       shortmonthname(e->month, language)) +
                 holidayname(*e, language));
}

void moonphases(DisplayBuilder& out, const CalendarDisplay& d, const EventTable& events, Language language) {
  const bool german = language != english;
  out.title(german ? " Mondphasen " : " Moon Phases ");
  if (!withastronomy(d.year)) {
    out.line(blackcolour, german ? " Nur für den Zeitraum " : " Only for the Period ");
    out.line(blackcolour, german ? " von 1800 bis 2200 " : " from 1800 to 2200 ");
    return;
  }
  static const char* const names[2][4] = {
      {" Neumond         ", " Vollmond        ", " Erstes Viertel  ", " Letztes Viertel "},
      {" New Moon      ", " Full Moon     ", " First Quarter ", " Last Quarter  "}};
  // Months are counted from year 0 so that six of them can run into the next year.
  const int firstmonth = d.year * 12 + d.month - 1;
  std::vector<const EventEntry*> phases;
  for (const EventEntry& e : events) {
    const int m = e.year * 12 + e.month - 1;
    if (e.day != 0 && e.kind < 10 && m >= firstmonth && m < firstmonth + 6) phases.push_back(&e);
  }
  std::stable_sort(phases.begin(), phases.end(), [](const EventEntry* a, const EventEntry* b) {
    return std::array{a->year, a->month, a->day, a->hour, a->minute, a->second} <
           std::array{b->year, b->month, b->day, b->hour, b->minute, b->second};
  });
  bool first = true;
  for (const EventEntry* e : phases) {
    if (e->kind == newmoonevent && !first) out.line(blackcolour, "");
    first = false;
    out.line(blackcolour, strprintf(" %s %2d. %s %d ", shortweekdayname(dayofweek(e->day, e->month, e->year), language),
                                    e->day, shortmonthname(e->month, language), e->year) +
                              names[namerow(language)][e->kind] +
                              strprintf("(%02d:%02d:%02d) - ", e->hour, e->minute, e->second) +
                              zonetag(e->day, e->month, e->year, language));
  }
}

}  // namespace

Rgb displayrgb(int colour) {
  switch (colour) {
    case titlecolour:
      return {0, 130, 0};
    case sundaycolour:
      return {180, 0, 0};
    case saturdaycolour:
      return {118, 118, 118};
    case regionalcolour:
      return {180, 96, 0};
    case nationalcolour:
      return {0, 0, 180};
    default:
      return {0, 0, 0};
  }
}

int daycolour(const HolidayTable& holidays, int day, int month, int year) {
  int code = dayofweek(day, month, year);
  for (const HolidayEntry* e : holidaysof(holidays, day, month, year)) {
    if (e->kind == publicholiday)
      code = sundaycolour;
    else if (e->kind == regionalholiday && code != sundaycolour)
      code = regionalcolour;
    else if (e->kind == nationalday && code != sundaycolour && code != regionalcolour && code <= 7)
      code = nationalcolour;
  }
  return code;
}

int displaylinetop(const DisplayLine& line, int h) {
  switch (line.place) {
    case DisplayLine::title:
      return 10;
    case DisplayLine::body:
      return 4 * h / 3 + line.index * h;
    case DisplayLine::footer:
      return line.index * h;
  }
  return 0;
}

std::vector<std::string> displaycells(const DisplayLine& line) {
  std::vector<std::string> pieces;
  std::string rest = line.text;
  for (int i = 0; i < 8; ++i) {
    const std::size_t n = i == 0 ? weekcellcharacters : daycellcharacters;
    std::string piece = utf8truncate(rest, n);
    rest.erase(0, piece.size());
    pieces.push_back(piece);
  }
  if (!rest.empty()) pieces.back() += rest;
  return pieces;
}

CalendarDisplay buildcalendardisplay(const CalendarDisplayInputs& in, const HolidayTable& holidays,
                                     const EventTable& events, Language language) {
  CalendarDisplay d;
  d.month = std::clamp(in.month, 1, 12);
  d.year = std::clamp(in.year, 1583, 9999);
  d.placeindex = std::clamp(in.placeindex, 0, locationtablesize - 1);
  const bool german = language != english;
  DisplayBuilder out(d);
  switch (in.view) {
    case fourmonthview:
      d.caption = german ? "Viermonatsübersicht" : "Four Month Overview";
      fourmonths(out, d, holidays, language);
      break;
    case holidayview:
      d.caption = german ? "Feiertagsübersicht" : "Overview of the Holidays";
      holidayoverview(out, d, holidays, language);
      break;
    case moonphaseview:
      d.caption = german ? "Mondphasen" : "Phases of the Moon";
      moonphases(out, d, events, language);
      break;
    default:
      d.caption = strprintf(" %s %d ", monthname(d.month, language), d.year);
      monthcalendar(out, d, in.places[static_cast<std::size_t>(d.placeindex)], holidays, events, language);
      break;
  }
  return d;
}

void refreshcalendartables(int year, int view, Language language, HolidayTable& holidays, EventTable& events,
                           int& stale) {
  if (!stale) return;
  holidays = buildholidays(year);
  if ((view == monthcalendarview || view == moonphaseview) && withastronomy(year))
    events = buildevents(year, language != english ? 1 : 0, view == moonphaseview ? 1 : 0);
  stale = 0;
}

}  // namespace quendal
