// The month overview; see month_overview.h.
#include "reports/month_overview.h"

#include <algorithm>

#include "almanac/events.h"
#include "app/configuration.h"
#include "astro/riseset.h"
#include "calendar/calendar.h"
#include "calendar/holidays.h"
#include "calendar/text.h"

namespace quendal {

namespace {

bool withastronomy(int year) { return year > 1799 && year < 2201; }

// "%02d:%02d" of decimal hours rounded to the minute, or the dashes.
std::string clocktime(double hours, const char* missing) {
  int h = 0, m = 0, s = 0;
  if (!splitsexagesimal(hours, h, m, s, 0)) return missing;
  roundtominute(h, m, s);
  return strprintf("%02d:%02d", h, m);
}

void sunevents(ReportBuffer& b, int day, int month, int year, const LocationRecord& place, int language) {
  const double zone = language == english ? 0.0 : (summertime(day, month, year) == 1 ? 2.0 : 1.0);
  const DayEventsResult sun = DayEvents(datetomjd(astronomicalyear(year), month, day), zone,
                                        longitudeof(place), latitudeof(place), BodyCode::Sun, {});
  const int status = sun.events;
  const double rise = sun.rise, set = sun.set;
  const bool risen = status & 1, gone = status & 2;
  if (!risen && !gone) {
    if (status & 4)
      b.append(language == english ? " alw. visib." : " im. sichtb.");
    else
      b.append(language == english ? " nev. visib." : " nie sichtb.");
    return;
  }
  b.append(" ");
  b.append(risen ? clocktime(rise, "-----") : std::string("-----"));
  b.append("/");
  b.append(gone ? clocktime(set, "-----") : std::string("-----"));
}

// " NM(12:34)" for each phase of the day; returns whether one was printed.
bool moonphases(ReportBuffer& b, const EventTable& events, int day, int month, int year, int language) {
  static const char* const german[4] = {" NM", " VM", " EV", " LV"};
  static const char* const englishcodes[4] = {" NM", " FM", " FQ", " LQ"};
  bool any = false;
  for (const EventEntry* e : eventsof(events, day, month, year)) {
    if (e->kind >= 10) continue;
    b.append(language == english ? englishcodes[e->kind] : german[e->kind]);
    b.printf("(%02d:%02d)", e->hour, e->minute);
    any = true;
  }
  return any;
}

void footer(ReportBuffer& b, const LocationRecord& place, int language) {
  const bool german = language != english;
  b.append(german ? "\r\n Sonnenauf- und -untergang (Zeit in MEZ/MESZ) für "
                  : "\r\n Sunrise and Sunset (Time in UTC) for ");
  b.append(place.name);
  b.append("\r\n");
  const double latitude = latitudeof(place);
  const double longitudewest = -longitudeof(place);
  const int ld = place.latitudedegrees, lm = place.latitudeminutes;
  const int od = place.longitudedegrees, om = place.longitudeminutes;
  if (german) {
    b.printf(latitude > 0 ? " %2d Grad %2d Min. Nord" : " %2d Grad %2d Min. Süd", ld, lm);
    b.printf(longitudewest < 0 ? " %3d Grad %2d Min. Ost" : " %3d Grad %2d Min. West", od, om);
    b.append("\r\n NM = Neumond, VM = Vollmond, EV/LV = Erstes bzw. Letztes Viertel (MEZ/MESZ)");
  } else {
    b.printf(latitude > 0 ? " %2d Deg. %2d Min. North" : " %2d Deg. %2d Min. South", ld, lm);
    b.printf(longitudewest < 0 ? " %3d Deg. %2d Min. East" : " %3d Deg. %2d Min. West", od, om);
    b.append("\r\n NM = New Moon, FM = Full Moon, FQ/LQ = First or Last Quarter (UTC)");
  }
}

std::string seasonline(const EventTable& events, int month, int year, int language) {
  static const char* const german[4] = {"Frühlingsbeginn", "Sommerbeginn", "Herbstbeginn", "Winterbeginn"};
  static const char* const englishnames[4] = {"Spring", "Summer", "Autumn", "Winter"};
  std::string line = " ";
  if (!withastronomy(year)) return line;
  for (const EventEntry& e : events) {
    if (e.kind <= 10 || e.year != year || e.month != month) continue;
    const int s = e.kind - 11;
    if (language == english) {
      line = strprintf(" %s begins on %s %d%s, %d at %02d:%02d ", englishnames[s], monthname(month, language), e.day,
                       ordinal(e.day), e.year, e.hour, e.minute);
      line += "(UTC) ";
    } else {
      line = strprintf(" %s ist am %d. %s %d um %02d:%02d Uhr ", german[s], e.day, monthname(month, language), e.year,
                       e.hour, e.minute);
      line += summertime(e.day, month, year) == 1 ? "(MESZ) " : "(MEZ) ";
    }
  }
  return line;
}

}  // namespace

MonthOverview buildmonthoverview(const MonthOverviewInputs& in, int language) {
  MonthOverview r;
  r.month = std::clamp(in.month, 1, 12);
  r.year = std::clamp(in.year, 1583, 9999);
  const int year = r.year, month = r.month;
  const bool german = language != english;

  ReportBuffer b;
  if (german) {
    b.append("\r\n Monatskalender für das Monat ");
    b.printf("%s %d ", monthname(month, language), year);
  } else {
    b.append("\r\n Calendar for the Month ");
    b.printf("%s %d ", monthname(month, language), year);
  }
  b.append("\r\n\r\n");

  // The tables of this year and language (the calendar views may hold them
  // for another year or time zone).
  const HolidayTable holidays = buildholidays(year);
  const EventTable events = withastronomy(year) ? buildevents(year, german ? 1 : 0, 0) : EventTable{};

  const LocationRecord& place =
      in.places[static_cast<std::size_t>(std::clamp(in.locationindex, 0, locationtablesize - 1))];
  for (int d = 1; d <= 31; ++d) {
    const int w = dayofweek(d, month, year);
    if (w <= 0) {
      b.append("\r\n");
      continue;
    }
    b.printf(" %s %2d ", shortweekdayname(w, language), d);
    if (d == 1 || w == 2)
      b.printf(german ? "KW %2d" : "WK %2d", weeknumber(d, month, year));
    else
      b.printf("(%3d)", dayofyear(d, month, year));
    bool phase = false;
    if (withastronomy(year)) {
      sunevents(b, d, month, year, place, language);
      phase = moonphases(b, events, d, month, year, language);
    }
    if (!phase) b.append("          ");
    bool first = true;
    for (const HolidayEntry* e : holidaysof(holidays, d, month, year)) {
      b.append(first ? " " : " - ");
      b.append(holidayname(*e, language));
      first = false;
    }
    b.append("\r\n");
  }

  if (withastronomy(year)) {
    r.placename = place.name;
    footer(b, place, language);
  }
  b.append("\r\n");
  b.append(seasonline(events, month, year, language));
  r.text = b.text();
  return r;
}

}  // namespace quendal
