#include "ranking/ItemText.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <QSet>

namespace esoa::assist {
namespace {

struct Unit {
    QString name;   // the unit a strength is written in after conversion
    double factor;  // multiplies the written amount
};

// Masses and volumes convert to one unit each so that "1 g" meets "1000 mg" and "500 mcg" meets "0.5 mg".
const QHash<QString, Unit>& Units() {
    static const QHash<QString, Unit> units = [] {
        QHash<QString, Unit> u;
        for (const char* n : {"mg", "mgs", "milligram", "milligrams"}) u.insert(n, {"mg", 1});
        for (const char* n : {"g", "gm", "gms", "gram", "grams", "grm"}) u.insert(n, {"mg", 1000});
        for (const char* n : {"mcg", "mcgs", "ug", "microgram", "micrograms"}) u.insert(n, {"mg", 0.001});
        u.insert("kg", {"mg", 1e6});
        for (const char* n : {"ml", "mls", "milliliter", "milliliters", "millilitre", "millilitres", "cc"})
            u.insert(n, {"ml", 1});
        for (const char* n : {"l", "lt", "ltr", "liter", "liters", "litre", "litres"}) u.insert(n, {"ml", 1000});
        for (const char* n : {"iu", "u", "unit", "units", "ui"}) u.insert(n, {"iu", 1});
        u.insert("meq", {"meq", 1});
        u.insert("mmol", {"mmol", 1});
        u.insert("%", {"%", 1});
        u.insert("mm", {"mm", 1});
        u.insert("cm", {"mm", 10});
        return u;
    }();
    return units;
}

// Abbreviations seen in hospital masters, to the word they stand for. Dosage forms come out as the form
// names that FormFamily knows.
const QHash<QString, QString>& Synonyms() {
    static const QHash<QString, QString> words = [] {
        QHash<QString, QString> w;
        const auto add = [&w](const QString& to, std::initializer_list<const char*> from) {
            for (const char* f : from) w.insert(QString::fromLatin1(f), to);
        };
        add("tablet", {"tab", "tabs", "tablets", "tbl", "tabl", "caplet", "caplets", "tablet"});
        add("capsule", {"cap", "caps", "capsules", "capsul", "kap", "capsule"});
        add("ampule", {"amp", "amps", "ampul", "ampuls", "ampule", "ampules", "ampoule", "ampoules", "ampl"});
        add("vial", {"vl", "vials", "vial"});
        add("injection", {"inj", "injn", "injection", "injections", "injectable", "injectables", "inject"});
        add("suspension", {"susp", "suspn", "suspension", "suspensions", "sus"});
        add("syrup", {"syr", "syrup", "syrups", "syp"});
        add("solution", {"sol", "soln", "solution", "solutions", "solns"});
        add("drops", {"drop", "drops", "gtts", "gtt"});
        add("cream", {"crm", "cream", "creams"});
        add("ointment", {"oint", "ointment", "ointments", "ungt"});
        add("suppository", {"supp", "supps", "suppository", "suppositories", "suppos"});
        add("inhaler", {"inh", "inhaler", "inhalers", "mdi"});
        add("nebule", {"neb", "nebs", "nebule", "nebules", "respule", "respules"});
        add("sachet", {"sach", "sachet", "sachets"});
        add("powder", {"pwd", "pdr", "powder", "powders", "pulv"});
        add("infusion", {"infusion", "infusions", "infus"});
        add("lotion", {"lot", "lotion", "lotions"});
        add("gel", {"gel", "gels"});
        add("elixir", {"elix", "elixir"});
        add("granules", {"gran", "granule", "granules"});
        add("lozenge", {"loz", "lozenge", "lozenges"});
        add("patch", {"patch", "patches"});
        add("spray", {"spray", "sprays"});
        add("hydrochloride", {"hcl"});
        add("hydrobromide", {"hbr"});
        add("sodium", {"sod"});
        add("potassium", {"pot"});
        add("vitamin", {"vit", "vits", "vitamins"});
        add("pediatric", {"ped", "peds", "pedia", "paed", "paediatric", "pediatrics"});
        add("ultrasound", {"utz", "ultrasonography", "sonography"});
        add("ecg", {"ekg", "electrocardiogram", "electrocardiography"});
        add("xray", {"radiograph", "roentgenogram"});
        add("bottle", {"btl", "bot", "bottles"});
        add("disposable", {"disp"});
        add("sterile", {"ster"});
        return w;
    }();
    return words;
}

const QHash<QString, QString>& Families() {
    static const QHash<QString, QString> families = {
        {"ampule", "injectable"},  {"vial", "injectable"},     {"injection", "injectable"},
        {"infusion", "injectable"}, {"syrup", "oral liquid"},  {"suspension", "oral liquid"},
        {"elixir", "oral liquid"},  {"solution", "oral liquid"}, {"drops", "oral liquid"},
        {"cream", "topical"},       {"ointment", "topical"},     {"gel", "topical"},
        {"lotion", "topical"},      {"inhaler", "inhaled"},      {"nebule", "inhaled"},
        {"sachet", "powder"},       {"powder", "powder"},        {"granules", "powder"},
    };
    return families;
}

bool IsForm(const QString& word) {
    static const QSet<QString> forms = {"tablet",  "capsule",  "ampule",   "vial",     "injection", "suspension",
                                        "syrup",   "solution", "drops",    "cream",    "ointment",  "suppository",
                                        "inhaler", "nebule",   "sachet",   "powder",   "infusion",  "lotion",
                                        "gel",     "elixir",   "granules", "lozenge",  "patch",     "spray"};
    return forms.contains(word);
}

// Joining words, and the packing that masters append ("box of 100", "10's") but that never tells two
// products apart.
bool IsFiller(const QString& word) {
    static const QSet<QString> filler = {"with", "and", "of",   "for",   "the",   "a",      "an",     "w",
                                         "per",  "in",  "to",   "or",    "x",     "s",      "box",    "boxes",
                                         "pack", "packs", "pck", "blister", "pc", "pcs",   "piece",  "pieces"};
    return filler.contains(word);
}

// Letters without their accents ("Niño" gives "nino"), in lower case; the micro sign is written "mc" the
// way masters spell "mcg".
QString Fold(const QString& text) {
    QString t = text;
    t.replace(QChar(0x00B5), QLatin1String("mc")).replace(QChar(0x03BC), QLatin1String("mc"));
    // Most masters are plain ASCII: decomposing those would only cost time.
    const bool ascii = std::all_of(t.cbegin(), t.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) return t.toLower();
    const QString decomposed = t.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing) out.append(c.toLower());
    return out;
}

// "w/" and "w/o" are how masters write "with" and "without".
void SpellWith(QString& s) {
    for (qsizetype i = s.indexOf(QLatin1String("w/")); i >= 0; i = s.indexOf(QLatin1String("w/"), i + 1)) {
        if (i > 0 && s[i - 1].isLetterOrNumber()) continue;
        const bool without = i + 2 < s.size() && s[i + 2] == 'o' && (i + 3 >= s.size() || !s[i + 3].isLetter());
        s.replace(i, without ? 3 : 2, without ? QLatin1String(" without ") : QLatin1String(" with "));
    }
}

enum class Kind { Text, Number, Slash };
struct Piece {
    QString text;
    Kind kind;
};

// Cuts the folded text into words, numbers (decimal point kept, thousands commas dropped), "%" and "/";
// every other mark separates. A word glued behind a number ("500mg") is its own piece, a hyphen inside a
// word is dropped ("X-ray" gives "xray"), and a possessive "'s" goes.
QList<Piece> Cut(const QString& s) {
    QList<Piece> pieces;
    QString cur;
    Kind curKind = Kind::Text;
    const auto flush = [&] {
        if (!cur.isEmpty()) pieces.append({cur, curKind});
        cur.clear();
    };
    const auto at = [&s](qsizetype i) { return i >= 0 && i < s.size() ? s[i] : QChar(' '); };
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c.isDigit()) {
            if (!cur.isEmpty() && curKind == Kind::Text) {
                // A digit after letters stays in the word ("g18", "b12"); after a number it continues it.
                cur.append(c);
                continue;
            }
            curKind = Kind::Number;
            cur.append(c);
        } else if (c.isLetter()) {
            if (curKind == Kind::Number && !cur.isEmpty()) flush();
            curKind = Kind::Text;
            cur.append(c);
        } else if ((c == '.' || c == ',') && curKind == Kind::Number && !cur.isEmpty() && at(i + 1).isDigit()) {
            const bool thousands = c == ',' && at(i + 2).isDigit() && at(i + 3).isDigit() && !at(i + 4).isDigit();
            if (c == '.') cur.append(c);
            else if (!thousands) flush();
        } else if (c == '-' && curKind == Kind::Text && !cur.isEmpty() && at(i + 1).isLetter()) {
            continue;
        } else if ((c == '\'' || c == QChar(0x2019)) && curKind == Kind::Text && !cur.isEmpty()) {
            if (at(i + 1) == 's' && !at(i + 2).isLetterOrNumber()) ++i;
        } else {
            flush();
            if (c == '%') pieces.append({QStringLiteral("%"), Kind::Text});
            else if (c == '/') pieces.append({QStringLiteral("/"), Kind::Slash});
        }
    }
    flush();
    return pieces;
}

