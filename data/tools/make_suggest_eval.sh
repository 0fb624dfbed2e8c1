#!/bin/sh
# Remakes data/eval/suggest_eval.tsv, the evaluation set of the hospital item suggestions.
# The word list comes from the npm package @cspell/dict-medicalterms (GPL-3.0-or-later), installed with
# npm into a scratch folder outside the repository; only the derived set is kept.
#   data/tools/make_suggest_eval.sh [SCRATCH_DIR] [SEED]
set -eu
here=$(cd "$(dirname "$0")/../.." && pwd)
scratch=${1:-${TMPDIR:-/tmp}/esoa-suggest-eval}
seed=${2:-11}
mkdir -p "$scratch"
(cd "$scratch" && npm install --no-audit --no-fund --silent @cspell/dict-medicalterms@4.1.8)
list="$scratch/node_modules/@cspell/dict-medicalterms/dict/medicalterms-en.txt.gz"
mkdir -p "$here/data/eval"
python3 "$here/data/tools/make_suggest_eval.py" "$list" "$here/data/eval/suggest_eval.tsv" --seed "$seed"
