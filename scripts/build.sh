#!/usr/bin/env bash
# Configures and builds in build/ with two jobs; exits with the build's status.
#   scripts/build.sh             everything: programs, test suites and benchmarks
#   scripts/build.sh harmoz ...  only the named targets
set -uo pipefail
cd "$(dirname "$0")/.."
# Configuring again is quick and picks up libraries installed since the last run.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build -j2 "${targets[@]}" -- --no-print-directory 2>&1 |
  grep -v -E '^\[ *[0-9]+%\] (Built target|Automatic MOC|Automatic RCC)'
exit "${PIPESTATUS[0]}"
