// Units, conventions and the shared vocabulary of the astronomy engine.
//
// Every header of astro/ follows these rules; its comments only say what a
// number means.
//
//   instant          Julian date (JD), days. An Instant carries both time
//                    scales: ut (universal time) and tt (dynamical time,
//                    TT = UT + Delta T; the reports print it as "TDB"). The
//                    caller chooses Delta T once, when it makes the Instant.
//                    A bare double named jd or ut is UT, one named tt is TT;
//                    MJD = JD - 2400000.5.
//   angle            degrees: ecliptic and geographic longitudes and
//                    latitudes, declination, altitude (also in the refraction
//                    routines), azimuth, elongation, obliquity, nutation,
//                    the heliocentric L and B; their rates in degrees per day.
//   right ascension  hours, [0, 24); sidereal time likewise hours.
//   distance         astronomical units (AU); the geodesy in kilometres.
//   Delta T          seconds.
//   azimuth          from north through east, [0, 360).
//   longitude        on the Earth: east positive (also a satellite's
//                    position); latitude north positive.
//   frame            ecliptic and equator of date unless a name says J2000.
//
// Radians occur only inside the .cpp files, in the helpers of numeric.h whose
// names say so (NormalizeRadians, SafeAsin, SafeAcos, SafeAtan2), and in the
// engine-internal routines of the namespace detail.
#pragma once

namespace quendal {

// One instant on both time scales (JD).
struct Instant {
  double ut = 0.0;  // universal time
  double tt = 0.0;  // dynamical time
};

// The bodies. The name tables of the reports number them differently
// (1..9 Mercury..Pluto, 10 Sun, 11 Moon); the reports convert at their edge.
enum class BodyCode : int {
  Moon = -1,
  Sun = 0,
  Mercury = 1,
  Venus,
  Earth,
  Mars,
  Jupiter,
  Saturn,
  Uranus,
  Neptune,
  Pluto,
};

// Mercury..Pluto, the Earth included.
inline constexpr bool IsPlanet(BodyCode body) { return body >= BodyCode::Mercury && body <= BodyCode::Pluto; }

// How a computation went. A result with OutOfRange carries its values: they
// are computed, but outside the span the theory was fitted to.
enum class AstroStatus : int {
  Ok = 0,
  KeplerFailed = 1,  // Pluto: the elements describe no ellipse, or Kepler's equation did not converge
  NoPosition = 2,    // the body has no such position (the Earth seen from the Earth, a twilight of the Moon)
  BadPrecision = 3,  // a truncation outside the accepted range
  OutOfRange = 4,    // computed, but far outside the fitted span of the theory
};

// Whether a result with this status carries values.
inline constexpr bool HasValue(AstroStatus status) {
  return status == AstroStatus::Ok || status == AstroStatus::OutOfRange;
}

}  // namespace quendal
