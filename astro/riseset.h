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

}  // namespace quendal
