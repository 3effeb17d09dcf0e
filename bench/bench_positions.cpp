// Apparent places: BodyPosition per body with a new instant every call (the
// frame of the instant made for each call), with one frame shared by every
// call (the body itself computed each time), and the ephemeris loop: the
// apparent places and horizontal coordinates of the eight planets
// Mercury..Pluto at one instant after another, one frame per instant.
#include <benchmark/benchmark.h>

#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/planets.h"
#include "astro/riseset.h"
#include "astro/timescales.h"

using namespace quendal;

namespace {

void AllBodies(benchmark::internal::Benchmark* b) {
  for (int body : {-1, 0, 1, 2, 4, 5, 6, 7, 8, 9}) b->Arg(body);
  b->ArgName("body");
}

}  // namespace

static void BodyPositionDistinctInstants(benchmark::State& state) {
  const BodyCode body = static_cast<BodyCode>(state.range(0));
  double jde = 2451545.0;
  for (auto _ : state) {
    jde += 0.0137;  // a new instant each call
    benchmark::DoNotOptimize(BodyPosition(FrameAt({jde, jde}), body));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BodyPositionDistinctInstants)->Apply(AllBodies);

static void BodyPositionSharedFrame(benchmark::State& state) {
  const BodyCode body = static_cast<BodyCode>(state.range(0));
  const InstantFrame frame = FrameAt(InstantFromUT(2460000.5));
  for (auto _ : state) benchmark::DoNotOptimize(BodyPosition(frame, body));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BodyPositionSharedFrame)->Apply(AllBodies);

static void FrameOfAnInstant(benchmark::State& state) {
  double jd = 2460000.5;
  for (auto _ : state) {
    jd += 0.0137;
    benchmark::DoNotOptimize(FrameAt(InstantFromUT(jd)));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FrameOfAnInstant);

static void PlanetHeliocentricEvaluation(benchmark::State& state) {
  const BodyCode body = static_cast<BodyCode>(state.range(0));
  double jde = 2451545.0;
  for (auto _ : state) {
    jde += 0.0137;
    benchmark::DoNotOptimize(PlanetHeliocentric(jde, body));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PlanetHeliocentricEvaluation)->DenseRange(1, 9);

// The about box's workload: the apparent places of Mercury, Venus, Mars,
// Jupiter, Saturn, Uranus, Neptune and Pluto at one instant, with their
// azimuth and altitude for Sankt Pölten, then the next instant (one hour
// later). Items are planet positions, eight per instant.
static void EphemerisLoop(benchmark::State& state) {
  double jd = 2460000.5;
  for (auto _ : state) {
    jd += 1.0 / 24.0;
    const InstantFrame frame = FrameAt(InstantFromUT(jd));
    const double lst = ApparentSiderealTime(frame, 15.617);
    for (int body : {1, 2, 4, 5, 6, 7, 8, 9}) {
      const ApparentPlace p = BodyPosition(frame, static_cast<BodyCode>(body));
      const HorizontalPlace h = HorizontalFromEquatorial(p.ra, p.dec, lst, 48.2);
      benchmark::DoNotOptimize(p);
      benchmark::DoNotOptimize(h);
    }
  }
  state.SetItemsProcessed(state.iterations() * 8);
}
BENCHMARK(EphemerisLoop);
