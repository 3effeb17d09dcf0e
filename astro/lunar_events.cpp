// Lunar phases, apogee and perigee; see lunar_events.h.
#include "astro/lunar_events.h"

#include <cmath>
#include <limits>

#include "astro/apparent.h"
#include "astro/lunar_series.h"
#include "astro/moon.h"
#include "astro/numeric.h"
#include "astro/timescales.h"
#include "calendar/calendar.h"

namespace quendal {

using namespace eventdata;

double LunarPhaseJDE(int k, double q) {
  bool quarter = false;
  if (q == 0.25 || q == 0.75)
    quarter = true;
  else if (q != 0.0 && q != 0.5)
    return 0.0;
  const double kq = k + q;
  const double t = kq / 1236.85;
  const double e = Evaluate(phaseE, kq, t);
  const double arguments[5] = {EvaluateAngle(phaseM, kq, t), EvaluateAngle(phaseMp, kq, t),
                               EvaluateAngle(phaseF, kq, t), EvaluateAngle(phaseOmega, kq, t), 0.0};
  const auto& terms = q == 0.0 ? phaseNewMoon : (q == 0.5 ? phaseFullMoon : phaseQuarter);
  // The sines and cosines of every argument in one vectorised call: the
  // periodic terms (25), the quarters' W (6), the additional corrections
  // (14). (Those last are not reduced to 0..360 degrees first: SinCos
  // reduces, and the rounding of the larger radians, 1e-11, is nothing
  // against coefficients of 3e-4 day.)
  constexpr int count = 25 + 6 + 14;
  static_assert(sizeof phaseNewMoon / sizeof phaseNewMoon[0] == 25 &&
                sizeof phaseQuarterW / sizeof phaseQuarterW[0] == 6 &&
                sizeof phaseAdditional / sizeof phaseAdditional[0] == 14);
  double angles[count], sines[count], cosines[count];
  TermAngles(terms, arguments, angles);
  if (quarter) TermAngles(phaseQuarterW, arguments, angles + 25);
  const int additional = quarter ? 31 : 25;
  for (int i = 0; i < 14; ++i) angles[additional + i] = Evaluate(phaseAdditional[i].argument, kq, t) * RadiansPerDegree;
  detail::SinCosArray(angles, sines, cosines, additional + 14);

  double jde = Evaluate(phaseMeanJDE, kq, t);
  jde += SumTerms(terms, e, sines);
  if (quarter) {
    const double w = SumTerms(phaseQuarterW, e, cosines + 25);
    jde += q == 0.25 ? w : -w;
  }
  for (int i = 0; i < 14; ++i) jde += phaseAdditional[i].coefficient * sines[additional + i];
  return jde;
}

double LunarPhase(int k, double q) {
  const double jde = LunarPhaseJDE(k, q);
  if (jde == 0.0) return 0.0;
  // Delta T of the calendar month of the dynamical instant.
  const double mjd = jde - 2400000.5;
  if (!(std::fabs(mjd) < 7.0e8)) return jde - DeltaTForJD(jde) * DaysPerSecond;
  int year, month, day, hour, minute, second;
  mjdtodatetime(mjd, year, month, day, hour, minute, second);
  double jd = jde - DeltaT(year, month) * DaysPerSecond;
  if (year >= 2000 && year <= 2020) jd += (0.5 + 0.536 * (year - 2001.6)) * DaysPerSecond;
  return jd;
}

namespace {

// A pass of the apsis walk ends when the distance turns away from the
// extremum by more than this (km).
constexpr double ApsisTolerance = 10000.0;

// Within Moshier's span the distance of the classical theory stays within
// this of MoonDistance (km), T in Julian centuries from 1900: sampled every
// 0.61 day over -1369..2950 the difference grows from 43 km near 1950 to
// 317 km near -1350, about 45 + 0.25 T^2; outside the span the two are the
// same.
double ClassicalDeviation(double tt) {
  const double t = (tt - 2415020.0) / 36525.0;
  return 70.0 + 0.35 * t * t;
}

// Chebyshev interpolation of the lunar distance (km) over centre +- 2 days
// from its values at 12 Chebyshev points. Its error is taken as its last
// two coefficients plus 1e-5 km for the distance's own rounding (the
// instant's, 2e-10 day, times up to 7000 km a day): around 1400 apsides over
// -1369..2950 the error stayed below 3.7e-6 km, under that every time.
constexpr int ChebyshevNodes = 12;
struct DistanceInterpolant {
  double centre = 0.0, halfwidth = 2.0, error = 0.0;
  double coefficient[ChebyshevNodes] = {};

