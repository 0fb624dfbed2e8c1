#pragma once

#include <QList>
#include <QString>
#include <vector>

#include "ranking/TermMatcher.h"

namespace esoa::assist {

// A hospital item that may be suggested for a PhilHealth description.
struct SuggestCandidate {
    QString itemId;
    QString itemName;
    QString genericName;  // may be empty
    QString linkedCode;   // the code the item is already linked to, may be empty; shown, not ranked
    QString itemDesc = {};  // inventory items' longer description, may be empty; shown, not ranked
};

struct Suggestion {
    int candidate;  // index into the candidates the index was built from
    double score;   // higher is better; about 1.5 for the same name, strength and form
};

// Ranks hospital items against a PhilHealth description. Built once over all candidates (no database, no
// widgets); each Suggest call is read-only, so one index serves any number of queries.
//
// The name match is a TF-IDF cosine between the description's words and the item's words (with pivoted
// length normalisation, so that packing or a brand beside the generic costs less than a missing word),
// taken against the item name and against the generic name, whichever is better (a brand name carries its
// generic).
// Query words also meet vocabulary words with one or two typing errors or cut short, at a reduced weight.
// Strengths and dosage forms add to the score when they agree and take from it when they differ, so the
// same drug in another strength or form ranks below, but above any other drug.
class SuggestIndex {
public:
    explicit SuggestIndex(QList<SuggestCandidate> candidates);

    // The best `limit` candidates, best first; equal scores in the order of item name, then item id.
    // Candidates that share no word with the description are not returned.
    QList<Suggestion> Suggest(const QString& description, int limit = 50) const;

    const SuggestCandidate& candidate(int index) const { return candidates_[index]; }
    qsizetype size() const { return candidates_.size(); }

private:
    struct Item {
        std::vector<int> name, generic;  // vocabulary ids
        float nameMass = 0, genericMass = 0;
        std::vector<int> amounts, volumes, forms, families;
    };
    struct Posting {
        int item;
        quint8 views;  // bit 0: in the name, bit 1: in the generic name
    };

    // Inverse document frequency of a word that `holders` items hold.
    double Idf(size_t holders) const;
    double TextScore(float matched, double queryMass, float itemMass) const;
    bool Before(const Suggestion& a, const Suggestion& b) const;

    QList<SuggestCandidate> candidates_;
    TermMatcher vocabulary_;
    std::vector<Item> items_;
    std::vector<std::vector<Posting>> postings_;  // by vocabulary id
    std::vector<float> idf_;                      // weight of each vocabulary word
    QHash<QString, int> strengthIds_, formIds_;
};

}  // namespace esoa::assist
