#include "ranking/SuggestIndex.h"

#include <algorithm>
#include <cmath>
#include <QScopeGuard>
#include <QSet>

#include "ranking/ItemText.h"

namespace esoa::assist {
namespace {

// How much agreeing strengths and forms add, and a disagreement takes away. The name match lies in
// [0, 1]; these stay below what a different drug name loses, so they only order one drug's variants.
// The amount of drug (mg, IU, %) counts more than the volumes beside it, which are mostly pack sizes or
// the "per 5 mL" of a liquid.
constexpr double kAmountWeight = 0.25;
constexpr double kAmountConflict = 0.15;
constexpr double kVolumeWeight = 0.08;
constexpr double kVolumeConflict = 0.04;
constexpr double kFormWeight = 0.15;
constexpr double kFormConflict = 0.1;
// A query word that is itself a known word is more likely meant than a loose neighbour of it.
constexpr double kNeighbourOfKnownWord = 0.8;
// Share of the item's own length in the length normalisation (0: only the query's, 1: plain cosine).
constexpr double kPivot = 0.5;

// Salts and esters of a drug: masters and the PhilHealth lists often disagree on them ("Losartan" and
// "Losartan Potassium"), so they weigh less than the drug's own name.
constexpr double kSaltWeight = 0.3;
bool IsSalt(const QString& word) {
    static const QSet<QString> salts = {
        "sodium",  "potassium", "calcium",   "magnesium", "hydrochloride", "hydrobromide", "sulfate",
        "sulphate", "phosphate", "acetate",  "maleate",   "citrate",       "tartrate",     "succinate",
        "fumarate", "besilate",  "besylate", "mesylate",  "mesilate",      "bromide",      "chloride",
        "nitrate",  "lactate",   "gluconate", "disodium", "dihydrate",     "monohydrate",  "trihydrate"};
    return salts.contains(word);
}

bool IsVolume(const QString& strength) { return strength.endsWith(QLatin1String("ml")); }

// Dice overlap of two small id sets, scaled to `weight`; `conflict` taken away when they share nothing; nothing
// when either side is silent.
double Agreement(const std::vector<int>& query, const std::vector<int>& item, double weight, double conflict) {
    if (query.empty() || item.empty()) return 0;
    const auto same = std::count_if(query.begin(), query.end(), [&item](int s) {
        return std::find(item.begin(), item.end(), s) != item.end();
    });
    return same == 0 ? -conflict : weight * 2.0 * double(same) / double(query.size() + item.size());
}

int IdOf(QHash<QString, int>& ids, const QString& key) {
    const auto it = ids.constFind(key);
    return it != ids.constEnd() ? *it : *ids.insert(key, int(ids.size()));
}

bool Shares(const std::vector<int>& a, const std::vector<int>& b) {
    return std::any_of(a.begin(), a.end(), [&b](int x) { return std::find(b.begin(), b.end(), x) != b.end(); });
}

}  // namespace

SuggestIndex::SuggestIndex(QList<SuggestCandidate> candidates) : candidates_(std::move(candidates)) {
    items_.resize(candidates_.size());
    for (qsizetype i = 0; i < candidates_.size(); ++i) {
        const ItemTerms name = AnalyseItemText(candidates_[i].itemName);
        const ItemTerms generic = AnalyseItemText(candidates_[i].genericName);
        Item& item = items_[i];
        for (const QString& w : name.words) item.name.push_back(vocabulary_.Add(w));
        for (const QString& w : generic.words) item.generic.push_back(vocabulary_.Add(w));
        for (const ItemTerms* t : {&name, &generic}) {
            for (const QString& s : t->strengths)
                (IsVolume(s) ? item.volumes : item.amounts).push_back(IdOf(strengthIds_, s));
            for (const QString& f : t->forms) {
                item.forms.push_back(IdOf(formIds_, f));
                item.families.push_back(IdOf(formIds_, QLatin1Char('~') + FormFamily(f)));
            }
        }
        for (std::vector<int>* v : {&item.amounts, &item.volumes, &item.forms, &item.families}) {
            std::sort(v->begin(), v->end());
            v->erase(std::unique(v->begin(), v->end()), v->end());
        }
        if (postings_.size() < size_t(vocabulary_.size())) postings_.resize(vocabulary_.size());
        for (const int w : item.name) postings_[w].push_back({int(i), 1});
        for (const int w : item.generic) {
            std::vector<Posting>& list = postings_[w];
            if (!list.empty() && list.back().item == int(i)) list.back().views |= 2;
            else list.push_back({int(i), 2});
        }
    }
    vocabulary_.Finish();
    idf_.resize(vocabulary_.size());
    for (int t = 0; t < int(idf_.size()); ++t)
        idf_[t] = float(Idf(postings_[t].size()) * (IsSalt(vocabulary_.word(t)) ? kSaltWeight : 1.0));
    for (Item& item : items_) {
        for (const int w : item.name) item.nameMass += idf_[w] * idf_[w];
        for (const int w : item.generic) item.genericMass += idf_[w] * idf_[w];
    }
}

// The BM25 form of inverse document frequency: never negative, highest for words only one item has.
double SuggestIndex::Idf(size_t holders) const {
    const double n = double(items_.size()), df = double(holders);
    return std::log(1.0 + (n - df + 0.5) / (df + 0.5));
}

// Pivoted normalisation: the query's own norm stands in for part of the item's, so an exact match scores 1
// and extra item words cost less than under a plain cosine. Never above 1, as `matched` never exceeds the
// query's own mass.
double SuggestIndex::TextScore(float matched, double queryMass, float itemMass) const {
    if (itemMass <= 0 || matched <= 0) return 0;
    const double q = std::sqrt(queryMass);
    return matched / (q * std::max(q, (1 - kPivot) * q + kPivot * std::sqrt(double(itemMass))));
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
    const ItemTerms query = AnalyseItemText(description);
    if (limit <= 0 || query.words.isEmpty() || items_.empty()) return {};

    // Matched weight per item and view; a query word counts once per view, at its closest match (the
    // matches come closest first, so the first one seen for a word is kept).
    // The per-item tallies are kept per thread and cleared item by item after use: clearing 100,000 items
    // afresh for every query would cost more than the query.
    thread_local std::vector<float> matched;
    thread_local std::vector<int> lastWord;
    thread_local std::vector<int> touched;
    const size_t n = items_.size();
    if (matched.size() < 2 * n) {
        matched.assign(2 * n, 0.0f);
        lastWord.assign(2 * n, -1);
    }
    touched.clear();
    const auto clear = qScopeGuard([&] {
        for (const int i : touched) {
            matched[2 * i] = matched[2 * i + 1] = 0.0f;
            lastWord[2 * i] = lastWord[2 * i + 1] = -1;
        }
        touched.clear();
    });
    double queryMass = 0;
    for (int q = 0; q < int(query.words.size()); ++q) {
        const QString& word = query.words[q];
        const QList<TermMatcher::Match> matches = vocabulary_.Matches(word);
        const int exact = vocabulary_.Find(word);
        const double weight = exact >= 0          ? idf_[exact]
                              : !matches.isEmpty() ? idf_[matches[0].term]
                                                   : Idf(0) * (IsSalt(word) ? kSaltWeight : 1.0);
        queryMass += weight * weight;
        for (const TermMatcher::Match& m : matches) {
            const double closeness = exact >= 0 && m.loose ? m.closeness * kNeighbourOfKnownWord : m.closeness;
            const float gain = float(weight * idf_[m.term] * closeness);
            for (const Posting& p : postings_[m.term]) {
                if (lastWord[2 * p.item] == -1 && lastWord[2 * p.item + 1] == -1) touched.push_back(p.item);
                for (int v = 0; v < 2; ++v) {
                    if (!(p.views & (1 << v)) || lastWord[2 * p.item + v] == q) continue;
                    lastWord[2 * p.item + v] = q;
                    matched[2 * p.item + v] += gain;
                }
            }
        }
    }

    std::vector<int> queryAmounts, queryVolumes, queryForms, queryFamilies;
    for (const QString& s : query.strengths)
        (IsVolume(s) ? queryVolumes : queryAmounts).push_back(strengthIds_.value(s, -1));
    for (const QString& f : query.forms) {
        queryForms.push_back(formIds_.value(f, -1));
        queryFamilies.push_back(formIds_.value(QLatin1Char('~') + FormFamily(f), -1));
    }

    QList<Suggestion> scored;
    scored.reserve(qsizetype(touched.size()));
    for (const int i : touched) {
        const Item& item = items_[i];
        double score = std::max(TextScore(matched[2 * i], queryMass, item.nameMass),
                                TextScore(matched[2 * i + 1], queryMass, item.genericMass));
        score += Agreement(queryAmounts, item.amounts, kAmountWeight, kAmountConflict);
        score += Agreement(queryVolumes, item.volumes, kVolumeWeight, kVolumeConflict);
        if (!queryForms.empty() && !item.forms.empty()) {
            score += Shares(queryForms, item.forms)         ? kFormWeight
                     : Shares(queryFamilies, item.families) ? kFormWeight / 2
                                                            : -kFormConflict;
        }
        scored.append({i, score});
    }
    const qsizetype keep = std::min<qsizetype>(limit, scored.size());
    std::partial_sort(scored.begin(), scored.begin() + keep, scored.end(),
                      [this](const Suggestion& a, const Suggestion& b) { return Before(a, b); });
    scored.resize(keep);
    return scored;
}

}  // namespace esoa::assist
