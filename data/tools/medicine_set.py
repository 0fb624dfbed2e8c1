"""The medicines part of the suggestion evaluation set: a hospital inventory master of tens of thousands of
items written the way hospitals write them, and PhilHealth-style descriptions to rank it against.

Every presentation of the formulary (eval_medicines.py) becomes a generic item and a few brand items, in
several pack sizes; supplies fill the rest of the master. A drug is "tune", "calibration" or "holdout"
(by a hash of its name): calibration and holdout items use only the spellings kept apart, which the
matcher's dictionaries were not built from (misspelt the way they sound as well as mistyped, salts written in
full in other places, other shortenings of forms and qualifiers); the tuning part also uses the short names of
infusions and salts. Masters glue strengths and forms ("500mgtab", "1g/vial", "tab500mg"), write an infusion
by its content ("500mg/100ml") and put the generic after a brand in brackets; descriptions write salts "(as
sodium salt)", sub-milligram parts of a combination in micrograms and infusions of two ingredients as "5%
DEXTROSE IN 0.3% SODIUM CHLORIDE".
"""
import hashlib
import re

import eval_medicines as em

SUPPLY_NAMES = [
    ("Disposable Syringe", ["1 mL", "3 mL", "5 mL", "10 mL", "20 mL", "50 mL"], ["with needle G23", "with needle G25", "luer lock", ""]),
    ("IV Cannula", ["G16", "G18", "G20", "G22", "G24", "G26"], ["with injection port", "safety", ""]),
    ("Foley Catheter", ["Fr 8", "Fr 10", "Fr 12", "Fr 14", "Fr 16", "Fr 18", "Fr 20"], ["2-way", "3-way", "silicone"]),
    ("Suction Catheter", ["Fr 6", "Fr 8", "Fr 10", "Fr 12", "Fr 14"], ["with thumb control", ""]),
    ("Nasogastric Tube", ["Fr 8", "Fr 10", "Fr 12", "Fr 14", "Fr 16", "Fr 18"], ["Levin", ""]),
    ("Endotracheal Tube", ["2.5", "3.0", "3.5", "4.0", "6.5", "7.0", "7.5", "8.0"], ["cuffed", "uncuffed"]),
    ("Suture Chromic Catgut", ["1-0", "2-0", "3-0", "4-0"], ["taper needle", "cutting needle", "75 cm"]),
    ("Suture Silk", ["1-0", "2-0", "3-0", "4-0", "5-0"], ["cutting needle", "taper needle"]),
    ("Suture Nylon", ["2-0", "3-0", "4-0", "5-0", "6-0"], ["reverse cutting", "45 cm"]),
    ("Suture Polyglactin 910", ["0", "1-0", "2-0", "3-0", "4-0"], ["taper", "70 cm"]),
    ("Examination Gloves", ["small", "medium", "large", "extra large"], ["latex", "nitrile", "powder-free"]),
    ("Surgical Gloves Sterile", ["6.0", "6.5", "7.0", "7.5", "8.0"], ["latex", "powder-free"]),
    ("Gauze Pad", ["2x2", "3x3", "4x4"], ["sterile", "non-sterile", "8-ply", "12-ply"]),
    ("Elastic Bandage", ["2 in", "3 in", "4 in", "6 in"], ["x 5 yards", ""]),
    ("Surgical Blade", ["No. 10", "No. 11", "No. 15", "No. 20", "No. 22", "No. 23"], ["carbon steel", "stainless"]),
    ("Hypodermic Needle", ["G18", "G19", "G21", "G23", "G25", "G27"], ["x 1 in", "x 1 1/2 in"]),
    ("Scalp Vein Set", ["G21", "G23", "G25", "G27"], [""]),
    ("Urine Bag", ["2000 mL", "1000 mL", "pediatric 100 mL"], ["with outlet", ""]),
    ("Oxygen Nasal Cannula", ["adult", "pediatric", "infant"], [""]),
    ("Oxygen Face Mask", ["adult", "pediatric"], ["simple", "non-rebreather", "venturi"]),
    ("Nebulizer Kit", ["adult", "pediatric"], ["with mask", "mouthpiece"]),
    ("Adult Diaper", ["medium", "large", "XL"], ["pack of 10", ""]),
    ("Micropore Tape", ["1/2 in", "1 in", "2 in"], ["x 10 yards", ""]),
    ("Chest Tube", ["Fr 20", "Fr 24", "Fr 28", "Fr 32", "Fr 36"], [""]),
    ("Specimen Container", ["60 mL", "120 mL"], ["sterile", ""]),
    ("Vacuum Blood Collection Tube", ["EDTA 3 mL", "plain 5 mL", "citrate 2.7 mL", "heparin 4 mL"], [""]),
    ("Blood Lancet", ["28G", "30G"], ["box of 100", "box of 200"]),
    ("Cotton Balls", ["small", "large"], ["pack of 100", ""]),
    ("Plaster of Paris Bandage", ["2 in", "3 in", "4 in", "6 in"], [""]),
    ("Underpad", ["60x60 cm", "60x90 cm"], ["pack of 10", ""]),
    ("ECG Electrode", ["adult", "pediatric"], ["foam", "pack of 50"]),
    ("Alcohol Swab", ["70%", "isopropyl"], ["box of 100", ""]),
    ("Face Mask", ["surgical 3-ply", "N95"], ["ear loop", "box of 50"]),
]

