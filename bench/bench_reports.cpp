// Report generators of the astronomy tools: one planet report with every body
// and option, a full ephemeris list, a year of equation-of-time statistics,
// and the about box's two measured loops.
#include <benchmark/benchmark.h>

#include "calendar/text.h"
#include "reports/about_report.h"
#include "reports/eot_report.h"
#include "reports/planet_report.h"

namespace {

using namespace quendal;

PlanetInputs everything(int minute) {
  PlanetInputs in;
  in.year = 2024, in.month = 3, in.day = 15, in.hour = 21, in.minute = minute, in.zone = 1;
  in.deltat = 740;
  in.deltaTPending = true;
  in.orbit = in.radec = in.altaz = in.magnitude = in.visibleonly = in.details = true;
  for (int b = 1; b <= planetreportbodies; ++b) in.bodies[b] = true;
  return in;
}

void PlanetReportAllBodies(benchmark::State& state) {
  int minute = 0;
  for (auto _ : state) benchmark::DoNotOptimize(buildplanetreport(everything(minute++ % 60), german));
}
BENCHMARK(PlanetReportAllBodies);

void EphemerisListAllBodies(benchmark::State& state) {
  int minute = 0;
  for (auto _ : state) {
    PlanetInputs in = everything(minute++ % 60);
    in.step = 10;
    benchmark::DoNotOptimize(buildephemerislist(in, english));
  }
}
BENCHMARK(EphemerisListAllBodies)->Unit(benchmark::kMillisecond);

void EquationOfTimeStatisticsYear(benchmark::State& state) {
  EquationOfTimeInputs in;
  in.year = 2024, in.month = 3, in.day = 15, in.step = 1209, in.mode = eotstatistics;
  for (auto _ : state) benchmark::DoNotOptimize(buildequationoftimereport(in, german));
}
BENCHMARK(EquationOfTimeStatisticsYear)->Unit(benchmark::kMillisecond);

int frozenclock() { return 0; }

void AboutEphemerisLoop(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(measureephemerides(frozenclock));  // 80 + 400 places
}
BENCHMARK(AboutEphemerisLoop)->Unit(benchmark::kMillisecond);

void AboutMoonPhaseLoop(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(measuremoonphases(frozenclock));  // 5600 + 28000 phases
}
BENCHMARK(AboutMoonPhaseLoop)->Unit(benchmark::kMillisecond);

}  // namespace
