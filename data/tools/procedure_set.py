"""The procedures part of the suggestion evaluation set: a hospital's exam tables (laboratory, X-ray,
ultrasound, CT, MRI, heart station, rehabilitation, the sections of the other revenues), several hundred rows
written the way hospitals write them, and PhilHealth-style descriptions to rank them against.

Every exam of exam_catalogue.py becomes a row of its table (a few become two rows, both right): one of its
hospital wordings, in capitals or not, with "&", "/" or "+" for "and" and "w/" for "with", sometimes a
remark in brackets or after a dash, a word cut short or two words turned round, sometimes a typing error; an
imaging row names its modality or leaves it to its table. Exams that no description is meant for stand beside
them. An exam is "tune", "calibration" or "holdout" by a hash of its key. Each description is ranked
among the tables its category leads to: all imaging tables for an imaging code, the laboratory table or
every exam table for a laboratory code (the emergency list's "Laboratory" and the item list's
"LaboratoryAndDiagnostic"), the emergency section or every exam table for an emergency service, every exam
table for heart-station and rehabilitation codes (categories without a table of their own).
"""
import hashlib
import re

import exam_catalogue as ex

IMAGING = ["tbcoXRayExam", "tbcoUltraExam", "tbcoCTExam", "tbcoMRIExam"]
EXAM_TABLES = ["tbcoLabExam"] + IMAGING + ["tbcoECGExam", "tbcoPTExam"]
PREFIXES = ["LAB - ", "* ", "OPD ", "NEW - "]
NOISE = [" (STAT)", " - OPD", " *", " (routine)", " - IPD", " (new)", " (send out)", " (per test)", " - IN",
         " (outside lab)", " [OPD]"]


def split_of(key):
    return ("holdout", "calibration", "tune")[int(hashlib.sha1(key.encode()).hexdigest(), 16) % 3]


def options(text):
    return [t.strip() for t in text.split(";")]


def clean(text):
    return re.sub(r"\s+", " ", text).strip(" ,")


class Tables:
    def __init__(self, rnd):
        self.rnd = rnd
        self.rows = []  # (source, id, name)
        self.queries = []  # (group, expected ids, description, pool)
        self.next = 50000
        self.sections = set()

    def all_tables(self):
        return EXAM_TABLES + sorted("tbcoOtherRevenue/" + s for s in self.sections)

    def typo(self, text):
        words = [m for m in re.finditer(r"[A-Za-z]{6,}", text)]
        if not words:
            return text
        m = self.rnd.choice(words)
        w = m.group()
        i = self.rnd.randrange(1, len(w) - 1)
        op = self.rnd.choice(["drop", "swap", "double", "change"])
        if op == "drop":
            w = w[:i] + w[i + 1:]
        elif op == "swap":
            w = w[:i] + w[i + 1] + w[i] + w[i + 2:]
        elif op == "double":
            w = w[:i] + w[i] + w[i:]
        else:
            w = w[:i] + self.rnd.choice("aeiourstnl") + w[i + 1:]
        return text[:m.start()] + w + text[m.end():]

    def hospital_style(self, text):
        """A hospital's way of writing an exam: joining marks, letter case, remarks, typing errors."""
        rnd = self.rnd
        if rnd.random() < 0.5:
            text = re.sub(r"\band\b", rnd.choice(["&", "/", "+", "and"]), text, flags=re.I)
        if rnd.random() < 0.5:
            text = re.sub(r"\bwith\b", "w/", text, flags=re.I)
        r = rnd.random()
        text = text.upper() if r < 0.45 else text.title() if r < 0.6 else text
        r = rnd.random()
        if r < 0.06:
            text = self.inverted(text)
        elif r < 0.12:
            text = self.cut_short(text)
        if rnd.random() < 0.25:
            text += rnd.choice(NOISE)
        elif rnd.random() < 0.05:
            text = rnd.choice(PREFIXES) + text
        if rnd.random() < 0.12:
            text = self.typo(text)
        return clean(text)

    def inverted(self, text):
        """The last word first, after a comma ("Spine, Cervical")."""
        words = text.split()
        if len(words) != 2 or not all(w.isalpha() for w in words):
            return text
        return "%s, %s" % (words[1], words[0])

    def cut_short(self, text):
        """A long word cut short with a dot ("Hemat.", "Chol.")."""
        words = [m for m in re.finditer(r"[A-Za-z]{8,}", text)]
        if not words:
            return text
        m = self.rnd.choice(words)
        return text[:m.start()] + m.group()[:self.rnd.randrange(4, 7)] + "." + text[m.end():]

    def add_row(self, source, name):
        self.next += 1
        row_id = str(self.next)
        self.rows.append((source, row_id, clean(name)))
        if source.startswith("tbcoOtherRevenue/"):
            self.sections.add(source.split("/")[1])
        return row_id

    def add_exam(self, key, source, names, descriptions, pool):
        """One exam: its row (two rows for a few), and three or four of its descriptions."""
        rnd = self.rnd
        ids = [self.add_row(source, self.hospital_style(rnd.choice(names)))]
        if rnd.random() < 0.05:
            ids.append(self.add_row(source, self.hospital_style(rnd.choice(names))))
        group = "%s/procedure" % split_of(key)
        picks = rnd.sample(descriptions, min(len(descriptions), rnd.choice([3, 4])))
        for text in picks:
            r = rnd.random()
            text = text if r < 0.7 else text.title()
            self.queries.append((group, ids, clean(text), pool() if callable(pool) else pool))