SYLLABLES = ["ra", "lo", "mi", "zen", "tra", "vel", "cor", "dex", "fen", "gal", "hex", "ker", "lin", "mox", "nor",
             "pha", "quin", "rel", "sol", "tor", "ul", "vax", "wel", "xan", "zol", "bri", "cla", "dro", "fla", "gri"]
COMPANIES = ["Unilab", "RiteMed", "Pascual", "Natrapharm", "Lloyd", "Amherst", "Westfield", "Hizon", "Sandoz",
             "Biomedis", "Ambica", "Therapharma", "Medichem", "Cathay", "Interphil"]


def split_of(name):
    """"tune", "calibration" or "holdout", a third each, by a hash of the drug name."""
    return ("holdout", "calibration", "tune")[int(hashlib.sha1(name.encode()).hexdigest(), 16) % 3]


def brand_name(rnd):
    return "".join(rnd.choice(SYLLABLES) for _ in range(rnd.randint(2, 3))).capitalize()


def parse_formulary():
    drugs = []
    for line in em.FORMULARY.strip().splitlines():
        head, *offers = [p.strip() for p in line.split("|")]
        generic, _, salt = head.partition(";")
        presentations = []
        for offer in offers:
            body, _, packs = offer.partition(":")
            form, kind, *values = body.split()
            form, _, qual = form.partition("+")
            presentations.append((form, qual, kind, values, packs.split() or [None]))
        drugs.append((generic, salt, presentations))
    return drugs


def num(v):
    v = float(v)
    return str(int(v)) if v == int(v) else ("%g" % v)


def combo_part(p, rnd, spaced=True):
    """One part of a combination in mg, or in micrograms below 1 mg."""
    if float(p) < 1 and rnd.random() < 0.6:
        return ("%s mcg" if spaced else "%smcg") % num(float(p) * 1000)
    return ("%s mg" if spaced else "%smg") % num(p)


def philhealth_strength(kind, value, rnd):
    if kind not in ("combo", "combo5", "pct2") and float(value) == 0:
        return ""
    if kind in ("mg", "mcg", "iu", "g"):
        if kind == "mg" and float(value) >= 1000 and float(value) % 1000 == 0:
            return "%s g" % num(float(value) / 1000)
        unit = {"mg": "mg", "mcg": rnd.choice(["mcg", "micrograms"]), "iu": "IU", "g": "g"}[kind]
        return "%s %s" % (num(value), unit)
    if kind == "mg5":
        return "%s mg/5 mL" % num(value)
    if kind in ("mgml", "mcgml", "iuml", "meqml"):
        unit = {"mgml": "mg", "mcgml": "mcg", "iuml": "IU", "meqml": "mEq"}[kind]
        return "" if float(value) == 0 else "%s %s/mL" % (num(value), unit)
    if kind == "pct":
        return "%s%%" % num(value)
    if kind == "mcgdose":
        return "%s %s/dose" % (num(value), rnd.choice(["mcg", "micrograms"]))
    if kind in ("combo", "combo5"):
        parts = value.split("/")
        per = " per 5 mL" if kind == "combo5" else ""
        if any(float(p) < 1 for p in parts) or rnd.random() < 0.5:
            return rnd.choice([" + ", "/"]).join(combo_part(p, rnd) for p in parts) + per
        return "/".join(num(p) for p in parts) + " mg" + per
    raise ValueError(kind)


