#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Kalvo needs.
# Safe to run again: packages already present are skipped.
set -euo pipefail

packages=(
  cmake ninja-build g++
  qt6-base-dev libsqlite3-dev zlib1g-dev
  libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  fonts-wine fonts-liberation fonts-ipafont-gothic
  xvfb xdotool imagemagick poppler-utils
  dpkg-dev fakeroot file desktop-file-utils appstream lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
