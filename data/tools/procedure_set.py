"""The procedures part of the suggestion evaluation set: a hospital's exam tables (laboratory, X-ray,
ultrasound, CT, MRI, heart station, rehabilitation, the emergency-room section of the other revenues)
written the way hospitals write them, and PhilHealth-style descriptions to rank them against.

An exam is "tune", "calibration" or "holdout" by a hash of its key: the rows of the last two are written
only with the wordings kept apart in eval_exams.py. Each description is ranked among the tables its category leads to
(all imaging tables together for an imaging code).
"""
import hashlib
import re

import eval_exams as ex

IMAGING = ["tbcoXRayExam", "tbcoUltraExam", "tbcoCTExam", "tbcoMRIExam"]
NOISE = ["", "", "", "", " (STAT)", " - OPD", " *", " (routine)", " - IPD", " (new)"]


def split_of(key):
    return ("holdout", "calibration", "tune")[int(hashlib.sha1(key.encode()).hexdigest(), 16) % 3]


def options(text):
    return [t.strip() for t in text.split(";")]


def cased(text, rnd):
    return rnd.choice([text.upper(), text.upper(), text, text.title(), text.lower()])


def clean(text):
    return re.sub(r"\s+", " ", text).strip(" ,")


def hospital(tune, holdout, split, rnd):
    pool = options(tune) if split == "tune" else options(holdout)
    return rnd.choice(pool)


class Tables:
    def __init__(self, rnd):
        self.rnd = rnd
        self.rows = []  # (source, id, name)
        self.queries = []  # (group, expected ids, description, pool)
        self.next = 50000

    def add_row(self, source, name):
        self.next += 1
        row_id = str(self.next)
        self.rows.append((source, row_id, clean(name)))
        return row_id

    def add_queries(self, key, split, ids, descriptions, pool, count=None):
        picks = self.rnd.sample(descriptions, min(len(descriptions), count or self.rnd.choice([2, 2, 3])))
        for text in picks:
            self.queries.append(("%s/procedure" % split, ids, clean(text), pool))


def lab(t):
    rnd = t.rnd
    for line in ex.LAB.strip().splitlines():
        key, ph, tune, holdout = [p.strip() for p in line.split("|")]
        split = split_of("lab:" + key)
        name = cased(hospital(tune, holdout, split, rnd), rnd) + rnd.choice(NOISE)
        row = t.add_row("tbcoLabExam", name)
        t.add_queries(key, split, [row], options(ph), ["tbcoLabExam"])
    for key, ph, tune, holdout, specimens in ex.SPECIMEN_TESTS:
        for s in specimens:
            split = split_of("lab:%s:%s" % (key, s))
            s_ph, s_tune, s_hold = ex.SPECIMENS[s]
            test = hospital(tune, holdout, split, rnd)
            spec = hospital(s_tune, s_hold, split, rnd)
            name = rnd.choice(["%s, %s", "%s %s", "%s (%s)"]) % ((test, spec) if rnd.random() < 0.5 else (spec, test))
            row = t.add_row("tbcoLabExam", cased(name, rnd) + rnd.choice(NOISE))
            descriptions = ["%s, %s" % (ph, s_ph), "%s %s" % (s_ph, ph), "%s (%s)" % (ph, s_ph), "%s IN %s" % (ph, s_ph)]
            t.add_queries(key, split, [row], descriptions, ["tbcoLabExam"])


def modality_words(kind, split, rnd):
    ph, tune, holdout = ex.MODALITY[kind]
    return options(ph), hospital(tune, holdout, split, rnd)


def xray(t):
    rnd = t.rnd
    for part, ph, tune, holdout, views in ex.XRAY_PARTS:
        for view in views:
            split = split_of("xray:%s:%s" % (part, view))
            v_ph, v_tune, v_hold = ex.VIEWS[view]
            m_ph, m = modality_words("xray", split, rnd)
            p = hospital(tune, holdout, split, rnd)
            v = hospital(v_tune, v_hold, split, rnd)
            name = rnd.choice(["{p} {v}", "{m} {p} {v}", "{p} {v} {m}", "{m}, {p} ({v})", "{p} ({v})"])
            row = t.add_row("tbcoXRayExam", cased(name.format(p=p, v=v, m=m), rnd) + rnd.choice(NOISE))
            mp = rnd.choice(m_ph)
            descriptions = ["%s, %s, %s" % (mp, ph, v_ph), "%s %s %s" % (ph, mp, v_ph), "%s %s (%s)" % (mp, ph, v_ph),
                            "%s OF THE %s, %s" % (mp, ph, v_ph)]
            t.add_queries(part, split, [row], descriptions, IMAGING)