  void Fit(double middle) {
    centre = middle;
    double u[ChebyshevNodes], tt[ChebyshevNodes], value[ChebyshevNodes];
    for (int j = 0; j < ChebyshevNodes; ++j) {
      u[j] = std::cos(Pi * (j + 0.5) / ChebyshevNodes);
      tt[j] = centre + halfwidth * u[j];
    }
    detail::MoonDistances(tt, ChebyshevNodes, value, true);
    for (int k = 0; k < ChebyshevNodes; ++k) coefficient[k] = 0.0;
    // c_k = 2/N sum_j f_j T_k(u_j), T_k by its recurrence.
    for (int j = 0; j < ChebyshevNodes; ++j) {
      const double f = value[j] * KilometresPerAU;
      double previous = 1.0, current = u[j];
      coefficient[0] += f;
      coefficient[1] += f * current;
      for (int k = 2; k < ChebyshevNodes; ++k) {
        const double next = 2.0 * u[j] * current - previous;
        coefficient[k] += f * next;
        previous = current;
        current = next;
      }
    }
    for (int k = 0; k < ChebyshevNodes; ++k) coefficient[k] *= (k == 0 ? 1.0 : 2.0) / ChebyshevNodes;
    error = std::fabs(coefficient[ChebyshevNodes - 1]) + std::fabs(coefficient[ChebyshevNodes - 2]) + 1e-5;
  }
  bool Covers(double tt) const { return std::fabs(tt - centre) <= halfwidth; }
  // Clenshaw's recurrence.
  double operator()(double tt) const {
    const double u = (tt - centre) / halfwidth;
    double b1 = 0.0, b2 = 0.0;
    for (int k = ChebyshevNodes - 1; k >= 1; --k) {
      const double b = 2.0 * u * b1 - b2 + coefficient[k];
      b2 = b1;
      b1 = b;
    }
    return u * b1 - b2 + coefficient[0];
  }
};

// The lunar distances (km) one apsis walk compares, each known only as
// closely as its comparisons need: the walk's outcome depends on which of
// two distances is greater, so a comparison that estimates with error
// bounds decide needs no exact distance. The estimates: the classical
// theory (within ClassicalDeviation), and near the extremum the Chebyshev
// interpolant (made when estimates of two instants at most two days apart
// first fail to decide, at most twice). Only what they leave open is
// decided by exact distances (MoonDistance, as the walk computes them), so
// every comparison comes out as with exact distances throughout: a walk
// needs one interpolant and the exact distance of its result, where it
// needed 138 exact distances.
class ApsisDistances {
 public:
  // The walk's instants are origin + j / 2048 day, j an integer.
  ApsisDistances(bool apogee, double origin) : apogee_(apogee), origin_(origin) {}

  // The walk's comparisons: whether the distance at a beats the one at b
  // (greater for an apogee, smaller for a perigee); whether it turns away at
  // next after current.
  bool Beats(double a, double b) {
    return Decide(a, b, 0.0, [this](double da, double db) { return apogee_ ? da > db : da < db; });
  }
  bool TurnsAway(double current, double next) {
    return Decide(current, next, ApsisTolerance, [this](double dc, double dn) {
      return apogee_ ? dn + ApsisTolerance < dc : dn - ApsisTolerance > dc;
    });
  }

  // The distance at tt as the walk computes it.
  double Exact(double tt) {
    Known& k = Find(tt);
    if (!k.exact) {
      k.value = detail::MoonDistance(tt) * KilometresPerAU;
      k.exact = true;
    }
    return k.value;
  }

  // The classical estimate at tt and its error bound (km).
  double Estimate(double tt, double& error) {
    Known& k = Find(tt);
    if (k.exact) {
      error = 0.0;
      return k.value;
    }
    if (std::isnan(k.classical)) k.classical = detail::ClassicalMoonDistanceEstimate(tt) * KilometresPerAU;
    error = detail::MoonDistanceIsClassical(tt) ? 1e-6 : ClassicalDeviation(tt);
    return k.classical;
  }

 private:
  // What is known of the distance at one instant.
  struct Known {
    long long key = 0;
    bool used = false;
    bool exact = false;
    double value = 0.0;             // exact
    double classical = Unknown;     // the classical estimate
    double interpolated = Unknown;  // the interpolant's (of its latest fit)
  };

  // The entry of tt (a hash table by the instant's number j; a walk visits
  // about 85 instants).
  Known& Find(double tt) {
    const long long key = static_cast<long long>((tt - origin_) * 2048.0);  // exact: an integer
    // (Fibonacci hashing spreads the keys, most of them multiples of 2048.)
    const unsigned long long hash = (static_cast<unsigned long long>(key) * 0x9E3779B97F4A7C15ULL) >> 56;
    for (unsigned probe = 0; probe < Capacity; ++probe) {
      Known& k = known_[(hash + probe) % Capacity];
      if (k.used && k.key == key) return k;
      if (!k.used) {
        k = Known{};
        k.key = key;
        k.used = true;
        return k;
      }
    }
    // Full (it never is): the last entry serves anew.
    Known& k = known_[Capacity - 1];
    k = Known{};
    k.key = key;
    k.used = true;
    return k;
  }

  // The best estimate at tt and its error bound: exact, interpolated or
  // classical.
  double Estimated(double tt, double& error) {
    if (interpolated_ && interpolant_.Covers(tt) && !detail::MoonDistanceIsClassical(tt)) {
      Known& k = Find(tt);
      if (k.exact) {
        error = 0.0;
        return k.value;
      }
      if (std::isnan(k.interpolated)) k.interpolated = interpolant_(tt);
      error = interpolant_.error;
      return k.interpolated;
    }
    return Estimate(tt, error);
  }

