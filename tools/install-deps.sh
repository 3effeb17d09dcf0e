#!/bin/sh
# Installs the Debian packages the build needs, when they are missing.
# Runs apt-get only as root; otherwise it names what is missing and stops.
# Arguments name further packages (make test: the fonts of the print tests;
# make coverage: gcovr).
set -e
PKGS="g++ make cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev clang libclang-rt-dev libical-dev libhowardhinnant-date-dev nlohmann-json3-dev poppler-utils $*"
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" = 0 ]; then
  echo "installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends $missing >/dev/null
else
  echo "missing packages:$missing (run as root, or install them with apt-get)" >&2
  exit 1
fi