def ultrasound(t):
    rnd = t.rnd
    for line in ex.ULTRASOUND.strip().splitlines():
        key, ph, tune, holdout = [p.strip() for p in line.split("|")]
        split = split_of("us:" + key)
        m_ph, m = modality_words("us", split, rnd)
        n = hospital(tune, holdout, split, rnd)
        name = rnd.choice(["{m} {n}", "{n} {m}", "{m}, {n}", "{n} ({m})"]).format(m=m, n=n)
        row = t.add_row("tbcoUltraExam", cased(name, rnd) + rnd.choice(NOISE))
        mp = rnd.choice(m_ph)
        t.add_queries(key, split, [row], ["%s, %s" % (mp, ph), "%s %s" % (ph, mp), "%s OF THE %s" % (mp, ph),
                                          "%s (%s)" % (ph, mp)], IMAGING)


def sectional(t, kind, table, regions, contrasts):
    rnd = t.rnd
    for key, ph, tune, holdout in regions:
        for contrast in contrasts:
            split = split_of("%s:%s:%s" % (kind, key, contrast))
            c_ph, c_tune, c_hold = ex.CONTRAST[contrast]
            m_ph, m = modality_words(kind, split, rnd)
            r = hospital(tune, holdout, split, rnd)
            c = hospital(c_tune, c_hold, split, rnd)
            name = rnd.choice(["{m} {r} {c}", "{m} {r} ({c})", "{r} {m} {c}", "{m}, {r}, {c}"]).format(m=m, r=r, c=c)
            row = t.add_row(table, cased(name, rnd) + rnd.choice(NOISE))
            mp, cp = rnd.choice(m_ph), rnd.choice(options(c_ph))
            descriptions = ["%s, %s, %s" % (mp, ph, cp), "%s OF THE %s, %s" % (mp, ph, cp), "%s %s (%s)" % (mp, ph, cp),
                            "%s %s %s" % (ph, mp, cp)]
            t.add_queries(key, split, [row], descriptions, IMAGING)


def services(t):
    rnd = t.rnd
    for line in ex.SERVICES.strip().splitlines():
        table, key, ph, tune, holdout = [p.strip() for p in line.split("|")]
        split = split_of("svc:" + key)
        source = "tbco" + table.replace(":", "/")
        row = t.add_row(source, cased(hospital(tune, holdout, split, rnd), rnd) + rnd.choice(NOISE))
        t.add_queries(key, split, [row], options(ph), [source])


def other_sections(t):
    """Rows of the other sections of the other-revenue table, never expected: they only share its words."""
    for section, names in (("OR", ["Minor OR Fee", "Major OR Fee", "Recovery Room Fee", "OR Suturing Set Use",
                                   "Anesthesia Machine Use", "OR Dressing Fee"]),
                           ("RA", ["Ward per day", "Private Room per day", "ICU per day", "Observation Room per day"]),
                           ("NU", ["IV Insertion (ward)", "NGT Insertion (ward)", "Nursing Care per day",
                                   "Nebulization (ward)", "Oxygen per hour (ward)"])):
        for name in names:
            t.add_row("tbcoOtherRevenue/" + section, name)


def make(rnd):
    t = Tables(rnd)
    lab(t)
    xray(t)
    ultrasound(t)
    sectional(t, "ct", "tbcoCTExam", ex.CT_REGIONS, ["plain", "contrast", "both"])
    sectional(t, "mri", "tbcoMRIExam", ex.MRI_REGIONS, ["plain", "contrast"])
    services(t)
    other_sections(t)
    return t.rows, t.queries
