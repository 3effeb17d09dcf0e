// The Moon; see moon.h.
#include "astro/moon.h"

#include <cmath>

#include "astro/data/libration_data.h"
#include "astro/data/moon_classical_data.h"
#include "astro/data/moon_de404_data.h"
#include "astro/harmonic_series.h"
#include "astro/numeric.h"
#include "astro/sincos.h"
#include "astro/timescales.h"

namespace quendal {

namespace {

constexpr double RadiansPerArcsecond = 4.84813681109536e-6;

// Sum of the classical periodic terms with the corrected arguments (radians).
double classicalSeries(const ClassicalMoonTerm* terms, int count, bool cosine, double d, double m, double mp, double f,
                       double e) {
  double sum = 0.0;
  for (int i = 0; i < count; ++i) {
    const ClassicalMoonTerm& term = terms[i];
    const double arg = term.d * d + term.m * m + term.mp * mp + term.f * f;
    double v = term.coefficient * (cosine ? std::cos(arg) : std::sin(arg));
    for (int k = 0; k < term.ePower; ++k) v *= e;
    sum += v;
  }
  return sum;
}

// Whether Moshier's series cover the instant d days from the classical epoch.
bool InHarmonicSpan(double d) {
  constexpr double first = De404FirstJD - ClassicalEpochJD;  // -1194019.5
  constexpr double last = De404LastJD - ClassicalEpochJD;    // 383505.5
  return d >= first && d <= last;
}

// Kepler's equation as SolveKepler, E in radians.
double SolveKeplerRadians(double meanAnomaly, double eccentricity) {
  const double m = meanAnomaly * RadiansPerDegree;
  // From M; for large eccentricities from pi (in M's revolution), where
  // Newton's method always converges.
  double e = eccentricity < 0.8 ? m : TwoPi * std::floor(m / TwoPi) + Pi;
  for (int step = 0; step < 50; ++step) {
    const double delta = e - eccentricity * std::sin(e) - m;
    e -= delta / (1.0 - eccentricity * std::cos(e));
    if (std::fabs(delta) < 1e-10) break;
  }
  return e;
}

// The classical series at d = tt - 2415020.0 (days from 1900 January 0.5), radians.
void ClassicalRadians(double d, double& longitude, double& latitude, double& distance);

// Moshier's series at tt, radians.
void HarmonicRadians(double jde, double& longitude, double& latitude, double& distance);

EclipticPosition InDegrees(double longitude, double latitude, double distance) {
  return {longitude * DegreesPerRadian, latitude * DegreesPerRadian, distance};
}

}  // namespace

double SolveKepler(double meanAnomaly, double eccentricity) {
  return SolveKeplerRadians(meanAnomaly, eccentricity) * DegreesPerRadian;
}

MoonAge MoonPhaseSimple(double jd) {
  const double days = jd - 2444238.5;
  const double n = NormalizeDegrees(days * 0.9856473320990837);  // 360 / 365.2422
  // The Sun: mean anomaly, equation of the centre, ecliptic longitude.
  const double m = NormalizeDegrees(n + 278.83354 - 282.596403);
  const double ea = SolveKeplerRadians(m, 0.016718);
  const double v = 2.0 * std::atan(SafeSqrt(1.0340044870138985) * std::tan(ea / 2.0)) * DegreesPerRadian;
  const double sunLongitude = NormalizeDegrees(v + 282.596403);
  // The Moon: mean longitude and anomaly, evection, annual equation, centre, variation.
  const double l = NormalizeDegrees(13.1763966 * days + 64.975464);
  const double mm = NormalizeDegrees(l - 0.1114041 * days - 349.383063);
  const double evection = 1.2739 * SinDeg(2.0 * (l - sunLongitude) - mm);
  const double annual = 0.1858 * SinDeg(m);
  const double a3 = 0.37 * SinDeg(m);
  const double mmCorrected = mm + evection - annual - a3;
  const double centre = 6.2886 * SinDeg(mmCorrected);
  const double a4 = 0.214 * SinDeg(2.0 * mmCorrected);
  const double l1 = l + evection + centre - annual + a4;
  const double variation = 0.6583 * SinDeg(2.0 * (l1 - sunLongitude));
  const double age = l1 + variation - sunLongitude;
  return {NormalizeDegrees(age), (1.0 - CosDeg(age)) / 2.0, 29.53058868 * NormalizeDegrees(age) / 360.0};
}

double MoonAgeAngle(double jd) { return MoonPhaseSimple(jd).angle; }

double MoonIllumination(double jd, double& phaseAngle) {
  const double t = (jd - J2000) / DaysPerJulianCentury;
  const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  const double d = 297.8501921 + 445267.1114034 * t - 0.0018819 * t2 + t3 / 545868.0 - t4 / 113065000.0;
  const double m = 357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000.0;
  const double mp = 134.9633964 + 477198.8675055 * t + 0.0087414 * t2 + t3 / 69699.0 - t4 / 14712000.0;
  const double i = 180.0 - d - 6.289 * SinDeg(mp) + 2.1 * SinDeg(m) - 1.274 * SinDeg(2.0 * d - mp) -
                   0.658 * SinDeg(2.0 * d) - 0.214 * SinDeg(2.0 * mp) - 0.11 * SinDeg(d);
  const double cosi = CosDeg(i);
  phaseAngle = SafeAcos(cosi) * DegreesPerRadian;
  return (1.0 + cosi) / 2.0;
}

int MoonPhaseIndex(double ageAngle, double illuminatedPercent) {
  const double p = illuminatedPercent;
  if (p < 0.4) return 0;
  if (p >= 99.6) return 4;
  if (ageAngle >= 180.0) return p < 45.0 ? 7 : (p >= 55.0 ? 5 : 6);
  return p < 45.0 ? 1 : (p >= 55.0 ? 3 : 2);
}

void LowPrecisionMoon(double t, double& rightAscension, double& declination) {
  const double l0 = Frac(0.606433 + 1336.855225 * t);
  const double l = TwoPi * Frac(0.374897 + 1325.55241 * t);
  const double ls = TwoPi * Frac(0.993133 + 99.997361 * t);
  const double d = TwoPi * Frac(0.827361 + 1236.853086 * t);
  const double f = TwoPi * Frac(0.259086 + 1342.227825 * t);
  // Perturbations in longitude (arcseconds).
  const double dl = 22640.0 * std::sin(l) - 4586.0 * std::sin(l - 2.0 * d) + 2370.0 * std::sin(2.0 * d) +
                    769.0 * std::sin(2.0 * l) - 668.0 * std::sin(ls) - 412.0 * std::sin(2.0 * f) -
                    212.0 * std::sin(2.0 * l - 2.0 * d) - 206.0 * std::sin(l + ls - 2.0 * d) +
                    192.0 * std::sin(l + 2.0 * d) - 165.0 * std::sin(ls - 2.0 * d) - 125.0 * std::sin(d) -
                    110.0 * std::sin(l + ls) + 148.0 * std::sin(l - ls) - 55.0 * std::sin(2.0 * f - 2.0 * d);
  const double s = f + (dl + 412.0 * std::sin(2.0 * f) + 541.0 * std::sin(ls)) * RadiansPerArcsecond;
  const double h = f - 2.0 * d;
  const double n = -526.0 * std::sin(h) + 44.0 * std::sin(l + h) - 31.0 * std::sin(-l + h) - 23.0 * std::sin(ls + h) +
                   11.0 * std::sin(-ls + h) - 25.0 * std::sin(-2.0 * l + f) + 21.0 * std::sin(-l + f);
  const double lambda = TwoPi * Frac(l0 + dl / 1296000.0);
  const double beta = (18520.0 * std::sin(s) + n) * RadiansPerArcsecond;
  // Ecliptic to equator with the fixed obliquity of the low-precision Sun.
  const double cb = std::cos(beta), sb = std::sin(beta);
  const double x = cb * std::cos(lambda);
  const double y = 0.91748 * cb * std::sin(lambda) - 0.39778 * sb;
  const double z = 0.39778 * cb * std::sin(lambda) + 0.91748 * sb;
  // The half-angle form 2 atan(y / (x + rho)) needs rho = |(x, y)| exactly:
  // the fixed factors are not a unit rotation (their squares sum to
  // 1 - 1.6e-6), and near 12h that defect would dominate x + rho.
  const double rho = SafeSqrt(x * x + y * y);
  declination = DegreesPerRadian * SafeAtan2(z, rho);
  rightAscension = 24.0 / Pi * SafeAtan2(y, x + rho);
  if (rightAscension < 0.0) rightAscension += 24.0;
}

namespace {

// The corrected mean elements and angles of the classical theory at d days
// from its epoch, as every one of its series takes them.
struct ClassicalArguments {
  double t;
  double element[6];
  double angle[4];
  double e;
  double dr, mr, mpr, fr;  // D, M, M', F in radians
};

ClassicalArguments ClassicalArgumentsAt(double d) {
  ClassicalArguments a;
  const double t = d / DaysPerJulianCentury;
  const double t2 = t * t;
  a.t = t;
  double* element = a.element;
  double* angle = a.angle;
  for (int k = 0; k < 6; ++k) {
    const ClassicalElement& e = ClassicalMoonElements[k];
    element[k] = e.c0 + e.sign * 360.0 * Frac(e.rate * d) + e.t2 * t2 + e.t3 * t2 * t;
  }
  for (int k = 0; k < 3; ++k) {
    const ClassicalAngle& c = ClassicalMoonAngles[k];
    angle[k] = (c.addOmega ? element[ElementOmega] : 0.0) + c.c0 + c.c1 * t + c.c2 * t2;
  }
  angle[AngleOmega] = element[ElementOmega];
  // The additive terms take the sines of these four angles (13 terms).
  double sines[4];
  for (int k = 0; k < 4; ++k) sines[k] = SinDeg(angle[k]);
  for (const ClassicalAdditiveTerm& term : ClassicalMoonAdditiveTerms) {
    element[term.element] += term.coefficient * sines[term.angle];
  }
  a.e = 1.0 + ClassicalEccentricity1 * t + ClassicalEccentricity2 * t2;
  a.dr = element[ElementD] * RadiansPerDegree;
  a.mr = element[ElementM] * RadiansPerDegree;
  a.mpr = element[ElementMp] * RadiansPerDegree;
  a.fr = element[ElementF] * RadiansPerDegree;
  return a;
}

// The classical distance (AU): the Earth's radius over the sine of the parallax.
double ClassicalDistance(const ClassicalArguments& a) {
  const double parallax =
      ClassicalParallaxConstant +
      classicalSeries(ClassicalParallaxTerms, ClassicalParallaxTermCount, true, a.dr, a.mr, a.mpr, a.fr, a.e);
  return EarthRadiusAU / SinDeg(parallax);
}

void ClassicalRadians(double d, double& longitude, double& latitude, double& distance) {
  const ClassicalArguments a = ClassicalArgumentsAt(d);
  const double lambda = a.element[ElementLp] + classicalSeries(ClassicalLongitudeTerms, ClassicalLongitudeTermCount,
                                                               false, a.dr, a.mr, a.mpr, a.fr, a.e);
  const double beta =
      classicalSeries(ClassicalLatitudeTerms, ClassicalLatitudeTermCount, false, a.dr, a.mr, a.mpr, a.fr, a.e) *
      (1.0 - ClassicalLatitudeFactor1 * CosDeg(a.element[ElementOmega]) -
       ClassicalLatitudeFactor2 * CosDeg(a.angle[AngleC]));
  longitude = NormalizeRadians(lambda * RadiansPerDegree);
  latitude = beta * RadiansPerDegree;
  distance = ClassicalDistance(a);
}

void HarmonicRadians(double jde, double& longitude, double& latitude, double& distance) {
  double arcsec[18];
  FundamentalArguments(MoonLongitudeRadiusTable, MoonArguments, jde, arcsec);
  double lon, unused, rad, lat;
  EvaluateHarmonicSeries(MoonLongitudeRadiusTable, arcsec, jde, lon, unused, rad);
  EvaluateHarmonicSeries(MoonLatitudeTable, arcsec, jde, lat, unused, unused);
  lon += FundamentalArgumentValue(MoonArguments[MoonMeanLongitudeSlot - 1], (jde - J2000) / DaysPerJulianCentury);
  if (lon < -645000.0) lon += 1296000.0;
  if (lon > 645000.0) lon -= 1296000.0;
  longitude = NormalizeRadians(lon * RadiansPerArcsecond);
  latitude = lat * RadiansPerArcsecond;
  distance = MoonLongitudeRadiusTable.distance * (1.0 + RadiansPerArcsecond * rad);
}

}  // namespace

namespace detail {

void MoonPositionRadians(double tt, double& longitude, double& latitude, double& distance) {
  const double d = tt - ClassicalEpochJD;
  ClassicalRadians(d, longitude, latitude, distance);
  if (!InHarmonicSpan(d)) return;
  const double lightTime = LightTimeDaysPerAU * distance;
  HarmonicRadians(d + ClassicalEpochJD - lightTime, longitude, latitude, distance);
}

double MoonDistance(double tt) {
  double distance;
  MoonDistances(&tt, 1, &distance, false);
  return distance;
}

void MoonDistances(const double* tt, int count, double* distance, bool estimatedLightTime) {
  HarmonicSeriesTable radiusonly = MoonLongitudeRadiusTable;
  radiusonly.longitude = nullptr;
  double arcsec[HarmonicBatch][18];
  double jde[HarmonicBatch];
  int which[HarmonicBatch];
  int harmonic = 0;
  for (int i = 0; i < count && i < HarmonicBatch; ++i) {
    const double d = tt[i] - ClassicalEpochJD;
    if (estimatedLightTime && InHarmonicSpan(d))
      distance[i] = ClassicalMoonDistanceEstimate(tt[i]);
    else
      distance[i] = ClassicalDistance(ClassicalArgumentsAt(d));
    if (!InHarmonicSpan(d)) continue;
    jde[harmonic] = d + ClassicalEpochJD - LightTimeDaysPerAU * distance[i];
    FundamentalArguments(radiusonly, MoonArguments, jde[harmonic], arcsec[harmonic]);
    which[harmonic++] = i;
  }
  if (harmonic == 0) return;
  double unused[HarmonicBatch], rad[HarmonicBatch];
  EvaluateHarmonicSeriesAt(radiusonly, harmonic, arcsec, jde, unused, unused, rad);
  for (int h = 0; h < harmonic; ++h)
    distance[which[h]] = MoonLongitudeRadiusTable.distance * (1.0 + RadiansPerArcsecond * rad[h]);
}

double ClassicalMoonDistance(double tt) { return ClassicalDistance(ClassicalArgumentsAt(tt - ClassicalEpochJD)); }

double ClassicalMoonDistanceEstimate(double tt) {
  const ClassicalArguments a = ClassicalArgumentsAt(tt - ClassicalEpochJD);
  double angles[ClassicalParallaxTermCount], sines[ClassicalParallaxTermCount], cosines[ClassicalParallaxTermCount];
  for (int i = 0; i < ClassicalParallaxTermCount; ++i) {
    const ClassicalMoonTerm& term = ClassicalParallaxTerms[i];
    angles[i] = term.d * a.dr + term.m * a.mr + term.mp * a.mpr + term.f * a.fr;
  }
  SinCosArray(angles, sines, cosines, ClassicalParallaxTermCount);
  double parallax = 0.0;
  for (int i = 0; i < ClassicalParallaxTermCount; ++i) {
    double v = ClassicalParallaxTerms[i].coefficient * cosines[i];
    for (int k = 0; k < ClassicalParallaxTerms[i].ePower; ++k) v *= a.e;
    parallax += v;
  }
  return EarthRadiusAU / SinDeg(ClassicalParallaxConstant + parallax);
}

bool MoonDistanceIsClassical(double tt) { return !InHarmonicSpan(tt - ClassicalEpochJD); }

}  // namespace detail

EclipticPosition MoonPosition(double tt) {
  double l, b, r;
  detail::MoonPositionRadians(tt, l, b, r);
  return InDegrees(l, b, r);
}

EclipticPosition ClassicalMoonPosition(double tt) {
  double l, b, r;
  ClassicalRadians(tt - ClassicalEpochJD, l, b, r);
  return InDegrees(l, b, r);
}

EclipticPosition HarmonicMoonPosition(double tt) {
  double l, b, r;
  HarmonicRadians(tt, l, b, r);
  return InDegrees(l, b, r);
}

void MoonLibration(double jd, double& latitude, double& longitude) {
  double arcsec[14];
  double unused;
  FundamentalArguments(LibrationLongitudeTable, LibrationArguments, jd, arcsec);
  EvaluateHarmonicSeries(LibrationLongitudeTable, arcsec, jd, longitude, unused, unused);
  FundamentalArguments(LibrationLatitudeTable, LibrationArguments, jd, arcsec);
  EvaluateHarmonicSeries(LibrationLatitudeTable, arcsec, jd, latitude, unused, unused);
  longitude /= 3600.0;
  latitude /= 3600.0;
}

}  // namespace quendal
