#!/usr/bin/env bash
# Sets up, builds and runs every test headless (the program, the tests and the benchmarks).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
CMAKE_ARGS="-DESOA_TESTS=ON -DESOA_BENCHMARKS=ON ${CMAKE_ARGS:-}" \
  "$root/scripts/setup.sh" "$build" "$root/packages.txt" "$root/packages-test.txt"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
