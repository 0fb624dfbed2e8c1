#!/usr/bin/env bash
# Sets up, builds and starts ESOA Mapper on the embedded demo database.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" "$root/build"
exec "$root/build/esoa-mapper" "$@"