def hospital_strength(kind, value, pack, form, rnd, holdout):
    """The strength (and, for an injection written as total per volume, the fill) as a master writes it."""
    v = float(value) if kind not in ("combo", "combo5", "pct2") else 0
    if kind in ("mg", "mcg", "iu", "g", "pct") and v == 0:
        return ""
    if kind == "mg" and form in ("tab", "cap") and rnd.random() < 0.1:
        return num(value)  # no unit at all: "PARACETAMOL 500 TAB"
    if kind == "mg":
        if v >= 1000 and v % 1000 == 0 and rnd.random() < 0.6:
            return rnd.choice(["%sg", "%s gm", "%sGM", "%s G"]) % num(v / 1000)
        if v < 1 and rnd.random() < 0.4:
            return rnd.choice([".%smg", ".%s MG"]) % num(value).split(".")[1]
        return rnd.choice(["%smg", "%s mg", "%sMG", "%s MG"] + (["%s mgs", "%smg."] if holdout else [])) % num(value)
    if kind == "mcg":
        return rnd.choice(["%smcg", "%s mcg", "%sMCG"] + (["%s ug", "%sµg"] if holdout else [])) % num(value)
    if kind == "g":
        return rnd.choice(["%sg", "%s gm", "%sGM"]) % num(value)
    if kind == "iu":
        return rnd.choice(["%s IU", "%s units", "%s I.U."] + (["%sIU.", "%s iu"] if holdout else [])) % num(value)
    if kind == "mg5":
        opts = ["%smg/5ml", "%s mg/5 mL", "%sMG/5ML", "%smg per 5ml"]
        if holdout:
            opts += ["%smg/5cc", "%s MG/5 CC"]
        text = rnd.choice(opts) % num(value)
        if rnd.random() < 0.1:
            text = "%smg/ml" % num(v / 5)
        return text
    if kind in ("mgml", "mcgml", "iuml", "meqml"):
        if v == 0:
            return ""
        unit = {"mgml": "mg", "mcgml": "mcg", "iuml": rnd.choice(["IU", "units", "I.U.", "U"]),
                "meqml": "mEq"}[kind]
        if pack and form in ("amp", "vial", "pfs", "inf") and float(pack) != 1 and rnd.random() < 0.4:
            per = rnd.choice(["%s%s/%sml", "%s %s/%s mL"] + (["%s%s/%scc", "%s%s in %sml"] if holdout else []))
            return per % (num(v * float(pack)), unit, num(pack))
        per = rnd.choice(["%s%s/ml", "%s %s/mL", "%s%s/ML"] + (["%s%s/cc"] if holdout else []))
        return per % (num(value), unit)
    if kind == "pct":
        if form in ("cream", "oint", "gel") and rnd.random() < 0.3:
            return rnd.choice(["%smg/g", "%s mg/g", "%sMG/GM"]) % num(v * 10)
        return rnd.choice(["%s%%", "%s %%"] + (["%s%% w/w", "%s%% w/v"] if holdout else [])) % num(value)
    if kind == "mcgdose":
        return rnd.choice(["%smcg/dose", "%s mcg/puff", "%smcg"] + (["%smcg/actuation", "%s mcg/spray"] if holdout else [])) % num(value)
    if kind == "pct2":
        return ""  # written with the names (fluid_name)
    raw = value.split("/")
    parts = [num(p) for p in raw]
    per = rnd.choice(["/5ml", " per 5 mL"]) if kind == "combo5" else ""
    if any(float(p) < 1 for p in raw) and rnd.random() < 0.6:
        # Sub-milligram parts in micrograms: "100mg/5mg/50mcg".
        return rnd.choice(["/", " + ", "+"]).join(combo_part(p, rnd, spaced=False) for p in raw) + per
    if kind == "combo" and all(float(p) >= 1 for p in raw) and rnd.random() < 0.15:
        return "%smg" % num(sum(float(p) for p in raw))  # the sum: "co-amoxiclav 625mg"
    if kind == "combo" and form == "tab" and rnd.random() < 0.1:
        return "/".join(parts)  # no unit at all: "LOSARTAN + HCTZ 50/12.5 TAB"
    styles = ["%s mg" % "/".join(parts), "/".join(p + "mg" for p in parts), " + ".join(p + " mg" for p in parts),
              "+".join(parts) + "mg"]
    if holdout:
        styles += ["-".join(parts) + "mg", " & ".join(p + "mg" for p in parts)]
    return rnd.choice(styles) + per


