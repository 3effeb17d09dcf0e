// Shared pieces of the calendar day lines; see calendar_lines.h.
#include "reports/calendar_lines.h"

#include "astro/riseset.h"
#include "calendar/calendar.h"
#include "calendar/text.h"

namespace quendal {

namespace {

// "%02d:%02d" of decimal hours rounded to the minute, or the dashes.
std::string clocktime(double hours, const char* missing) {
  int h = 0, m = 0, s = 0;
  if (!splitsexagesimal(hours, h, m, s, 0)) return missing;
  roundtominute(h, m, s);
  return strprintf("%02d:%02d", h, m);
}

}  // namespace

std::string dayhead(int day, int month, int year, Language language) {
  const int w = dayofweek(day, month, year);
  std::string t = strprintf(" %s %2d ", shortweekdayname(w, language), day);
  if (day == 1 || w == 2)
    t += strprintf(language == english ? "WK %2d" : "KW %2d", weeknumber(day, month, year));
  else
    t += strprintf("(%3d)", dayofyear(day, month, year));
  return t;
}

double sunzone(int day, int month, int year, Language language) {
  return language == english ? 0.0 : (summertime(day, month, year) == 1 ? 2.0 : 1.0);
}

DayEventsResult sunriseset(int day, int month, int year, const LocationRecord& place, Language language) {
  return DayEvents(datetomjd(astronomicalyear(year), month, day), sunzone(day, month, year, language),
                   longitudeof(place), latitudeof(place), BodyCode::Sun, {});
}

std::string suncolumn(int day, int month, int year, const LocationRecord& place, Language language) {
  const DayEventsResult sun = sunriseset(day, month, year, place, language);
  const bool risen = sun.events & RiseFound, gone = sun.events & SetFound;
  if (!risen && !gone) {
    if (sun.events & AboveAtMidnight) return language == english ? " alw. visib." : " im. sichtb.";
    return language == english ? " nev. visib." : " nie sichtb.";
  }
  std::string t = " ";
  t += risen ? clocktime(sun.rise, "-----") : std::string("-----");
  t += "/";
  t += gone ? clocktime(sun.set, "-----") : std::string("-----");
  return t;
}

std::string moonphasetags(const EventTable& events, int day, int month, int year, Language language) {
  static const char* const german[4] = {" NM", " VM", " EV", " LV"};
  static const char* const englishcodes[4] = {" NM", " FM", " FQ", " LQ"};
  std::string t;
  for (const EventEntry* e : eventsof(events, day, month, year)) {
    if (e->kind >= 10) continue;
    t += language == english ? englishcodes[e->kind] : german[e->kind];
    t += strprintf("(%02d:%02d)", e->hour, e->minute);
  }
  return t;
}

std::string holidaynames(const HolidayTable& holidays, int day, int month, int year, Language language) {
  std::string t;
  bool first = true;
  for (const HolidayEntry* e : holidaysof(holidays, day, month, year)) {
    t += first ? " " : " - ";
    t += holidayname(*e, language);
    first = false;
  }
  return t;
}

const char* sunheading(Language language) {
  return language == english ? " Sunrise and Sunset (Time in UTC) for "
                             : " Sonnenauf- und -untergang (Zeit in MEZ/MESZ) für ";
}

std::string coordinatesline(const GeoPlace& place, Language language) {
  const bool north = latitudeof(place) > 0;
  const bool east = longitudeof(place) > 0;
  const int ld = place.latitudedegrees, lm = place.latitudeminutes;
  const int od = place.longitudedegrees, om = place.longitudeminutes;
  if (language == english)
    return strprintf(north ? " %2d Deg. %2d Min. North" : " %2d Deg. %2d Min. South", ld, lm) +
           strprintf(east ? " %3d Deg. %2d Min. East" : " %3d Deg. %2d Min. West", od, om);
  return strprintf(north ? " %2d Grad %2d Min. Nord" : " %2d Grad %2d Min. Süd", ld, lm) +
         strprintf(east ? " %3d Grad %2d Min. Ost" : " %3d Grad %2d Min. West", od, om);
}

const char* moonlegend(Language language) {
  return language == english ? " NM = New Moon, FM = Full Moon, FQ/LQ = First or Last Quarter (UTC)"
                             : " NM = Neumond, VM = Vollmond, EV/LV = Erstes bzw. Letztes Viertel (MEZ/MESZ)";
}

std::string seasonline(const EventTable& events, int month, int year, Language language) {
  static const char* const german[4] = {"Frühlingsbeginn", "Sommerbeginn", "Herbstbeginn", "Winterbeginn"};
  static const char* const englishnames[4] = {"Spring", "Summer", "Autumn", "Winter"};
  std::string line;
  if (!withastronomy(year)) return line;
  for (const EventEntry& e : events) {
    if (e.kind <= 10 || e.year != year || e.month != month) continue;
    const int s = e.kind - springevent;
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

}  // namespace quendal
