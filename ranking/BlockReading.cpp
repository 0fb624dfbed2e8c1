#include "ranking/BlockReading.h"

#include <QHash>
#include <algorithm>
#include <thread>

#include "ranking/ProcedureText.h"

namespace esoa::assist {
namespace {

// A smaller block is read on the calling thread alone; the others a chunk at a time.
constexpr qsizetype kReadAlone = 2048;
constexpr qsizetype kReadChunk = 512;

void AppendNew(QStringList& to, const QStringList& from) {
    for (const QString& s : from)
        if (!to.contains(s)) to.append(s);
}

// What many items share, read once per block of items.
struct ReadCache {
    QHash<QString, ItemTerms> generics;
    QHash<QString, QStringList> sources;  // what an exam table's name says of its rows
};

// An item's name and generic name read as one text; an exam row also by what its table says of it. An
// item without a generic name keeps its words in brackets aside: whether they are its generic name is
// known once every generic name is (SuggestIndex::TakeGenericsFromBrackets).
ItemTerms ReadCandidate(const SuggestCandidate& c, ReadCache& cache) {
    ItemTerms terms;
    if (c.kind == ItemKind::Procedure) {
        auto source = cache.sources.constFind(c.source);
        if (source == cache.sources.constEnd())
            source = cache.sources.insert(c.source, SourceAttributes(c.source));
        terms = AnalyseProcedureText(c.itemName, *source);
    } else {
        terms = AnalyseItemText(c.itemName);
    }
    if (c.genericName.isEmpty()) return terms;
    auto cached = cache.generics.constFind(c.genericName);
    if (cached == cache.generics.constEnd())
        cached = cache.generics.insert(c.genericName, AnalyseText(c.genericName, c.kind));
    const ItemTerms& generic = *cached;
    // Beside a generic name, the other words of the item name are a brand, a maker or packing.
    for (const QString& w : terms.words)
        if (!generic.words.contains(w) && !terms.asides.contains(w)) terms.asides.append(w);
    for (const QString& w : generic.words) terms.asides.removeOne(w);
    AppendNew(terms.words, generic.words);
    AppendNew(terms.strengths, generic.strengths);
    AppendNew(terms.packs, generic.packs);
    AppendNew(terms.forms, generic.forms);
    AppendNew(terms.qualifiers, generic.qualifiers);
    AppendNew(terms.attributes, generic.attributes);
    return terms;
}

}  // namespace

bool BlockReading::Help() {
    ReadCache cache;
    bool helped = false;
    for (qsizetype from = next_.fetch_add(kReadChunk); from < size_; from = next_.fetch_add(kReadChunk)) {
        const qsizetype to = std::min(size_, from + kReadChunk);
        try {
            for (qsizetype i = from; i < to; ++i)
                if (same_[size_t(i)] < 0) out_[size_t(i)] = ReadCandidate(candidates_[i], cache);
        } catch (...) {
            const std::lock_guard lock(mutex_);
            if (!failure_) failure_ = std::current_exception();
        }
        helped = true;
        if (done_.fetch_add(to - from) + (to - from) == size_) {
            const std::lock_guard lock(mutex_);
            finished_.notify_all();
        }
    }
    return helped;
}

std::vector<ItemTerms> BlockReading::Read() {
    const qsizetype extra =
        size_ < kReadAlone ? 0 : std::clamp<qsizetype>(std::thread::hardware_concurrency(), 1, 8) - 1;
    std::vector<std::thread> workers;
    for (qsizetype t = 0; t < extra; ++t) workers.emplace_back([this] { Help(); });
    Help();
    for (std::thread& w : workers) w.join();
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return done_.load() == size_; });
    if (failure_) std::rethrow_exception(failure_);
    return std::move(out_);
}

}  // namespace esoa::assist