def lab_pool(t):
    return lambda: ["tbcoLabExam"] if t.rnd.random() < 0.5 else t.all_tables()


def lab(t):
    rnd = t.rnd
    for line in ex.LAB.strip().splitlines():
        key, ph, hospital = [p.strip() for p in line.split("|")]
        t.add_exam("lab:" + key, "tbcoLabExam", options(hospital), options(ph), lab_pool(t))
    for key, ph, hospital, specimens in ex.SPECIMEN_TESTS:
        for s in specimens:
            s_ph, s_hosp = ex.SPECIMENS[s]
            names = []
            for test in options(hospital):
                for specimen in options(s_hosp):
                    names.append(rnd.choice(["%s, %s", "%s %s", "%s (%s)"]) %
                                 ((test, specimen) if rnd.random() < 0.5 else (specimen, test)))
            descriptions = []
            for sp in options(s_ph):
                descriptions += ["%s, %s" % (ph, sp), "%s %s" % (sp, ph), "%s (%s)" % (ph, sp), "%s IN %s" % (ph, sp)]
            t.add_exam("lab:%s:%s" % (key, s), "tbcoLabExam", names, descriptions, lab_pool(t))


def with_modality(t, kind, name, share):
    """The row names its modality before or after, or leaves it to its table."""
    if t.rnd.random() >= share:
        return name
    m = t.rnd.choice(options(ex.MODALITY[kind][1]))
    return t.rnd.choice(["%s %s", "%s, %s", "%s - %s"]) % (m, name) if t.rnd.random() < 0.6 else "%s %s" % (name, m)


def xray(t):
    rnd = t.rnd
    for part, ph, hospital, views in ex.XRAY_PARTS:
        for view in views:
            v_ph, v_hosp = ex.VIEWS[view]
            names = []
            for p in options(hospital):
                for v in options(v_hosp):
                    names.append(with_modality(t, "xray", rnd.choice(["{p} {v}", "{p} ({v})", "{p}, {v}"]).format(p=p, v=v), 0.3))
            descriptions = []
            for m in options(ex.MODALITY["xray"][0]):
                for vp in options(v_ph):
                    descriptions += ["%s, %s, %s" % (m, ph, vp), "%s %s %s" % (ph, m, vp), "%s %s (%s)" % (m, ph, vp),
                                     "%s OF THE %s, %s" % (m, ph, vp)]
            descriptions += ["%s %s" % (ph.title(), options(v_ph)[-1].title())]  # as the emergency list writes it
            t.add_exam("xray:%s:%s" % (part, view), "tbcoXRayExam", names, descriptions, IMAGING)


def ultrasound(t):
    for line in ex.ULTRASOUND.strip().splitlines():
        key, ph, hospital = [p.strip() for p in line.split("|")]
        names = [with_modality(t, "us", n, 0.5) for n in options(hospital)]
        descriptions = []
        for m in options(ex.MODALITY["us"][0]):
            descriptions += ["%s, %s" % (m, ph), "%s %s" % (ph, m), "%s OF THE %s" % (m, ph), "%s (%s)" % (ph, m)]
        if key.startswith("echo"):
            descriptions = [ph, ph.title()]
        t.add_exam("us:" + key, "tbcoUltraExam", names, descriptions, IMAGING)


def sectional(t, kind, table, regions, contrasts):
    rnd = t.rnd
    for key, ph, hospital in regions:
        for contrast in contrasts:
            c_ph, c_hosp = ex.CONTRAST[contrast]
            names = []
            for r in options(hospital):
                for c in options(c_hosp):
                    names.append(with_modality(t, kind, rnd.choice(["{r} {c}", "{r} ({c})", "{r}, {c}"]).format(r=r, c=c), 0.8))
            descriptions = []
            for m in options(ex.MODALITY[kind][0]):
                for cp in options(c_ph):
                    descriptions += ["%s, %s, %s" % (m, ph, cp), "%s OF THE %s, %s" % (m, ph, cp),
                                     "%s %s (%s)" % (m, ph, cp), "%s %s %s" % (ph, m, cp)]
            t.add_exam("%s:%s:%s" % (kind, key, contrast), table, names, descriptions, IMAGING)


def services(t):
    rnd = t.rnd
    for line in ex.SERVICES.strip().splitlines():
        table, key, ph, hospital = [p.strip() for p in line.split("|")]
        source = "tbco" + table.replace(":", "/")
        if source.startswith("tbcoOtherRevenue"):
            pool = (lambda s=source: [s] if rnd.random() < 0.6 else t.all_tables())
        else:
            pool = t.all_tables
        t.add_exam("svc:" + key, source, options(hospital), options(ph), pool)


def other_sections(t):
    for section, names in ex.OTHER_SECTIONS:
        for name in names:
            t.add_row("tbcoOtherRevenue/" + section, name)


def distractors(t):
    for source, names in sorted(ex.DISTRACTORS.items()):
        for name in names:
            t.add_row(source, t.hospital_style(name))


def make(rnd):
    t = Tables(rnd)
    other_sections(t)
    t.sections.add("ER")
    lab(t)
    xray(t)
    ultrasound(t)
    sectional(t, "ct", "tbcoCTExam", ex.CT_REGIONS, ["plain", "contrast", "both"])
    sectional(t, "mri", "tbcoMRIExam", ex.MRI_REGIONS, ["plain", "contrast"])
    services(t)
    distractors(t)
    return t.rows, t.queries
