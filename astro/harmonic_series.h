// Harmonic series of S. L. Moshier's lunar theories (the DE404-fitted Moon
// and the libration series): a table record, the fundamental arguments and
// the one routine that sums a table.
// Units: astro/units.h.
#pragma once

namespace quendal {

// One series table. The argument list is a stream of groups: a count n of
// arguments; n < 0 ends the series; n = 0 introduces a polynomial term (its
// degree follows); n > 0 is followed by n pairs (harmonic j, argument slot m,
// 1-based; a negative j negates the sine) and the degree of the amplitude
// polynomials. Each coefficient list supplies, per periodic term of degree k,
// the cosine and sine amplitudes interleaved, highest power of T first
// (2 (k + 1) integers); per polynomial term k + 1 integers. A null list is
// not summed.
struct HarmonicSeriesTable {
  signed char maxHarmonic[18];  // per argument slot (slot 1 first)
  int argumentCount;            // slots in use: 18 (Moon) or 14 (libration)
  int maxPowerOfTime;
  const short* arguments;
  const int* longitude;
  const int* latitude;
  const int* radius;
  double distance;   // mean distance (AU for the Moon)
  double timeScale;  // days: T = (JD - 2451545) / timeScale in the amplitudes
  double scale;      // applied to the sums (1e-4), giving arcseconds
};

// A fundamental argument in arcseconds, T in Julian centuries from J2000:
// x = c0 + c1 T reduced modulo 1296000", then + sum of c[p] T^p for
// p = 1..maxPower, not reduced again.
struct FundamentalArgument {
  double c0;
  double c1;
  int maxPower;
  double c[11];
};

// The value of one fundamental argument (arcseconds) at t Julian centuries.
double FundamentalArgumentValue(const FundamentalArgument& argument, double t);

// Fills arcsec[0..table.argumentCount) with the arguments the table uses
// (slots with a non-zero maximum harmonic; the others are set to 0) at the
// Julian date jd (dynamical time).
void FundamentalArguments(const HarmonicSeriesTable& table, const FundamentalArgument* arguments, double jd,
                          double* arcsec);

// Sums a table at the Julian date jd with the fundamental arguments arcsec
// (arcseconds, slot 1 first). Out: the scaled sums of the longitude,
// latitude and radius lists (0 for a null list), in the table's units.
void EvaluateHarmonicSeries(const HarmonicSeriesTable& table, const double* arcsec, double jd, double& longitude,
                            double& latitude, double& radius);

// The most instants EvaluateHarmonicSeriesAt takes at once.
inline constexpr int HarmonicBatch = 16;

// The same sums at count instants (1..HarmonicBatch) at once: arcsec[i]
// holds the arguments of instant i (as for EvaluateHarmonicSeries), jd[i]
// the instant; out longitude[i], latitude[i], radius[i]. The argument
// stream is read once for all; each instant's numbers are the ones
// EvaluateHarmonicSeries gives, to the last bit (the same operations in the
// same order, side by side).
void EvaluateHarmonicSeriesAt(const HarmonicSeriesTable& table, int count, const double (*arcsec)[18], const double* jd,
                              double* longitude, double* latitude, double* radius);

}  // namespace quendal
