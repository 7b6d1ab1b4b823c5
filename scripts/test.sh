#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${ORVEX71_BUILD_DIR:-build}" --output-on-failure -j2
