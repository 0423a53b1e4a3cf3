#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer + UBSan and runs every test; then builds
# the Debian package from the Release tree and checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh test
scripts/fuzz.sh 50
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0"
(cd build-test && ctest --output-on-failure -j 2 "$@")
scripts/package.sh
