#!/bin/sh
# tests/package_install.sh BUILD SOURCE: what the package installs. Installs
# the build into a DESTDIR and compares its files with the contents of the
# Debian package CPack makes of the same build; renders both manual pages
# with groff, warnings on; runs the bash completion in a real bash for a
# subcommand, an option, a fixed value, a list, a --tz zone and a --place
# name from a configuration file.
set -eu
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
(cd "$work/root" && find . ! -type d | sed 's|^\.||' | sort) >"$work/installed"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >/dev/null
dpkg-deb -c "$work"/package/*.deb | awk '{ print $6 }' | grep -v '/$' | sed 's|^\.||' | sort >"$work/packaged"
diff -u "$work/installed" "$work/packaged" || fail "the package's files differ from make install's"
for f in /usr/bin/quendal /usr/bin/quendal-report /usr/share/man/man1/quendal.1.gz /usr/share/man/man1/quendal-report.1.gz \
  /usr/share/bash-completion/completions/quendal-report /usr/share/metainfo/org.quendal.Quendal.metainfo.xml \
  /usr/share/applications/org.quendal.Quendal.desktop /usr/share/icons/hicolor/scalable/apps/quendal.svg \
  /usr/share/icons/hicolor/16x16/apps/quendal.png /usr/share/icons/hicolor/256x256/apps/quendal.png \
  /usr/share/doc/quendal/copyright /usr/share/doc/quendal/changelog.gz; do
  grep -qx "$f" "$work/installed" || fail "$f is not installed"
done
echo "package: $(wc -l <"$work/installed") files, the same as make install's"

for page in quendal quendal-report; do
  warnings=$(zcat "$work/root/usr/share/man/man1/$page.1.gz" | groff -ww -z -man 2>&1)
  [ -z "$warnings" ] || fail "groff on $page.1: $warnings"
done
echo "manual pages: no groff warning"

cat >"$work/QUENDAL6.INI" <<'INI'
48 N 12   015E 37 Sankt Pölten
52 N 31   013E 24 Berlin
INI
report=$(cd "$build" && pwd)/quendal-report
# complete WORD...: the completion's answers for the command line, the last
# word being completed. compopt works only inside a completion bash starts
# itself, so here it does nothing.
result=$(bash --norc --noprofile -c '
  . "$1/usr/share/bash-completion/completions/quendal-report"
  complete -p quendal-report >/dev/null || exit 1
  compopt() { :; }
  complete_words() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _quendal_report; echo "${COMPREPLY[*]}"; }
  complete_words "$2" ri
  complete_words "$2" events --wh
  complete_words "$2" events --what se
  complete_words "$2" planets --bodies mars,ju
  complete_words "$2" rises --tz Europe/Vien
  complete_words "$2" --ini "$3" rises --place sankt
  complete_words "$2" --lang d
' - "$work/root" "$report" "$work/QUENDAL6.INI")
expected='rises
--what
seasons
mars,jupiter
Europe/Vienna
Sankt\ Pölten
de'
[ "$result" = "$expected" ] || fail "completion: got
$result
expected
$expected"
echo "completion: $(echo "$expected" | wc -l) command lines completed as expected"