// Whole numbers, by far the most common, skip the costly shortest-decimal conversion.
QString Number(double value) {
    if (value == std::floor(value) && std::abs(value) < 1e15) return QString::number(qint64(value));
    return QString::number(value, 'g', 10);
}

QString Amount(double value, const QString& unit) { return Number(value) + unit; }

void AddOnce(QStringList& list, const QString& item) {
    if (!list.contains(item)) list.append(item);
}

}  // namespace

ItemTerms AnalyseItemText(const QString& text) {
    QString folded = Fold(text);
    SpellWith(folded);
    const QList<Piece> pieces = Cut(folded);

    ItemTerms terms;
    const QHash<QString, Unit>& units = Units();
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        if (p.kind == Kind::Slash) continue;
        if (p.kind == Kind::Number) {
            const bool hasUnit = i + 1 < pieces.size() && units.contains(pieces[i + 1].text);
            if (hasUnit) {
                const Unit& u = units[pieces[i + 1].text];
                AddOnce(terms.strengths, Amount(p.text.toDouble() * u.factor, u.name));
                ++i;
            } else {
                AddOnce(terms.words, Number(p.text.toDouble()));
            }
            continue;
        }
        // A unit right after "/" without its own number means one of it ("mg/mL" is per 1 mL).
        if (units.contains(p.text)) {
            if (i > 0 && pieces[i - 1].kind == Kind::Slash) {
                const Unit& u = units[p.text];
                AddOnce(terms.strengths, Amount(u.factor, u.name));
            }
            continue;
        }
        QString word = Synonyms().value(p.text, p.text);
        // "x ray" is written apart as often as together.
        if (word == "x" && i + 1 < pieces.size() && pieces[i + 1].text == "ray") {
            word = QStringLiteral("xray");
            ++i;
        }
        if (IsForm(word)) AddOnce(terms.forms, word);
        else if (!IsFiller(word)) AddOnce(terms.words, word);
    }
    return terms;
}

QString FormFamily(const QString& form) { return Families().value(form, form); }

}  // namespace esoa::assist
