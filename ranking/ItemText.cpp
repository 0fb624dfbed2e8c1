#include "ranking/ItemText.h"

#include <algorithm>
#include <optional>

#include "ranking/GluedWords.h"
#include "ranking/MedicineVocabulary.h"
#include "ranking/ProcedureText.h"
#include "ranking/TextPieces.h"

namespace esoa::assist {
namespace {

using medicine::Unit;
using text::Kind;
using text::Number;
using text::Piece;

void AddOnce(QStringList& list, const QString& item) {
    if (!list.contains(item)) list.append(item);
}

bool IsAmountUnit(const Unit* u) {
    return u && u->name != QLatin1String("ml") && u->name != QLatin1String("mm");
}
bool IsVolume(const Unit* u) {
    return u && u->name == QLatin1String("ml");
}

// One amount of a strength as written: "250 mg", or a bare unit after "/" ("mg/mL").
struct Term {
    double value = 1;
    const Unit* unit = nullptr;
    bool written = true;  // false for a bare unit
};

// A concentration read so far, in its unit per mL (or per g).
struct Concentration {
    double value;
    QString unit;
};

// Reads the strengths of one text: amounts, concentrations and pack sizes, then the forms, qualifiers
// and words around them.
class MedicineReader {
public:
    explicit MedicineReader(const QList<Piece>& pieces) : p_(pieces) { t_.words.reserve(pieces.size()); }

    ItemTerms Read();

private:
    const Piece* At(qsizetype i) const { return i < p_.size() ? &p_[i] : nullptr; }
    const Unit* UnitAt(qsizetype i) const {
        const Piece* p = At(i);
        return p && p->kind == Kind::Word ? medicine::FindUnit(p->text) : nullptr;
    }
    bool IsSeparator(qsizetype i) const;
    bool IsCount(qsizetype from, qsizetype to) const;
    qsizetype ReadChain(qsizetype i);
    void Interpret(QList<Term>& terms, bool perUnit);
    void ReadWord(const QString& word, qsizetype i);
    void AddWord(const QString& word, bool aside);
    void Resolve();

