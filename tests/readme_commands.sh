#!/bin/sh
# The README's command lines work as written on a fresh machine: every line
# that begins with build/quendal-report runs (with this build's program) in an
# empty directory, with an empty home and configuration directory, and exits
# with status 0; a line that shows a refusal says "# exit status 2" and must
# exit with 2.
# usage: readme_commands.sh README.md QUENDAL_REPORT
set -u
readme=$1
program=$2
status=0
count=0
lines=$(mktemp)
trap 'rm -f "$lines"' EXIT
grep -E '^[[:space:]]*build/quendal-report( |$)' "$readme" | sed 's/^[[:space:]]*//' >"$lines"
while IFS= read -r line; do
  count=$((count + 1))
  expected=0
  case $line in *"# exit status 2"*) expected=2 ;; esac
  directory=$(mktemp -d)
  mkdir "$directory/home" "$directory/config" "$directory/work"
  command="$program${line#build/quendal-report}"
  (cd "$directory/work" && HOME="$directory/home" XDG_CONFIG_HOME="$directory/config" sh -c "$command" \
    >"$directory/out" 2>"$directory/err" </dev/null)
  got=$?
  if [ "$got" != "$expected" ]; then
    echo "FAIL (exit status $got, expected $expected): $line"
    cat "$directory/err"
    status=1
  elif [ "$expected" = 0 ] && [ -s "$directory/err" ]; then
    echo "FAIL (wrote to standard error): $line"
    cat "$directory/err"
    status=1
  fi
  rm -rf "$directory"
done <"$lines"
[ "$count" -gt 0 ] || { echo "FAIL: no command line in $readme"; exit 1; }
[ $status = 0 ] && echo "$count command lines of $readme ran as expected"
exit $status
