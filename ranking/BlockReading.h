#pragma once

#include <QList>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <vector>

#include "ranking/ItemText.h"
#include "ranking/SuggestCandidate.h"

namespace esoa::assist {

// Items are gathered and read in blocks of this many.
inline constexpr qsizetype kReadBlock = 32768;

// The reading of one block of candidates (an item's name and generic name read as one text, an exam row
// also by what its table says of it), shared out a chunk at a time among whichever threads offer to
// help: its own, as many more as there are cores, and a thread that would otherwise wait for it. An item
// without a generic name keeps its words in brackets aside: whether they are a generic name is known only
// once every generic name is.
class BlockReading {
public:
    // The items of `candidates` that read like no earlier item (`same` -1) are read; the others are left.
    // The block must outlive Read(); a helper that comes later finds every chunk taken and leaves it be.
    BlockReading(const QList<SuggestCandidate>& candidates, const std::vector<int>& same)
        : candidates_(candidates), same_(same), size_(candidates.size()), out_(size_t(size_)) {}

    // Reads chunks while any is left; whether it read one.
    bool Help();
    // Reads with the other helpers until every chunk is read; the terms by item. Rethrows what a reading
    // threw.
    std::vector<ItemTerms> Read();

private:
    const QList<SuggestCandidate>& candidates_;
    const std::vector<int>& same_;
    const qsizetype size_;
    std::vector<ItemTerms> out_;
    std::atomic<qsizetype> next_{0}, done_{0};
    std::mutex mutex_;
    std::condition_variable finished_;
    std::exception_ptr failure_;
};

}  // namespace esoa::assist
