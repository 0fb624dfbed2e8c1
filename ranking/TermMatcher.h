#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <unordered_map>
#include <vector>

namespace esoa::assist {

// The words of every candidate, each with an id, and the words of that vocabulary that a query word may
// stand for: itself, a word one or two typing errors away (restricted Damerau-Levenshtein distance, found
// through shared character trigrams), or a word cut short at either end ("amoxi" for "amoxicillin").
class TermMatcher {
public:
    struct Match {
        int term;          // id of the vocabulary word
        double closeness;  // 1 for the word itself, less the further off (0.9 to 0.97 for one typing error)
        bool loose;        // two typing errors or cut short: as likely another word as this one
    };

    // The id of the word, added when new.
    int Add(const QString& word);
    // Builds the lookup structures; call once after the last Add.
    void Finish();

    int Find(const QString& word) const { return Find(word, qHash(word, kSeed)); }
    qsizetype size() const { return words_.size(); }
    const QString& word(int id) const { return words_[id]; }

    // The vocabulary words the query word may stand for, closest first, each word once.
    QList<Match> Matches(const QString& word) const;

    // Restricted Damerau-Levenshtein distance, or limit + 1 once it is known to be larger.
    static int Distance(const QString& a, const QString& b, int limit);

private:
    static std::vector<quint64> Trigrams(const QString& word);

    // The id of the word whose hash is `hash`, or -1.
    int Find(const QString& word, size_t hash) const;
    void Place(size_t hash, int id);

    static constexpr size_t kSeed = 0x5eed;

    QList<QString> words_;
    // Ids by the words' hashes: open addressing in one array of hashes and ids, kept at most half full, so
    // that a vocabulary of a million words grows without its texts being hashed or moved again.
    struct Slot {
        size_t hash = 0;
        int id = -1;
    };
    std::vector<Slot> slots_;
    std::vector<int> sorted_;                                 // ids in word order, for prefixes
    std::unordered_map<quint64, std::vector<int>> trigrams_;  // trigram -> ids holding it
};

}  // namespace esoa::assist
