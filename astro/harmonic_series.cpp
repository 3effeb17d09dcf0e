// Harmonic series evaluation; see harmonic_series.h.
#include "astro/harmonic_series.h"

#include <cmath>

#include "astro/timescales.h"

namespace quendal {

namespace {

constexpr double RadiansPerArcsecond = 4.84813681109536e-6;
constexpr int MaxSlots = 18;
constexpr int MaxHarmonic = 32;

// Amplitude polynomial of the given degree, highest power first, read every
// stride-th integer of the list.
double amplitude(const int* list, int degree, int stride, double t) {
  double v = list[0];
  for (int q = 1; q <= degree; ++q) v = v * t + list[q * stride];
  return v;
}

}  // namespace

double FundamentalArgumentValue(const FundamentalArgument& argument, double t) {
  double x = argument.c0 + argument.c1 * t;
  x -= 1296000.0 * std::floor(x / 1296000.0);
  if (argument.maxPower > 0) {
    double higher = 0.0;
    for (int p = argument.maxPower; p >= 1; --p) higher = higher * t + argument.c[p];
    x += higher * t;
  }
  return x;
}

void FundamentalArguments(const HarmonicSeriesTable& table, const FundamentalArgument* arguments, double jd,
                          double* arcsec) {
  const double t = (jd - J2000) / DaysPerJulianCentury;
  for (int slot = 0; slot < table.argumentCount; ++slot) {
    arcsec[slot] = table.maxHarmonic[slot] > 0 ? FundamentalArgumentValue(arguments[slot], t) : 0.0;
  }
}

namespace {

// EvaluateHarmonicSeriesAt for exactly L instants. The loops over the
// instants (innermost, of fixed length) vectorise; the arithmetic of each
// instant is the one of a single evaluation.
template <int L>
void EvaluateLanes(const HarmonicSeriesTable& table, const double (*arcsec)[18], const double* jd, double* longitude,
                   double* latitude, double* radius) {
  // sin(n x) and cos(n x), n = 1..maximum, by the addition theorems; the
  // harmonics of slot s are the rows from first[s] on, each a row of L
  // instants.
  int first[MaxSlots] = {};
  int rows = 0;
  for (int slot = 0; slot < table.argumentCount && slot < MaxSlots; ++slot) {
    first[slot] = rows;
    const int top = table.maxHarmonic[slot] < MaxHarmonic ? table.maxHarmonic[slot] : MaxHarmonic - 1;
    if (top > 0) rows += top + 1;
  }
  // (The stored tables use at most 131 rows.)
  constexpr int MaxRows = 160;
  if (rows > MaxRows) {
    for (int b = 0; b < L; ++b) longitude[b] = latitude[b] = radius[b] = std::nan("");
    return;
  }
  double sines[MaxRows][L];
  double cosines[MaxRows][L];
  for (int slot = 0; slot < table.argumentCount && slot < MaxSlots; ++slot) {
    const int top = table.maxHarmonic[slot] < MaxHarmonic ? table.maxHarmonic[slot] : MaxHarmonic - 1;
    if (top <= 0) continue;
    double* s1 = sines[first[slot] + 1];
    double* c1 = cosines[first[slot] + 1];
    for (int b = 0; b < L; ++b) {
      const double x = arcsec[b][slot] * RadiansPerArcsecond;
      s1[b] = std::sin(x);
      c1[b] = std::cos(x);
    }
    if (top >= 2) {
      double* s2 = sines[first[slot] + 2];
      double* c2 = cosines[first[slot] + 2];
      for (int b = 0; b < L; ++b) {
        s2[b] = 2.0 * s1[b] * c1[b];
        c2[b] = c1[b] * c1[b] - s1[b] * s1[b];
      }
    }
    for (int n = 3; n <= top; ++n) {
      double* sn = sines[first[slot] + n];
      double* cn = cosines[first[slot] + n];
      const double* sp = sines[first[slot] + n - 1];
      const double* cp = cosines[first[slot] + n - 1];
      for (int b = 0; b < L; ++b) {
        sn[b] = s1[b] * cp[b] + c1[b] * sp[b];
        cn[b] = c1[b] * cp[b] - s1[b] * sp[b];
      }
    }
  }

  double t[L];
  for (int b = 0; b < L; ++b) t[b] = (jd[b] - J2000) / table.timeScale;
  const int* lists[3] = {table.longitude, table.latitude, table.radius};
  double sums[3][L] = {};
  const short* p = table.arguments;
  for (;;) {
    const int n = *p++;
    if (n < 0) break;
    if (n == 0) {
      const int degree = *p++;
      for (int k = 0; k < 3; ++k) {
        if (lists[k] == nullptr) continue;
        for (int b = 0; b < L; ++b) sums[k][b] += amplitude(lists[k], degree, 1, t[b]);
        lists[k] += degree + 1;
      }
      continue;
    }
    // The term's sine and cosine: the product of its harmonics.
    double sv[L] = {}, cv[L] = {};  // (every term has an argument: n > 0)
    for (int i = 0; i < n; ++i) {
      const int j = *p++;
      const int row = first[*p++ - 1] + (j < 0 ? -j : j);
      const double sign = j < 0 ? -1.0 : 1.0;
      const double* su = sines[row];
      const double* cu = cosines[row];
      if (i == 0) {
        for (int b = 0; b < L; ++b) {
          sv[b] = sign * su[b];
          cv[b] = cu[b];
        }
      } else {
        for (int b = 0; b < L; ++b) {
          const double s = sign * su[b] * cv[b] + cu[b] * sv[b];
          cv[b] = cu[b] * cv[b] - sign * su[b] * sv[b];
          sv[b] = s;
        }
      }
    }
    const int degree = *p++;
    for (int k = 0; k < 3; ++k) {
      if (lists[k] == nullptr) continue;
      const int* list = lists[k];
      // The amplitudes by Horner's rule, as amplitude() computes them.
      double ca[L], sa[L];
      for (int b = 0; b < L; ++b) {
        ca[b] = list[0];
        sa[b] = list[1];
      }
      for (int q = 1; q <= degree; ++q) {
        for (int b = 0; b < L; ++b) {
          ca[b] = ca[b] * t[b] + list[2 * q];
          sa[b] = sa[b] * t[b] + list[2 * q + 1];
        }
      }
      for (int b = 0; b < L; ++b) sums[k][b] += ca[b] * cv[b] + sa[b] * sv[b];
      lists[k] += 2 * (degree + 1);
    }
  }
  for (int b = 0; b < L; ++b) {
    longitude[b] = table.scale * sums[0][b];
    latitude[b] = table.scale * sums[1][b];
    radius[b] = table.scale * sums[2][b];
  }
}

// The first count instants, the others padded with the first (their sums
// are dropped).
template <int L>
void EvaluatePadded(const HarmonicSeriesTable& table, int count, const double (*arcsec)[18], const double* jd,
                    double* longitude, double* latitude, double* radius) {
  double arguments[L][18];
  double instants[L], lon[L], lat[L], rad[L];
  for (int b = 0; b < L; ++b) {
    const int from = b < count ? b : 0;
    for (int slot = 0; slot < 18; ++slot) arguments[b][slot] = arcsec[from][slot];
    instants[b] = jd[from];
  }
  EvaluateLanes<L>(table, arguments, instants, lon, lat, rad);
  for (int b = 0; b < count; ++b) {
    longitude[b] = lon[b];
    latitude[b] = lat[b];
    radius[b] = rad[b];
  }
}

}  // namespace

void EvaluateHarmonicSeriesAt(const HarmonicSeriesTable& table, int count, const double (*arcsec)[18], const double* jd,
                              double* longitude, double* latitude, double* radius) {
  if (count == 1)
    EvaluateLanes<1>(table, arcsec, jd, longitude, latitude, radius);
  else if (count >= 2 && count <= 4)
    EvaluatePadded<4>(table, count, arcsec, jd, longitude, latitude, radius);
  else if (count >= 5 && count <= 8)
    EvaluatePadded<8>(table, count, arcsec, jd, longitude, latitude, radius);
  else if (count >= 9 && count <= 12)
    EvaluatePadded<12>(table, count, arcsec, jd, longitude, latitude, radius);
  else if (count >= 13 && count <= HarmonicBatch)
    EvaluatePadded<HarmonicBatch>(table, count, arcsec, jd, longitude, latitude, radius);
}

void EvaluateHarmonicSeries(const HarmonicSeriesTable& table, const double* arcsec, double jd, double& longitude,
                            double& latitude, double& radius) {
  double arguments[1][MaxSlots] = {};
  for (int slot = 0; slot < table.argumentCount && slot < MaxSlots; ++slot) arguments[0][slot] = arcsec[slot];
  EvaluateLanes<1>(table, arguments, &jd, &longitude, &latitude, &radius);
}

}  // namespace quendal
