// Rise, set, culmination and twilight of the Sun, the Moon and the planets
// for one local day: horizontal coordinates, the altitude of a body, the
// day scan with quadratic interpolation (Montenbruck and Pfleger, Astronomy
// on the Personal Computer, ch. 3) and its refinements.
#pragma once

namespace quendal {

// Azimuth and altitude of an equatorial position.
// rightAscension: hours; declination: degrees; siderealTime: local sidereal
// time, hours; latitude: degrees north positive.
// Out azimuth: degrees from north through east, [0, 360); out altitude:
// degrees (no refraction).
void HorizontalFromEquatorial(double rightAscension, double declination, double siderealTime,
                              double latitude, double& azimuth, double& altitude);

// The parabola through (-1, yMinus), (0, y0), (+1, yPlus).
// Returns the number of its roots in [-1, 1] (0..2); out xExtremum and
// yExtremum: its vertex; out root1, root2: the roots (root1 <= root2; when
// root1 lies below -1 it is replaced by root2). Three values on a straight
// line give at most one root, placed in both outs, and the vertex (0, y0).
int QuadraticInterpolation(double yMinus, double y0, double yPlus, double& xExtremum,
                           double& yExtremum, double& root1, double& root2);

// Altitude of a body without refraction and parallax.
// code: event code (see DayEvents) selecting the body: below 1 the Sun, 1 the
// Moon, 11..19 the planet code - 10 (Mercury..Pluto, 13 is the Earth and
// gives no position); mjd0: MJD (UT) of local midnight (MJD of the date -
// zone / 24); hour: hours after it; longitudeWest: degrees WEST positive;
// latitude: degrees north positive; mode: bit 0 clear takes the
// low-precision Sun or Moon (Montenbruck and Pfleger) and gives a diameter
// of 1873.7 arcseconds, bit 0 set the apparent place of BodyPosition (light
// time on) and its diameter; the planets always take BodyPosition, and so do
// the Sun and the Moon more than LowPrecisionCenturies from J2000, where the
// low-precision series (linear mean elements) lose minutes of time.
// Out diameter: arcseconds; out azimuth: degrees counted from SOUTH through
// west, [0, 360). Returns the altitude in degrees.
inline constexpr double LowPrecisionCenturies = 4.0;  // 1600..2400
double BodyAltitude(int code, double mjd0, double hour, double longitudeWest, double latitude,
                    double& diameter, double& azimuth, int mode);

// Event codes and their reference altitudes h0 (degrees).
enum DayEventCode {
  IndividualTwilight = -4,    // the Sun at the altitude passed in
  AstronomicalTwilight = -3,  // the Sun at -18
  NauticalTwilight = -2,      // -12
  CivilTwilight = -1,         // -6
  SunRiseSet = 0,             // -50' (upper limb with refraction)
  MoonRiseSet = 1,            // +8'
  // 11..19: planet code + 10, -34' (refraction only)
};

// Status bits of DayEvents.
enum DayEventStatus { RiseFound = 1, SetFound = 2, AboveAtMidnight = 4 };

// The culmination out of DayEvents for a day without an upper culmination.
inline constexpr double NoCulmination = -1.0;

// Rise and set (upward and downward crossings of h0), culmination and
// greatest altitude of a body during one local day, by the hourly scan with
// quadratic interpolation of Montenbruck and Pfleger.
// mjd: integer MJD of the local date; zone: hours east of UT (local midnight
// is mjd - zone / 24); longitudeWest: degrees WEST positive; latitude:
// degrees north positive; code: -4..1 or 11..19 (see DayEventCode; 13 and
// any other value give status 0 and leave the outs untouched).
// mode: bit 0 as for BodyAltitude; 10 or more adds the culmination search
// (only for codes 0 and above: the maxima of the altitude inside the local
// day, from an hourly scan refined by golden-section search, 18 steps); 20 or
// more also refines a rise and a set lying between 0.1 h and 23.9 h (|altitude
// - h0| minimised by a halving walk from 5 minutes before the scanned instant
// with steps of 0.025 h, 9 passes), and gives the culmination 26 steps.
// A day with two rises or two sets (near the polar circles) reports the first.
// Out rise, set: local hours [0, 24], written only when found; out
// culmination: local hours (0, 24) of the upper culmination within the day
// (of two, the higher), NoCulmination when the day has none, 0 without the
// search; in/out altitude: in h0 for code -4, out the altitude at the
// culmination in degrees, on a day without one the greatest altitude of the
// day (at one of its ends), 0 without the search; for the Moon the diameter
// is subtracted. Returns the status bits.
int DayEvents(int mjd, double zone, double longitudeWest, double latitude, int code, double& rise,
              double& set, double& culmination, double& altitude, int mode);

}  // namespace quendal
