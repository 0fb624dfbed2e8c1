#!/usr/bin/env bash
# Sets up, builds and starts ESOA Mapper on the embedded demo database.
# Installs and builds only what the program needs: no tests, no benchmarks.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# The options are given every time: the build folder is shared with scripts/test.sh, and CMake
# would otherwise keep whichever choice was cached last.
CMAKE_ARGS="-DESOA_TESTS=OFF -DESOA_BENCHMARKS=OFF ${CMAKE_ARGS:-}" \
  "$root/scripts/setup.sh" "$root/build" "$root/packages.txt"
exec "$root/build/esoa-mapper" "$@"
