// The planet position report and the ephemeris list; see planet_report.h.
#include "reports/planet_report.h"

#include <cmath>
#include <utility>

#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/moon.h"
#include "astro/numeric.h"
#include "astro/refraction.h"
#include "astro/riseset.h"
#include "astro/timescales.h"
#include "astro/zodiac.h"
#include "calendar/calendar.h"
#include "calendar/text.h"

namespace quendal {

namespace {

constexpr int earth = 3;
constexpr int sun = 10;
constexpr int moon = 11;
constexpr double millionkmperau = 149.597870691;
constexpr double thousandkmperau = 149597.870691;
constexpr int liststeps = 100;
constexpr std::size_t liststop = 15000;   // characters
constexpr std::size_t trailerroom = 200;  // characters kept free for the trailer of the list

int clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

// Where a body stands for the observer at one instant.
using Place = PlanetPlace;

// body: the name-table index.
Place bodyplace(int body, const InstantFrame& frame, double siderealtime, double latitude, const PlanetInputs& in) {
  const BodyCode code = bodyofnameindex(body);
  const ApparentPlace a = BodyPosition(frame, code);
  Place p;
  p.body = body;
  p.ra = a.ra, p.dec = a.dec, p.distance = a.distance, p.elongation = a.elongation;
  p.illuminated = a.illuminated, p.magnitude = a.magnitude, p.diameter = a.diameter;
  p.lambda = a.lambda, p.beta = a.beta;
  p.heliocentric = a.heliocentric;
  const HorizontalPlace h = HorizontalFromEquatorial(p.ra, p.dec, siderealtime, latitude);
  p.azimuth = shownazimuth(h.azimuth, in.azimuthnorth);
  p.altitude = AltitudeParallax(code, h.altitude, p.distance);
  p.refracted = ApparentAltitude(in.pressure, in.temperature, p.altitude);
  return p;
}

// An angle in degrees: 2 decimals, or degrees, minutes and seconds.
std::string angle(double degrees, int width, bool sexagesimal) {
  return sexagesimal ? formatsexagesimal(degrees, 1) : formatdecimal(degrees, width, 0, 2);
}

// Clamping, the place, the instant and the delta T hand-shake shared by both
// texts. Returns false when the report only computed delta T.
bool prepare(const PlanetInputs& inputs, PlanetReport& r) {
  r.corrected = inputs;
  PlanetInputs& in = r.corrected;
  clamplocalinstant(in.year, in.month, in.day, in.hour, in.minute, in.zone, in.halfzone);
  in.deltat = clamp(in.deltat, -9999, 99999);
  in.temperature = clamp(in.temperature, -99, 200);
  in.pressure = clamp(in.pressure, 0, 3000);
  in.step = clamp(in.step, 1, 99999);
  in.bodies[0] = false;
  r.placename = resolveplace(in.place, in.placeindex, in.places, in.explicitplace);
  r.latitude = latitudeof(in.place);
  r.longitude = longitudeof(in.place);
  r.jd = datetojd(in.year, in.month, in.day) + in.hour / 24.0 + in.minute / 1440.0 - zonedays(in.zone, in.halfzone);
  r.displayword = (in.pressure & 0xFFF) | ((in.temperature + 200) & 0xFFF) << 12 | (in.azimuthnorth ? 1 << 24 : 0) |
                  (in.sexagesimal ? 1 << 28 : 0);
  if (!inputs.deltaTPending) {
    in.deltaTPending = true;
    in.deltat = clamp(roundnearest(DeltaTForJD(r.jd) * 10.0), -9999, 99999);
    r.deltatcomputed = true;
    r.jde = r.jd + in.deltat / 10.0 * DaysPerSecond;
    return false;
  }
  in.deltaTPending = false;
  r.jde = r.jd + in.deltat / 10.0 * DaysPerSecond;
  return true;
}

void coordinatelines(ReportBuffer& b, const PlanetReport& r, Language language) {
  b.append("\r\n\r\n");
  b.append(placeheading(r.placename, language));
  if (r.corrected.details) {
    b.append(latitudeline(r.corrected.place, language));
    b.append(longitudeline(r.corrected.place, language));
  }
}

void header(ReportBuffer& b, const PlanetReport& r, const InstantFrame& frame, Language language) {
  const PlanetInputs& in = r.corrected;
  const bool german = language != english;
  const int weekday = dayofweek(in.day, in.month, in.year);
  if (german)
    b.printf("\r\n %s, %d. %s %d ", weekdayname(weekday, language), in.day, monthname(in.month, language), in.year);
  else
    b.printf("\r\n %s, %s %d%s, %d ", weekdayname(weekday, language), monthname(in.month, language), in.day,
             ordinal(in.day), in.year);
  b.printf(german ? "um %02d:%02d " : "at %02d:%02d ", in.hour, in.minute);
  b.append(zonelabel(in.zone, in.halfzone, language));
  b.append(german ? "\r\n Julianisches Datum (UTC): " : "\r\n Julian Date (UTC): ");
  b.append(formatdecimal(r.jd, 0, 0, 5));
  coordinatelines(b, r, language);
  if (in.details) {
    b.append("\r\n\r\n");
    b.append(siderealtimeline(MeanSiderealTime(r.jd, r.longitude), 0, language));
    b.append("\r\n");
    b.append(siderealtimeline(ApparentSiderealTime(frame, r.longitude), 1, language));

    const double obliquity = frame.trueObliquity;
    b.append(german ? "\r\n\r\n Schiefe der Ekliptik (inkl. Nutation): "
                    : "\r\n\r\n Obliquity of the Ecliptic (incl. Nutation): ");
    b.append(formatdecimal(obliquity, 0, 0, 5));
    b.append(german ? "Grad =" : "Deg. =");
    b.append(formatsexagesimal(obliquity, 1));
    b.append(german ? "\r\n Nutation in Schiefe: " : "\r\n Nutation in Obliquity: ");
    b.append(formatdecimal(frame.nutation.obliquity * 3600.0, 0, 0, 3));
    b.append("\" ");
    b.append(german ? "  Nutation in Länge: " : "     Nutation in Longitude: ");
    b.append(formatdecimal(frame.nutation.longitude * 3600.0, 0, 0, 3));
    b.append("\" ");

    const double horizon = ApparentAltitude(in.pressure, in.temperature, 0.0);
    b.printf(german ? "\r\n\r\n Refraktion: %d Grad Celsius %d mBar - bei Höhe Horizont 0.0 Grad - Refr.: +"
                    : "\r\n\r\n Refraction: %d Degree Celsius %d mBar - at Height over Horizon 0.0 Deg. - Refr.: +",
             in.temperature, in.pressure);
    b.append(formatdecimal(horizon, 0, 0, 3));
    b.append(german ? " Grad " : " Deg. ");
  }
  b.append(german ? "\r\n\r\n Julianisches Datum (TDB): " : "\r\n\r\n Julian Date (TDB): ");
  b.append(formatdecimal(r.jde, 0, 0, 5));
  b.append(german ? " | Differenz TDB <-> UTC deltaT (Sek.): " : " | Difference TDB <-> UTC deltaT (Sec.): ");
  b.append(formatdecimal(in.deltat / 10.0, 0, 0, 1));
  if (in.zodiacEnabled) {
    b.append(german ? "\r\n Ekliptiksternbilder gem. Internationaler Astronomischer Union "
                    : "\r\n Zodiacal Constellations acc. with Int. Astronomical Union ");
    if (!in.sexagesimal)
      b.append(german ? "(eL / eB = Ekliptikale Länge / Breite) " : "(eLo / eLa = Ecliptic Longitude / Latitude) ");
  }
}

// "\r\n\r\n Daten von Mars:    Widder     - eL:  45.12 Grad / eB:  -1.23 Grad "
void bodyheading(ReportBuffer& b, int body, const Place& p, const PlanetInputs& in, Language language) {
  const bool german = language != english;
  b.append(german ? "\r\n\r\n Daten von " : "\r\n\r\n Data of ");
  b.append(padright(std::string(bodynames[namerow(language)][body]) + ": ", 9));
  if (!in.zodiacEnabled || body == earth) return;
  b.append(padright(zodiacnames[namerow(language)][p.constellation], 10));
  b.append(german ? " - eL: " : " - eLo: ");
  b.append(angle(p.lambda, 6, in.sexagesimal));
  b.append(german ? " Grad " : " Degree ");
  b.append(german ? "/ eB: " : "/ eLa: ");
  b.append(angle(p.beta, 6, in.sexagesimal));
  b.append(german ? " Grad " : " Degree ");
}

// One line of the orbit data: value and rate, each in the two units.
void orbitline(ReportBuffer& b, const char* label, double value1, double value2, double rate1, double rate2,
               const char* unit1, const char* unit2, const char* ratelabel) {
  b.append(label);
  b.append(formatdecimal(value1, 9, 0, 5));
  b.append(unit1);
  b.append(formatdecimal(value2, 10, 0, 5));
  b.append(unit2);
  b.append(ratelabel);
  b.append(formatdecimal(rate1, 9, 0, 5));
  b.append(unit1);
  b.append(formatdecimal(rate2, 10, 0, 5));
  b.append(unit2);
}

// The orbit data of a body at tt: a planet's heliocentric state, the
// Moon's geocentric one (its longitude's rate within -180..180 degrees).
HeliocentricState orbitstate(int body, const HeliocentricState& state, double tt) {
  if (body != moon) return state;
  const EclipticPosition now = MoonPosition(tt), next = MoonPosition(tt + 1.0);
  HeliocentricState s = {AstroStatus::Ok,
                         now.longitude,
                         now.latitude,
                         now.distance,
                         next.longitude - now.longitude,
                         next.latitude - now.latitude,
                         next.distance - now.distance};
  if (s.dl < -180.0) s.dl += 360.0;
  if (s.dl > 180.0) s.dl -= 360.0;
  return s;
}

// The orbit data of orbitstate; false when the planetary theory gave no
// position.
bool orbitblock(ReportBuffer& b, int body, const HeliocentricState& s, Language language) {
  const bool german = language != english;
  if (body == moon)
    b.append(german ? "\r\n (Geozentrische Polarkoordinaten) " : "\r\n (Geocentric Polar Coordinates) ");
  else if (!HasValue(s.status))
    return false;
  const char* rate = german ? " Änd./Tag: " : " Vel./Day: ";
  const char* degrees = german ? " Grad   " : " Deg.   ";
  orbitline(b, german ? "\r\n Längengr.: " : "\r\n Longitude: ", s.l * RadiansPerDegree, s.l, s.dl * RadiansPerDegree,
            s.dl, " Rad. ", degrees, rate);
  orbitline(b, german ? "\r\n Breitengr.:" : "\r\n Latitude:  ", s.b * RadiansPerDegree, s.b, s.db * RadiansPerDegree,
            s.db, " Rad. ", degrees, rate);
  const double km = body == moon ? thousandkmperau : millionkmperau;
  orbitline(b, "\r\n Radius:    ", s.r, s.r * km, s.dr, s.dr * km, " AU   ", body == moon ? " Tsd. km" : " Mio. km",
            rate);
  return true;
}

void equatorialline(ReportBuffer& b, int body, const Place& p, const PlanetInputs& in, Language language) {
  const bool german = language != english;
  if (in.sexagesimal) {
    b.append(german ? "\r\n Rekt.: " : "\r\n Right Asc.: ");
    b.append(formatsexagesimal(p.ra, 0));
    b.append(" / ");
    b.append(formatsexagesimal(p.ra * 15.0, 1));
  } else {
    b.append(german ? "\r\n Rekt. (Std./Grad): " : "\r\n Right Asc. (Hours/Deg.): ");
    b.append(formatdecimal(p.ra, 5, 0, 2));
    b.append(" / ");
    b.append(formatdecimal(p.ra * 15.0, 6, 0, 2));
  }
  b.append(german ? " - Dekl.: " : " - Decl.: ");
  b.append(angle(p.dec, 6, in.sexagesimal));
  b.append(german ? " Grad" : " Deg.");
  if (body == moon)
    b.append(german ? " - Entf.: (AU / Tsd. km) " : " - Dist.: (AU / Tsd. km) ");
  else
    b.append(german ? " - Entf.: (AU / Mio. km) " : " - Dist.: (AU / Mio. km) ");
  b.append(formatdecimal(p.distance, 0, 0, 5));
  b.append(" / ");
  b.append(formatdecimal(p.distance * (body == moon ? thousandkmperau : millionkmperau), 0, 0, 3));
}

// Azimuth and altitude; the visible-only block writes its unit words without
// the leading blank and its numbers with one decimal.
void horizonline(ReportBuffer& b, const Place& p, const PlanetInputs& in, bool visibleblock, Language language) {
  const bool german = language != english;
  b.append("\r\n Azimuth: ");
  if (in.sexagesimal) {
    b.append(formatsexagesimal(p.azimuth, 1));
    b.append(german ? " - Höhe über Horizont: " : " - Height over Horizon: ");
    b.append(formatsexagesimal(p.altitude, 1));
    b.append(german ? " (mit Refraktion " : " (with Refraction ");
    b.append(formatsexagesimal(p.refracted, 1));
    b.append(") ");
    return;
  }
  auto number = [&](double v) { return visibleblock ? formatdecimalpadded(v, 5, 0, 1) : formatdecimal(v, 6, 0, 2); };
  b.append(number(p.azimuth));
  if (visibleblock)
    b.append(german ? "Grad - Höhe über Horizont: " : "Deg. - Height over Horizon: ");
  else
    b.append(german ? " Grad - Höhe über Horizont: " : " Deg. - Height over Horizon: ");
  b.append(number(p.altitude));
  b.append(visibleblock ? (german ? "Grad " : "Deg. ") : (german ? " Grad " : " Deg. "));
  b.append(german ? "(mit Refraktion " : "(with Refraction ");
  b.append(number(p.refracted));
  b.append(visibleblock ? (german ? "Grad) " : "Deg.) ") : (german ? " Grad) " : " Deg.) "));
}

// Apparent diameter: arcseconds for the planets, arcminutes for Sun and Moon.
std::string diametertext(int body, double arcseconds, int width) {
  if (body == sun || body == moon) return formatdecimal(arcseconds / 60.0, width, 0, 1) + "' ";
  return formatdecimal(arcseconds, width, 0, 1) + "\" ";
}

void appearanceline(ReportBuffer& b, int body, const Place& p, Language language) {
  const bool german = language != english;
  b.append("\r\n Elongation: ");
  b.append(formatdecimalpadded(p.elongation, 5, 0, 1));
  b.append(german ? "Grad" : "Deg.");
  b.append(german ? " - Beleuchtung: " : " - Illumination: ");
  b.append(formatdecimalpadded(p.illuminated, 5, 0, 1));
  b.append("% ");
  b.append(" - Magnitude: ");
  b.append(formatdecimalpadded(p.magnitude, 5, 0, 1));
  b.append(german ? "- Durchmesser: " : "- Diameter: ");
  b.append(diametertext(body, p.diameter, 0));
}

}  // namespace

std::string moonfooter(double jd, int hour, int minute, int zone, int half, Language language) {
  const bool german = language != english;
  double phaseangle = 0.0;
  const double percent = 100.0 * MoonIllumination(jd, phaseangle);
  std::string t = german ? "\r\n\r\n Mondbeleuchtung um " : "\r\n\r\n Moon's Illumination at ";
  t += strprintf("%02d:%02d ", hour, minute);
  t += zonelabel(zone, half, language);
  t += ": ";
  t += formatdecimalpadded(percent, percent >= 100.0 ? 5 : (percent >= 10.0 ? 4 : 3), 0, 1);
  t += german ? "Prozent" : "Percent";
  t += german ? "\r\n Mondphase = " : "\r\n Moon's Phase = ";
  t += moonphasenames[namerow(language)][MoonPhaseIndex(MoonAgeAngle(jd), percent)];
  return t;
}

PlanetReport buildplanetreport(const PlanetInputs& inputs, Language language) {
  PlanetReport r;
  if (!prepare(inputs, r)) return r;
  const PlanetInputs& in = r.corrected;
  // One frame (the Earth, nutation, obliquity, sidereal time) for every body,
  // with the dialog's Delta T.
  const InstantFrame frame = FrameAt(InstantFromUT(r.jd, in.deltat / 10.0));
  ReportBuffer b;
  header(b, r, frame, language);
  r.meansiderealtime = MeanSiderealTime(r.jd, r.longitude);
  r.apparentsiderealtime = ApparentSiderealTime(frame, r.longitude);
  r.obliquity = frame.trueObliquity;
  r.nutationlongitude = frame.nutation.longitude;
  r.nutationobliquity = frame.nutation.obliquity;

  const bool anyblock = in.orbit || in.radec || in.altaz || in.magnitude;
  const bool apparentdata = in.radec || in.altaz || in.magnitude;
  const double siderealtime = ApparentSiderealTime(frame, r.longitude);
  for (int body = 1; body <= planetreportbodies; ++body) {
    if (!in.bodies[body]) continue;
    if (body == earth) {
      Place p;
      p.body = earth;
      p.heliocentric = frame.earth;
      r.places.push_back(p);
      if (!in.orbit) continue;
      bodyheading(b, body, p, in, language);
      orbitblock(b, body, p.heliocentric, language);
      continue;
    }
    Place p = bodyplace(body, frame, siderealtime, r.latitude, in);
    p.heliocentric = orbitstate(body, p.heliocentric, r.jde);
    p.constellation = ZodiacConstellation(p.lambda, p.beta, r.jde);
    r.places.push_back(p);
    bool failed = false;
    if (anyblock && (body != sun || apparentdata)) {
      bodyheading(b, body, p, in, language);
      if (in.orbit && body != sun) failed = !orbitblock(b, body, p.heliocentric, language);
      if (!failed) {
        if (in.radec) equatorialline(b, body, p, in, language);
        if (in.altaz) horizonline(b, p, in, false, language);
        if (in.magnitude) appearanceline(b, body, p, language);
      }
    }
    if (!failed && in.visibleonly && p.refracted > 0.0) {
      bodyheading(b, body, p, in, language);
      horizonline(b, p, in, true, language);
      appearanceline(b, body, p, language);
    }
  }
  if (in.orbit || in.radec || in.altaz || in.visibleonly) b.append(azimuthlegend(in.azimuthnorth, language));
  b.append(moonfooter(r.jd, in.hour, in.minute, in.zone, in.halfzone, language));
  r.text = b.text();
  return r;
}

PlanetReport buildephemerislist(const PlanetInputs& inputs, Language language) {
  PlanetReport r;
  PlanetInputs ticked = inputs;
  if (!ticked.visibleonly && !ticked.orbit && !ticked.radec && !ticked.altaz && !ticked.magnitude) ticked.altaz = true;
  if (!prepare(ticked, r)) return r;
  const PlanetInputs& in = r.corrected;
  const bool german = language != english;
  ReportBuffer b;
  coordinatelines(b, r, language);

  b.printf(german ? "\r\n\r\n Schrittweite: %d Minuten" : "\r\n\r\n Step Size: %d Minutes", in.step);
  if (in.step / 60.0 > 0.99999) {
    b.append(" (= ");
    b.append(formatdecimal(in.step / 60.0, 0, 0, 2));
    b.append(german ? " Stunden" : " Hours");
    if (in.step / 1440.0 > 0.99999) {
      b.append(" = ");
      b.append(formatdecimal(in.step / 1440.0, 0, 0, 2));
      b.append(german ? " Tage)" : " Days)");
    } else {
      b.append(") ");
    }
  }
  b.append(german ? "\r\n\r\n      Datum          Zeit     " : "\r\n\r\n      Date           Time   ");
  if (in.radec) b.append(german ? "   Rekt.      Dekl.  " : "Right Asc.      Decl.  ");
  if (in.orbit) b.append(german ? "   Lambda   Entf.  " : "   Lambda   Dist.  ");
  b.append(german ? " Mag Elong    Bel  Azim.   Höhe (Refr.)  Dia.  [Sonne] "
                  : " Mag Elong   Ill.  Azim. Height (Refr.)  Dia.    [Sun] ");
  b.append("\r\n ------------------------------");
  if (in.radec) b.append("---------------------");
  if (in.orbit) b.append("-------------------");
  b.append("----------------------------------------------------- ");

  double jd = r.jd, jde = r.jde;
  const double step = in.step / 1440.0;
  const double zone = zonedays(in.zone, in.halfzone);
  for (int n = 0; n < liststeps; ++n) {
    const InstantFrame frame = FrameAt({jd, jde});
    const double siderealtime = ApparentSiderealTime(frame, r.longitude);
    const Place sunplace = bodyplace(sun, frame, siderealtime, r.latitude, in);
    int year, month, day, hour, minute, second;
    jdtodate(jd + zone + 1.16e-5, year, month, day, hour, minute, second);
    std::string lines;
    PlanetStep shown{jd, jde, {}, sunplace.refracted};
    for (int body = 1; body <= planetreportbodies; ++body) {
      if (!in.bodies[body] || body == earth) continue;
      const Place p = body == sun ? sunplace : bodyplace(body, frame, siderealtime, r.latitude, in);
      if (in.visibleonly && !(p.refracted > 0.0)) continue;
      shown.places.push_back(p);
      lines += "\r\n ";
      lines += shortbodynames[namerow(language)][body];
      if (german)
        lines += strprintf(" %2d. %s %d %02d:%02d   ", day, shortmonthname(month, language), year, hour, minute) +
                 " ";  // the German date heading is two characters wider
      else
        lines += strprintf(" %s %2d, %d %02d:%02d   ", shortmonthname(month, language), day, year, hour, minute);
      if (in.radec) {
        // Right-aligned under the column heading.
        lines += padright(formatsexagesimal(p.ra, 0) + formatsexagesimal(p.dec, 1), german ? 21 : 22);
      }
      if (in.orbit) {
        lines += formatsexagesimal(p.lambda, 1);
        lines += " " + formatdecimal(p.distance, 7, 0, 4);
      }
      lines += formatdecimal(p.magnitude, 6, 0, 1);
      lines += formatdecimal(p.elongation, 6, 0, 1);
      lines += formatdecimal(p.illuminated, 6, 0, 1);
      lines += formatdecimal(p.azimuth, 7, 0, 2);
      lines += formatdecimal(p.altitude, 7, 0, 2);
      if (p.refracted > 0.0)
        lines += " (" + formatdecimal(p.refracted, 5, 0, 2) + ")";
      else
        lines += "        ";
      lines += diametertext(body, p.diameter, 6);
      if (body != sun) lines += "[" + formatdecimal(sunplace.refracted, 6, 0, 2) + "] ";
    }
    // A step that would not leave room for the trailer is left out, so that
    // the report buffer never cuts the text.
    if (b.characters() + utf8length(lines) + trailerroom > ReportBuffer::capacity) break;
    b.append(lines);
    if (!shown.places.empty()) r.steps.push_back(std::move(shown));
    jd += step;
    jde += step;
    if (b.characters() > liststop) break;
  }
  // The words are German in both languages; only the plain UTC label is
  // translated.
  b.append("\r\n Zeitangaben in ");
  if (in.zone == 0 && !in.halfzone)
    b.append(german ? "UTC (Weltzeit)" : "UTC (World Time)");
  else
    b.append(zonelabel(in.zone, in.halfzone, language));
  b.append(azimuthlegend(in.azimuthnorth, language));
  r.text = b.text();
  return r;
}

}  // namespace quendal
