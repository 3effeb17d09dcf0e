// Rise, set, culmination and twilight of the Sun, the Moon and the planets
// for one local day: horizontal coordinates, the altitude of a body, the
// day scan with quadratic interpolation (Montenbruck and Pfleger, Astronomy
// on the Personal Computer, ch. 3) and its refinements. Units:
// astro/units.h (azimuth from north, longitude east positive).
#pragma once

#include "astro/units.h"

namespace quendal {

// Azimuth (degrees from north through east, [0, 360)) and altitude (degrees,
// no refraction).
struct HorizontalPlace {
  double azimuth = 0.0;
  double altitude = 0.0;
};

// Horizontal place of an equatorial position.
// rightAscension: hours; declination: degrees; siderealTime: local sidereal
// time, hours; latitude: degrees north positive.
HorizontalPlace HorizontalFromEquatorial(double rightAscension, double declination, double siderealTime,
                                         double latitude);

// The parabola through (-1, yMinus), (0, y0), (+1, yPlus).
// Returns the number of its roots in [-1, 1] (0..2); out xExtremum and
// yExtremum: its vertex; out root1, root2: the roots (root1 <= root2; when
// root1 lies below -1 it is replaced by root2). Three values on a straight
// line give at most one root, placed in both outs, and the vertex (0, y0).
int QuadraticInterpolation(double yMinus, double y0, double yPlus, double& xExtremum, double& yExtremum, double& root1,
                           double& root2);

// The altitude of a body at one instant, without refraction and parallax:
// altitude and azimuth (degrees) and the apparent diameter (arcseconds).
// Status NoPosition for the Earth (then all 0).
struct [[nodiscard]] BodyAltitudeResult {
  AstroStatus status = AstroStatus::Ok;
  double altitude = 0.0;
  double azimuth = 0.0;
  double diameter = 0.0;
};

// BodyAltitude: mjd0 MJD (UT) of local midnight (MJD of the date - zone / 24);
// hour: hours after it; longitudeEast, latitude: the place. fullPrecision
// false takes the low-precision Sun or Moon (Montenbruck and Pfleger) and
// gives a diameter of 1873.7 arcseconds, true the apparent place of
// BodyPosition (light time on, Delta T from DeltaTForJD) and its diameter;
// the planets always take BodyPosition, and so do the Sun and the Moon more
// than LowPrecisionCenturies from J2000, where the low-precision series
// (linear mean elements) lose minutes of time. The sidereal time is the mean
// one.
inline constexpr double LowPrecisionCenturies = 4.0;  // 1600..2400
BodyAltitudeResult BodyAltitude(BodyCode body, double mjd0, double hour, double longitudeEast, double latitude,
                                bool fullPrecision);

// What DayEvents looks for: the rise and set of the body (its upper limb with
// refraction: the Sun at -50', the Moon at +8', which stands for its parallax,
// radius and refraction, a planet at -34') or a twilight of the Sun (-6, -12,
// -18 degrees, or the altitude given).
struct HorizonEvent {
  enum Kind { RiseSet, CivilTwilight, NauticalTwilight, AstronomicalTwilight, IndividualTwilight };
  Kind kind = RiseSet;
  double altitude = 0.0;  // IndividualTwilight: the Sun's altitude, degrees
};

// The culmination search of DayEvents: none, or the maxima of the altitude
// inside the local day from an hourly scan refined by golden-section search
// in 18 (Coarse) or 26 (Fine) steps.
enum class Culmination { None, Coarse, Fine };

struct DayEventsOptions {
  bool fullPrecision = false;  // as for BodyAltitude
  // Refine a rise and a set lying between 0.1 h and 23.9 h: |altitude - h0|
  // minimised by a halving walk from 5 minutes before the scanned instant
  // with steps of 0.025 h, 9 passes.
  bool refine = false;
  Culmination culmination = Culmination::None;
};

// Status bits of DayEventsResult::events.
enum DayEventStatus { RiseFound = 1, SetFound = 2, AboveAtMidnight = 4 };

// The culmination of DayEventsResult for a day without an upper culmination.
inline constexpr double NoCulmination = -1.0;

// rise, set: local hours [0, 24], when the bit is set in events (else 0);
// culmination: local hours (0, 24) of the upper culmination within the day
// (of two, the higher), NoCulmination when the day has none, 0 without the
// search; altitude: the altitude at the culmination in degrees, on a day
// without one the greatest altitude of the day (at one of its ends), 0
// without the search; for the Moon its diameter is subtracted. Status
// NoPosition for the Earth and for a twilight of another body than the Sun
// (then all 0).
struct [[nodiscard]] DayEventsResult {
  AstroStatus status = AstroStatus::Ok;
  int events = 0;
  double rise = 0.0;
  double set = 0.0;
  double culmination = 0.0;
  double altitude = 0.0;
};

// Rise and set (upward and downward crossings of the event's altitude),
// culmination and greatest altitude of a body during one local day, by the
// hourly scan with quadratic interpolation of Montenbruck and Pfleger.
// mjd: integer MJD of the local date; zone: hours east of UT (local midnight
// is mjd - zone / 24); longitudeEast, latitude: the place. A day with two
// rises or two sets (near the polar circles) reports the first.
DayEventsResult DayEvents(int mjd, double zone, double longitudeEast, double latitude, BodyCode body,
                          const HorizonEvent& event, const DayEventsOptions& options = {});

}  // namespace quendal