    const QList<Piece>& p_;
    ItemTerms t_;
    QList<Concentration> concentrations_;
    QList<double> masses_;       // amounts in mg without a unit dose beside them: strength or tube size
    QList<double> volumes_;      // volumes in mL written alone: pack sizes
    QList<double> fills_;        // volumes a concentration was written per ("20 mg/2 mL")
    QList<double> totals_;       // sums of the parts of a combination
    QList<QList<double>> bare_;  // numbers written without a unit, outside brackets, in the order read
    QStringList pending_;        // abbreviations read once the rest is known
    qsizetype supersede_ = -1;   // a preparation followed by "for", dropped when another form follows
};

// "/", "+", "per", and "in" before an amount in mL, join the amounts of one strength.
bool MedicineReader::IsSeparator(qsizetype i) const {
    const Piece* p = At(i);
    if (!p) return false;
    if (p->kind == Kind::Slash || p->kind == Kind::Plus) return true;
    if (p->kind != Kind::Word) return false;
    if (p->text == QLatin1String("per")) return true;
    const Piece* next = At(i + 1);
    return p->text == QLatin1String("in") && next && next->kind == Kind::Number && IsVolume(UnitAt(i + 2));
}

// Whether the numbers from `from` to `to` are a count: "x 30", "box of 100", "10s".
bool MedicineReader::IsCount(qsizetype from, qsizetype to) const {
    static const QStringList before = {"x", "of", "box", "pack", "per"};
    const Piece* prev = from > 0 ? At(from - 1) : nullptr;
    const Piece* next = At(to);
    return (prev && prev->kind == Kind::Word && before.contains(prev->text)) ||
           (next && next->kind == Kind::Word && next->text == QLatin1String("s"));
}

// Reads the amounts joined by separators from the number at `i`; returns the index after them.
qsizetype MedicineReader::ReadChain(qsizetype i) {
    const qsizetype start = i;
    QList<Term> terms;
    bool perUnit = false;  // ended by "/dose", "/tab", ...
    while (true) {
        const Piece* p = At(i);
        if (p && p->kind == Kind::Number) {
            Term term{text::NumberValue(p->text), UnitAt(i + 1), true};
            i += term.unit ? 2 : 1;
            terms.append(term);
        } else if (!terms.isEmpty() && p && p->kind == Kind::Word && medicine::FindUnit(p->text)) {
            terms.append({1, medicine::FindUnit(p->text), false});
            ++i;
        } else if (!terms.isEmpty() && p && p->kind == Kind::Word && medicine::IsDoseUnit(p->text)) {
            // "1 g/vial", "500 mg/tab": the amount in one unit, which is the form as well; "50 mcg/spray"
            // is as often an inhaler's as a spray's.
            if (medicine::IsForm(p->text) && p->text != QLatin1String("spray")) ReadWord(p->text, i);
            perUnit = true;
            ++i;
            break;
        } else {
            break;
        }
        const Piece* next = At(i + 1);
        const bool continues = next && (next->kind == Kind::Number ||
                                        (next->kind == Kind::Word && (medicine::FindUnit(next->text) ||
                                                                      medicine::IsDoseUnit(next->text))));
        if (!IsSeparator(i) || !continues) break;
        ++i;
    }
    // A number without a unit takes the unit of the next amount that has one ("50/12.5 mg", "20+5 mg/mL").
    for (qsizetype k = terms.size() - 2; k >= 0; --k)
        if (!terms[k].unit) terms[k].unit = terms[k + 1].unit;
    if (std::none_of(terms.begin(), terms.end(), [](const Term& t) { return t.unit; })) {
        // A number without a unit is a count or a size ("box of 100", "#30"), which stands aside, or the
        // strength of a tablet written without its unit ("PARACETAMOL 500 TAB"), known once the rest is read.
        QList<double> values;
        for (const Term& t : terms) values.append(t.value);
        if (p_[start].aside || IsCount(start, i))
            for (const double v : values) AddWord(Number(v), true);
        else
            bare_.append(values);
        return i;
    }
    Interpret(terms, perUnit);
    return i;
}

void MedicineReader::Interpret(QList<Term>& terms, bool perUnit) {
    // The last amount is what the others are per when it is a volume, or a bare mass ("mg/g").
    const Term& last = terms.back();
    const bool hasAmount =
        std::any_of(terms.begin(), terms.end() - 1, [](const Term& t) { return IsAmountUnit(t.unit); });
    const bool perVolume = terms.size() > 1 && hasAmount && IsVolume(last.unit);
    const bool perMass =
        terms.size() > 1 && hasAmount && !last.written && last.unit && last.unit->name == QLatin1String("mg");
    if (perVolume || perMass) {
        const double per = last.value * last.unit->factor / (perMass ? 1000.0 : 1.0);
        for (qsizetype k = 0; k + 1 < terms.size(); ++k) {
            const Term& t = terms[k];
            if (!IsAmountUnit(t.unit)) continue;
            const double amount = t.value * t.unit->factor;
            if (t.unit->name == QLatin1String("%")) {
                concentrations_.append({amount * 10, QStringLiteral("mg")});
                continue;
            }
            concentrations_.append({amount / per, t.unit->name});
            if (perVolume) AddOnce(t_.strengths, Number(amount) + t.unit->name);
        }
        if (perVolume && last.written && per != 1) fills_.append(per);
        return;
    }
    // A combination's parts may be written as their sum ("co-amoxiclav 625 mg" for 500 mg + 125 mg).
    double total = 0;
    int parts = 0;
    for (const Term& t : terms) {
        if (!t.unit || !t.written) continue;
        const double amount = t.value * t.unit->factor;
        if (t.unit->name == QLatin1String("mg")) {
            total += amount;
            ++parts;
        }
        if (t.unit->name == QLatin1String("%"))
            concentrations_.append({amount * 10, QStringLiteral("mg")});
        else if (IsVolume(t.unit))
            volumes_.append(amount);
        else if (t.unit->name == QLatin1String("mg") && !perUnit)
            masses_.append(amount);
        else
            AddOnce(t_.strengths, Number(amount) + t.unit->name);
    }
    if (parts >= 2) totals_.append(total);
}

void MedicineReader::ReadWord(const QString& word, qsizetype i) {
    if (word.startsWith(QLatin1String("q:"))) {
        AddOnce(t_.qualifiers, word.mid(2));
    } else if (word.startsWith(QLatin1Char('?'))) {
        pending_.append(word);
    } else if (medicine::IsForm(word)) {
        if (supersede_ >= 0) t_.forms.removeAt(supersede_);
        supersede_ = -1;
        AddOnce(t_.forms, word);
        // What a powder, solution or granules are for is the form given ("powder for injection").
        const Piece* next = At(i + 1);
        const bool preparation = word == QLatin1String("powder") || word == QLatin1String("solution") ||
                                 word == QLatin1String("granules");
        if (preparation && next && next->text == QLatin1String("for")) supersede_ = t_.forms.indexOf(word);
    } else if (!medicine::FindUnit(word) && !medicine::IsFiller(word)) {
        const QString form = medicine::GuessForm(word);
        if (form.isEmpty())
            AddWord(word, p_[i].aside);
        else
            ReadWord(form, i);
    }
}

void MedicineReader::AddWord(const QString& word, bool aside) {
    if (!t_.words.contains(word)) {
        t_.words.append(word);
        if (aside) t_.asides.append(word);
    } else if (!aside) {
        t_.asides.removeOne(word);
    }
}

// Abbreviations whose meaning depends on the rest of the text, and amounts that are pack sizes.
void MedicineReader::Resolve() {
    const auto hasForm = [this](std::initializer_list<const char*> forms) {
        return std::any_of(forms.begin(), forms.end(),
                           [this](const char* f) { return t_.forms.contains(f); });
    };
    for (const QString& p : pending_) {
        if (p == QLatin1String("?cr")) {
            if (hasForm({"tablet", "capsule"}))
                AddOnce(t_.qualifiers, QStringLiteral("modified-release"));
            else
                AddOnce(t_.forms, QStringLiteral("cream"));
        } else if (p == QLatin1String("?disp")) {
            if (hasForm({"tablet"}))
                AddOnce(t_.qualifiers, QStringLiteral("dispersible"));
            else
                AddWord(QStringLiteral("disposable"), false);
        } else if (p == QLatin1String("?inh")) {
            if (hasForm({"tablet", "capsule", "syrup"}))
                AddWord(QStringLiteral("isoniazid"), false);
            else
                AddOnce(t_.forms, QStringLiteral("inhaler"));
        }
    }
    // A tablet or capsule that states no amount with a unit is written in mg by its first number without
    // one; the numbers after it are counts.
    const bool solid = hasForm({"tablet", "capsule", "suppository"});
    const bool stated = !t_.strengths.isEmpty() || !concentrations_.isEmpty() || !masses_.isEmpty();
    for (qsizetype k = 0; k < bare_.size(); ++k) {
        if (k == 0 && solid && !stated) {
            masses_.append(bare_[k]);
            double total = 0;
            for (const double v : bare_[k]) total += v;
            if (bare_[k].size() >= 2) totals_.append(total);
            continue;
        }
        for (const double v : bare_[k]) AddWord(Number(v), true);
    }
    // "Injection" says no more than an ampule, vial or bag does.
    if (t_.forms.size() > 1 && t_.forms.contains(QLatin1String("injection")))
        t_.forms.removeAll(QStringLiteral("injection"));
    const bool strengthOrForm =
        !t_.forms.isEmpty() || !t_.strengths.isEmpty() || !concentrations_.isEmpty() || !masses_.isEmpty();
    // A short qualifier ("ER", "DR") is one only beside a strength or a form ("Wound dressing (ER)").
    for (const QString& p : pending_) {
        const qsizetype colon = p.indexOf(QLatin1Char(':'));
        if (colon < 0) continue;
        const QStringView kind = QStringView(p).mid(1, colon - 1);
        if (!strengthOrForm)
            AddWord(p.mid(colon + 1), false);
        else if (kind == QLatin1String("release"))
            AddOnce(t_.qualifiers, QStringLiteral("modified-release"));
        else if (kind == QLatin1String("enteric"))
            AddOnce(t_.qualifiers, QStringLiteral("enteric-coated"));
    }
    for (const Concentration& c : concentrations_)
        AddOnce(t_.strengths, Number(c.value) + c.unit + QLatin1String("/ml"));
    // Beside a concentration, a mass alone is the tube or jar ("2% cream, 15 g").
    for (const double mg : masses_)
        AddOnce(concentrations_.isEmpty() ? t_.strengths : t_.packs, Number(mg) + "mg");
    for (const double ml : volumes_) AddOnce(t_.packs, Number(ml) + "ml");
    if (concentrations_.isEmpty())
        for (const double mg : totals_) AddOnce(t_.totals, Number(mg) + "mg");
    // A unit-dose container holds what its concentration is written per, and in all its volume times the
    // concentration ("10 mg/mL, 2 mL" is the "20 mg/2 mL" ampule).
    const bool unitDose = std::any_of(t_.forms.begin(), t_.forms.end(), [](const QString& f) {
        return FormFamily(f) == QLatin1String("injectable") || f == QLatin1String("nebule");
    });
    if (!unitDose) return;
    for (const double ml : fills_) AddOnce(t_.packs, Number(ml) + "ml");
    if (concentrations_.size() == 1 && volumes_.size() == 1)
        AddOnce(t_.strengths, Number(concentrations_[0].value * volumes_[0]) + concentrations_[0].unit);
}

ItemTerms MedicineReader::Read() {
    for (qsizetype i = 0; i < p_.size();) {
        const Piece& p = p_[i];
        if (p.kind == Kind::Number) {
            i = ReadChain(i);
            continue;
        }
        if (p.kind == Kind::Word) ReadWord(p.text, i);
        ++i;
    }
    Resolve();
    return t_;
}

}  // namespace

ItemTerms AnalyseItemText(const QString& text) {
    const QList<Piece> pieces =
        medicine::Phrases().Apply(medicine::SplitGluedWords(text::Cut(text::Normalised(text))));
    return MedicineReader(pieces).Read();
}

void TakeGenericFromBrackets(ItemTerms& terms, const QSet<QString>& drugWords) {
    const bool generic = std::any_of(terms.asides.cbegin(), terms.asides.cend(),
                                     [&drugWords](const QString& w) { return drugWords.contains(w); });
    if (!generic) return;
    const QStringList bracketed = terms.asides;
    terms.asides.clear();
    for (const QString& w : terms.words)
        if (!bracketed.contains(w)) terms.asides.append(w);
}

ItemTerms AnalyseText(const QString& text, ItemKind kind) {
    return kind == ItemKind::Procedure ? AnalyseProcedureText(text) : AnalyseItemText(text);
}

QString FormFamily(const QString& form) {
    return medicine::FormFamily(form);
}

}  // namespace esoa::assist
