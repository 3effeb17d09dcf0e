#!/bin/sh
# memcheck.sh QUENDAL-REPORT: runs every subcommand of quendal-report once
# under valgrind's memcheck (fixed date, a configuration file with places
# and dates) and fails on any error or leak. make memcheck runs it.
set -u
program=${1:?usage: memcheck.sh QUENDAL-REPORT}
command -v valgrind >/dev/null || { echo "memcheck: valgrind is missing" >&2; exit 1; }
directory=$(mktemp -d)
trap 'rm -rf "$directory"' EXIT
cat > "$directory/QUENDAL6.INI" <<'INI'
D
2024-03-15 Geburtstag Anna
48 N 12   016E 22 Wien
33 S 52   151E 12 Sydney
INI
ini="$directory/QUENDAL6.INI"

# One command line per subcommand (the global options come first).
cat > "$directory/commands" <<'COMMANDS'
about
calendar --year 2024 --month 3 --view 0
calendar --year 2024 --month 3 --view 3 --colors
config
date-shift --date 2024-03-15 --days 1000
day-difference --from 1999-12-31 --to 2024-03-15
dayevents --date 2024-03-15 --place Wien --zone 1 --event 0
dish --satellite 19.2E --place 1
distance --from 0 --to 48:12N,015:37E
easter-distribution --from-year 1950 --to-year 2050 --feast pentecost
eot --date 2024-03-15 --hour 12 --zone 1 --mode statistics
ephemeris --date 2024-03-15 --time 10:30 --zone 1 --step 60 --bodies all
events --what eclipses --from 2024-01-01 --to 2024-12-31
holidays --year 2024
ics --from-year 2024 --to-year 2024
large-view --year 2024 --page 1
main --year 2024 --page 0
month-overview --year 2024 --month 3 --place 1
moon --date 2024-03-15 --time 10:30 --zone auto --page 5
planets --date 2024-03-15 --time 10:30 --zone 1 --bodies all --orbit --details
position --body moon --date 2024-03-15 --time 10:30:00
rises --date 2024-03-15 --zone 1 --place 0 --precise --planets mercury,venus,mars,jupiter,saturn,uranus,neptune,pluto
sidereal --date 2024-03-15 --time 10:30 --zone 1 --lat 48:12N --lon 015:37E
weekday-distribution --from 2024-01 --to 2025-12 --day 13
COMMANDS

# Every subcommand the program names must be in the list.
status=0
for name in $("$program" --help | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 { print $1 }'); do
  grep -q "^$name\( \|\$\)" "$directory/commands" || { echo "memcheck: no command line for $name" >&2; status=1; }
done

runs=0
while IFS= read -r line; do
  runs=$((runs + 1))
  # shellcheck disable=SC2086
  QUENDAL_NOW=2024-03-15T10:30 valgrind --tool=memcheck --quiet --error-exitcode=99 --leak-check=full \
    --show-leak-kinds=definite,indirect,possible --errors-for-leak-kinds=definite,indirect,possible \
    --log-file="$directory/valgrind.log" \
    "$program" --today 2024-03-15 --lang en --ini "$ini" $line > "$directory/out" 2> "$directory/err"
  result=$?
  if [ $result -eq 99 ] || [ -s "$directory/valgrind.log" ]; then
    echo "memcheck: errors in: quendal-report $line" >&2
    cat "$directory/valgrind.log" >&2
    status=1
  elif [ $result -ne 0 ]; then
    echo "memcheck: quendal-report $line exited with $result:" >&2
    cat "$directory/err" >&2
    status=1
  fi
done < "$directory/commands"
[ $status -eq 0 ] && echo "memcheck: $runs runs of quendal-report, no errors, no leaks"
exit $status
