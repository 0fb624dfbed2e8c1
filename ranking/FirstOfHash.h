#pragma once

#include <QtGlobal>
#include <algorithm>
#include <cstddef>
#include <vector>

namespace esoa::assist {

// Item indices by a hash of what an item is read by, for a million lookups: open addressing in one array,
// looked up a block at a time with the slots fetched ahead, since nearly every lookup misses the
// processor's caches.
class FirstOfHash {
public:
    // Per hash, the index stored under it, or, when there is none, -1 after storing `first` + its position.
    void FindOrInsert(const std::vector<size_t>& hashes, int first, std::vector<int>& found) {
        Reserve(used_ + hashes.size());
        constexpr size_t kAhead = 8;
        found.resize(hashes.size());
        for (size_t k = 0; k < hashes.size(); ++k) {
#if defined(__GNUC__)
            if (k + kAhead < hashes.size()) __builtin_prefetch(&slots_[hashes[k + kAhead] & mask_]);
#endif
            found[k] = FindOrInsert(hashes[k], first + int(k));
        }
    }

private:
    struct Slot {
        size_t hash = 0;
        int index = -1;
    };
    int FindOrInsert(size_t hash, int index) {
        for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
            Slot& s = slots_[i];
            if (s.index < 0) {
                s = {hash, index};
                ++used_;
                return -1;
            }
            if (s.hash == hash) return s.index;
        }
    }
    // Room for `count` with the slots at most half full.
    void Reserve(size_t count) {
        if (count * 2 <= slots_.size()) return;
        size_t size = std::max<size_t>(1024, slots_.size());
        while (count * 2 > size) size *= 2;
        std::vector<Slot> old(size);
        old.swap(slots_);
        mask_ = slots_.size() - 1;
        used_ = 0;
        for (const Slot& s : old)
            if (s.index >= 0) FindOrInsert(s.hash, s.index);
    }

    std::vector<Slot> slots_;
    size_t mask_ = 0;
    size_t used_ = 0;
};

}  // namespace esoa::assist
