// Cost of the IAU 1980 nutation (the full 106 terms every call) and of the
// true obliquity.
#include <benchmark/benchmark.h>

#include "astro/nutation.h"

namespace {

using namespace quendal;

void BM_NutationDistinctInstants(benchmark::State& state) {
  double jde = 2460000.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Nutation(jde));
    jde += 0.0417;
  }
}
BENCHMARK(BM_NutationDistinctInstants);

void BM_TrueObliquityDistinctInstants(benchmark::State& state) {
  double jde = 2460000.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(TrueObliquity(jde));
    jde += 0.0417;
  }
}
BENCHMARK(BM_TrueObliquityDistinctInstants);

}  // namespace
