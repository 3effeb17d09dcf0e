// Cost of the precise lunar position (DE404 series with light time), of the
// classical series alone, of the low-precision Moon and of the libration.
#include <benchmark/benchmark.h>

#include "astro/moon.h"

namespace {

using namespace quendal;

void BM_MoonPosition(benchmark::State& state) {
  double tt = 2415020.0 + 45000.25;  // 2023
  for (auto _ : state) {
    benchmark::DoNotOptimize(MoonPosition(tt));
    tt += 0.0417;
  }
}
BENCHMARK(BM_MoonPosition);

void BM_ClassicalMoonPosition(benchmark::State& state) {
  double tt = 2415020.0 + 45000.25;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ClassicalMoonPosition(tt));
    tt += 0.0417;
  }
}
BENCHMARK(BM_ClassicalMoonPosition);

void BM_LowPrecisionMoon(benchmark::State& state) {
  double t = 0.23;
  for (auto _ : state) {
    double ra, dec;
    LowPrecisionMoon(t, ra, dec);
    benchmark::DoNotOptimize(ra + dec);
    t += 1e-6;
  }
}
BENCHMARK(BM_LowPrecisionMoon);

void BM_MoonLibration(benchmark::State& state) {
  double jd = 2460000.5;
  for (auto _ : state) {
    double latitude, longitude;
    MoonLibration(jd, latitude, longitude);
    benchmark::DoNotOptimize(latitude + longitude);
    jd += 0.0417;
  }
}
BENCHMARK(BM_MoonLibration);

void BM_MoonAgeAngle(benchmark::State& state) {
  double jd = 2460000.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(MoonAgeAngle(jd));
    jd += 1.0;
  }
}
BENCHMARK(BM_MoonAgeAngle);

}  // namespace
