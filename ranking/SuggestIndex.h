#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <span>
#include <vector>

#include "ranking/ItemText.h"
#include "ranking/SuggestCandidate.h"
#include "ranking/TermMatcher.h"

namespace esoa::assist {

struct Suggestion {
    int candidate;  // index into the candidates the index was built from
    double score;   // higher is better; about 1.4 for the same name, strength and form
    // On the first suggestion only (zero and false on the others), the evidence of the confidence:
    // - the name match alone, from 0 to 1 (1: the description's words and, asides apart, no others);
    double nameMatch = 0;
    // - what the item's disagreements with the description cost: a strength, pack, form, qualifier or
    //   attribute it states otherwise or only in part, a qualifier or attribute the description lacks, a
    //   pack size it leaves unstated (0: it agrees with everything it states);
    double disagreement = 0;
    // - its words that many different products carry and that nothing could read or match: maybe a
    //   qualifier or form in a spelling no table knows ("retard");
    int unread = 0;
    // - how far it leads the runner-up (the best item that differs from it in what the description asks
    //   for), or its whole score when there is none;
    double margin = 0;
    // and from these, how sure the ranking is that it is the item meant, from 0 to 1 (Confidence), and
    // whether that is enough to accept it without a look (kConfidentAt).
    double confidence = 0;
    bool confident = false;
};

// Ranks hospital items against a PhilHealth description. Built once over all candidates (no database, no
// widgets); each Suggest call is read-only, so one index serves any number of queries.
//
// Each candidate is read by its kind (ItemText.h): the description is read once per kind the index
// holds, and each candidate is compared with the reading of its own kind; exam rows of several tables
// can be ranked together, their source kept.
//
// The name match is a TF-IDF cosine between the description's words and the item's words (with pivoted
// length normalisation, so that packing or a brand beside the generic costs less than a missing word);
// an item's name and its generic name count as one text (a brand name carries its generic). Words that
// stand aside (in brackets, or in the item name beside a generic name that lacks them: a brand, a maker)
// count less in the length of a text.
// Query words also meet vocabulary words with one or two typing errors or cut short, at a reduced weight
// that never exceeds the word's own. Salts and esters weigh less than a drug's name.
// Medicines: strengths, pack sizes, dosage forms and dose-form qualifiers add to the score when they
// agree and take from it when they differ; a qualifier on one side only (a modified-release tablet for a
// plain one) takes a little, a different one more. Procedures: each attribute (modality, view, specimen,
// contrast, age, side, panel, fraction, method) does the same, a missing attribute costing less than a
// different one. These stay below what a different drug or exam name loses, so they only order one
// drug's or exam's variants.
//
// The confidence of the first suggestion asks for four things: that it states nothing against the
// description, that its name match is good, that it carries no word the reading could not place which
// many products carry (an unread qualifier or form), and that it leads the runner-up: the best item that
// differs from it in what the description asks for (a word of weight it matches, a strength, pack, form,
// qualifier or attribute), so that two stock items of the same product do not make each other doubtful.
//
// Building reads the items' texts a block at a time on all cores; the index is the same whatever their
// number. An item that repeats an earlier one's name, generic name, kind and source is not read again. The
// candidates are kept compactly (CandidateStore) and may be handed over one at a time as they are read, so
// that a whole inventory is never held twice. Throws only what allocation throws (and what the feed throws).
class SuggestIndex {
public:
    // Hands the candidates to `add`, in their order.
    using Feed = std::function<void(const std::function<void(SuggestCandidate)>& add)>;

    // The threshold on Suggestion::confidence for `confident`, chosen on the calibration part of the
    // evaluation set (data/eval, "calibration" groups; build/esoa_suggest_eval --calibrate).
    static constexpr double kConfidentAt = 0.5;

    explicit SuggestIndex(QList<SuggestCandidate> candidates);
    // The same for candidates handed over by `feed` one at a time, as they are read.
    static SuggestIndex Read(const Feed& feed) { return SuggestIndex(feed, FeedTag{}); }

    // The best `limit` candidates, best first; equal scores in the order of item name, then item id.
    // Candidates that share no word with the description are not returned.
    QList<Suggestion> Suggest(const QString& description, int limit = 50) const;

    SuggestCandidate candidate(int index) const { return candidates_.At(index); }
    qsizetype size() const { return candidates_.size(); }
    // Sets the code each candidate's item is linked to now (shown, never ranked): `codeOf` gives it for
    // an item id of a source (SuggestCandidate::source).
    void Relink(const std::function<QString(QAnyStringView itemId, const QString& source)>& codeOf);

    // The confidence of a first suggestion with this evidence (Suggestion), from 0 to 1: 0 with an unread
    // word, else the product of its lead (full at 0.1), its agreement (none at a disagreement of 0.05)
    // and its name match (none at 0.7, full at 1).
    static double Confidence(double nameMatch, double disagreement, int unread, double margin);

private:
    struct FeedTag {};
    SuggestIndex(const Feed& feed, FeedTag);

