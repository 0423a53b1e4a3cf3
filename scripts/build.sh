#!/usr/bin/env bash
# Configures and builds one build tree; only one build runs on the machine at a time.
#   scripts/build.sh release|test [ninja targets...]
#   release -> build/       (Release, what scripts/run.sh launches)
#   test    -> build-test/  (AddressSanitizer + UBSan, what scripts/test.sh runs)
set -euo pipefail
cd "$(dirname "$0")/.."
kind=${1:?usage: build.sh release|test [targets...]}; shift
case "$kind" in
  release) dir=build;      flags=(-DCMAKE_BUILD_TYPE=Release -DKALVO_SANITIZE=OFF) ;;
  test)    dir=build-test; flags=(-DCMAKE_BUILD_TYPE=Debug -DKALVO_SANITIZE=ON) ;;
  *) echo "unknown build kind: $kind" >&2; exit 2 ;;
esac
exec 9>/tmp/kalvo-build.lock
flock 9
# Configure every time: new layer folders are only picked up by a fresh configure.
cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$dir" -j 2 "${targets[@]}"
