// The month overview; see month_overview.h.
#include "reports/month_overview.h"

#include <algorithm>

#include "almanac/events.h"
#include "app/configuration.h"
#include "calendar/calendar.h"
#include "calendar/holidays.h"
#include "calendar/text.h"
#include "reports/calendar_lines.h"

namespace quendal {

MonthOverview buildmonthoverview(const MonthOverviewInputs& in, Language language) {
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
    b.append(dayhead(d, month, year, language));
    std::string phases;
    if (withastronomy(year)) {
      b.append(suncolumn(d, month, year, place, language));
      phases = moonphasetags(events, d, month, year, language);
    }
    b.append(phases.empty() ? std::string("          ") : phases);
    b.append(holidaynames(holidays, d, month, year, language));
    b.append("\r\n");
  }

  if (withastronomy(year)) {
    r.placename = place.name;
    b.append("\r\n");
    b.append(sunheading(language));
    b.append(place.name);
    b.append("\r\n");
    b.append(coordinatesline(place, language));
    b.append("\r\n");
    b.append(moonlegend(language));
  }
  b.append("\r\n");
  const std::string season = seasonline(events, month, year, language);
  b.append(season.empty() ? std::string(" ") : season);
  r.text = b.text();
  return r;
}

}  // namespace quendal
