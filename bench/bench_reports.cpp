// Reports:
//  - Report/<subcommand>: every subcommand of quendal-report with its default
//    inputs, as the program runs it (the configuration looked up, the text
//    built), today fixed at 2024-03-15 21:30 (UTC+1), German; subcommands
//    that need an option get the desktop dialog's initial value (eot: the
//    statistics of a tropical year; events: the apsides of today, the
//    costliest kind). events writes as it finds: to /dev/null while
//    measured.
//  - one planet report with every body and option, a full ephemeris list, a
//    year of equation-of-time statistics, and the about box's two measured
//    loops.
// A subcommand without an entry in the table below stops the run: every
// report is measured.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/application_state.h"
#include "calendar/text.h"
#include "cli/cli.h"
#include "reports/about_report.h"
#include "reports/eot_report.h"
#include "reports/planet_report.h"

namespace {

using namespace quendal;

// The options each subcommand is run with.
struct ReportCase {
  const char* subcommand;
  std::vector<std::string> options;
};
const ReportCase reportcases[] = {
    {"about", {}},
    {"calendar", {}},
    {"config", {}},
    {"date-shift", {"--days", "0"}},
    {"day-difference", {}},
    {"dayevents", {"--zone", "1", "--event", "0"}},
    {"dish", {"--satellite", "19.2E"}},
    {"distance", {"--from", "48:12N,016:22E", "--to", "52:31N,013:24E"}},
    {"easter-distribution", {"--from-year", "1950", "--to-year", "2050"}},
    {"eot", {"--mode", "statistics", "--step", "1209"}},
    {"holidays", {}},
    {"ephemeris", {}},
    {"events", {"--what", "apsides"}},
    {"ics", {}},
    {"large-view", {}},
    {"main", {}},
    {"month-overview", {}},
    {"moon", {}},
    {"planets", {}},
    {"position", {"--body", "mars"}},
    {"rises", {}},
    {"sidereal", {}},
    {"weekday-distribution", {"--year", "2024", "--day", "13"}},
};

// Standard output to /dev/null for the life of the object.
class QuietStandardOutput {
 public:
  QuietStandardOutput() {
    std::cout.flush();
    std::fflush(stdout);
    saved_ = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    close(null);
  }
  ~QuietStandardOutput() {
    std::fflush(stdout);
    dup2(saved_, STDOUT_FILENO);
    close(saved_);
  }
  QuietStandardOutput(const QuietStandardOutput&) = delete;
  QuietStandardOutput& operator=(const QuietStandardOutput&) = delete;

 private:
  int saved_;
};

void RunReport(benchmark::State& state, const cli::Subcommand& command, const std::vector<std::string>& options) {
  cli::GlobalOptions global;
  global.languagegiven = true;
  global.languageid = 1031;
  global.today = global.utctoday = {2024, 3, 15};
  global.todaygiven = true;
  global.now = {21, 30, 0};
  global.utcnow = {20, 30, 0};
  QuietStandardOutput quiet;
  std::size_t size = 0;
  for (auto _ : state) {
    ApplicationState application;
    application.userlanguage = global.languageid;
    cli::Options o(command.name, options);
    const std::string text = command.run(application, global, o);
    size = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["bytes"] = static_cast<double>(size);
}

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

// The subcommands register themselves while the program starts: the report
// benchmarks are made here, after that.
int main(int argc, char** argv) {
  for (const cli::Subcommand& command : cli::subcommands()) {
    const ReportCase* found = nullptr;
    for (const ReportCase& c : reportcases)
      if (std::string(command.name) == c.subcommand) found = &c;
    if (found == nullptr) {
      std::fprintf(stderr, "bench_reports: no inputs for the subcommand %s\n", command.name);
      return 1;
    }
    benchmark::RegisterBenchmark((std::string("Report/") + command.name).c_str(), RunReport, command, found->options)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