    // An item's terms live in `terms_` from `begin`: words (an aside as the complement of its id), then
    // amounts, packs, forms, qualifiers and attributes, `count` of each.
    enum Part { Words, Amounts, Packs, Forms, Qualifiers, Attributes, PartCount };
    struct Item {
        quint32 begin = 0;
        quint16 count[PartCount] = {};
        float mass = 0;  // sum of the squared weights of its words
    };
    // Words of the items of one kind: their own vocabulary and weights.
    struct Reading {
        ItemKind kind;
        TermMatcher vocabulary;
        // The items holding each word, word after word: those of vocabulary id t from postingStart[t] to
        // postingStart[t + 1].
        std::vector<quint32> postingStart;
        std::vector<int> posted;
        std::vector<float> idf;
        std::vector<quint8> spread;  // by vocabulary id: different products it occurs with, up to 3
        std::vector<char> known;     // by vocabulary id: a word the procedure reading spells out to
        size_t items = 0;

        size_t Holders(int term) const { return postingStart[size_t(term) + 1] - postingStart[size_t(term)]; }
        std::span<const int> Postings(int term) const {
            return {posted.data() + postingStart[size_t(term)], Holders(term)};
        }
    };
    struct Scored;
    // A description's terms as the ids of this index (-1 for one no item has).
    struct QueryTerms {
        std::vector<int> part[PartCount];  // amounts, packs, forms, qualifiers, attributes
        std::vector<int> concentrations;   // the amounts that are concentrations
        std::vector<int> totals;           // amounts that are the sum of a combination's parts
        std::vector<int> routes;           // with no qualifier asked for: the qualifiers of another route
        std::vector<int> families;
        std::vector<int> dimensions;  // of each attribute
    };

    const int* Begin(const Item& item, Part part) const;
    int NewTermId();
    // The id of a strength, pack, form, qualifier or attribute, added when new.
    int TermId(Part part, const QString& key);
    void Add(int index, const ItemTerms& terms, Reading& reading);
    // Adds an item whose terms are those of the earlier item `same`.
    void AddSame(int index, int same, Reading& reading);
    // Lists, once every item is added, the items holding each word; `readingOf` gives each item's reading.
    void Post(const std::vector<quint8>& readingOf);
    // A medicine without a generic name may name one in brackets after a brand ("BRAND 500 mg tab
    // (amoxicillin)"), known once every generic name is: when a word in brackets is a word of one, the
    // words in brackets are its generic name and the others stand aside (TakeGenericFromBrackets).
    void TakeGenericsFromBrackets();
    // Inverse document frequency of a word that `holders` of `items` hold.
    static double Idf(size_t holders, size_t items);
    static double TextScore(double matched, double queryMass, double itemMass, ItemKind kind);
    // A word's weight in the length of an item's name (`term` as stored: an aside as its complement).
    static double WordWeight(int term, const Reading& reading, bool discountStray);
    // The name match of a scored item with every word of its name at full weight.
    double StrictNameMatch(const Scored& scored) const;
    QueryTerms Read(const ItemTerms& terms) const;
    void Rank(int reading, const QString& description, std::vector<Scored>& out, std::vector<int>& met) const;
    int Unread(int item, const Reading& reading, const std::vector<int>& met, bool formSilent) const;
    // Whether a medicine has a word after its first that many products carry and nothing read or met.
    bool Unplaced(int item, const Reading& reading, const std::vector<int>& met) const;
    struct Agreement {
        double score = 0;
        double against = 0;       // what disagreements (not silences) cost
        quint64 outcome = 0;      // how each part agreed, a few bits each
        bool formSilent = false;  // the description names a form, the item none
    };
    // How the item's terms agree with the description's (SuggestAgreement.cpp).
    Agreement Features(const Item& item, const QueryTerms& q) const;
    // Per attribute dimension, the attribute a silent side is read as, or an empty text.
    static QStringList UsualAttributes();
    static int DimensionOf(const QString& attribute);
    static bool IsConcentration(const QString& strength);
    bool Before(const Suggestion& a, const Suggestion& b) const;

    CandidateStore candidates_;
    std::vector<Item> items_;
    std::vector<int> terms_;         // all items' term ids, item after item
    std::vector<Reading> readings_;  // one per kind present
    // Ids of amounts, packs, forms, qualifiers and attributes (by part; words have their own) and of form
    // families, all from one range.
    QHash<QString, int> termIds_[PartCount];
    QHash<QString, int> familyIds_;
    std::vector<int> family_;          // by form term id: its family's term id
    std::vector<int> dimension_;       // by attribute term id: its dimension (index into the weights)
    std::vector<char> concentration_;  // by term id: an amount that is a concentration
    std::vector<int> usual_;           // by dimension: the term id of its usual value, or -1
};

}  // namespace esoa::assist
