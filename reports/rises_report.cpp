// The rises and twilight report; see rises_report.h.
#include "reports/rises_report.h"

#include <algorithm>
#include <vector>

#include "app/configuration.h"
#include "astro/moon.h"
#include "astro/riseset.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/position_text.h"

namespace quendal {

namespace {

// A column of the rise/set and culmination tables: its body.
struct Column {
  BodyCode body;
};

// The planets in the dialog's order.
const Column planetcolumns[8] = {{BodyCode::Mercury}, {BodyCode::Venus},  {BodyCode::Mars},    {BodyCode::Jupiter},
                                 {BodyCode::Saturn},  {BodyCode::Uranus}, {BodyCode::Neptune}, {BodyCode::Pluto}};

RisesInputs corrected(const RisesInputs& in) {
  RisesInputs c = in;
  c.precise = in.precise ? 1 : 0;
  c.seconds = in.seconds ? 1 : 0;
  c.year = c.precise ? std::clamp(in.year, 1000, 3000) : std::clamp(in.year, 1600, 2400);
  c.month = std::clamp(in.month, 1, 12);
  c.day = std::clamp(in.day, 1, 31);
  while (c.day > 1 && dayofweek(c.day, c.month, c.year) <= 0) --c.day;
  c.zone = std::clamp(in.zone, -12, 12);
  c.half = std::clamp(in.half, 0, 1);
  if (c.zone == 0 || c.zone == 12 || c.zone == -12) c.half = 0;
  c.locationindex = std::clamp(in.locationindex, 0, locationtablesize - 1);
  c.individual = std::clamp(in.individual, -30, 30);
  for (int& p : c.planets) p = p ? 1 : 0;

  if (in.positionmode || (iszeroplace(in.place) && !in.explicitplace)) {
    c.place = in.places[static_cast<std::size_t>(in.positionmode ? c.locationindex : 0)];
    c.positionmode = 0;
  }
  clampplace(c.place);
  return c;
}

// The configured place with exactly these coordinates, or "".
std::string placename(const RisesInputs& c) {
  const int inuse = locationsinuse(c.places);
  for (int i = 0; i < inuse; ++i) {
    const LocationRecord& p = c.places[static_cast<std::size_t>(i)];
    if (sameplace(p, c.place)) return p.name;
  }
  return std::string();
}

// Hours, minutes, seconds of decimal hours; without seconds rounded to the
// minute. False when the value cannot be split.
bool clockparts(double hours, bool seconds, int& h, int& m, int& s) {
  if (!splitsexagesimal(hours, h, m, s, 0)) return false;
  if (!seconds) roundtominute(h, m, s);
  return true;
}

std::string clocktext(int h, int m, int s, bool seconds) {
  return seconds ? strprintf("%02d:%02d:%02d", h, m, s) : strprintf("%02d:%02d", h, m);
}

struct SunTimes {
  bool rise = false, set = false;
  int riseminutes = 0, setminutes = 0;  // hour and minute as printed, in minutes
};

void headingrow(ReportBuffer& b, const std::vector<Column>& columns, int width, Language language) {
  const int row = namerow(language);
  b.append("\r\n ");
  for (const Column& c : columns)
    b.append(padright(bodynames[row][nameindexofbody(c.body)], static_cast<std::size_t>(width)));
}

void riseandset(ReportBuffer& b, const std::vector<Column>& columns, const RisesInputs& c, int mjd, double zone,
                double longitude, double latitude, SunTimes& sun, std::vector<RisesBody>& bodies, Language language) {
  const bool seconds = c.seconds;
  const bool german = language != english;
  if (german)
    b.append(seconds ? "\r\n\r\n Aufgang  / Untergang" : "\r\n\r\n Aufgang / Untergang");
  else
    b.append(seconds ? "\r\n\r\n Rise     / Set      " : "\r\n\r\n Rise  / Set   ");
  headingrow(b, columns, seconds ? 21 : 15, language);
  b.append("\r\n ");
  for (const Column& col : columns) {
    DayEventsOptions options;
    options.fullPrecision = c.precise;
    const DayEventsResult day = DayEvents(mjd, zone, longitude, latitude, col.body, {}, options);
    bodies.push_back({col.body, day, {}});
    const int status = day.events;
    int h = 0, m = 0, s = 0;
    const bool risen = (status & 1) && clockparts(day.rise, seconds, h, m, s);
    if (risen) {
      b.append(clocktext(h, m, s, seconds) + " / ");
      if (col.body == BodyCode::Sun) {
        sun.rise = true;
        sun.riseminutes = h * 60 + m;
      }
    }
    const bool gone = (status & 2) && clockparts(day.set, seconds, h, m, s);
    if (!risen && !gone) {
      if (status & 4)
        b.append(german ? "immer sichtbar " : "always visible ");
      else
        b.append(german ? "nie sichtbar   " : "never visible  ");
      if (seconds) b.append("      ");
      continue;
    }
    if (!risen) b.append(seconds ? "-------- / " : "----- / ");
    if (gone) {
      b.append(clocktext(h, m, s, seconds) + "  ");
      if (col.body == BodyCode::Sun) {
        sun.set = true;
        sun.setminutes = h * 60 + m;
      }
    } else {
      b.append(seconds ? "--------  " : "-----  ");
    }
  }
}

void culminations(ReportBuffer& b, const std::vector<Column>& columns, const RisesInputs& c, int mjd, double zone,
                  double longitude, double latitude, std::vector<RisesBody>& bodies, Language language) {
  const bool seconds = c.seconds;
  b.append(language != english ? "\r\n\r\n Maximale Höhe über Horizont (ohne Refraktion): "
                               : "\r\n\r\n Maximum Height over Horizon (without Refraction): ");
  headingrow(b, columns, seconds ? 21 : 15, language);
  b.append("\r\n ");
  DayEventsOptions options;
  options.fullPrecision = c.precise;
  options.culmination = seconds ? Culmination::Fine : Culmination::Coarse;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const DayEventsResult day = DayEvents(mjd, zone, longitude, latitude, columns[i].body, {}, options);
    bodies[i].culmination = day;
    const double culmination = day.culmination, altitude = day.altitude;
    int h = 0, m = 0, s = 0;
    if (culmination != NoCulmination && clockparts(culmination, seconds, h, m, s))
      b.append(clocktext(h, m, s, seconds) + " = ");
    else
      b.append(seconds ? "--:--:-- = " : "--:-- = ");
    b.append("(");
    if (altitude < -5.0) {
      b.append("----");
    } else {
      std::string value = formatdecimalpadded(altitude, 4, language != english, 1);
      if (!value.empty() && value.back() == ' ') value.pop_back();
      b.append(value);
    }
    b.append(seconds ? ")    " : ") ");
  }
}

void twilights(ReportBuffer& b, const RisesInputs& c, int mjd, double zone, double longitude, double latitude,
               DayEventsResult (&results)[4], Language language) {
  const bool german = language != english;
  if (german) {
    b.append("\r\n\r\n Morgen-Dämmerung     / Abend-Dämmerung ");
    b.append("\r\n bürgerlich     nautisch       astronomisch   individuell");
  } else {
    b.append("\r\n\r\n Dawn                 / Twilight ");
    b.append("\r\n civil          nautical       astronomical   individual");
  }
  b.append("\r\n ");
  const HorizonEvent events[4] = {{HorizonEvent::CivilTwilight},
                                  {HorizonEvent::NauticalTwilight},
                                  {HorizonEvent::AstronomicalTwilight},
                                  {HorizonEvent::IndividualTwilight, static_cast<double>(c.individual)}};
  DayEventsOptions options;
  options.fullPrecision = c.precise;
  for (int i = 0; i < 4; ++i) {
    const DayEventsResult day = DayEvents(mjd, zone, longitude, latitude, BodyCode::Sun, events[i], options);
    results[i] = day;
    const int status = day.events;
    int h = 0, m = 0, s = 0;
    const bool first = (status & 1) && clockparts(day.rise, false, h, m, s);
    const std::string dawntext = first ? strprintf("%02d:%02d / ", h, m) : std::string("----- / ");
    const bool last = (status & 2) && clockparts(day.set, false, h, m, s);
    const std::string dusktext = last ? strprintf("%02d:%02d  ", h, m) : std::string("-----  ");
    if (!first && !last) {
      if (status & 4)
        b.append(german ? "immer hell     " : "always light   ");
      else
        b.append(german ? "immer dunkel   " : "always dark    ");
    } else {
      b.append(dawntext + dusktext);
    }
  }
}

void coordinatelines(ReportBuffer& b, const GeoPlace& p, Language language) {
  const int comma = language != english;
  b.append(
      coordinateline(p.latitudedegrees, p.latitudeminutes, p.north != 0, true, latitudeof(p), "=", comma, language));
  b.append(
      coordinateline(p.longitudedegrees, p.longitudeminutes, p.east != 0, false, longitudeof(p), "=", comma, language));
}

}  // namespace

