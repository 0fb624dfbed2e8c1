#include "assist/SuggestIndex.h"

#include <QScopeGuard>
#include <algorithm>
#include <array>
#include <cmath>

#include "assist/MedicineVocabulary.h"

namespace esoa::assist {
namespace {

// How much agreeing terms add, and a disagreement takes away. The name match lies in [0, 1]; these stay
// below what a different drug or exam name loses, so they only order one product's variants. The amount
// of drug counts most; a pack size least.
constexpr double kAmountWeight = 0.25;
constexpr double kAmountConflict = 0.15;
constexpr double kPackWeight = 0.06;
constexpr double kPackConflict = 0.06;
constexpr double kPackMissing = 0.03;  // the description names a pack size that the item does not
constexpr double kFormWeight = 0.15;
constexpr double kFamilyWeight = 0.05;  // an ampule for a vial: may be meant, but less likely than no form
constexpr double kFormConflict = 0.1;
constexpr double kQualifierWeight = 0.1;
constexpr double kQualifierMissing = 0.08;  // a modified-release tablet for a plain one, or the reverse
constexpr double kQualifierConflict = 0.2;
// A query word that is itself a known word is more likely meant than a loose neighbour of it.
constexpr double kNeighbourOfKnownWord = 0.8;
// Share of the item's own length in the length normalisation (0: only the query's, 1: plain cosine).
constexpr double kPivot = 0.5;
constexpr double kSaltWeight = 0.3;
// Share of the description's weight below which a word does not tell two items apart for the confidence.
constexpr double kSignificantShare = 0.05;
// Different products (by their rarest word) a word must occur with to be read as a qualifier or form.
constexpr int kModifierSpread = 3;
// An aside (a word only in brackets, or a brand beside the generic name) in the length of a text.
constexpr double kAsideWeight = 0.3;

// What an agreeing attribute adds and a different one takes away; an attribute on one side only takes
// kAttributeMissing, or the whole `differ` for a yes-or-no attribute (a panel or a portable exam).
// A dimension with a usual value reads a silent side as that value (an exam that names no specimen is done
// on blood).
struct Dimension {
    const char* name;
    double same, differ;
    bool yesOrNo;
    const char* usual = nullptr;
};
constexpr Dimension kDimensions[] = {
    {"modality", 0.10, 0.40, false}, {"view", 0.15, 0.15, false},  {"specimen", 0.20, 0.50, false, "specimen:blood"},
    {"contrast", 0.15, 0.20, false}, {"age", 0.08, 0.15, true},    {"side", 0.08, 0.15, true},
    {"scope", 0.05, 0.10, true},     {"fraction", 0.10, 0.20, false}, {"method", 0.08, 0.15, false},
    {"mobile", 0.05, 0.05, true}};
constexpr int kDimensionCount = int(std::size(kDimensions));
constexpr double kAttributeMissing = 0.03;

int DimensionOf(const QString& attribute) {
    const QStringView name = QStringView(attribute).left(attribute.indexOf(QLatin1Char(':')));
    for (int d = 0; d < kDimensionCount; ++d)
        if (name == QLatin1String(kDimensions[d].name)) return d;
    return -1;
}

int Overlap(const std::vector<int>& query, const int* item, int n) {
    int same = 0;
    for (const int q : query)
        if (q >= 0 && std::find(item, item + n, q) != item + n) ++same;
    return same;
}

bool IsConcentration(const QString& strength) { return strength.endsWith(QLatin1String("/ml")); }

void AppendNew(QStringList& to, const QStringList& from) {
    for (const QString& s : from)
        if (!to.contains(s)) to.append(s);
}

}  // namespace

// A candidate as ranked: its score and what tells it from the others for the confidence (the query words
// it matches and how each of its terms agreed).
struct SuggestIndex::Scored {
    int item;
    double score;
    double text;     // the name match, from 0 to 1
    double against;  // what disagreements with the description cost (silences cost nothing here)
    double ideal;    // the score of a perfect match of the description
    int reading;
    quint64 words;
    quint64 outcome;
    bool formSilent;
};

struct SuggestIndex::Agreement {
    double score = 0;
    double against = 0;
    quint64 outcome = 0;  // how each part agreed, a few bits each
    bool formSilent = false;  // the description names a form, the item none
};

struct SuggestIndex::QueryTerms {
    std::vector<int> part[PartCount];  // ids of amounts, packs, forms, qualifiers, attributes; -1 when unknown
    std::vector<int> concentrations;   // the amounts that are concentrations
    std::vector<int> families;
    std::vector<int> dimensions;  // of each attribute
};

SuggestIndex::SuggestIndex(QList<SuggestCandidate> candidates) : candidates_(std::move(candidates)) {
    items_.resize(candidates_.size());
    for (int d = 0; d < kDimensionCount; ++d) {
        usual_.push_back(kDimensions[d].usual ? TermId(QLatin1Char('t') + QLatin1String(kDimensions[d].usual)) : -1);
        if (usual_.back() >= 0) dimension_[usual_.back()] = d;
    }
    for (qsizetype i = 0; i < candidates_.size(); ++i) {
        const SuggestCandidate& c = candidates_[i];
        auto reading = std::find_if(readings_.begin(), readings_.end(), [&c](const Reading& r) { return r.kind == c.kind; });
        if (reading == readings_.end()) {
            readings_.push_back({c.kind, {}, {}, {}, {}, 0});
            reading = readings_.end() - 1;
        }
        ItemTerms terms = AnalyseText(c.itemName, c.kind);
        if (!c.genericName.isEmpty()) {
            // Beside a generic name, the other words of the item name are a brand, a maker or packing.
            const ItemTerms generic = AnalyseText(c.genericName, c.kind);
            for (const QString& w : terms.words)
                if (!generic.words.contains(w) && !terms.asides.contains(w)) terms.asides.append(w);
            for (const QString& w : generic.words) terms.asides.removeOne(w);
            AppendNew(terms.words, generic.words);
            AppendNew(terms.strengths, generic.strengths);
            AppendNew(terms.packs, generic.packs);
            AppendNew(terms.forms, generic.forms);
            AppendNew(terms.qualifiers, generic.qualifiers);
            AppendNew(terms.attributes, generic.attributes);
        }
        Add(int(i), terms, *reading);
    }
    for (Reading& r : readings_) {
        r.vocabulary.Finish();
        r.idf.resize(r.vocabulary.size());
        for (int t = 0; t < int(r.idf.size()); ++t) {
            const bool salt = r.kind == ItemKind::Medicine && medicine::IsSaltOrEster(r.vocabulary.word(t));
            r.idf[t] = float(Idf(r.postings[t].size(), r.items) * (salt ? kSaltWeight : 1.0));
        }
    }
    // Per word, up to kModifierSpread different products it occurs with, a product known by the rarest
    // word of its item that stands in the name itself.
    std::vector<std::vector<std::array<int, kModifierSpread>>> anchors(readings_.size());
    for (size_t r = 0; r < readings_.size(); ++r) {
        anchors[r].assign(readings_[r].vocabulary.size(), {-1, -1, -1});
        readings_[r].spread.assign(readings_[r].vocabulary.size(), 0);
    }
    for (size_t i = 0; i < items_.size(); ++i) {
        Item& item = items_[i];
        const ItemKind kind = candidates_[qsizetype(i)].kind;
        const size_t ri = size_t(std::find_if(readings_.begin(), readings_.end(), [kind](const Reading& x) { return x.kind == kind; }) -
                                 readings_.begin());
        Reading& r = readings_[ri];
        const int* w = Begin(item, Words);
        int anchor = -1;
        for (int k = 0; k < item.count[Words]; ++k) {
            const double weight = w[k] >= 0 ? r.idf[w[k]] : r.idf[~w[k]] * kAsideWeight;
            item.mass += float(weight * weight);
            if (w[k] >= 0 && (anchor < 0 || r.idf[w[k]] > r.idf[anchor])) anchor = w[k];
        }
        for (int k = 0; k < item.count[Words] && anchor >= 0; ++k) {
            const int id = w[k] >= 0 ? w[k] : ~w[k];
            std::array<int, kModifierSpread>& seen = anchors[ri][id];
            if (r.spread[id] >= kModifierSpread || std::find(seen.begin(), seen.end(), anchor) != seen.end()) continue;
            seen[r.spread[id]++] = anchor;
        }
    }
}

int SuggestIndex::TermId(const QString& key) {
    const auto it = termIds_.constFind(key);
    if (it != termIds_.constEnd()) return *it;
    const int id = int(termIds_.size());
    termIds_.insert(key, id);
    family_.push_back(-1);
    dimension_.push_back(-1);
    concentration_.push_back(key.startsWith(QLatin1Char('a')) && IsConcentration(key));
    return id;
}

void SuggestIndex::Add(int index, const ItemTerms& terms, Reading& reading) {
    Item& item = items_[index];
    item.begin = quint32(terms_.size());
    ++reading.items;
    for (const QString& w : terms.words) {
        const int id = reading.vocabulary.Add(w);
        if (size_t(id) >= reading.postings.size()) reading.postings.resize(id + 1);
        reading.postings[id].push_back(index);
        terms_.push_back(terms.asides.contains(w) ? ~id : id);  // an aside kept as its complement
    }
    const auto add = [this](const QStringList& list, QLatin1Char prefix) {
        for (const QString& s : list) terms_.push_back(TermId(prefix + s));
        return quint16(list.size());
    };
    item.count[Words] = quint16(terms.words.size());
    item.count[Amounts] = add(terms.strengths, QLatin1Char('a'));
    item.count[Packs] = add(terms.packs, QLatin1Char('p'));
    item.count[Forms] = add(terms.forms, QLatin1Char('f'));
    for (const QString& f : terms.forms) {
        const int family = TermId(QLatin1Char('~') + FormFamily(f));
        family_[TermId(QLatin1Char('f') + f)] = family;
    }
    item.count[Qualifiers] = add(terms.qualifiers, QLatin1Char('q'));
    item.count[Attributes] = add(terms.attributes, QLatin1Char('t'));
    for (const QString& a : terms.attributes) dimension_[TermId(QLatin1Char('t') + a)] = DimensionOf(a);
}

const int* SuggestIndex::Begin(const Item& item, Part part) const {
    quint32 at = item.begin;
    for (int p = 0; p < part; ++p) at += item.count[p];
    return terms_.data() + at;
}

// The BM25 form of inverse document frequency: never negative, highest for words only one item has.
double SuggestIndex::Idf(size_t holders, size_t items) {
    const double n = double(items), df = double(holders);
    return std::log(1.0 + (n - df + 0.5) / (df + 0.5));
}

// Pivoted normalisation: the query's own norm stands in for part of the item's, so an exact match scores 1
// and extra item words cost less than under a plain cosine. Never above 1, as `matched` never exceeds the
// query's own mass.
double SuggestIndex::TextScore(double matched, double queryMass, double itemMass) {
    if (itemMass <= 0 || matched <= 0) return 0;
    const double q = std::sqrt(queryMass);
    return matched / (q * std::max(q, (1 - kPivot) * q + kPivot * std::sqrt(itemMass)));
}

// The scales were chosen on the calibration part of the evaluation set (README, "Suggestions").
double SuggestIndex::Confidence(double nameMatch, double disagreement, int unread, double margin) {
    if (unread > 0) return 0;
    const double clear = std::clamp(margin / 0.1, 0.0, 1.0);
    const double agrees = std::clamp(1.0 - disagreement / 0.05, 0.0, 1.0);
    const double named = std::clamp((nameMatch - 0.7) / 0.3, 0.0, 1.0);
    return clear * agrees * named;
}

SuggestIndex::QueryTerms SuggestIndex::Read(const ItemTerms& terms) const {
    QueryTerms q;
    const auto ids = [this](const QStringList& list, QLatin1Char prefix, std::vector<int>& out) {
        for (const QString& s : list) out.push_back(termIds_.value(prefix + s, -1));
    };
    ids(terms.strengths, QLatin1Char('a'), q.part[Amounts]);
    for (const QString& s : terms.strengths)
        if (IsConcentration(s)) q.concentrations.push_back(termIds_.value(QLatin1Char('a') + s, -1));
    ids(terms.packs, QLatin1Char('p'), q.part[Packs]);
    ids(terms.forms, QLatin1Char('f'), q.part[Forms]);
    for (const QString& f : terms.forms) q.families.push_back(termIds_.value(QLatin1Char('~') + FormFamily(f), -1));
    ids(terms.qualifiers, QLatin1Char('q'), q.part[Qualifiers]);
    ids(terms.attributes, QLatin1Char('t'), q.part[Attributes]);
    for (const QString& a : terms.attributes) q.dimensions.push_back(DimensionOf(a));
    return q;
}

// The agreements of an item's terms with the query's.
SuggestIndex::Agreement SuggestIndex::Features(const Item& item, const QueryTerms& q) const {
    Agreement r;
    // `gain` adds to the score; `against` is what a disagreement (not a silence) cost.
    const auto add = [&r](double gain, double against, quint64 code, int bits) {
        r.score += gain;
        r.against += against;
        r.outcome = r.outcome << bits | code;
    };

    // Two concentrations say the strength whatever volume each was written per ("120 mg/5 mL" and
    // "24 mg/mL"); the amount per volume as written only meets an amount written alone.
    const int* itemAmounts = Begin(item, Amounts);
    int nAmounts = item.count[Amounts];
    int itemConcentrations = 0;
    for (int k = 0; k < nAmounts; ++k) itemConcentrations += concentration_[itemAmounts[k]];
    const bool byConcentration = !q.concentrations.empty() && itemConcentrations > 0;
    const auto& amounts = byConcentration ? q.concentrations : q.part[Amounts];
    thread_local std::vector<int> concentrations;
    if (byConcentration) {
        concentrations.clear();
        for (int k = 0; k < nAmounts; ++k)
            if (concentration_[itemAmounts[k]]) concentrations.push_back(itemAmounts[k]);
        itemAmounts = concentrations.data();
        nAmounts = itemConcentrations;
    }
    if (!amounts.empty() && nAmounts > 0) {
        const int same = Overlap(amounts, itemAmounts, nAmounts);
        const double dice = 2.0 * same / double(amounts.size() + nAmounts);
        if (same == 0) add(-kAmountConflict, kAmountConflict + kAmountWeight, 1, 4);
        else add(kAmountWeight * dice, kAmountWeight * (1 - dice), 1 + quint64(std::lround(dice * 8)), 4);
    } else {
        add(0, 0, 0, 4);
    }

    const auto& packs = q.part[Packs];
    if (!packs.empty() && item.count[Packs] > 0) {
        if (Overlap(packs, Begin(item, Packs), item.count[Packs]) > 0) add(kPackWeight, 0, 2, 2);
        else add(-kPackConflict, kPackConflict + kPackWeight, 1, 2);
    } else {
        // A pack size the item does not state is no disagreement, but leaves the item in doubt: another
        // pack of the same product may be the one meant.
        if (packs.empty()) add(0, 0, 0, 2);
        else add(-kPackMissing, kPackMissing + kPackWeight, 3, 2);
    }

    const auto& forms = q.part[Forms];
    const int nForms = item.count[Forms];
    if (!forms.empty() && nForms > 0) {
        const int* f = Begin(item, Forms);
        const bool same = Overlap(forms, f, nForms) > 0;
        bool family = false;
        for (int k = 0; k < nForms && !same && !family; ++k)
            family = std::find(q.families.begin(), q.families.end(), family_[f[k]]) != q.families.end();
        if (same) add(kFormWeight, 0, 3, 2);
        else if (family) add(kFamilyWeight, kFormWeight - kFamilyWeight, 2, 2);
        else add(-kFormConflict, kFormConflict + kFormWeight, 1, 2);
    } else {
        r.formSilent = !forms.empty();
        add(0, 0, 0, 2);
    }

    const auto& qualifiers = q.part[Qualifiers];
    const int nQualifiers = item.count[Qualifiers];
    if (qualifiers.empty() != (nQualifiers == 0)) {
        add(-kQualifierMissing, kQualifierMissing + (qualifiers.empty() ? 0 : kQualifierWeight), 1, 3);
    } else if (!qualifiers.empty()) {
        const int same = Overlap(qualifiers, Begin(item, Qualifiers), nQualifiers);
        const bool all = same == int(qualifiers.size()) && same == nQualifiers;
        if (same == 0) add(-kQualifierConflict, kQualifierConflict + kQualifierWeight, 2, 3);
        else if (all) add(kQualifierWeight, 0, 3, 3);
        else add(0, kQualifierWeight, 4, 3);
    } else {
        add(0, 0, 0, 3);
    }

    const int nAttributes = item.count[Attributes];
    if (q.part[Attributes].empty() && nAttributes == 0) return r;
    const int* a = Begin(item, Attributes);
    for (int d = 0; d < kDimensionCount; ++d) {
        int inQuery = 0, inItem = 0, same = 0;
        bool onlyUsual = true;  // every value on the side that names this dimension is its usual one
        for (size_t k = 0; k < q.dimensions.size(); ++k) {
            if (q.dimensions[k] != d) continue;
            ++inQuery;
            const int id = q.part[Attributes][k];
            onlyUsual = onlyUsual && id == usual_[d];
            if (id >= 0 && std::find(a, a + nAttributes, id) != a + nAttributes) ++same;
        }
        for (int k = 0; k < nAttributes; ++k) {
            if (dimension_[a[k]] != d) continue;
            ++inItem;
            if (inQuery == 0) onlyUsual = onlyUsual && a[k] == usual_[d];
        }
        const Dimension& dim = kDimensions[d];
        if (inQuery == 0 && inItem == 0) {
            add(0, 0, 0, 3);
        } else if (dim.usual && (inQuery == 0 || inItem == 0)) {
            // The silent side has the usual value: the other agrees when it has only that one.
            if (onlyUsual) add(dim.same, 0, 3, 3);
            else add(-dim.differ, dim.differ + dim.same, 2, 3);
        } else if (inQuery == 0 || inItem == 0) {
            const double lost = dim.yesOrNo ? dim.differ : kAttributeMissing;
            add(-lost, inItem > 0 || dim.yesOrNo ? lost : 0, 1, 3);
        } else if (same == 0) {
            add(-dim.differ, dim.differ + dim.same, 2, 3);
        } else {
            const double dice = 2.0 * same / double(inQuery + inItem);
            // Part of a set of views or fractions is another exam as surely as a different one.
            add(dim.same * dice - (1 - dice) * dim.differ / 2, dice == 1 ? 0 : dim.same + dim.differ / 2,
                dice == 1 ? 3 : 4, 3);
        }
    }
    return r;
}

void SuggestIndex::Rank(int r, const QString& description, std::vector<Scored>& out, std::vector<int>& met) const {
    const Reading& reading = readings_[r];
    const ItemTerms query = AnalyseText(description, reading.kind);
    if (query.words.isEmpty() || reading.items == 0) return;

    // Matched weight per item; a query word counts once per item, at its closest match (the matches come
    // closest first, so the first one seen for a word is kept). The tallies are kept per thread and cleared
    // item by item after use: clearing a million items afresh for every query would cost more than the query.
    thread_local std::vector<float> matched;
    thread_local std::vector<int> lastWord;
    thread_local std::vector<quint64> words;
    thread_local std::vector<int> touched;
    const size_t n = items_.size();
    if (matched.size() < n) {
        matched.assign(n, 0.0f);
        lastWord.assign(n, -1);
        words.assign(n, 0);
    }
    touched.clear();
    const auto clear = qScopeGuard([&] {
        for (const int i : touched) {
            matched[i] = 0.0f;
            lastWord[i] = -1;
            words[i] = 0;
        }
        touched.clear();
    });
    struct Word {
        QList<TermMatcher::Match> matches;
        bool known;
        double weight;
        bool significant = false;
    };
    std::vector<Word> ws;
    double queryMass = 0;
    const bool medicine = reading.kind == ItemKind::Medicine;
    for (const QString& word : query.words) {
        const QList<TermMatcher::Match> matches = reading.vocabulary.Matches(word);
        const int exact = reading.vocabulary.Find(word);
        const bool salt = medicine && medicine::IsSaltOrEster(word);
        const double aside = query.asides.contains(word) ? kAsideWeight : 1.0;
        const double weight = aside * (exact >= 0          ? reading.idf[exact]
                                       : !matches.isEmpty() ? reading.idf[matches[0].term]
                                                            : Idf(0, reading.items) * (salt ? kSaltWeight : 1.0));
        queryMass += weight * weight;
        ws.push_back({matches, exact >= 0, weight, !salt});
    }
    for (int q = 0; q < int(ws.size()); ++q) {
        const Word& w = ws[q];
        // Whether an item matches a salt or a minor word does not make it another product.
        const quint64 bit = w.significant && w.weight * w.weight >= kSignificantShare * queryMass ? quint64(1) << (q % 64) : 0;
        for (const TermMatcher::Match& m : w.matches) {
            met.push_back(m.term);
            const double closeness = w.known && m.loose ? m.closeness * kNeighbourOfKnownWord : m.closeness;
            // A misspelt word that only a few items hold weighs more than the word meant: it may stand in
            // for that word, never outweigh it.
            const float gain = float(w.weight * std::min<double>(w.weight, reading.idf[m.term]) * closeness);
            for (const int i : reading.postings[m.term]) {
                if (lastWord[i] == q) continue;
                if (lastWord[i] == -1) touched.push_back(i);
                lastWord[i] = q;
                matched[i] += gain;
                words[i] |= bit;
            }
        }
    }
    const QueryTerms q = Read(query);
    double ideal = 1;
    if (!q.part[Amounts].empty()) ideal += kAmountWeight;
    if (!q.part[Packs].empty()) ideal += kPackWeight;
    if (!q.part[Forms].empty()) ideal += kFormWeight;
    if (!q.part[Qualifiers].empty()) ideal += kQualifierWeight;
    for (int d = 0; d < kDimensionCount; ++d)
        if (std::find(q.dimensions.begin(), q.dimensions.end(), d) != q.dimensions.end()) ideal += kDimensions[d].same;
    out.reserve(out.size() + touched.size());
    for (const int i : touched) {
        const double text = TextScore(matched[i], queryMass, items_[i].mass);
        const Agreement agreement = Features(items_[i], q);
        out.push_back({i, text + agreement.score, text, agreement.against, ideal, r, words[i], agreement.outcome,
                       agreement.formSilent});
    }
    std::sort(met.begin(), met.end());
}

// The item's words that the reading could not place and that no word of the description met, but that
// many different products carry: unread qualifiers or forms ("retard", "OD"), unlike a brand. When the
// item names no form and the description does, one of them is taken for the form.
int SuggestIndex::Unread(int index, const Reading& r, const std::vector<int>& met, bool formSilent) const {
    const Item& item = items_[index];
    const int* w = Begin(item, Words);
    // Words in brackets are the maker or a note.
    const QStringList asides = AnalyseText(candidates_[index].itemName, r.kind).asides;
    int unread = 0;
    for (int k = 0; k < item.count[Words]; ++k) {
        const int id = w[k] >= 0 ? w[k] : ~w[k];
        if (r.spread[id] < kModifierSpread || std::binary_search(met.begin(), met.end(), id)) continue;
        const QString& word = r.vocabulary.word(id);
        if (word[0].isDigit() || asides.contains(word)) continue;
        if (r.kind == ItemKind::Medicine && medicine::IsSaltOrEster(word)) continue;
        ++unread;
    }
    return std::max(0, unread - (formSilent ? 1 : 0));
}

bool SuggestIndex::Before(const Suggestion& a, const Suggestion& b) const {
    if (a.score != b.score) return a.score > b.score;
    const SuggestCandidate& x = candidates_[a.candidate];
    const SuggestCandidate& y = candidates_[b.candidate];
    if (const int c = x.itemName.compare(y.itemName, Qt::CaseInsensitive)) return c < 0;
    if (const int c = x.itemId.compare(y.itemId)) return c < 0;
    return a.candidate < b.candidate;
}

QList<Suggestion> SuggestIndex::Suggest(const QString& description, int limit) const {
    if (limit <= 0 || items_.empty()) return {};
    std::vector<Scored> scored;
    std::vector<std::vector<int>> met(readings_.size());
    for (int r = 0; r < int(readings_.size()); ++r) Rank(r, description, scored, met[r]);
    if (scored.empty()) return {};

    QList<Suggestion> out;
    out.reserve(qsizetype(scored.size()));
    for (const Scored& s : scored) out.append({s.item, s.score});
    const qsizetype keep = std::min<qsizetype>(limit, out.size());
    const auto before = [this](const Suggestion& a, const Suggestion& b) { return Before(a, b); };
    std::partial_sort(out.begin(), out.begin() + keep, out.end(), before);

    // The runner-up: the best item that differs from the first in what the description asks for.
    const auto first = std::find_if(scored.begin(), scored.end(), [&](const Scored& s) { return s.item == out[0].candidate; });
    double runnerUp = 0;
    bool found = false;
    for (const Scored& s : scored) {
        if (s.words == first->words && s.outcome == first->outcome) continue;
        if (!found || s.score > runnerUp) runnerUp = s.score;
        found = true;
    }
    out.resize(keep);
    Suggestion& best = out[0];
    best.nameMatch = first->text;
    best.disagreement = first->against;
    best.unread = Unread(first->item, readings_[first->reading], met[first->reading], first->formSilent);
    best.margin = best.score - (found ? std::max(0.0, runnerUp) : 0.0);
    best.confidence = Confidence(best.nameMatch, best.disagreement, best.unread, best.margin);
    best.confident = best.confidence >= kConfidentAt;
    return out;
}

}  // namespace esoa::assist
