// The sky chart and the solar-system views; see sky_chart.h.
#include "reports/sky_chart.h"

#include <cmath>
#include <cstdlib>

#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/moon.h"
#include "astro/numeric.h"
#include "astro/planets.h"
#include "astro/refraction.h"
#include "astro/riseset.h"
#include "astro/timescales.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/position_text.h"

namespace quendal {

namespace {

constexpr int moon = 11;
constexpr int earth = 3;
constexpr double halfsecond = 0.5 / 86400.0;  // dates and times of an instant are rounded by it

// Compass names by orientation: top, left, right, bottom.
const char* const compassnames[2][4][4] = {{{"Süd", "Ost", "West", "Nord"},
                                            {"Ost", "Nord", "Süd", "West"},
                                            {"Nord", "West", "Ost", "Süd"},
                                            {"West", "Süd", "Nord", "Ost"}},
                                           {{"South", "East", "West", "North"},
                                            {"East", "North", "South", "West"},
                                            {"North", "West", "East", "South"},
                                            {"West", "South", "North", "East"}}};

// Disc radius of the solar-system views, 1..9.
constexpr int solarradius[10] = {0, 2, 5, 5, 4, 9, 8, 6, 6, 2};

// The compression of the solar-system views: the outer planets drawn nearer.
double compression(int body) {
  if (body <= 4) return 1 / 1.1;
  if (body == 5) return 0.4;
  if (body == 6) return 2.0 / 7.0;
  if (body == 7) return 1 / 5.6;
  return 1 / 7.7;
}

// "%s = name" of the first configured place with exactly these coordinates.
std::string placename(double latitude, double longitude, const LocationTable& places) {
  const int inuse = locationsinuse(places);
  for (int i = 0; i < inuse; ++i) {
    const LocationRecord& p = places[static_cast<std::size_t>(i)];
    if (latitudeof(p) == latitude && longitudeof(p) == longitude) return p.name;
  }
  return "";
}

std::string angle(double degrees, int width, bool sexagesimal) {
  return sexagesimal ? formatsexagesimal(degrees, 1) : formatdecimal(degrees, width, 0, 2);
}

std::vector<std::string> infolines(const SkyChartInputs& in, const SkyChart& chart, const Instant& instant,
                                   const ChartDisplayWord& word, Language language) {
  const bool german = language != english;
  std::vector<std::string> lines;
  const double deltat = (instant.tt - instant.ut) * 86400.0;
  lines.push_back(strprintf(german ? "Zoom: %d %% - Julianisches Datum (TDB): " : "Zoom: %d %% - Julian Date (TDB): ",
                            roundnearest(in.zoom * 100.0)) +
                  formatdecimal(instant.tt, 0, 0, 5) +
                  (german ? " | Differenz TDB <-> UTC deltaT (Sek.): " : " | Difference TDB <-> UTC deltaT (Sec.): ") +
                  formatdecimal(deltat, 0, 0, 1));
  lines.push_back(german
                      ? "h=Merkur, v=Venus, m=Mars, j=Jupiter, s=Saturn, u=Uranus, n=Neptun, p=Pluto, S=Sonne, M=Mond"
                      : "h=Merkury, v=Venus, m=Mars, j=Jupiter, s=Saturn, u=Uranus, n=Neptune, p=Pluto, S=Sun, M=Moon");
  std::string place = german ? "Für die Koordinaten " : "For the Coordinates ";
  place += formatdecimal(std::fabs(in.latitude), 0, 0, 4);
  place += in.latitude < 0 ? (german ? " Grad Süd /" : " Deg. South /") : (german ? " Grad Nord /" : " Deg. North /");
  place += " " + formatdecimal(std::fabs(in.longitude), 0, 0, 4);
  place += in.longitude < 0 ? (german ? " Grad West " : " Deg. West ") : (german ? " Grad Ost " : " Deg. East ");
  const std::string name = placename(in.latitude, in.longitude, in.places);
  if (!name.empty()) place += " = " + name;
  lines.push_back(place);

  double phaseangle = 0.0;
  const double percent = 100.0 * MoonIllumination(in.instant, phaseangle);
  lines.push_back((german ? "Mondbeleuchtung: " : "Moon's Illumination: ") + formatdecimalpadded(percent, 0, 0, 1) +
                  (german ? "Prozent" : "Percent") + (german ? " Mondphase = " : " Moon's Phase = ") +
                  moonphasenames[namerow(language)][MoonPhaseIndex(MoonAgeAngle(in.instant), percent)]);

  // The bodies above the horizon, 1 to 11.
  for (int body = 1; body <= moon; ++body) {
    for (const ChartBody& b : chart.bodies) {
      if (b.body != body || !b.point.drawn) continue;
      std::string t = padright(std::string(bodynames[namerow(language)][body]) + ":", 8) + " Azimuth:";
      t += angle(shownazimuth(b.azimuth, word.azimuthnorth), 7, word.sexagesimal) + " ";
      if (word.sexagesimal)
        t += german ? "- Höhe über Horizont (inkl. Refr.): " : "- Height over Horizon (incl. Refr.): ";
      else
        t += german ? "Grad - Höhe über Horizont (inkl. Refr.): " : "Deg. - Height over Horizon (inkl. Refr.): ";
      t += angle(b.altitude, 6, word.sexagesimal) + " ";
      if (!word.sexagesimal) t += german ? "Grad " : "Deg. ";
      t += "- Magnitude: " + formatdecimal(b.magnitude, 5, 0, 2);
      lines.push_back(t);
    }
  }
  lines.push_back("");
  if (german)
    lines.push_back(word.azimuthnorth ? "(Nord = 0 Grad, Ost = 90 Grad, Süd = 180 Grad, West = 270 Grad) "
                                      : "(Süd = 0 Grad, West = 90 Grad, Nord = 180 Grad, Ost = 270 Grad) ");
  else
    lines.push_back(word.azimuthnorth ? "(North = 0 Deg., East = 90 Deg., South = 180 Deg., West = 270 Deg.)"
                                      : "(South = 0 Deg., West = 90 Deg., North = 180 Deg., East = 270 Deg.)");
  lines.push_back(strprintf(german ? "(Für Refraktion: %d Grad Celsius - %d mBar Luftdruck)"
                                   : "(For Refraction: %d Degree Celsius - %d mBar Air Pressure)",
                            word.temperature, word.pressure));
  return lines;
}

}  // namespace

// Tenths added up are not exact: 1.0 plus thirty steps of 0.1 lies just
// below 4.0. The bounds are compared with this tolerance.
constexpr double zoomtolerance = 1e-6;

double zoomedout(double zoom) { return zoom > 0.3 + zoomtolerance ? zoom - 0.1 : zoom; }
double zoomedin(double zoom) { return zoom < 4.0 - zoomtolerance ? zoom + 0.1 : zoom; }

double steppedinstant(double instant, double days, double lower) {
  if (days < 0 && instant > lower) return instant + days;
  if (days > 0 && instant < 3000000.0) return instant + days;
  return instant;
}

ChartDisplayWord unpackdisplayword(int word) {
  ChartDisplayWord w;
  w.pressure = word & 0xFFF;
  w.temperature = ((word >> 12) & 0xFFF) - 200;
  w.azimuthnorth = (word >> 24) & 1;
  w.sexagesimal = (word >> 28) & 1;
  return w;
}

ChartPoint skychartpoint(double azimuth, double altitude, int centre, double zoom, int orientation) {
  ChartPoint p;
  if (!(altitude > 0.0)) return p;
  const double sa = SinDeg(altitude), sA = SinDeg(azimuth), cA = CosDeg(azimuth);
  double x = 0, y = 0;
  switch (orientation) {
    case 1:
      x = -sa * cA, y = -sA;
      break;
    case 2:
      x = sA, y = -sa * cA;
      break;
    case 3:
      x = sa * cA, y = sA;
      break;
    default:
      x = -sA, y = sa * cA;
      break;
  }
  const double s = centre * zoom * 0.9;
  p.drawn = true;
  p.x = roundnearest(centre + x * s);
  p.y = roundnearest(centre + y * s);
  return p;
}

void pushlabels(std::vector<ChartBody>& bodies) {
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    ChartBody& b = bodies[i];
    if (!b.point.drawn) continue;
    for (bool moved = true; moved;) {
      moved = false;
      for (std::size_t j = 0; j < i; ++j) {
        const ChartBody& o = bodies[j];
        if (!o.point.drawn) continue;
        const int below = b.labely - o.labely;
        if (std::abs(b.labelx - o.labelx) < 15 && below >= 0 && below <= 14) {
          b.labely = o.labely + 15;
          moved = true;
        }
      }
    }
  }
}

