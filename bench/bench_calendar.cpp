// Calendar core and main report throughput.
#include <benchmark/benchmark.h>

#include "calendar/calendar.h"
#include "calendar/easter.h"
#include "calendar/text.h"
#include "reports/main_report.h"

using namespace quendal;

static void EasterAllYears(benchmark::State& state) {
  for (auto _ : state) {
    int sum = 0;
    for (int y = 100; y <= 9999; ++y) sum += eastersundaygregorian(y);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 9900);
}
BENCHMARK(EasterAllYears);

static void DateRoundTrip(benchmark::State& state) {
  int mjd = -200000;
  for (auto _ : state) {
    int y, m, d;
    jdntodate(mjd + 2400001, y, m, d);
    benchmark::DoNotOptimize(datetomjd(y, m, d));
    mjd = mjd > 2900000 ? -200000 : mjd + 37;
  }
}
BENCHMARK(DateRoundTrip);

static void MainReportPage(benchmark::State& state) {
  MainReportInputs in;
  in.year = 2024;
  in.page = static_cast<int>(state.range(0));
  in.todayyear = 2024, in.todaymonth = 3, in.todayday = 15;
  for (auto _ : state) benchmark::DoNotOptimize(buildmainreport(in, german).text.size());
}
BENCHMARK(MainReportPage)->Arg(0)->Arg(3)->Arg(29);