def pack_text(pack, form, rnd, holdout):
    if pack is None:
        return ""
    if form in ("cream", "oint", "gel", "eyeoint", "vagcream", "powder"):
        opts = ["%sg", "%s gm", "%sG TUBE", "%s g"] + (["%sgms", "%s grams tube"] if holdout else [])
    else:
        opts = ["%sml", "%s mL", "x %sml", "%sML BOT", "(%s mL)"] + (["%scc", "%s ml btl."] if holdout else [])
    return rnd.choice(opts) % num(pack)


def noise(rnd, holdout, form):
    opts = ["box of 100", "#30", "10's", "1's", "", "", "", "", "(RX)"]
    opts += ["per tab", "BLISTER"] if form == "tab" else ["BLISTER"] if form == "cap" else ["(RX)"]
    if holdout:
        opts += ["(%s)" % rnd.choice(COMPANIES), "[%s]" % rnd.choice(COMPANIES).upper(), "x10", "100/box"]
    else:
        opts += ["(%s)" % rnd.choice(COMPANIES[:8])]
    return rnd.choice(opts)


def typo(word, rnd):
    if len(word) < 7:
        return word
    i = rnd.randrange(2, len(word) - 2)
    r = rnd.random()
    if r < 0.35:
        return word[:i] + word[i + 1:]
    if r < 0.7:
        return word[:i] + word[i + 1] + word[i] + word[i + 2:]
    return word[:i] + rnd.choice("aeiou") + word[i + 1:]


SOUNDS = [("ph", "f"), ("f", "ph"), ("ca", "ka"), ("co", "ko"), ("cu", "ku"), ("y", "i"), ("ll", "l"), ("tt", "t"),
          ("ss", "s"), ("mm", "m"), ("pp", "p"), ("cc", "c"), ("ine", "in"), ("one", "on"), ("ide", "id"), ("ole", "ol"),
          ("x", "ks"), ("th", "t"), ("ae", "e"), ("ci", "si"), ("ce", "se")]


def misspelt(word, rnd):
    """The word misspelt as it sounds ("cefalexin" as "sefalexin", "amoxicillin" as "amoxicilin"), or mistyped."""
    if len(word) < 6:
        return word
    found = [(a, b) for a, b in SOUNDS if a in word[1:]]
    if not found or rnd.random() < 0.4:
        return typo(word, rnd)
    a, b = rnd.choice(found)
    at = word.index(a, 1)
    return word[:at] + b + word[at + len(a):]


def cased(text, rnd):
    return rnd.choice([text.upper(), text.upper(), text.title(), text.lower(), text[:1].upper() + text[1:].lower()])


def hospital_salt(salt, rnd, holdout):
    """A salt as a master writes it: shortened in the tuning part, in full elsewhere."""
    short = em.SALT_SHORT.get(salt)
    return rnd.choice(short) if short and not holdout and rnd.random() < 0.5 else salt


def hospital_generic(generic, salt, rnd, holdout, salted):
    """(name, salt written after the strength or empty). `salted`: the salt is always written."""
    names = [generic] + [s for s in em.SPELLINGS.get(generic, []) if not holdout or rnd.random() < 0.5]
    name = rnd.choice(names) if rnd.random() < 0.3 else generic
    late = ""
    if salt and (salted or rnd.random() < 0.5):
        s = hospital_salt(salt, rnd, holdout)
        r = rnd.random()
        if r < 0.6:
            name += " " + s
        elif r < 0.8:
            name += rnd.choice([" (%s)", " (as %s)"]) % s
        else:
            late = s
    if rnd.random() < 0.06:
        # Short name fields: the longest word cut to its first letters ("CEFTRIAX", "METRONIDAZ").
        words = name.split(" ")
        k = max(range(len(words)), key=lambda j: len(words[j]))
        if len(words[k]) >= 9:
            words[k] = words[k][:rnd.randint(6, len(words[k]) - 2)]
            return " ".join(words), late
    if rnd.random() < (0.25 if holdout else 0.12):
        words = name.split(" ")
        k = max(range(len(words)), key=lambda j: len(words[j]))
        words[k] = misspelt(words[k], rnd) if holdout else typo(words[k], rnd)
        name = " ".join(words)
    return name, late


def glued(s, f, form, rnd, holdout):
    """A strength and form run together as some masters write them, or None."""
    if not s or " " in s.strip() or "/" in s or form not in ("tab", "cap", "vial"):
        return None
    word = {"tab": "tab", "cap": "cap", "vial": "vial"}[form]
    if holdout:
        return rnd.choice(["%s%s" % (s, word + "s"), "%s%s" % (word.upper(), s.upper()), "%s/%s." % (s, word)])
    return rnd.choice(["%s%s" % (s, word), "%s/%s" % (s, word), "%s/%s" % (s.upper(), word.upper())])


