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

void FundamentalArguments(const HarmonicSeriesTable& table, const FundamentalArgument* arguments,
                          double jd, double* arcsec) {
  const double t = (jd - J2000) / DaysPerJulianCentury;
  for (int slot = 0; slot < table.argumentCount; ++slot) {
    arcsec[slot] = table.maxHarmonic[slot] > 0 ? FundamentalArgumentValue(arguments[slot], t) : 0.0;
  }
}

void EvaluateHarmonicSeries(const HarmonicSeriesTable& table, const double* arcsec, double jd,
                            double& longitude, double& latitude, double& radius) {
  // sin(n x) and cos(n x), n = 1..maximum, by the addition theorems.
  double sines[MaxSlots][MaxHarmonic];
  double cosines[MaxSlots][MaxHarmonic];
  for (int slot = 0; slot < table.argumentCount && slot < MaxSlots; ++slot) {
    const int top = table.maxHarmonic[slot] < MaxHarmonic ? table.maxHarmonic[slot] : MaxHarmonic - 1;
    if (top <= 0) continue;
    const double x = arcsec[slot] * RadiansPerArcsecond;
    const double s1 = std::sin(x), c1 = std::cos(x);
    sines[slot][1] = s1;
    cosines[slot][1] = c1;
    if (top >= 2) {
      sines[slot][2] = 2.0 * s1 * c1;
      cosines[slot][2] = c1 * c1 - s1 * s1;
    }
    for (int n = 3; n <= top; ++n) {
      sines[slot][n] = s1 * cosines[slot][n - 1] + c1 * sines[slot][n - 1];
      cosines[slot][n] = c1 * cosines[slot][n - 1] - s1 * sines[slot][n - 1];
    }
  }

  const double t = (jd - J2000) / table.timeScale;
  const int* lists[3] = {table.longitude, table.latitude, table.radius};
  double sums[3] = {0.0, 0.0, 0.0};
  const short* p = table.arguments;
  for (;;) {
    const int n = *p++;
    if (n < 0) break;
    if (n == 0) {
      const int degree = *p++;
      for (int k = 0; k < 3; ++k) {
        if (lists[k] == nullptr) continue;
        sums[k] += amplitude(lists[k], degree, 1, t);
        lists[k] += degree + 1;
      }
      continue;
    }
    double sv = 0.0, cv = 1.0;
    for (int i = 0; i < n; ++i) {
      const int j = *p++;
      const int slot = *p++ - 1;
      const int harmonic = j < 0 ? -j : j;
      const double su = j < 0 ? -sines[slot][harmonic] : sines[slot][harmonic];
      const double cu = cosines[slot][harmonic];
      if (i == 0) {
        sv = su;
        cv = cu;
      } else {
        const double s = su * cv + cu * sv;
        cv = cu * cv - su * sv;
        sv = s;
      }
    }
    const int degree = *p++;
    for (int k = 0; k < 3; ++k) {
      if (lists[k] == nullptr) continue;
      const double ca = amplitude(lists[k], degree, 2, t);
      const double sa = amplitude(lists[k] + 1, degree, 2, t);
      sums[k] += ca * cv + sa * sv;
      lists[k] += 2 * (degree + 1);
    }
  }
  longitude = table.scale * sums[0];
  latitude = table.scale * sums[1];
  radius = table.scale * sums[2];
}

}  // namespace quendal
