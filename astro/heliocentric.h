// Body numbering and the heliocentric state shared by the planetary theory
// (VSOP87D), the Pluto orbit model and the apparent-place pipeline.
#pragma once

namespace quendal {

// BodyCode: -1 Moon, 0 Sun, 1..9 Mercury..Pluto with 3 = Earth. The apparent
// place also accepts 10 = Sun and 11 = Moon (the numbering of the name tables).
using BodyCode = int;
inline constexpr BodyCode BodyMoon = -1;
inline constexpr BodyCode BodySun = 0;
inline constexpr BodyCode BodyMercury = 1;
inline constexpr BodyCode BodyVenus = 2;
inline constexpr BodyCode BodyEarth = 3;
inline constexpr BodyCode BodyMars = 4;
inline constexpr BodyCode BodyJupiter = 5;
inline constexpr BodyCode BodySaturn = 6;
inline constexpr BodyCode BodyUranus = 7;
inline constexpr BodyCode BodyNeptune = 8;
inline constexpr BodyCode BodyPluto = 9;
inline constexpr BodyCode BodySunAlias = 10;
inline constexpr BodyCode BodyMoonAlias = 11;

// Heliocentric ecliptic position and its rate: L longitude (radians, 0..2 pi),
// B latitude (radians), R radius vector (AU), then dL/dt, dB/dt (radians per
// day) and dR/dt (AU per day). The frame is the mean ecliptic and equinox of
// date.
struct HeliocentricState {
  double l = 0.0;
  double b = 0.0;
  double r = 0.0;
  double dl = 0.0;
  double db = 0.0;
  double dr = 0.0;
};

// Status of a heliocentric evaluation.
inline constexpr int HeliocentricOk = 0;
inline constexpr int HeliocentricKeplerFailed = 1;   // Pluto: Kepler's equation did not converge
inline constexpr int HeliocentricBadBody = 2;        // body outside the accepted range
inline constexpr int HeliocentricBadPrecision = 3;   // precision outside 0..0.001

}  // namespace quendal
