// The position dialog's report; see chart_position.h.
#include "reports/chart_position.h"

#include <cmath>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/position_text.h"

namespace quendal {

ChartPosition buildchartposition(const ChartPositionInputs& inputs, Language language) {
  ChartPosition r;
  r.corrected = inputs;
  ChartPositionInputs& in = r.corrected;
  const bool german = language != english;
  if (in.placeindex >= 0) {
    const int index = in.placeindex < locationsinuse(in.places) ? in.placeindex : 0;
    in.place = in.places[static_cast<std::size_t>(index)];
    in.place.latitudeseconds = 0;
    in.place.longitudeseconds = 0;
    in.placeindex = -1;
  }
  clampplace(in.place);
  clamplocalinstant(in.year, in.month, in.day, in.hour, in.minute, in.zone, in.halfzone);
  r.latitude = latitudeof(in.place);
  r.longitude = longitudeof(in.place);
  r.instant =
      datetojd(in.year, in.month, in.day) + in.hour / 24.0 + in.minute / 1440.0 - zonedays(in.zone, in.halfzone);
  const int inuse = locationsinuse(in.places);
  for (int i = 0; i < inuse && r.placename.empty(); ++i) {
    const LocationRecord& p = in.places[static_cast<std::size_t>(i)];
    if (latitudeof(p) == r.latitude && longitudeof(p) == r.longitude) r.placename = p.name;
  }

  std::string& t = r.text;
  t = german ? "\r\n Neuer Standort: " : "\r\n New Location: ";
  t += german ? "\r\n\r\n Breite: " : "\r\n\r\n Latitude:  ";
  t += formatdecimalpadded(std::fabs(r.latitude), 11, 0, 5);
  t += german ? " Grad " : " Degree ";
  t += in.place.north ? (german ? "Nord " : "North ") : (german ? "Süd " : "South ");
  t += german ? "\r\n Länge:  " : "\r\n Longitude: ";
  t += formatdecimalpadded(std::fabs(r.longitude), 11, 0, 5);
  t += german ? " Grad " : " Degree ";
  t += in.place.east ? (german ? "Ost " : "East ") : "West ";
  if (!r.placename.empty()) t += "\r\n\r\n = " + r.placename;
  t += german ? "\r\n\r\n Neues Julianisches Datum:  " : "\r\n\r\n New Julian Date:  ";
  t += formatdecimalpadded(r.instant, 13, 0, 5);
  t += "\r\n = ";
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  jdtodate(roundjdtominute(r.instant), year, month, day, hour, minute, second);
  if (german)
    t += strprintf("%d. %s %d ", day, monthname(month, language), year);
  else
    t += strprintf("%s %d%s, %d ", monthname(month, language), day, ordinal(day), year);
  t += strprintf("- %02d:%02d UTC ", hour, minute);
  t += german ? "\r\n\r\n OK      = Änderungen übernehmen "
                "\r\n Abbruch = Änderungen verwerfen "
                "\r\n Ort     = nur Ort übernehmen "
                "\r\n Datum   = nur Julianisches Datum übernehmen "
              : "\r\n\r\n OK     = confirm Changes "
                "\r\n Cancel = discard Changes "
                "\r\n Loc    = confirm only Location "
                "\r\n Date   = confirm only Julian Date ";
  return r;
}

int chartzone(int year, int month, int day, Language language) {
  if (language == english || year < 1901 || year > 2099) return 0;
  return 1 + summertime(day, month, year);
}

ChartLocalTime chartlocaltime(double instant, Language language) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  jdtodate(instant, year, month, day, hour, minute, second);
  ChartLocalTime t;
  t.zone = chartzone(year, month, day, language);
  jdtodate(instant + t.zone / 24.0 + 30.0 / 86400.0, t.year, t.month, t.day, t.hour, t.minute, second);
  return t;
}

}  // namespace quendal
