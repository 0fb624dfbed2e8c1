#!/usr/bin/env python3
"""Makes the evaluation set of the hospital item suggestions from a public list of medical terms.

    make_suggest_eval.py WORDLIST OUT.tsv [--seed N]

WORDLIST is the plain word list of the npm package @cspell/dict-medicalterms (GPL-3.0-or-later; one term a
line, gzip allowed). Drug names are the lower-case terms with an international nonproprietary name stem,
brand names its capitalised terms, procedures its terms ending in a surgical or endoscopic suffix. From them
the script writes hospital-style items (case, abbreviations, brands with the generic apart, reordered words,
glued or spaced units, dropped punctuation, small typos) and a PhilHealth-style description per target item,
with the other strengths and forms of each drug as distractors.

A third of the names (chosen by a hash of the name) and a part of the writing styles are kept apart as
"holdout": tune the ranking on the "tune" groups only and read the holdout figures as the honest ones.
"""
import gzip
import hashlib
import random
import re
import sys

STEMS = ("cillin", "mycin", "micin", "cycline", "floxacin", "conazole", "azole", "statin", "pril", "sartan",
         "olol", "dipine", "prazole", "tidine", "semide", "thiazide", "triptan", "setron", "gliptin", "glitazone",
         "profen", "lukast", "caine", "azepam", "zolam", "tinib", "platin", "rubicin", "olone", "terol",
         "tropium", "dronate", "parin", "vudine", "navir", "ciclovir", "cef", "oxetine", "triptyline", "peridol",
         "pramine", "barbital", "fenac", "coxib", "vastatin", "dazole", "nidazole", "xaban", "gatran")
PROCEDURE_SUFFIXES = ("ectomy", "otomy", "ostomy", "oscopy", "plasty", "orrhaphy", "opexy")
SALTS = ("sodium", "potassium", "hydrochloride", "sulfate", "maleate", "citrate")

# Dosage forms: (PhilHealth wording, strength kind, hospital spellings for tuning, spellings kept apart).
FORMS = [
    ("tablet", "solid", ["tab", "TAB", "tablet", "Tabs"], ["tab.", "tablets"]),
    ("capsule", "solid", ["cap", "CAP", "capsule"], ["caps", "cap."]),
    ("ampule", "conc", ["amp", "ampule", "AMP"], ["ampoule", "ampul"]),
    ("vial", "mass", ["vial", "VIAL"], ["vl"]),
    ("syrup", "liquid", ["syr", "syrup", "SYR"], ["syrup"]),
    ("suspension", "liquid", ["susp", "suspension", "SUSP"], ["susp."]),
    ("cream", "pct", ["cream", "crm"], ["CREAM"]),
    ("ointment", "pct", ["oint", "ointment"], ["OINT."]),
]
SOLID_MG = [5, 10, 20, 25, 40, 50, 100, 200, 250, 300, 400, 500, 600, 750, 1000]
MASS_MG = [250, 500, 750, 1000, 2000]
MODIFIERS = ["open", "laparoscopic", "endoscopic", "diagnostic", "partial", "total", "bilateral", "unilateral"]


