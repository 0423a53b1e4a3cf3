#!/usr/bin/env bash
# Installs what is missing, builds Kalvo (Release) and starts it.
# Kalvo.db and Kalvo.ini are created beside the executable, in build/bin/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh release Kalvo
exec build/bin/Kalvo "$@"
