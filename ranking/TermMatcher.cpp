#include "ranking/TermMatcher.h"

#include <algorithm>
#include <future>

namespace esoa::assist {
namespace {

// Typing errors count only on words long enough for them to be told from another word.
int Allowed(qsizetype length) {
    return length >= 8 ? 2 : length >= 5 ? 1 : 0;
}

bool IsNumber(const QString& w) {
    return !w.isEmpty() && w[0].isDigit();
}

// Shortest part of a word that may stand for the whole.
constexpr qsizetype kMinPrefix = 4;
// A short query part may start very many words ("para"); the closest ones are enough.
constexpr int kMaxPrefixMatches = 16;

}  // namespace

int TermMatcher::Find(const QString& word, size_t hash) const {
    if (slots_.empty()) return -1;
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& s = slots_[i];
        if (s.id < 0) return -1;
        if (s.hash == hash && words_[s.id] == word) return s.id;
    }
}

void TermMatcher::Place(size_t hash, int id) {
    const size_t mask = slots_.size() - 1;
    size_t i = hash & mask;
    while (slots_[i].id >= 0) i = (i + 1) & mask;
    slots_[i] = {hash, id};
}

int TermMatcher::Add(const QString& word) {
    const size_t hash = qHash(word, kSeed);
    const int found = Find(word, hash);
    if (found >= 0) return found;
    const int id = int(words_.size());
    words_.append(word);
    if (size_t(words_.size()) * 2 > slots_.size()) {
        std::vector<Slot> old(std::max<size_t>(64, slots_.size() * 2));
        old.swap(slots_);
        for (const Slot& s : old)
            if (s.id >= 0) Place(s.hash, s.id);
    }
    Place(hash, id);
    return id;
}

std::vector<quint64> TermMatcher::Trigrams(const QString& word) {
    const QString padded = QLatin1Char(' ') + word + QLatin1Char(' ');
    std::vector<quint64> out;
    for (qsizetype i = 0; i + 3 <= padded.size(); ++i)
        out.push_back(quint64(padded[i].unicode()) << 32 | quint64(padded[i + 1].unicode()) << 16 |
                      padded[i + 2].unicode());
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

void TermMatcher::Finish() {
    // The trigrams on a thread of their own, beside the sort.
    auto trigrams = std::async(std::launch::async, [this] {
        trigrams_.clear();
        for (int i = 0; i < int(words_.size()); ++i)
            if (Allowed(words_[i].size()) > 0)
                for (const quint64 t : Trigrams(words_[i])) trigrams_[t].push_back(i);
    });
    // Sorted by their first eight letters, packed in two numbers that compare as the letters do, and by
    // the whole word only where those are the same.
    struct Key {
        quint64 head, next;
        int id;
    };
    const auto pack = [](const QString& w, qsizetype from) {
        quint64 k = 0;
        for (qsizetype i = from; i < from + 4; ++i) k = k << 16 | (i < w.size() ? w[i].unicode() : 0);
        return k;
    };
    std::vector<Key> keys(words_.size());
    for (int i = 0; i < int(words_.size()); ++i)
        keys[size_t(i)] = {pack(words_[i], 0), pack(words_[i], 4), i};
    std::sort(keys.begin(), keys.end(), [this](const Key& a, const Key& b) {
        if (a.head != b.head) return a.head < b.head;
        if (a.next != b.next) return a.next < b.next;
        return words_[a.id] < words_[b.id];
    });
    sorted_.resize(words_.size());
    for (size_t i = 0; i < keys.size(); ++i) sorted_[i] = keys[i].id;
    trigrams.get();
}

int TermMatcher::Distance(const QString& a, const QString& b, int limit) {
    const qsizetype n = a.size(), m = b.size();
    if (std::abs(int(n - m)) > limit) return limit + 1;
    std::vector<int> prev2(m + 1), prev(m + 1), cur(m + 1);
    for (qsizetype j = 0; j <= m; ++j) prev[j] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        cur[0] = int(i);
        int rowMin = cur[0];
        for (qsizetype j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            cur[j] = std::min({prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                cur[j] = std::min(cur[j], prev2[j - 2] + 1);
            rowMin = std::min(rowMin, cur[j]);
        }
        if (rowMin > limit) return limit + 1;
        std::swap(prev2, prev);
        std::swap(prev, cur);
    }
    return std::min(prev[m], limit + 1);
}

QList<TermMatcher::Match> TermMatcher::Matches(const QString& word) const {
    QHash<int, Match> best;
    const auto offer = [&best](int id, double closeness, bool loose) {
        auto it = best.find(id);
        if (it == best.end())
            best.insert(id, {id, closeness, loose});
        else if (it->closeness < closeness)
            *it = {id, closeness, loose};
    };
    const int exact = Find(word);
    if (exact >= 0) offer(exact, 1.0, false);

    if (!IsNumber(word)) {
        // Typing errors: a word within the allowed distance shares all but 4 trigrams per error (3 for a
        // wrong, missing or extra letter, 4 for two letters swapped).
        const int limit = Allowed(word.size());
        if (limit > 0) {
            const std::vector<quint64> grams = Trigrams(word);
            QHash<int, int> shared;
            for (const quint64 g : grams) {
                const auto it = trigrams_.find(g);
                if (it == trigrams_.end()) continue;
                for (const int id : it->second) ++shared[id];
            }
            const int need = int(grams.size()) - 4 * limit;
            for (auto it = shared.cbegin(); it != shared.cend(); ++it) {
                if (it.value() < need || it.key() == exact) continue;
                const QString& other = words_[it.key()];
                // Both words must be long enough for the errors: "dressing" is three away from "nursing".
                const int allowed = std::min(limit, Allowed(other.size()));
                const int d = Distance(word, other, allowed);
                // One typing error in a long word is more surely that word than one in a short word.
                const double length = double(std::max(word.size(), other.size()));
                if (d >= 1 && d <= allowed) offer(it.key(), d == 1 ? 1.0 - 0.5 / length : 0.75, d > 1);
            }
        }
        // Words cut short: the query part starts a vocabulary word, or a vocabulary word starts it.
        if (word.size() >= kMinPrefix) {
            const auto from = std::lower_bound(sorted_.begin(), sorted_.end(), word,
                                               [this](int id, const QString& w) { return words_[id] < w; });
            int taken = 0;
            for (auto it = from; it != sorted_.end() && taken < kMaxPrefixMatches; ++it, ++taken) {
                const QString& longer = words_[*it];
                if (!longer.startsWith(word)) break;
                if (longer.size() > word.size())
                    offer(*it, 0.6 + 0.3 * double(word.size()) / longer.size(), true);
            }
            for (qsizetype len = kMinPrefix; len < word.size(); ++len) {
                const int id = Find(word.left(len));
                if (id >= 0) offer(id, 0.6 + 0.3 * double(len) / word.size(), true);
            }
        }
    }
    QList<Match> out = best.values();
    std::sort(out.begin(), out.end(), [](const Match& a, const Match& b) {
        return a.closeness != b.closeness ? a.closeness > b.closeness : a.term < b.term;
    });
    return out;
}

}  // namespace esoa::assist