def mg_text(mg, rnd, holdout):
    if mg >= 1000 and mg % 1000 == 0 and rnd.random() < 0.5:
        return rnd.choice(["%dg", "%d g", "%dgm", "%d GM"] + (["%d gram"] if holdout else [])) % (mg // 1000)
    return rnd.choice(["%dmg", "%d mg", "%dMG", "%d MG"] + (["%d mgs"] if holdout else [])) % mg


def strength(kind, rnd):
    """(PhilHealth text, amounts) of a random strength of the kind."""
    if kind == "solid":
        mg = rnd.choice(SOLID_MG)
        return ("%s mg" % mg if mg < 1000 else "%d g" % (mg // 1000), [("mg", mg)])
    if kind == "mass":
        mg = rnd.choice(MASS_MG)
        return ("%s mg" % mg if mg < 1000 else "%d g" % (mg // 1000), [("mg", mg)])
    if kind == "conc":
        mg, ml = rnd.choice([(10, 1), (25, 1), (40, 1), (50, 2), (150, 2), (500, 2), (4, 1)])
        return ("%d mg/mL, %d mL" % (mg, ml), [("mgml", mg), ("vol", ml)])
    if kind == "liquid":
        mg, ml = rnd.choice([(125, 5), (250, 5), (100, 5), (200, 5), (60, 5)]), rnd.choice([30, 60, 100, 120])
        return ("%d mg/5 mL, %d mL" % (mg[0], ml), [("mg5", mg[0]), ("vol", ml)])
    pct = rnd.choice([0.05, 0.1, 1, 2, 0.5])
    grams = rnd.choice([5, 10, 15, 30])
    return ("%g%%, %d g" % (pct, grams), [("pct", pct), ("tube", grams)])


def hospital_strength(amounts, rnd, holdout):
    parts = []
    for unit, value in amounts:
        if unit == "mg":
            parts.append(mg_text(value, rnd, holdout))
        elif unit == "mgml":
            parts.append(rnd.choice(["%dmg/ml", "%d mg/mL", "%dMG/ML"]) % value)
        elif unit == "mg5":
            parts.append(rnd.choice(["%dmg/5ml", "%d mg/5 mL", "%dMG/5ML"]) % value)
        elif unit == "vol":
            parts.append(rnd.choice(["%dml", "%d mL", "%dML", "x %dml"]) % value)
        elif unit == "pct":
            parts.append(rnd.choice(["%g%%", "%g %%"]) % value)
        else:
            parts.append(rnd.choice(["%dg", "%d gm", "%dG"]) % value)
    return " ".join(parts)


def typo(word, rnd, holdout):
    if len(word) < 8:
        return word
    i = rnd.randrange(2, len(word) - 2)
    if holdout and rnd.random() < 0.5:
        return word[:i] + word[i + 1] + word[i] + word[i + 2:]  # two letters swapped
    if rnd.random() < 0.5:
        return word[:i] + word[i + 1:]  # a letter dropped
    return word[:i] + rnd.choice("aeiou") + word[i + 1:]  # a letter replaced


def cased(text, rnd):
    return rnd.choice([text.upper(), text.title(), text.lower(), text[:1].upper() + text[1:].lower()])


def hospital_drug(generic, brand, form, amounts, rnd, holdout):
    """(item name, generic name) as a hospital master might hold the product."""
    spellings = form[2] + (form[3] if holdout else [])
    f = rnd.choice(spellings)
    s = hospital_strength(amounts, rnd, holdout)
    words = generic.split(" ")
    if rnd.random() < 0.25:
        words[0] = typo(words[0], rnd, holdout)
    g = " ".join(words)
    style = rnd.randrange(6 if holdout else 5)
    if style == 0:
        name = "%s %s %s" % (cased(g, rnd), s, f)
    elif style == 1:
        name = "%s %s %s" % (f.upper(), g.upper(), s)
    elif style == 2:
        return "%s %s %s" % (cased(brand, rnd), s, f), generic
    elif style == 3:
        name = "%s (%s) %s %s" % (cased(g, rnd), brand, s, f)
    elif style == 4:
        name = "%s, %s %s, %s" % (g.upper(), s, f, rnd.choice(["box of 100", "#30", "10's", "1 x 10"]))
    else:
        name = "%s %s %s %s" % (brand.upper(), g.upper(), f, s)
    return name, (generic if rnd.random() < 0.6 else "")


def load_terms(path):
    opener = gzip.open if path.endswith(".gz") else open
    with opener(path, "rt", encoding="utf-8") as f:
        return [t.strip() for t in f if re.fullmatch(r"[A-Za-z]{5,}", t.strip())]


def is_holdout(name):
    return int(hashlib.sha1(name.encode()).hexdigest(), 16) % 3 == 0


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    seed = int(sys.argv[sys.argv.index("--seed") + 1]) if "--seed" in sys.argv else 11
    rnd = random.Random(seed)
    terms = load_terms(sys.argv[1])
    lower = sorted({t for t in terms if t.islower()})
    drugs = [t for t in lower if len(t) >= 7 and (t.endswith(STEMS) or t.startswith("cef"))]
    brands = sorted({t for t in terms if t[0].isupper() and t[1:].islower() and len(t) >= 6})
    procedures = [t for t in lower if t.endswith(PROCEDURE_SUFFIXES) and len(t) >= 9]
    drugs = rnd.sample(drugs, min(450, len(drugs)))
    procedures = rnd.sample(procedures, min(250, len(procedures)))

    items, queries = [], []
    next_id = [10000]

    def add_item(name, generic):
        next_id[0] += 1
        items.append((str(next_id[0]), name, generic))
        return str(next_id[0])

    for generic in drugs:
        holdout = is_holdout(generic)
        group = ("holdout" if holdout else "tune") + "/drug"
        salt = rnd.choice(SALTS) if rnd.random() < 0.2 else ""
        full = generic + (" " + salt if salt else "")
        brand = rnd.choice(brands)
        products = set()
        for form in rnd.sample(FORMS, rnd.randint(1, 3)):
            for _ in range(rnd.randint(1, 3)):
                text, amounts = strength(form[1], rnd)
                if (form[0], text) in products:
                    continue
                products.add((form[0], text))
                name, gname = hospital_drug(full if rnd.random() < 0.5 else generic, brand, form, amounts, rnd,
                                            holdout)
                item_id = add_item(name, gname)
                form_text = form[0] + ("" if "," in text else "")
                head = text.split(", ")
                query = "%s %s %s" % (full.upper() if rnd.random() < 0.5 else generic.upper(), head[0], form_text)
                if len(head) > 1:
                    query += ", " + head[1]
                queries.append((group, item_id, query))

    for word in procedures:
        holdout = is_holdout(word)
        group = ("holdout" if holdout else "tune") + "/procedure"
        for modifier in rnd.sample(MODIFIERS, rnd.randint(1, 3)):
            style = rnd.randrange(4 if holdout else 3)
            if style == 0:
                name = "%s, %s" % (word.upper(), modifier.upper())
            elif style == 1:
                name = "%s %s" % (cased(modifier, rnd), cased(word, rnd))
            elif style == 2:
                name = "%s (%s)" % (cased(typo(word, rnd, holdout), rnd), modifier)
            else:
                name = "%s - %s procedure" % (modifier.upper(), word.upper())
            item_id = add_item(name, "")
            queries.append((group, item_id, "%s %s" % (modifier.title(), word.title())))

    with open(sys.argv[2], "w", encoding="utf-8") as out:
        out.write("# Hospital item suggestions: evaluation set made by data/tools/make_suggest_eval.sh (seed %d).\n"
                  % seed)
        out.write("# Names derived from the npm package @cspell/dict-medicalterms (list of English medical terms "
                  "after OpenMedSpel and Raj&Co-Med-Spel-Chek), licence GPL-3.0-or-later.\n")
        out.write("# I <tab> item id <tab> item name <tab> generic name | Q <tab> group <tab> expected item id "
                  "<tab> description\n")
        for item in items:
            out.write("I\t%s\t%s\t%s\n" % item)
        for query in queries:
            out.write("Q\t%s\t%s\t%s\n" % query)


if __name__ == "__main__":
    main()