  // exact(d(a), d(b)) for the exact distances, where sign (d(a) - d(b)) >
  // margin states the same up to rounding: decided from the estimates when
  // their bounds leave no doubt.
  template <class Predicate>
  bool Decide(double a, double b, double margin, Predicate exact) {
    // An instant against itself: any distance will do.
    if (a == b) return exact(0.0, 0.0);
    const double sign = apogee_ ? 1.0 : -1.0;
    for (int attempt = 0; attempt < 2; ++attempt) {
      double ea, eb;
      const double difference = sign * (Estimated(a, ea) - Estimated(b, eb)) - margin;
      const double doubt = ea + eb + 1e-6;
      if (difference > doubt) return true;
      if (difference < -doubt) return false;
      // Undecided: an interpolant about these two, if they are near each
      // other and the present one (at most one other) leaves them out.
      const bool covered = interpolated_ && interpolant_.Covers(a) && interpolant_.Covers(b);
      if (covered || fits_ >= 2 || std::fabs(a - b) > 2.0 || detail::MoonDistanceIsClassical(a)) break;
      interpolant_.Fit(0.5 * (a + b));
      interpolated_ = true;
      ++fits_;
      for (Known& k : known_) k.interpolated = Unknown;
    }
    return exact(Exact(a), Exact(b));
  }

  static constexpr unsigned Capacity = 256;
  static constexpr double Unknown = std::numeric_limits<double>::quiet_NaN();
  bool apogee_;
  double origin_;
  Known known_[Capacity];
  bool interpolated_ = false;
  int fits_ = 0;
  DistanceInterpolant interpolant_;
};

// The apsis walk of ApsisSearch. When notbefore is given (not NaN) and the
// result is bound to lie before it, the walk stops after its first pass
// and returns notbefore - 1 (the result is not needed), with the count of
// the whole walk.
double ApsisWalk(double start, double& distance, int& evaluations, bool apogee, double notbefore) {
  double x = start + DeltaTForJD(start) * DaysPerSecond;
  ApsisDistances d(apogee, x);
  double step = 1.0;
  double bestjd = x;
  int count = 0;

  if (!std::isnan(notbefore)) {
    // The later passes move the best instant by less than 2 days back and 6
    // forward (sums of 2 and 6 steps of 1/2, 1/4, ...), and never end early
    // (half a day changes the distance by less than 3500 km). So when the
    // first pass provably ends and its best lies more than 7 days before
    // notbefore, so does the result.
    // (The first pass compares the first 27 of its 28 distances.)
    double value[28], error[28];
    double best = -1e300;
    for (int i = 0; i < 28; ++i) {
      value[i] = (apogee ? 1.0 : -1.0) * d.Estimate(x + i, error[i]);
      if (i < 27) best = std::fmax(best, value[i] - error[i]);
    }
    bool early = true;
    for (int i = 0; i < 27 && early; ++i) early = value[i] + error[i] < best || x + i + 7.0 < notbefore;
    for (int i = 0; i + 1 < 28 && early; ++i)
      early = value[i] - value[i + 1] + error[i] + error[i + 1] < ApsisTolerance;
    if (early) {
      evaluations = 28 + 11 * 10;
      return notbefore - 1.0;
    }
  }

  for (int pass = 0; pass < 12; ++pass) {
    if (pass > 0) {
      x = bestjd - step;
      step /= 2.0;
    }
    double current = x;
    ++count;
    if (pass == 0) bestjd = current;
    const int steps = pass == 0 ? 27 : 9;
    for (int i = 0; i < steps; ++i) {
      if (d.Beats(current, bestjd)) bestjd = current;
      x += step;
      ++count;
      if (d.TurnsAway(current, x)) break;
      current = x;
    }
  }
  distance = d.Exact(bestjd);
  evaluations = count;
  return bestjd - DeltaTForJD(bestjd) * DaysPerSecond;
}

}  // namespace

double ApsisSearch(double start, double& distance, int& evaluations, int mode) {
  if (mode == 0) return 0.0;
  return ApsisWalk(start, distance, evaluations, mode > 0, std::nan(""));
}

double NextApsis(double jd, double& distance, int& evaluations, int mode) {
  if (mode == 0) return 0.0;
  double start = jd - 10.0;
  double found = 0.0, km = 0.0;
  int total = 0;
  for (int attempt = 0; attempt <= 12; ++attempt) {
    int count = 0;
    // A result before jd only leads to the next attempt, unless this is the last.
    found = ApsisWalk(start, km, count, mode > 0, attempt < 12 ? jd : std::nan(""));
    total += count;
    if (found >= jd) break;
    start += 10.0;
  }
  distance = km;
  evaluations = total;
  return found;
}

int FirstLunationToTry(int year, int month, int day) {
  return static_cast<int>(std::floor((year - 2000 + month / 12.0 + day / 365.25) * 12.3685)) - 2;
}

}  // namespace quendal