SkyChart buildskychart(const SkyChartInputs& in, int centre, Language language) {
  SkyChart chart;
  const int orientation = ((in.orientation % 4) + 4) % 4;
  for (int i = 0; i < 4; ++i)
    chart.compass[static_cast<std::size_t>(i)] = compassnames[namerow(language)][orientation][i];
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  jdtodate(in.instant + halfsecond, year, month, day, hour, minute, second);
  chart.time = strprintf("%02d:%02d UTC ", hour, minute);

  const ChartDisplayWord word = unpackdisplayword(in.displayword);
  const Instant instant = InstantFromUT(in.instant);
  const InstantFrame frame = FrameAt(instant);
  const double siderealtime = ApparentSiderealTime(frame, in.longitude);
  for (int body = moon; body >= 1; --body) {
    if (body == earth) continue;
    const BodyCode code = bodyofnameindex(body);
    const ApparentPlace a = BodyPosition(frame, code, true);
    if (!HasValue(a.status)) continue;
    const HorizontalPlace h = HorizontalFromEquatorial(a.ra, a.dec, siderealtime, in.latitude);
    ChartBody b;
    b.body = body;
    b.azimuth = h.azimuth;
    b.altitude = ApparentAltitude(word.pressure, word.temperature, AltitudeParallax(code, h.altitude, a.distance));
    b.magnitude = a.magnitude;
    b.point = skychartpoint(b.azimuth, b.altitude, centre, in.zoom, orientation);
    b.labelx = b.point.x;
    b.labely = b.point.y;
    chart.bodies.push_back(b);
  }
  pushlabels(chart.bodies);
  if (!in.fullcircle) chart.info = infolines(in, chart, instant, word, language);
  return chart;
}

