#!/usr/bin/env python3
"""Makes the evaluation set of the hospital item suggestions (Python 3 standard library only).

    make_suggest_eval.py OUT_DIR [--seed N]

Writes OUT_DIR/medicines.tsv (an inventory master of tens of thousands of items and PhilHealth-style
medicine descriptions, medicine_set.py) and OUT_DIR/procedures.tsv (a hospital's exam tables and
PhilHealth-style exam descriptions, procedure_set.py). Lines are tab-separated:

    I  source  item id  item name  generic name
    Q  group  expected item ids (space-separated)  description  sources ranked (space-separated)

A group is "tune/...", "calibration/..." or "holdout/...". The ranking is developed on the tune groups;
the confidence is calibrated on the calibration groups, and the holdout groups give the honest figures.
The medicines of the calibration and holdout groups are written with spellings the matcher's dictionaries
were not built from; the exams of those groups are exams whose rows and descriptions were never looked at
while the procedure reading was written (both come from the same catalogue of hospital and PhilHealth
wordings, exam_catalogue.py, with random typing errors, cut-short words and remarks on the hospital side).
"""
import pathlib
import random
import sys

import medicine_set
import procedure_set


def write(path, title, seed, items, queries):
    with open(path, "w", encoding="utf-8") as out:
        out.write("# %s: evaluation set of the hospital item suggestions, made by data/tools/make_suggest_eval.py "
                  "(seed %d). Invented for this project.\n" % (title, seed))
        out.write("# I <tab> source <tab> item id <tab> item name <tab> generic name | Q <tab> group <tab> expected "
                  "ids <tab> description <tab> sources\n")
        for source, item_id, name, generic in items:
            out.write("I\t%s\t%s\t%s\t%s\n" % (source, item_id, name, generic))
        for group, expected, text, pool in queries:
            out.write("Q\t%s\t%s\t%s\t%s\n" % (group, " ".join(expected), text, " ".join(pool)))


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out = pathlib.Path(sys.argv[1])
    seed = int(sys.argv[sys.argv.index("--seed") + 1]) if "--seed" in sys.argv else 11
    out.mkdir(parents=True, exist_ok=True)

    rnd = random.Random(seed)
    counter = [100000]

    def next_id():
        counter[0] += 1
        return str(counter[0])

    items, queries = medicine_set.make(rnd, next_id)
    write(out / "medicines.tsv", "Medicines", seed, [("inventory",) + i for i in items],
          [q + (["inventory"],) for q in queries])
    rows, exam_queries = procedure_set.make(random.Random(seed + 1))
    write(out / "procedures.tsv", "Procedures", seed, [r + ("",) for r in rows], exam_queries)


if __name__ == "__main__":
    main()
