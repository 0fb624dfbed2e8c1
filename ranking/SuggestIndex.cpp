#include "ranking/SuggestIndex.h"

#include <QScopeGuard>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <deque>
#include <exception>
#include <future>
#include <memory>
#include <mutex>

#include "ranking/BlockReading.h"
#include "ranking/FirstOfHash.h"
#include "ranking/MedicineVocabulary.h"
#include "ranking/ProcedureVocabulary.h"

namespace esoa::assist {
namespace {

// A query word that is itself a known word is more likely meant than a loose neighbour of it.
constexpr double kNeighbourOfKnownWord = 0.8;
// Share of the item's own length in the length normalisation (0: only the query's, 1: plain cosine).
constexpr double kPivot = 0.5;
// A salt or ester beside a drug's name: hospital masters often leave it out, so it weighs little more
// than a pack size.
constexpr double kSaltWeight = 0.15;
// Share of the description's weight below which a word does not tell two items apart for the confidence.
constexpr double kSignificantShare = 0.05;
// Different products (by their rarest word) a word must occur with to be read as a qualifier or form.
constexpr int kModifierSpread = 3;
// What an item that may state a qualifier in an unread word regains of the qualifier it lacks: all of
// it, so that such an item stands between one that states the qualifier and one that surely lacks it.
constexpr double kQualifierMaybe = 0.08;
// An aside (a word only in brackets, or a brand beside the generic name) in the length of a text.
constexpr double kAsideWeight = 0.3;
// Names are short; a pathological one keeps its first terms of each part.
constexpr qsizetype kMaxTerms = 1000;

// The words that name a drug in the medicines' generic names, salts and esters apart.
QSet<QString> DrugWords(const QStringList& genericNames) {
    QSet<QString> words;
    for (const QString& g : QSet<QString>(genericNames.begin(), genericNames.end()))
        for (const QString& w : AnalyseItemText(g).words)
            if (!medicine::IsSaltOrEster(w)) words.insert(w);
    return words;
}

}  // namespace

// A candidate as ranked: its score and what tells it from the others for the confidence (the query words
// it matches and how each of its terms agreed).
struct SuggestIndex::Scored {
    int item;
    double score;
    double text;                // the name match, from 0 to 1
    double matched, queryMass;  // what the name match was made of
    double against;             // what disagreements with the description cost (silences cost nothing here)
    int reading;
    quint64 words;
    quint64 outcome;
    bool formSilent;
};

SuggestIndex::SuggestIndex(QList<SuggestCandidate> candidates)
    : SuggestIndex(
          [&candidates](const std::function<void(SuggestCandidate)>& add) {
              for (SuggestCandidate& c : candidates) add(std::move(c));
              candidates.clear();
          },
          FeedTag{}) {}

SuggestIndex::SuggestIndex(const Feed& feed, FeedTag) {
    for (const QString& usual : UsualAttributes())
        usual_.push_back(usual.isEmpty() ? -1 : TermId(Attributes, usual));
    // Items are read a block at a time on every core, then added in order, so that the vocabulary and its
    // ids do not depend on the number of cores or on which thread read what.
    struct Block {
        QList<SuggestCandidate> candidates;
        std::vector<int> same;  // per candidate: the earlier item it reads like, or -1 (found when kept)
    };
    Block block;
    // An inventory stocks one product under many item ids: an item with the name, generic name, kind and
    // source of an earlier one reads like it, so its terms are taken from it rather than read again.
    // The earlier one is found by a hash of those, and made sure of.
    FirstOfHash firstOf;
    const auto readsLike = [this](int earlier, const SuggestCandidate& c) {
        return candidates_.ItemName(earlier) == c.itemName && candidates_.Kind(earlier) == c.kind &&
               candidates_.Source(earlier) == c.source && candidates_.GenericName(earlier) == c.genericName;
    };
    std::vector<quint8> readingOf;  // per item: the reading of its kind
    const auto add = [&](const std::vector<ItemTerms>& terms, const Block& b) {
        for (qsizetype k = 0; k < b.candidates.size(); ++k) {
            const ItemKind kind = b.candidates[k].kind;
            auto r = std::find_if(readings_.begin(), readings_.end(),
                                  [kind](const Reading& x) { return x.kind == kind; });
            if (r == readings_.end()) {
                readings_.push_back({kind, {}, {}, {}, {}, {}, {}, 0});
                r = readings_.end() - 1;
            }
            items_.emplace_back();
            readingOf.push_back(quint8(r - readings_.begin()));
            const int index = int(items_.size() - 1);
            if (b.same[size_t(k)] < 0)
                Add(index, terms[size_t(k)], *r);
            else
                AddSame(index, b.same[size_t(k)], *r);
        }
    };
    // A block goes through three steps: kept in order, each repeat found and made sure of against the item
    // it repeats (after the block before it was kept); read, a chunk at a time by any thread free; added
    // (after the block before it was added). So one block is added while the next is read and a third is
    // fed. The feeding thread, rather than wait for a block, helps with the reading under way.
    std::mutex helping;
    std::shared_ptr<BlockReading> underWay;
    const auto waitFor = [&](const std::shared_future<void>& step) {
        while (step.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            std::shared_ptr<BlockReading> reading;
            {
                const std::lock_guard lock(helping);
                reading = underWay;
            }
            if (!reading || !reading->Help()) step.wait_for(std::chrono::milliseconds(1));
        }
        step.get();
    };
    std::deque<std::shared_future<void>> inFlight;  // oldest first; destroyed (joined) before what they use
    std::shared_future<void> lastKept, lastDone;
    const auto next = [&] {
        for (; inFlight.size() >= 2; inFlight.pop_front()) waitFor(inFlight.front());
        auto b = std::make_shared<Block>(std::move(block));
        block = Block{};
        auto kept = std::make_shared<std::promise<void>>();
        std::shared_future<void> keptBefore = lastKept, doneBefore = lastDone;
        lastKept = kept->get_future().share();
        lastDone =
            std::async(std::launch::async, [&, b, kept, keptBefore, doneBefore]() mutable {
                try {
                    if (keptBefore.valid()) keptBefore.get();
                    std::vector<size_t> hashes;
                    hashes.reserve(size_t(b->candidates.size()));
                    for (const SuggestCandidate& c : std::as_const(b->candidates))
                        hashes.push_back(qHashMulti(0, int(c.kind), c.source, c.itemName, c.genericName));
                    firstOf.FindOrInsert(hashes, int(candidates_.size()), b->same);
                    for (qsizetype k = 0; k < b->candidates.size(); ++k) {
                        int& same = b->same[size_t(k)];
                        if (same >= 0 && !readsLike(same, b->candidates[k])) same = -1;
                        candidates_.Append(b->candidates[k]);
                    }
                } catch (...) {
                    kept->set_exception(std::current_exception());
                    throw;
                }
                kept->set_value();
                auto job = std::make_shared<BlockReading>(b->candidates, b->same);
                {
                    const std::lock_guard lock(helping);
                    underWay = job;
                }
                const auto gone = qScopeGuard([&] {
                    const std::lock_guard lock(helping);
                    if (underWay == job) underWay.reset();
                });
                const std::vector<ItemTerms> terms = job->Read();
                if (doneBefore.valid()) doneBefore.get();
                add(terms, *b);
                // A finished step keeps neither its block nor the steps before it.
                b.reset();
                keptBefore = doneBefore = {};
            }).share();
        inFlight.push_back(lastDone);
    };
    feed([&](SuggestCandidate c) {
        block.candidates.append(std::move(c));
        if (block.candidates.size() == kReadBlock) next();
    });
    next();
    for (; !inFlight.empty(); inFlight.pop_front()) waitFor(inFlight.front());
    firstOf = FirstOfHash();  // its room is wanted for what comes
    TakeGenericsFromBrackets();
    Post(readingOf);
    // The vocabularies' lookups are built beside the weights and spreads, which only read their words.
    std::vector<std::future<void>> finishing;
    const auto finished = qScopeGuard([&] {
        for (std::future<void>& f : finishing)
            if (f.valid()) f.wait();
    });
    for (Reading& r : readings_)
        finishing.push_back(std::async(std::launch::async, [&r] { r.vocabulary.Finish(); }));
    for (Reading& r : readings_) {
        r.idf.resize(r.vocabulary.size());
        r.known.assign(r.vocabulary.size(), 0);
        if (r.kind == ItemKind::Procedure)
            for (int t = 0; t < int(r.known.size()); ++t)
                r.known[t] = procedure::IsKnownTerm(r.vocabulary.word(t));
        for (int t = 0; t < int(r.idf.size()); ++t) {
            const bool salt = r.kind == ItemKind::Medicine && medicine::IsSaltOrEster(r.vocabulary.word(t));
            r.idf[t] = float(Idf(r.Holders(t), r.items) * (salt ? kSaltWeight : 1.0));
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
        const size_t ri = readingOf[i];
        Reading& r = readings_[ri];
        const int* w = Begin(item, Words);
        int anchor = -1;
        for (int k = 0; k < item.count[Words]; ++k) {
            // In an exam name, a word no other row has and no reading knows is most likely a typing error
            // or a remark: it counts as little as an aside.
            const double weight = WordWeight(w[k], r, true);
            item.mass += float(weight * weight);
            if (w[k] >= 0 && (anchor < 0 || r.idf[w[k]] > r.idf[anchor])) anchor = w[k];
        }
        for (int k = 0; k < item.count[Words] && anchor >= 0; ++k) {
            const int id = w[k] >= 0 ? w[k] : ~w[k];
            std::array<int, kModifierSpread>& seen = anchors[ri][id];
            if (r.spread[id] >= kModifierSpread || std::find(seen.begin(), seen.end(), anchor) != seen.end())
                continue;
            seen[r.spread[id]++] = anchor;
        }
    }
    for (std::future<void>& f : finishing) f.get();
}

void SuggestIndex::Post(const std::vector<quint8>& readingOf) {
    // Counted, then placed: each word's items in their order.
    for (Reading& r : readings_) r.postingStart.assign(size_t(r.vocabulary.size()) + 1, 0);
    const auto words = [this](size_t i, const auto& each) {
        const int* w = Begin(items_[i], Words);
        for (int k = 0; k < items_[i].count[Words]; ++k) each(w[k] >= 0 ? w[k] : ~w[k]);
    };
    for (size_t i = 0; i < items_.size(); ++i)
        words(i, [&](int id) { ++readings_[size_t(readingOf[i])].postingStart[size_t(id) + 1]; });
    std::vector<std::vector<quint32>> next(readings_.size());
    for (size_t r = 0; r < readings_.size(); ++r) {
        std::vector<quint32>& start = readings_[r].postingStart;
        for (size_t t = 1; t < start.size(); ++t) start[t] += start[t - 1];
        readings_[r].posted.resize(start.back());
        next[r].assign(start.begin(), start.end() - 1);
    }
    for (size_t i = 0; i < items_.size(); ++i) {
        Reading& r = readings_[size_t(readingOf[i])];
        std::vector<quint32>& at = next[size_t(readingOf[i])];
        words(i, [&](int id) { r.posted[at[size_t(id)]++] = int(i); });
    }
}

void SuggestIndex::TakeGenericsFromBrackets() {
    const QSet<QString> drugWords = DrugWords(candidates_.GenericNames(ItemKind::Medicine));
    if (drugWords.isEmpty()) return;
    const auto medicines = std::find_if(readings_.begin(), readings_.end(),
                                        [](const Reading& r) { return r.kind == ItemKind::Medicine; });
    for (size_t i = 0; i < items_.size(); ++i) {
        if (candidates_.Kind(qsizetype(i)) != ItemKind::Medicine ||
            !candidates_.GenericName(qsizetype(i)).isEmpty())
            continue;
        Item& item = items_[i];
        int* w = terms_.data() + item.begin;
        const bool generic = std::any_of(w, w + item.count[Words], [&](int term) {
            return term < 0 && drugWords.contains(medicines->vocabulary.word(~term));
        });
        // The words in brackets are the generic name; the others stand aside, as beside a generic name.
        if (generic) std::transform(w, w + item.count[Words], w, [](int term) { return ~term; });
    }
}

double SuggestIndex::WordWeight(int term, const Reading& r, bool discountStray) {
    const int id = term >= 0 ? term : ~term;
    // In an exam name, a word no other row has and no reading knows is most likely a typing error or a
    // remark: for the ranking it counts as little as an aside.
    const bool stray = discountStray && r.kind == ItemKind::Procedure && r.Holders(id) == 1 && !r.known[id];
    return term >= 0 && !stray ? r.idf[id] : r.idf[id] * kAsideWeight;
}

double SuggestIndex::StrictNameMatch(const Scored& s) const {
    const Item& item = items_[s.item];
    const Reading& r = readings_[s.reading];
    const int* w = Begin(item, Words);
    double mass = 0;
    for (int k = 0; k < item.count[Words]; ++k) mass += std::pow(WordWeight(w[k], r, false), 2);
    return TextScore(s.matched, s.queryMass, mass, r.kind);
}

int SuggestIndex::NewTermId() {
    family_.push_back(-1);
    dimension_.push_back(-1);
    concentration_.push_back(false);
    return int(family_.size()) - 1;
}

int SuggestIndex::TermId(Part part, const QString& key) {
    QHash<QString, int>& ids = termIds_[part];
    const auto it = ids.constFind(key);
    if (it != ids.constEnd()) return *it;
    int family = -1;
    if (part == Forms) {
        const QString name = FormFamily(key);
        family = familyIds_.value(name, -1);
        if (family < 0) familyIds_.insert(name, family = NewTermId());
    }
    const int id = NewTermId();
    ids.insert(key, id);
    family_[id] = family;
    if (part == Attributes) dimension_[id] = DimensionOf(key);
    concentration_[id] = part == Amounts && IsConcentration(key);
    return id;
}

void SuggestIndex::Add(int index, const ItemTerms& terms, Reading& reading) {
    Item& item = items_[index];
    item.begin = quint32(terms_.size());
    ++reading.items;
    const QStringList words = terms.words.mid(0, kMaxTerms);
    for (const QString& w : words) {
        const int id = reading.vocabulary.Add(w);
        terms_.push_back(terms.asides.contains(w) ? ~id : id);  // an aside kept as its complement
    }
    const auto add = [this](Part part, const QStringList& list) {
        const qsizetype n = std::min(list.size(), kMaxTerms);
        for (qsizetype k = 0; k < n; ++k) terms_.push_back(TermId(part, list[k]));
        return quint16(n);
    };
    item.count[Words] = quint16(words.size());
    item.count[Amounts] = add(Amounts, terms.strengths);
    item.count[Packs] = add(Packs, terms.packs);
    item.count[Forms] = add(Forms, terms.forms);
    item.count[Qualifiers] = add(Qualifiers, terms.qualifiers);
    item.count[Attributes] = add(Attributes, terms.attributes);
}

void SuggestIndex::AddSame(int index, int same, Reading& reading) {
    const Item earlier = items_[size_t(same)];
    Item& item = items_[size_t(index)];
    item.begin = quint32(terms_.size());
    std::copy(std::begin(earlier.count), std::end(earlier.count), std::begin(item.count));
    ++reading.items;
    qsizetype n = 0;
    for (const quint16 c : earlier.count) n += c;
    for (qsizetype k = 0; k < n; ++k) terms_.push_back(terms_[earlier.begin + size_t(k)]);
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
// query's own mass. A medicine's name shorter than the description counts as long as the description (a
// master's short name says as much); an exam row's counts as it is, so that of two rows that match the
// same words of the description, the one without other words comes first ("Prostate" before "KUB and
// prostate" for a transabdominal prostate ultrasound).
double SuggestIndex::TextScore(double matched, double queryMass, double itemMass, ItemKind kind) {
    if (itemMass <= 0 || matched <= 0) return 0;
    const double q = std::sqrt(queryMass);
    const double length = (1 - kPivot) * q + kPivot * std::sqrt(itemMass);
    if (kind == ItemKind::Procedure) return std::min(1.0, matched / (q * length));
    return matched / (q * std::max(q, length));
}

// The scales were chosen on the calibration part of the evaluation set (README, "Suggestions").
double SuggestIndex::Confidence(double nameMatch, double disagreement, int unread, double margin) {
    if (unread > 0) return 0;
    const double clear = std::clamp(margin / 0.1, 0.0, 1.0);
    const double agrees = std::clamp(1.0 - disagreement / 0.05, 0.0, 1.0);
    const double named = std::clamp((nameMatch - 0.7) / 0.3, 0.0, 1.0);
    return clear * agrees * named;
}

void SuggestIndex::Rank(int r, const QString& description, std::vector<Scored>& out,
                        std::vector<int>& met) const {
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
        QList<TermMatcher::Match> matches = reading.vocabulary.Matches(word);
        const int exact = reading.vocabulary.Find(word);
        // Two exams the reading knows apart ("antihbs", "antihbc") are never a misspelling of one another.
        if (!reading.known.empty() && procedure::IsKnownTerm(word))
            matches.removeIf(
                [&](const TermMatcher::Match& m) { return m.term != exact && reading.known[m.term]; });
        const bool salt = medicine && medicine::IsSaltOrEster(word);
        const double aside = query.asides.contains(word) ? kAsideWeight : 1.0;
        const double weight =
            aside * (exact >= 0           ? reading.idf[exact]
                     : !matches.isEmpty() ? reading.idf[matches[0].term]
                                          : Idf(0, reading.items) * (salt ? kSaltWeight : 1.0));
        queryMass += weight * weight;
        ws.push_back({matches, exact >= 0, weight, !salt});
    }
    for (int q = 0; q < int(ws.size()); ++q) {
        const Word& w = ws[q];
        // Whether an item matches a salt or a minor word does not make it another product.
        const quint64 bit = w.significant && w.weight * w.weight >= kSignificantShare * queryMass
                                ? quint64(1) << (q % 64)
                                : 0;
        for (const TermMatcher::Match& m : w.matches) {
            met.push_back(m.term);
            const double closeness = w.known && m.loose ? m.closeness * kNeighbourOfKnownWord : m.closeness;
            // A misspelt word that only a few items hold weighs more than the word meant: it may stand in
            // for that word, never outweigh it.
            const float gain = float(w.weight * std::min<double>(w.weight, reading.idf[m.term]) * closeness);
            for (const int i : reading.Postings(m.term)) {
                if (lastWord[i] == q) continue;
                if (lastWord[i] == -1) touched.push_back(i);
                lastWord[i] = q;
                matched[i] += gain;
                words[i] |= bit;
            }
        }
    }
    const QueryTerms q = Read(query);
    std::sort(met.begin(), met.end());
    out.reserve(out.size() + touched.size());
    for (const int i : touched) {
        const double text = TextScore(matched[i], queryMass, items_[i].mass, reading.kind);
        Agreement agreement = Features(items_[i], q);
        // A description's qualifier that an item does not state may be one of its words that nothing
        // reads ("prolong"): such an item is more likely meant than one without any.
        if (!q.part[Qualifiers].empty() && items_[i].count[Qualifiers] == 0 && Unplaced(i, reading, met))
            agreement.score += kQualifierMaybe;
        out.push_back({i, text + agreement.score, text, matched[i], queryMass, agreement.against, r, words[i],
                       agreement.outcome, agreement.formSilent});
    }
}

// The item's words that the reading could not place and that no word of the description met, but that
// many different products carry: unread qualifiers or forms ("retard", "OD"), unlike a brand. When the
// item names no form and the description does, one of them is taken for the form.
int SuggestIndex::Unread(int index, const Reading& r, const std::vector<int>& met, bool formSilent) const {
    const Item& item = items_[index];
    const int* w = Begin(item, Words);
    // Words in brackets are the maker or a note.
    const QStringList asides = AnalyseText(candidates_.ItemName(index).toString(), r.kind).asides;
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

bool SuggestIndex::Unplaced(int index, const Reading& r, const std::vector<int>& met) const {
    const Item& item = items_[index];
    const int* w = Begin(item, Words);
    // The first word is the drug's or a brand's name.
    for (int k = 1; k < item.count[Words]; ++k) {
        const int id = w[k] >= 0 ? w[k] : ~w[k];
        if (r.spread[id] < kModifierSpread || std::binary_search(met.begin(), met.end(), id)) continue;
        const QString& word = r.vocabulary.word(id);
        if (std::none_of(word.cbegin(), word.cend(), [](QChar c) { return c.isDigit(); }) &&
            !medicine::IsSaltOrEster(word))
            return true;
    }
    return false;
}

bool SuggestIndex::Before(const Suggestion& a, const Suggestion& b) const {
    if (a.score != b.score) return a.score > b.score;
    const QAnyStringView xName = candidates_.ItemName(a.candidate), yName = candidates_.ItemName(b.candidate);
    if (const int c = QAnyStringView::compare(xName, yName, Qt::CaseInsensitive)) return c < 0;
    if (const int c =
            QAnyStringView::compare(candidates_.ItemId(a.candidate), candidates_.ItemId(b.candidate)))
        return c < 0;
    return a.candidate < b.candidate;
}

void SuggestIndex::Relink(
    const std::function<QString(QAnyStringView itemId, const QString& source)>& codeOf) {
    for (qsizetype i = 0; i < candidates_.size(); ++i)
        candidates_.SetLinkedCode(i, codeOf(candidates_.ItemId(i), candidates_.Source(i)));
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
    const auto first = std::find_if(scored.begin(), scored.end(),
                                    [&](const Scored& s) { return s.item == out[0].candidate; });
    double runnerUp = 0;
    bool found = false;
    // A medicine stocked twice is either stock item. Two exam rows that read alike are still two charges
    // (the exam's in the emergency room and in the heart station): only one of them is meant.
    const bool exams = readings_[first->reading].kind == ItemKind::Procedure;
    for (const Scored& s : scored) {
        if (s.item == first->item) continue;
        if (!exams && s.words == first->words && s.outcome == first->outcome) continue;
        if (!found || s.score > runnerUp) runnerUp = s.score;
        found = true;
    }
    out.resize(keep);
    Suggestion& best = out[0];
    // Whether a word is a typing error is a guess good enough to rank by, not to be sure by.
    best.nameMatch = StrictNameMatch(*first);
    best.disagreement = first->against;
    best.unread = Unread(first->item, readings_[first->reading], met[first->reading], first->formSilent);
    best.margin = best.score - (found ? std::max(0.0, runnerUp) : 0.0);
    best.confidence = Confidence(best.nameMatch, best.disagreement, best.unread, best.margin);
    best.confident = best.confidence >= kConfidentAt;
    return out;
}

}  // namespace esoa::assist