std::string skycharttitle(double instant, Language language) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  jdtodate(instant + halfsecond, year, month, day, hour, minute, second);
  std::string t = language == english ? "Julian Date: " : "Julian. Datum : ";
  t += formatdecimalpadded(instant, 10, 0, 2) + " = ";
  if (language == english)
    t += strprintf("%s %d%s, %d ", monthname(month, language), day, ordinal(day), year);
  else
    t += strprintf("%d. %s %d ", day, monthname(month, language), year);
  return t;
}

SolarSystem buildsolarsystem(double instant, int view, int centre) {
  SolarSystem s;
  const Instant when = InstantFromUT(instant);
  const double d = view == innersolarsystemview ? 4.0 : 6.0;
  const int last = view == innersolarsystemview ? 6 : 9;
  auto place = [&](double f, const HeliocentricState& h, int& x, int& y) {
    const double r = f * h.r / d * centre;
    x = roundnearest(centre + r * SinDeg(h.l));
    y = roundnearest(centre + r * CosDeg(h.l));
  };
  for (int body = 1; body <= last; ++body) {
    const HeliocentricState h = PlanetHeliocentric(when.tt, static_cast<BodyCode>(body));
    if (!HasValue(h.status)) continue;
    SolarBody b;
    b.body = body;
    b.radius = solarradius[body];
    b.label = bodycodes[body];
    place(compression(body), h, b.x, b.y);
    b.labelx = b.x <= centre ? b.x - 45 : b.x + 15;
    b.labely = b.y - 8;
    s.planets.push_back(b);
  }
  const HeliocentricState m = MoonChartPosition(when.tt, when.ut);
  place(1 / 1.1, m, s.moonx, s.moony);
  return s;
}

}  // namespace quendal
