#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "core/ListData.h"
#include "core/suggest/SuggestSource.h"

namespace esoa::assist {

// A hospital item suggested for a code, with its score (SuggestIndex: higher is better).
struct ReviewPick {
    SuggestCandidate item;
    double score = 0;
};

// A code of a list with its best candidate and the runner-up (the second of its ranked list).
struct ReviewRow {
    ReferenceRow code;
    bool linked = false;  // a link of the list already names the code
    std::optional<ReviewPick> best, runnerUp;
    double confidence = 0;  // of the best candidate (SuggestIndex::Confidence), 0 without one
    bool confident = false;
};

// The codes of a list to review, each ranked over the sources of its category (CandidateSources:
// the routed exam table and what lies beyond it), routed by its category exactly as a click on that
// category routes the window's search.
//
// Read() reads everything from the database at once: the codes, and the candidates of each
// distinct set of sources once, however many categories or codes share it. Ranking needs no
// database: the index of a set of sources is built when its first code is ranked, and serves every
// later one, so Rank and Ranked may run on another thread than the one that read, one thread at a
// time. Not copyable.
class ReviewQueue {
public:
    struct Filter {
        std::optional<QString> category;  // nullopt: every category; "-" or empty: codes without one
        bool includeLinked = false;       // false: only the codes no link names yet
    };

    // The codes of `list` in the list's order (by ID) that pass `filter`, with their candidates.
    // A source whose table is missing (of several, also one whose names are not plain names) is
    // left out, named once in notes(); its codes are ranked over the others. Throws DbError.
    static std::unique_ptr<ReviewQueue> Read(Connection& connection, const ReferenceList& list,
                                             const Filter& filter);

    // The categories of the list's codes, each once, in alphabetical order ("" for codes without
    // one). Throws DbError.
    static QStringList Categories(Connection& connection, const ReferenceList& list);

    const ReferenceList& list() const { return list_; }
    qsizetype size() const { return qsizetype(codes_.size()); }
    const ReferenceRow& code(qsizetype i) const { return codes_[size_t(i)].row; }
    // What was left out while reading, one line each ("tbcoXRayExam: ..."); empty when nothing.
    const QStringList& notes() const { return notes_; }

    // Ranks code `i`: its best candidate, the runner-up and the confidence.
    ReviewRow Rank(qsizetype i);
    // Code `i`'s ranked list, best first, at most `limit` (as the Suggest button lists them).
    QList<ReviewPick> Ranked(qsizetype i, int limit);

private:
    struct Code {
        ReferenceRow row;
        bool linked = false;
        int group = 0;
    };
    // Codes whose categories share one set of sources share its candidates and index.
    struct Group {
        QList<CandidateSource> sources;
        QList<SuggestCandidate> candidates;  // until the index is built
        std::unique_ptr<SuggestIndex> index;
    };
    explicit ReviewQueue(ReferenceList list) : list_(std::move(list)) {}
    const SuggestIndex& IndexOf(const Code& code);

    ReferenceList list_;
    std::vector<Code> codes_;
    std::vector<Group> groups_;
    QStringList notes_;
};

}  // namespace esoa::assist
