#!/usr/bin/env bash
# Configures (once) and builds the project into build/ with Ninja.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${ORVEX71_BUILD_DIR:-build}
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build "$build_dir"
