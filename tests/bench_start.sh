#!/bin/sh
# Every benchmark starts: each executable lists its benchmarks
# (--benchmark_list_tests) with exit status 0 and at least one name, and
# Report/<subcommand> is listed for every subcommand of quendal-report --help.
# usage: bench_start.sh QUENDAL_REPORT BENCHMARK...
set -u
report=$1
shift
listed=$(mktemp)
one=$(mktemp)
trap 'rm -f "$listed" "$one"' EXIT
status=0
for benchmark in "$@"; do
  if ! "$benchmark" --benchmark_list_tests=true >"$one" 2>&1; then
    echo "FAIL: $benchmark does not start:"
    cat "$one"
    status=1
  elif ! [ -s "$one" ]; then
    echo "FAIL: $benchmark lists no benchmark"
    status=1
  fi
  cat "$one" >>"$listed"
done
subcommands=$("$report" --help | sed -n '/^Subcommands:/,$p' | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p')
[ -n "$subcommands" ] || { echo "FAIL: $report --help names no subcommand"; exit 1; }
for subcommand in $subcommands; do
  grep -qx "Report/$subcommand" "$listed" || { echo "FAIL: no benchmark Report/$subcommand"; status=1; }
done
[ $status = 0 ] && echo "$# benchmark programs, $(wc -l <"$listed") benchmarks, $(echo $subcommands | wc -w) subcommands"
exit $status
