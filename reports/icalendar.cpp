// iCalendar output; see icalendar.h.
#include "reports/icalendar.h"

#include <algorithm>
#include <tuple>

#include "astro/eclipses.h"
#include "astro/lunar_events.h"
#include "astro/seasons.h"
#include "calendar/calendar.h"
#include "calendar/holidays.h"
#include "calendar/text.h"

namespace quendal {

// ---- The format ---------------------------------------------------------------------

std::string icalendartext(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case ';':
        out += "\\;";
        break;
      case ',':
        out += "\\,";
        break;
      case '\r':
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += "\\n";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string icalendarline(std::string_view line) {
  constexpr std::size_t limit = 75;  // octets per physical line, CR LF not counted
  std::string out;
  std::size_t room = limit;
  std::size_t i = 0;
  while (i < line.size()) {
    // The octets of the character starting at i (a stray continuation byte alone).
    std::size_t n = 1;
    while (i + n < line.size() && (static_cast<unsigned char>(line[i + n]) & 0xC0) == 0x80) ++n;
    if (n > room) {
      out += "\r\n ";
      room = limit - 1;
    }
    out.append(line.substr(i, n));
    room -= n;
    i += n;
  }
  out += "\r\n";
  return out;
}

namespace {

std::string datetext(int year, int month, int day) { return strprintf("%04d%02d%02d", year, month, day); }

std::string utctext(int year, int month, int day, int hour, int minute, int second) {
  return datetext(year, month, day) + strprintf("T%02d%02d%02dZ", hour, minute, second);
}

}  // namespace

std::string icalendar(const std::vector<CalendarEntry>& entries, const CalendarStamp& stamp) {
  const std::string dtstamp = utctext(stamp.year, stamp.month, stamp.day, stamp.hour, stamp.minute, stamp.second);
  std::string out;
  out += icalendarline("BEGIN:VCALENDAR");
  out += icalendarline("VERSION:2.0");
  out += icalendarline("PRODID:-//Quendal//Quendal 6.0//EN");
  out += icalendarline("CALSCALE:GREGORIAN");
  out += icalendarline("METHOD:PUBLISH");
  for (const CalendarEntry& e : entries) {
    out += icalendarline("BEGIN:VEVENT");
    out += icalendarline("UID:" + icalendartext(e.uid));
    out += icalendarline("DTSTAMP:" + dtstamp);
    if (e.allday) {
      // A date without DTEND lasts the whole day (RFC 5545, 3.6.1).
      out += icalendarline("DTSTART;VALUE=DATE:" + datetext(e.year, e.month, e.day));
    } else {
      out += icalendarline("DTSTART:" + utctext(e.year, e.month, e.day, e.hour, e.minute, e.second));
    }
    out += icalendarline("SUMMARY:" + icalendartext(e.summary));
    if (!e.categories.empty()) out += icalendarline("CATEGORIES:" + icalendartext(e.categories));
    out += icalendarline("TRANSP:TRANSPARENT");
    out += icalendarline("END:VEVENT");
  }
  out += icalendarline("END:VCALENDAR");
  return out;
}

// ---- The entries ----------------------------------------------------------------------

namespace {

constexpr const char* uiddomain = "@quendal.org";

// Lower-case ASCII letters and digits of a name, other runs as one hyphen:
// "New Year's Day" -> "new-year-s-day".
std::string slug(std::string_view name) {
  std::string out;
  for (char c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    const bool keep = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (keep)
      out += c;
    else if (!out.empty() && out.back() != '-')
      out += '-';
  }
  while (!out.empty() && out.back() == '-') out.pop_back();
  return out;
}

std::string uid(int year, int month, int day, std::string_view what) {
  return datetext(year, month, day) + "-" + slug(what) + uiddomain;
}

const char* holidaycategory(const HolidayEntry& row, bool german) {
  if (row.source == HolidaySource::summertime) return german ? "Sommerzeit" : "Daylight saving time";
  switch (row.kind) {
    case publicholiday:
      return german ? "Gesetzlicher Feiertag" : "Public holiday";
    case regionalholiday:
      return german ? "Regionaler Feiertag" : "Regional holiday";
    case nationalday:
      return german ? "Nationalfeiertag" : "National day";
    default:
      return german ? "Besonderer Tag" : "Named day";
  }
}

// A timed entry at the UT instant jd, rounded to the minute.
CalendarEntry timedentry(double jd, const char* english, const char* summary, const char* category) {
  CalendarEntry e;
  mjdtodatetime(roundjdtominute(jd) - 2400000.5, e.year, e.month, e.day, e.hour, e.minute, e.second);
  e.uid = uid(e.year, e.month, e.day, english);
  e.summary = summary;
  e.categories = category;
  return e;
}

void addholidays(std::vector<CalendarEntry>& out, int year, bool german, Language language) {
  for (const HolidayEntry& row : buildholidays(year)) {
    if (row.day == 0 || row.year != year) continue;  // empty rows, the next year's block
    CalendarEntry e;
    e.allday = true;
    e.year = row.year;
    e.month = row.month;
    e.day = row.day;
    e.uid = uid(row.year, row.month, row.day, row.englishname);
    e.summary = holidayname(row, language);
    e.categories = holidaycategory(row, german);
    out.push_back(std::move(e));
  }
}

// The lunations whose new moon or full moon may fall in the year.
void lunations(int year, int& first, int& last) {
  first = FirstLunationToTry(year, 1) - 1;
  last = FirstLunationToTry(year + 1, 1) + 1;
}

void addphases(std::vector<CalendarEntry>& out, int year, bool german) {
  struct Phase {
    double q;
    const char* english;
    const char* germanname;
  };
  static constexpr Phase phases[4] = {{0.0, "New Moon", "Neumond"},
                                      {0.25, "First Quarter", "Erstes Viertel"},
                                      {0.5, "Full Moon", "Vollmond"},
                                      {0.75, "Last Quarter", "Letztes Viertel"}};
  int first, last;
  lunations(year, first, last);
  for (int k = first; k <= last; ++k)
    for (const Phase& p : phases) {
      CalendarEntry e = timedentry(LunarPhase(k, p.q), p.english, german ? p.germanname : p.english,
                                   german ? "Mondphase" : "Moon phase");
      if (e.year == year) out.push_back(std::move(e));
    }
}

void addseasons(std::vector<CalendarEntry>& out, int year, bool german) {
  static constexpr const char* english[4] = {"Beginning of spring", "Beginning of summer", "Beginning of autumn",
                                             "Beginning of winter"};
  static constexpr const char* germannames[4] = {"Frühlingsbeginn", "Sommerbeginn", "Herbstbeginn", "Winterbeginn"};
  for (int s = 1; s <= 4; ++s)
    out.push_back(timedentry(SeasonBegin(year, s), english[s - 1], german ? germannames[s - 1] : english[s - 1],
                             german ? "Jahreszeit" : "Season"));
}

void addeclipses(std::vector<CalendarEntry>& out, int year, bool german) {
  struct Eclipse {
    int kind, type;
    const char* english;
    const char* germanname;
  };
  static constexpr Eclipse eclipses[5] = {
      {SolarEclipse, PartialEclipse, "Partial solar eclipse", "Partielle Sonnenfinsternis"},
      {SolarEclipse, TotalEclipse, "Total solar eclipse", "Totale Sonnenfinsternis"},
      {SolarEclipse, AnnularEclipse, "Annular solar eclipse", "Ringförmige Sonnenfinsternis"},
      {LunarEclipse, PartialEclipse, "Partial lunar eclipse", "Partielle Mondfinsternis"},
      {LunarEclipse, TotalEclipse, "Total lunar eclipse", "Totale Mondfinsternis"},
  };
  int first, last;
  lunations(year, first, last);
  for (int k = first; k <= last; ++k)
    for (const Eclipse& x : eclipses) {
      const double jd = EclipseMaximum(k, x.kind, x.type);
      if (jd == 0.0) continue;
      // The UID names the body, not the type, so that a changed type updates the entry.
      CalendarEntry e = timedentry(jd, x.kind == SolarEclipse ? "Solar eclipse" : "Lunar eclipse",
                                   german ? x.germanname : x.english, german ? "Finsternis" : "Eclipse");
      if (e.year == year) out.push_back(std::move(e));
    }
}

bool earlier(const CalendarEntry& a, const CalendarEntry& b) {
  const auto key = [](const CalendarEntry& e) {
    // All-day entries of a date before its timed ones.
    return std::make_tuple(e.year, e.month, e.day, e.allday ? 0 : 1, e.hour, e.minute, e.second);
  };
  return key(a) < key(b);
}

}  // namespace

std::vector<CalendarEntry> calendarentries(const IcalendarInputs& in, Language language) {
  std::vector<CalendarEntry> out;
  const bool german = language != english;
  // At most icalendarmaxyears years from the first, and of them only those
  // anything is computed for (a wider range would run for hours).
  const int first = std::max(in.firstyear, icalendarholidayfirst);
  const int last = static_cast<int>(std::min<long long>(
      {in.lastyear, static_cast<long long>(in.firstyear) + icalendarmaxyears - 1, icalendarholidaylast}));
  for (int year = first; year <= last; ++year) {
    std::vector<CalendarEntry> entries;
    const bool events = year >= icalendareventfirst && year <= icalendareventlast;
    if ((in.content & icalendarholidays) && year >= icalendarholidayfirst && year <= icalendarholidaylast)
      addholidays(entries, year, german, language);
    if ((in.content & icalendarphases) && events) addphases(entries, year, german);
    if ((in.content & icalendarseasons) && events) addseasons(entries, year, german);
    if ((in.content & icalendareclipses) && events) addeclipses(entries, year, german);
    std::stable_sort(entries.begin(), entries.end(), earlier);
    out.insert(out.end(), entries.begin(), entries.end());
  }
  return out;
}

}  // namespace quendal
