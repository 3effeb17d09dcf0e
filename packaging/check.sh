#!/bin/sh
# packaging/check.sh PACKAGE.deb: the checks distributions make. lintian
# fails on any error or warning (overrides, each with its reason, in
# packaging/lintian-overrides); the desktop entry and the AppStream entry
# are validated as the package holds them.
set -eu
deb=$1
lintian --fail-on error,warning --suppress-tags-from-file "$(dirname "$0")/lintian-overrides" "$deb"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
echo "$deb: lintian, desktop-file-validate and appstreamcli without complaint"
