// The planet position report and the ephemeris list: for one instant and
// place, a block per selected body (heliocentric orbit data, right ascension
// and declination, azimuth and altitude, elongation, illumination, magnitude
// and diameter, the zodiac constellation); and a table of up to 100 instants
// at a fixed step with one line per selected body.
//
// Both begin with the delta T hand-shake of the planet dialog: when the flag
// is clear the report only computes delta T for the date and hands it back
// (the dialog writes it into its "DeltaT:" field and runs the report again);
// when it is set the report uses the delta T of the inputs.
//
// What the planet dialog keeps of a report (the caller stores it in its
// state): deltaTPending as handed back (corrected.deltaTPending) and, for a
// finished report (not one that only computed delta T), its instant, place
// and display word as the sky chart's state.
#pragma once

#include <string>
#include <vector>

#include "astro/heliocentric.h"
#include "calendar/text.h"
#include "reports/position_text.h"

namespace quendal {

// Report numbering of the bodies: 1..9 Mercury..Pluto (3 the Earth), 10 the
// Sun, 11 the Moon (the name tables' index).
inline constexpr int planetreportbodies = 11;

struct PlanetInputs {
  int year = 2000;   // 1000..3000
  int month = 1;     // 1..12
  int day = 1;       // 1..31, lowered until the date is valid
  int hour = 0;      // 0..23, local time
  int minute = 0;    // 0..59
  int zone = 0;      // -12..12 whole hours
  int halfzone = 0;  // cleared for the zones 0, 12, -12
  GeoPlace place;
  // Position mode: the entry of places to load ("Pos. -" / "Pos. +"); -1 off.
  int placeindex = -1;
  LocationTable places = presetlocationtable();  // the configured places
  int deltat = 0;                                // delta T in tenths of a second, -9999..99999
  bool deltaTPending = false;                    // the hand-shake flag as the dialog holds it
  int temperature = 10;                          // degrees Celsius, -99..200 (refraction)
  int pressure = 1015;                           // mbar, 0..3000 (refraction)
  int step = 1;                                  // ephemeris list: minutes, 1..99999
  // Option boxes.
  bool orbit = false;         // "Bahndaten": heliocentric orbit data
  bool radec = true;          // "Rekt./Dek.": right ascension, declination, distance
  bool altaz = true;          // "Azi./Alt.": azimuth and altitude
  bool magnitude = true;      // "Magn.": elongation, illumination, magnitude, diameter
  bool visibleonly = false;   // "nur sichtb. Planeten": only bodies above the horizon
  bool azimuthnorth = false;  // "Azim. NOrd": azimuth counted from north
  bool sexagesimal = false;   // "°  '  ''": degrees, minutes, seconds
  bool zodiacEnabled = true;  // name the zodiac constellation of each body
  bool details = false;       // "Det.": coordinates, sidereal time, obliquity, refraction
  bool bodies[planetreportbodies + 1] = {false, true, true, false, true, true,
                                         true,  true, true, true,  true, true};  // index 1..11
  bool explicitplace = false;  // the place as given, 0° 0' too (the command line's coordinates)
};

// A body as the reports compute it: its name-table index (1..11); the
// apparent place (right ascension in hours, angles in degrees, the distance
// in AU, the diameter in arcseconds); the azimuth as shown (from south, or
// from north with azimuthnorth), the altitude after the parallax and with
// the refraction of the inputs; the orbit data (heliocentric, for the Moon
// geocentric; status NoPosition for the Sun and where the theory gives none;
// the Earth has nothing else); the zodiac constellation (zodiacnames' index).
struct PlanetPlace {
  int body = 0;
  double ra = 0, dec = 0, distance = 0, elongation = 0, illuminated = 0, magnitude = 0, diameter = 0;
  double lambda = 0, beta = 0;
  double azimuth = 0;
  double altitude = 0;
  double refracted = 0;
  HeliocentricState heliocentric{AstroStatus::NoPosition};
  int constellation = 0;
};

// One step of the ephemeris list: its instant and the bodies of its lines.
struct PlanetStep {
  double jd = 0.0, jde = 0.0;  // UT and UT + delta T
  std::vector<PlanetPlace> places;
  double sunrefracted = 0.0;  // the Sun's refracted altitude, degrees
};

struct PlanetReport {
  std::string text;             // empty when only delta T was computed
  PlanetInputs corrected;       // clamped inputs; deltat and deltaTPending as handed back
  bool deltatcomputed = false;  // first half of the hand-shake: deltat holds the computed value
  std::string placename;        // "" when the place matches no configured place
  double jd = 0.0;              // the instant, JD (UT)
  double jde = 0.0;             // JD (UT) + delta T
  // For the sky chart: jd, the place and the display word.
  double latitude = 0.0, longitude = 0.0;  // degrees, north and east positive
  int displayword = 0;  // bits 0-11 pressure, 12-23 temperature + 200, 24 north-based azimuth, 28 sexagesimal
  // The numbers of a finished text: the position report's selected bodies
  // in order and its instant's sidereal times (hours), true obliquity and
  // nutation (degrees); the ephemeris list's steps that have lines.
  std::vector<PlanetPlace> places;
  double meansiderealtime = 0.0, apparentsiderealtime = 0.0;
  double obliquity = 0.0, nutationlongitude = 0.0, nutationobliquity = 0.0;
  std::vector<PlanetStep> steps;
};

// The position report for one instant.
PlanetReport buildplanetreport(const PlanetInputs& in, Language language);
// The ephemeris list (100 steps at most; it stops once the text exceeds
// 15,000 characters). When none of visibleonly, orbit, radec, altaz,
// magnitude is set, altaz is set (and handed back).
PlanetReport buildephemerislist(const PlanetInputs& in, Language language);

// ---- Shared with the sidereal time report ----------------------------------------

// "\r\n\r\n Mondbeleuchtung um 12:00 UTC+1 (MEZ):  45.6 Prozent"
// "\r\n Mondphase = Zunehmender Mond": the Moon at jd (UT); hour, minute, zone
// and half give the printed local time.
std::string moonfooter(double jd, int hour, int minute, int zone, int half, Language language);

}  // namespace quendal
