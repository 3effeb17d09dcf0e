// The frame of one instant; see frame.h.
#include "astro/frame.h"

#include <cmath>

#include "astro/numeric.h"
#include "astro/timescales.h"

namespace quendal {

InstantFrame FrameAt(const Instant& instant) {
  InstantFrame f;
  f.instant = instant;
  f.radians.earthSeries = detail::ExpandVsop87d(instant.tt, BodyCode::Earth);
  f.radians.earth = detail::Vsop87dAt(f.radians.earthSeries, 0.0);
  f.earth = detail::InDegrees(f.radians.earth);
  double deltaEpsilon, deltaPsi;
  detail::NutationRadians(instant.tt, deltaEpsilon, deltaPsi);
  const double mean = detail::MeanObliquityRadians(instant.tt);
  f.radians.deltaPsi = deltaPsi;
  f.radians.trueObliquity = mean + deltaEpsilon;
  f.nutation = {deltaPsi * DegreesPerRadian, deltaEpsilon * DegreesPerRadian};
  f.meanObliquity = mean * DegreesPerRadian;
  f.trueObliquity = (mean + deltaEpsilon) * DegreesPerRadian;
  f.meanSiderealTime = MeanSiderealTime(instant.ut, 0.0);
  f.apparentSiderealTime = ApparentSiderealTime(f, 0.0);
  return f;
}

double ApparentSiderealTime(const InstantFrame& frame, double longitudeEast) {
  double hours = MeanSiderealTime(frame.instant.ut, longitudeEast);
  hours += frame.radians.deltaPsi * DegreesPerRadian / 15.0 * std::cos(frame.radians.trueObliquity);
  // The equation of the equinoxes is at most about 1.2 s: one step back into range.
  if (hours < 0.0) hours += 24.0;
  if (hours >= 24.0) hours -= 24.0;
  return hours;
}

}  // namespace quendal