def fluid_name(generic, kind, value, pack, rnd, holdout):
    """An infusion by its short name or its two ingredients, with its volume; None for other items."""
    short = em.FLUID_NAMES.get((generic, value))
    volume = pack_text(pack, "inf", rnd, holdout) if pack else ""
    if float(pack or 0) >= 1000 and rnd.random() < 0.4:
        volume = rnd.choice(["1L", "1 L", "1 liter", "1LTR"])
    if short and not holdout and rnd.random() < 0.6:
        return "%s %s" % (rnd.choice(short), volume)
    if kind != "pct2":
        return None
    a, b = generic.split(" + ")
    pa, pb = value.split("/")
    b = rnd.choice([b, "NaCl"]) if not holdout else b
    styles = ["%s %s%% + %s %s%%" % (a, pa, b, pb), "%s %s%% in %s%% %s" % (a, pa, pb, b),
              "%s%% %s + %s%% %s" % (pa, a, pb, b)]
    return "%s %s %s" % (cased(rnd.choice(styles), rnd), rnd.choice(em.FORMS["inf"][2 if holdout else 1]), volume)


def hospital_item(generic, salt, brand, form, qual, kind, value, pack, rnd, holdout, salted):
    """(item name, generic name) of one item as a master holds it. `salted`: another drug of the formulary has the
    same name with another salt, so the salt is always written."""
    fluid = fluid_name(generic, kind, value, pack, rnd, holdout) if form == "inf" else None
    if fluid:
        name = fluid if brand is None else "%s %s" % (cased(brand, rnd), fluid)
        return re.sub(r"\s+", " ", name).strip(), generic if brand and rnd.random() < 0.5 else ""
    # Some masters leave out the form of a tablet or capsule ("AMLODIPINE 5MG").
    f = rnd.choice(em.FORMS[form][2 if holdout else 1]) if form not in ("tab", "cap") or rnd.random() > 0.06 else ""
    q = rnd.choice(em.QUALIFIERS[qual][2 if holdout else 1]) if qual else ""
    s = hospital_strength(kind, value, pack, form, rnd, holdout)
    p = pack_text(pack, form, rnd, holdout) if pack and s.count("/") < 2 and rnd.random() < 0.85 else ""
    g, late = hospital_generic(generic, salt, rnd, holdout, salted)
    if late:
        s = "%s %s" % (s, late)
    n = noise(rnd, holdout, form)
    stuck = glued(s, f, form, rnd, holdout) if not q and rnd.random() < 0.2 else None
    if stuck:
        s, f = stuck, ""
    fq = (f + " " + q if rnd.random() < 0.5 else q + " " + f).strip()
    if brand is None:
        style = rnd.randrange(5)
        if style == 0:
            name = "%s %s %s %s" % (cased(g, rnd), s, fq, p)
        elif style == 1:
            name = "%s %s %s %s" % (f.upper(), g.upper(), s, (q + " " + p).strip())
        elif style == 2:
            name = "%s, %s %s %s" % (g.upper(), s, fq, n)
        elif style == 3:
            name = "%s %s %s %s %s" % (cased(g, rnd), s, p, fq, n)
        else:
            name = "%s %s%s %s" % (g.upper(), s, " " + q if q else "", f)
        generic_col = generic if rnd.random() < 0.5 else ""
    else:
        style = 2 if salted else rnd.randrange(5)
        b = cased(brand, rnd)
        if style == 0:
            name, generic_col = "%s %s %s %s" % (b, s, fq, p), generic
        elif style == 1:
            name, generic_col = "%s (%s) %s %s %s" % (cased(g, rnd), b, s, fq, p), (generic if rnd.random() < 0.5 else "")
        elif style == 2:
            name, generic_col = "%s %s %s %s %s" % (b.upper(), g.upper(), s, fq, n), ""
        elif style == 3:
            name, generic_col = "%s [%s] %s %s" % (b, g, s, fq), generic
        else:
            name, generic_col = "%s %s %s %s (%s)" % (b.upper(), s, fq, p, g.lower()), ""
    return re.sub(r"\s+", " ", name).strip(), generic_col


def states_pack(name, pack):
    """Whether an item's name says its pack size (a tube's mass, a bottle's or bag's volume)."""
    if pack is None:
        return False
    size = r"(?<![\d.])%s\s*(ml|cc|g|gm|gms|grams|ml\b)" % re.escape(num(pack))
    litre = float(pack) == 1000 and re.search(r"(?<![\d.])1\s*(l|liter|ltr)\b", name, re.I)
    return bool(re.search(size, name, re.I) or litre)


