#!/bin/sh
# Remakes data/eval/*.tsv, the evaluation set of the hospital item suggestions.
#   data/tools/make_suggest_eval.sh [SEED]
set -eu
here=$(cd "$(dirname "$0")/../.." && pwd)
python3 "$here/data/tools/make_suggest_eval.py" "$here/data/eval" --seed "${1:-11}"
