#!/usr/bin/env bash
# Builds Kalvo (Release) and its Debian package, build/Kalvo-<version>-<arch>.deb, then checks the
# installed files with desktop-file-validate and appstreamcli, and the package with lintian.
#   scripts/package.sh [--no-check]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh release Kalvo
# CPack installs into its own staging folder and computes the dependencies with dpkg-shlibdeps.
(cd build && cpack -G DEB >/dev/null)
deb=$(ls -t build/Kalvo-*.deb | head -n 1)
echo "built $deb"
[ "${1:-}" = --no-check ] && exit 0

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dpkg-deb -x "$deb" "$stage"
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --no-net --pedantic "$stage"/usr/share/metainfo/*.metainfo.xml
# Warnings are shown; an error fails the package.
lintian --tag-display-limit 0 "$deb" | tee "$stage/lintian.txt"
if grep -q '^E:' "$stage/lintian.txt"; then
  echo "lintian found errors in $deb" >&2
  exit 1
fi
echo "package checks passed"
