// Solar and lunar eclipses: the instant of greatest eclipse and the type,
// Meeus, Astronomical Algorithms, 2nd ed., ch. 54.
// Units: astro/units.h.
#pragma once

namespace quendal {

enum EclipseKind { SolarEclipse = 0, LunarEclipse = 1 };
enum EclipseType { PartialEclipse = 0, TotalEclipse = 1, AnnularEclipse = 2 };

// JD (UT) of greatest eclipse when lunation k has an eclipse of the given
// kind and type, else 0. k: lunation number (0 = the new moon of 2000
// January 6); solar eclipses fall on its new moon, lunar ones on its full
// moon (k + 0.5). Accepted: solar partial, total, annular; lunar partial,
// total; any other combination gives 0.
//
// Solar: no eclipse when |gamma| > 1.5433 + u; partial when
// |gamma| >= 0.9972 + |u|; otherwise total or annular: a central eclipse
// (|gamma| <= 0.9972) is total for u < 0, annular for u > 0.0047 and, in
// between, total when u < 0.00464 sqrt(1 - gamma^2) (hybrid eclipses count as
// total); a non-central one (0.9972 < |gamma| < 0.9972 + |u|) is total for
// u < 0, else annular.
// Lunar: an eclipse only when the umbral magnitude (1.0128 - u - |gamma|) /
// 0.545 is positive (penumbral eclipses are not reported); total when
// (0.4678 - u)^2 > gamma^2, else partial.
// The dynamical instant is brought to UT with DeltaTForJD.
double EclipseMaximum(int k, int kind, int type);

}  // namespace quendal