RisesReport buildrisesreport(const RisesInputs& in, Language language) {
  RisesReport r;
  r.corrected = corrected(in);
  const RisesInputs& c = r.corrected;
  r.placename = placename(c);
  const bool german = language != english;

  double zone = c.zone;
  if (c.half && c.zone > 0) zone += 0.5;
  if (c.half && c.zone < 0) zone -= 0.5;
  const double latitude = latitudeof(c.place);
  const double longitude = longitudeof(c.place);
  const int mjd = datetomjd(astronomicalyear(c.year), c.month, c.day);

  ReportBuffer b;
  const int w = dayofweek(c.day, c.month, c.year);
  if (german)
    b.printf("\r\n Datum: %s, %d. %s %d ", weekdayname(w, language), c.day, monthname(c.month, language), c.year);
  else
    b.printf("\r\n Date: %s, %s %d%s, %d ", weekdayname(w, language), monthname(c.month, language), c.day,
             ordinal(c.day), c.year);
  b.append("\r\n\r\n");
  if (!r.placename.empty())
    b.printf(german ? " Für den Ort %s " : " For the Location %s ", r.placename.c_str());
  else
    b.append(german ? " Für die Koordinaten " : " For the Coordinates ");
  coordinatelines(b, c.place, language);
  const std::string label = zonelabel(c.zone, c.half, language);
  b.append(german ? " (Zeiten in " : " (Time in ");
  b.append(label);
  b.append(") ");

  std::vector<Column> columns = {{BodyCode::Sun}, {BodyCode::Moon}};
  if (c.precise)
    for (int p = 0; p < 8; ++p)
      if (c.planets[p]) columns.push_back(planetcolumns[p]);

  SunTimes sun;
  r.zonehours = zone;
  riseandset(b, columns, c, mjd, zone, longitude, latitude, sun, r.bodies, language);
  culminations(b, columns, c, mjd, zone, longitude, latitude, r.bodies, language);
  twilights(b, c, mjd, zone, longitude, latitude, r.twilights, language);

  if (sun.rise && sun.set) {
    int length = sun.setminutes - sun.riseminutes;
    if (length < 0) length += 1440;
    b.append("\r\n\r\n");
    if (german) {
      b.printf(" Tageslänge: %d Stunden %d Minuten (Aufgang -> Untergang)", length / 60, length % 60);
      b.printf("\r\n Individuell = Sonne bei %d Grad ", c.individual);
    } else {
      b.printf(" Length of the Day: %d Hours %d Minutes (Sunrise -> Sunset)", length / 60, length % 60);
      b.printf("\r\n Individual = Sun at %d Degree ", c.individual);
    }
  }

  const double jd = datetojd(c.year, c.month, c.day) + 0.5 - zone / 24.0;
  double phaseangle = 0;
  const double percent = 100.0 * MoonIllumination(jd, phaseangle);
  const int phase = MoonPhaseIndex(MoonAgeAngle(jd), percent);
  b.append(german ? "\r\n\r\n Mondphase um 12 Uhr " : "\r\n\r\n Moon's Phase at 12 o'clock ");
  b.append(label + ": ");
  b.append(moonphasenames[namerow(language)][phase]);
  b.append(german ? "\r\n Mondbeleuchtung: " : "\r\n Moon's Illumination: ");
  b.append(formatdecimalpadded(percent, percent >= 100 ? 5 : percent >= 10 ? 4 : 3, german, 1));
  b.append(german ? "Prozent" : "Percent");
  b.append(german ? "\r\n\r\n Die tatsächlichen Auf- und Untergänge sind abhängig vom Gelände! "
                  : "\r\n\r\n De facto Rises and Sets depend on the Terrain! ");
  r.text = b.text();
  return r;
}

}  // namespace quendal
