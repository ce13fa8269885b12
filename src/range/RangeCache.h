#pragma once
// A bounded cache of range tables, one per ion (atomic number and mass) and composition,
// shared by all threads. A table is built on the first request for its pair (outside the lock,
// so other pairs are served meanwhile) and kept until it is the least recently used when a new
// one needs its place. The cache never changes a result: a table is a pure function of its
// key, and a caller keeps the table it was handed even if it is evicted meanwhile.

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <unordered_map>

#include "range/RangeTable.h"
#include "range/SpreadTable.h"

namespace fenra {

constexpr std::size_t kDefaultRangeCacheCapacity = 400;  // ion-material pairs

class RangeCache {
  public:
    explicit RangeCache(std::size_t capacity = kDefaultRangeCacheCapacity);
    RangeCache(const RangeCache&) = delete;
    RangeCache& operator=(const RangeCache&) = delete;

    // The table of t's ion and composition, built on a miss. Errors as RangeTable's.
    std::shared_ptr<const RangeTable> Table(const Target& t);

    // f(const RangeTable&) on the table of t's pair; on a hit without taking a share of the
    // table (the shared lock keeps it alive meanwhile), which saves two atomic counts a call.
    template <typename F>
    auto Use(const Target& t, F f) {
        {
            std::shared_lock lock(mutex_);
            if (const Entry* e = FindLocked(t)) return f(*e->table);
        }
        return f(*Table(t));
    }

    // f(const SpreadTable&) on the straggling and scattering tables of t's pair, built beside
    // its range table on the first request (once, while other threads wait for it).
    template <typename F>
    auto UseSpread(const Target& t, F f) {
        for (int attempt = 0; attempt < 2; ++attempt) {
            {
                std::shared_lock lock(mutex_);
                if (Entry* e = FindLocked(t)) return f(SpreadOf(*e, t));
            }
            if (attempt == 0) Table(t);
        }
        // Not kept (a hash shared with another pair): built for this call only.
        return f(SpreadTable(t, Table(t)));
    }

    std::size_t Size() const;
    std::size_t Capacity() const { return capacity_; }
    void Clear();

  private:
    struct Entry {
        std::string key;
        std::shared_ptr<const RangeTable> table;
        std::atomic<uint64_t> lastUse{0};
        std::once_flag spreadBuilt;
        std::unique_ptr<const SpreadTable> spread;
    };
    struct IdentityHash {
        std::size_t operator()(uint64_t h) const { return static_cast<std::size_t>(h); }
    };

    void EvictOne();                     // with the lock held exclusively
    Entry* FindLocked(const Target& t);  // with the lock held; marks the use
    static const SpreadTable& SpreadOf(Entry& e, const Target& t);

    const std::size_t capacity_;
    mutable std::shared_mutex mutex_;
    std::unordered_map<uint64_t, std::unique_ptr<Entry>, IdentityHash> entries_;
    // Advanced on every insertion: an entry's lastUse is the epoch of its last request, so
    // the oldest epoch marks the least recently used.
    std::atomic<uint64_t> epoch_{1};
};

// The cache the range and layer functions use unless they are given another.
RangeCache& SharedRangeCache();

}  // namespace fenra
