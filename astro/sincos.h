// Sine and cosine of one argument by polynomials, for the engine's long
// harmonic sums (radians). Engine-internal.
#pragma once

#include <cmath>

namespace quendal::detail {

// Arguments up to this size (radians) are reduced exactly enough by SinCos:
// k = x / (pi/2) stays below 2^23, so k times the first part of pi/2 (30
// bits) is exact.
inline constexpr double SinCosLimit = 1.0e7;

// SinCos: sin x and cos x for |x| <= SinCosLimit, within about one unit in
// the last place of the library's sine and cosine (2.2e-16 absolute, tested
// against them).
//   Reduction: x = k pi/2 + r, |r| <= pi/4, with pi/2 in three parts (Cody
//   and Waite) so that x - k pi/2 loses nothing; k is rounded to the nearest
//   integer by adding and subtracting 1.5 * 2^52, its quarter likewise, which
//   gives q = k mod 4 in -2..2.
//   Polynomials: the Taylor series of sin r to r^15 and of cos r to r^16; on
//   |r| <= pi/4 the first term left out is below 5e-17.
//   Quadrant: cos(q pi/2) = 1 - |q| and sin(q pi/2) = q (2 - |q|) are 0 or
//   +-1, so sin x = sin r cos(q pi/2) + cos r sin(q pi/2) picks sin r or cos r
//   with its sign exactly.
// No branch and no table: a loop over many arguments vectorises.
inline void SinCos(double x, double& sine, double& cosine) {
  constexpr double twooverpi = 0.6366197723675814;
  constexpr double halfpi1 = 0x1.921fb54p+0;  // pi/2 = halfpi1 + halfpi2 + halfpi3
  constexpr double halfpi2 = 0x1.10b46118p-30;
  constexpr double halfpi3 = 0x1.313198a2e037p-61;
  constexpr double round = 6755399441055744.0;  // 1.5 * 2^52: x + round - round is x rounded
  const double k = (x * twooverpi + round) - round;
  const double r = ((x - k * halfpi1) - k * halfpi2) - k * halfpi3;
  const double q = k - 4.0 * ((k * 0.25 + round) - round);
  const double cq = 1.0 - std::fabs(q);
  const double sq = q * (2.0 - std::fabs(q));
  const double z = r * r;
  const double s =
      r + r * z *
              (-1.0 / 6.0 +
               z * (1.0 / 120.0 +
                    z * (-1.0 / 5040.0 +
                         z * (1.0 / 362880.0 +
                              z * (-1.0 / 39916800.0 + z * (1.0 / 6227020800.0 + z * (-1.0 / 1307674368000.0)))))));
  const double c =
      1.0 +
      z * (-0.5 + z * (1.0 / 24.0 +
                       z * (-1.0 / 720.0 +
                            z * (1.0 / 40320.0 + z * (-1.0 / 3628800.0 +
                                                      z * (1.0 / 479001600.0 + z * (-1.0 / 87178291200.0 +
                                                                                    z * (1.0 / 20922789888000.0))))))));
  sine = s * cq + c * sq;
  cosine = c * cq - s * sq;
}

// SinCos of count arguments: sines[i], cosines[i] of x[i]. On x86-64 the
// loop is compiled twice, for the baseline (two arguments at a time) and for
// AVX2 with FMA (four), and the processor's kind picks one when the program
// is loaded; the results agree within the accuracy stated for SinCos.
void SinCosArray(const double* x, double* sines, double* cosines, int count);

}  // namespace quendal::detail
