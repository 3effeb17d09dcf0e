// Cost of the IAU 1980 nutation: distinct instants (the full 106 terms every
// call) against repeated instants (the one-entry cache), and the true
// obliquity.
#include <benchmark/benchmark.h>

#include "astro/nutation.h"

namespace {

using namespace quendal;

void BM_NutationDistinctInstants(benchmark::State& state) {
  double jde = 2460000.5;
  for (auto _ : state) {
    double deps, dpsi;
    Nutation(jde, deps, dpsi);
    benchmark::DoNotOptimize(deps + dpsi);
    jde += 0.0417;
  }
}
BENCHMARK(BM_NutationDistinctInstants);

void BM_NutationSameInstant(benchmark::State& state) {
  const double jde = 2460000.5;
  for (auto _ : state) {
    double deps, dpsi;
    Nutation(jde, deps, dpsi);
    benchmark::DoNotOptimize(deps + dpsi);
  }
}
BENCHMARK(BM_NutationSameInstant);

void BM_TrueObliquityDistinctInstants(benchmark::State& state) {
  double jde = 2460000.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(TrueObliquity(jde));
    jde += 0.0417;
  }
}
BENCHMARK(BM_TrueObliquityDistinctInstants);

}  // namespace
