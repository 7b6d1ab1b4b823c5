#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan + UBSan + libFuzzer) into fuzz-build/
# and runs each for the given number of seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
if [ ! -f fuzz-build/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B fuzz-build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVEX71_FUZZ=ON -DORVEX71_BUILD_GUI=OFF -DORVEX71_BUILD_TESTS=OFF \
    -DORVEX71_BUILD_TOOLS=OFF -DORVEX71_BUILD_BENCH=OFF
fi
cmake --build fuzz-build
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
status=0
for target in fuzz-build/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=fuzz-build/corpus/$name
  mkdir -p "$corpus"
  seeds=fuzz/seeds/$name
  echo "== $name (${seconds}s)"
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) 2>&1 | tail -n 12; then
    status=1
  fi
done
exit $status
