// Apparent places: BodyPosition per body with a new instant every call
// (every cache misses) and with one repeated instant (position, Earth,
// nutation and obliquity caches hit), and the ephemeris loop: the apparent
// places and horizontal coordinates of the eight planets Mercury..Pluto at
// one instant after another.
#include <benchmark/benchmark.h>

#include "astro/apparent.h"
#include "astro/planets.h"
#include "astro/riseset.h"
#include "astro/timescales.h"

using namespace quendal;

namespace {

void AllBodies(benchmark::internal::Benchmark* b) {
  for (int body : {-1, 0, 1, 2, 4, 5, 6, 7, 8, 9}) b->Arg(body);
  b->ArgName("body");
}

struct Outputs {
  double ra, dec, distance, elongation, illuminated, magnitude, diameter, lambda, beta;
};

void Position(double jde, int body, Outputs& o) {
  BodyPosition(jde, body, o.ra, o.dec, o.distance, o.elongation, o.illuminated, o.magnitude,
               o.diameter, o.lambda, o.beta, 1);
}

}  // namespace

static void BodyPositionDistinctInstants(benchmark::State& state) {
  const int body = static_cast<int>(state.range(0));
  double jde = 2451545.0;
  Outputs o{};
  for (auto _ : state) {
    jde += 0.0137;  // a new instant each call: no cache can answer
    Position(jde, body, o);
    benchmark::DoNotOptimize(o);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BodyPositionDistinctInstants)->Apply(AllBodies);

static void BodyPositionRepeatedInstant(benchmark::State& state) {
  const int body = static_cast<int>(state.range(0));
  const double jde = 2460000.5;
  Outputs o{};
  for (auto _ : state) {
    Position(jde, body, o);
    benchmark::DoNotOptimize(o);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BodyPositionRepeatedInstant)->Apply(AllBodies);

static void PlanetHeliocentricMiss(benchmark::State& state) {
  const int body = static_cast<int>(state.range(0));
  double jde = 2451545.0;
  HeliocentricState s;
  for (auto _ : state) {
    jde += 0.0137;
    benchmark::DoNotOptimize(PlanetHeliocentric(jde, body, 0.0, s));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PlanetHeliocentricMiss)->DenseRange(1, 9);

// One ephemeris = the apparent places of Mercury, Venus, Mars, Jupiter,
// Saturn, Uranus, Neptune and Pluto at one instant, with their azimuth and
// altitude for Sankt Pölten; the instant advances by one hour per ephemeris.
static void EphemerisLoop(benchmark::State& state) {
  double jd = 2460000.5;
  Outputs o{};
  for (auto _ : state) {
    jd += 1.0 / 24.0;
    const double jde = jd + DeltaTForJD(jd) / 86400.0;
    const double lst = SiderealTime(jd, 15.617, 1);
    for (int body : {1, 2, 4, 5, 6, 7, 8, 9}) {
      Position(jde, body, o);
      double azimuth, altitude;
      HorizontalFromEquatorial(o.ra, o.dec, lst, 48.2, azimuth, altitude);
      benchmark::DoNotOptimize(o);
      benchmark::DoNotOptimize(altitude);
    }
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["ephemerides/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                       benchmark::Counter::kIsRate);
}
BENCHMARK(EphemerisLoop);
