// Lunar events, the day scan and the ellipsoid distance:
//  - LunarPhase in the moon-phase loop of the performance test (lunations
//    0..69, the four quarters each), as phases per second;
//  - EclipseMaximum for every combination of one lunation;
//  - ApsisSearch (a full search, 28 + 11 x 10 precise lunar distances);
//  - DayEvents for the Sun in "mode" 0 (low precision) and 21 (full
//    precision, refined rise and set, culmination), a new day every call;
//  - EllipsoidDistance between places that change every call.
#include <benchmark/benchmark.h>

#include "astro/eclipses.h"
#include "astro/geodesy.h"
#include "astro/lunar_events.h"
#include "astro/riseset.h"

using namespace quendal;

static void LunarPhaseLoop(benchmark::State& state) {
  for (auto _ : state) {
    for (int k = 0; k < 70; ++k)
      for (int q = 0; q < 4; ++q) benchmark::DoNotOptimize(LunarPhase(k, q * 0.25));
  }
  state.SetItemsProcessed(state.iterations() * 280);
  state.counters["phases/s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * 280), benchmark::Counter::kIsRate);
}
BENCHMARK(LunarPhaseLoop);

static void EclipseMaximumLunation(benchmark::State& state) {
  int k = -1000;
  for (auto _ : state) {
    for (int kind = 0; kind <= 1; ++kind)
      for (int type = 0; type <= 2 - kind; ++type) benchmark::DoNotOptimize(EclipseMaximum(k, kind, type));
    if (++k > 1000) k = -1000;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(EclipseMaximumLunation);

static void ApsisSearchFull(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  double start = 2460310.5;
  long long evaluations = 0;
  for (auto _ : state) {
    double km;
    int count;
    benchmark::DoNotOptimize(ApsisSearch(start, km, count, mode));
    evaluations += count;
    start += 27.55;
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["evaluations/search"] = static_cast<double>(evaluations) / static_cast<double>(state.iterations());
}
BENCHMARK(ApsisSearchFull)->Arg(1)->Arg(-1)->ArgName("mode")->Unit(benchmark::kMicrosecond);

static void DayEventsSun(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  DayEventsOptions options;
  options.fullPrecision = mode % 2 != 0;
  options.refine = mode >= 20;
  if (mode >= 10) options.culmination = mode >= 20 ? Culmination::Fine : Culmination::Coarse;
  int mjd = 60310;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DayEvents(mjd, 1.0, 16.37, 48.2, BodyCode::Sun, {}, options));
    if (++mjd > 60310 + 3650) mjd = 60310;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DayEventsSun)->Arg(0)->Arg(21)->ArgName("mode")->Unit(benchmark::kMicrosecond);

static void EllipsoidDistancePairs(benchmark::State& state) {
  double lon = -180.0, lat = -89.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EllipsoidDistance(lon, lat, 16.37, 48.21));
    lon += 7.3;
    if (lon > 180.0) lon -= 360.0;
    lat += 3.1;
    if (lat > 90.0) lat -= 180.0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(EllipsoidDistancePairs);