def philhealth_description(generic, salt, form, qual, kind, value, pack, rnd, salted=False):
    name = generic.upper()
    if salt:
        r = 0.0 if salted else rnd.random()
        if r < 0.35:
            name += " " + salt.upper()
        elif r < 0.5:
            name += " (as %s)" % salt
        elif r < 0.6:
            name += " (as %s salt)" % salt
    f = rnd.choice(em.FORMS[form][0])
    if kind == "pct2":
        a, b = generic.upper().split(" + ")
        pa, pb = value.split("/")
        name = rnd.choice(["%s%% %s IN %s%% %s" % (pa, a, pb, b), "%s %s%% + %s %s%%" % (a, pa, b, pb)])
    if qual:
        q = rnd.choice(em.QUALIFIERS[qual][0])
        f = "%s %s" % (q, f) if rnd.random() < 0.6 else "%s, %s" % (f, q)
    s = philhealth_strength(kind, value, rnd) if kind != "pct2" else ""
    if s and pack and kind == "mgml" and form in ("inf", "amp", "vial") and rnd.random() < 0.3:
        s = "%s mg/%s mL" % (num(float(value) * float(pack)), num(pack))  # the content: "500 mg/100 mL"
    text = "%s %s %s" % (name, s, f) if s else "%s %s" % (name, f)
    if pack:
        unit = "g" if form in ("cream", "oint", "gel", "eyeoint", "vagcream", "powder") else "mL"
        container = {"g": "tube", "mL": "bottle" if form in ("syr", "susp", "drops", "soln", "lotion") else ""}[unit]
        if form == "inf" and rnd.random() < 0.3:
            text += " in %s %s" % (num(pack), unit)
        elif rnd.random() < 0.5 or not container:
            text += ", %s %s" % (num(pack), unit)
        else:
            text += " %s %s %s" % (num(pack), unit, container)
    if form in ("amp", "vial") and rnd.random() < 0.3:
        text += rnd.choice([" (IM/IV)", " (IV)", " for injection"])
    return re.sub(r"\s+", " ", text).strip()


def make(rnd, next_id):
    """(items, queries): items (id, name, generic), queries (group, expected ids, description)."""
    items, queries = [], []
    drugs = parse_formulary()
    names = [generic for generic, _, _ in drugs]
    for generic, salt, presentations in drugs:
        salted = names.count(generic) > 1
        split = split_of(generic)
        holdout = split != "tune"
        popularity = rnd.choice([2, 3, 5, 8, 12, 20, 40])
        brands = [brand_name(rnd) for _ in range(popularity)]
        for form, qual, kind, values, packs in presentations:
            for value in values:
                by_pack, silent = {}, {}
                for pack in packs:
                    ids = []
                    makers = [None] * rnd.choice([1, 2, 3]) + rnd.sample(brands, rnd.randint(1, len(brands)))
                    for brand in makers:
                        # Stock rooms often carry the same product under names of their own.
                        for _ in range(rnd.choice([1, 1, 2, 2, 3])):
                            name, gcol = hospital_item(generic, salt, brand, form, qual, kind, value, pack, rnd,
                                                       holdout, salted)
                            ids.append(next_id())
                            items.append((ids[-1], name, gcol))
                            if not states_pack(name, pack):
                                silent.setdefault(pack, []).append(ids[-1])
                    by_pack[pack] = ids
                for pack in packs:
                    for _ in range(rnd.choice([1, 2, 2])):
                        named = pack if (pack is not None and rnd.random() < 0.75) else None
                        # An item that does not say its pack size may be any of them.
                        others = [i for other, ids in silent.items() if other != pack for i in ids]
                        expected = by_pack[pack] + others if named is not None else sum(by_pack.values(), [])
                        text = philhealth_description(generic, salt, form, qual, kind, value, named, rnd, salted)
                        queries.append(("%s/medicine" % split, expected, text))
    for base, sizes, extras in SUPPLY_NAMES:
        for size in sizes:
            for extra in extras:
                for _ in range(rnd.randint(8, 24)):
                    brand = brand_name(rnd) if rnd.random() < 0.5 else ""
                    name = " ".join(p for p in (cased(base, rnd), size, extra, brand) if p)
                    items.append((next_id(), name, ""))
    return items, queries
