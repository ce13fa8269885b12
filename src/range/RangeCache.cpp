#include "range/RangeCache.h"

#include <mutex>

namespace fenra {

RangeCache::RangeCache(std::size_t capacity) : capacity_(capacity > 0 ? capacity : 1) {}

RangeCache::Entry* RangeCache::FindLocked(const Target& t) {
    const auto it = entries_.find(t.keyHash);
    if (it == entries_.end() || it->second->key != t.key) return nullptr;
    Entry& e = *it->second;
    const uint64_t now = epoch_.load(std::memory_order_relaxed);
    // Written only when it changes, so warm readers do not fight over the line.
    if (e.lastUse.load(std::memory_order_relaxed) != now)
        e.lastUse.store(now, std::memory_order_relaxed);
    return &e;
}

const SpreadTable& RangeCache::SpreadOf(Entry& e, const Target& t) {
    std::call_once(e.spreadBuilt,
                   [&] { e.spread = std::make_unique<const SpreadTable>(t, e.table); });
    return *e.spread;
}

std::shared_ptr<const RangeTable> RangeCache::Table(const Target& t) {
    {
        std::shared_lock lock(mutex_);
        if (const Entry* e = FindLocked(t)) return e->table;
    }
    auto table = std::make_shared<const RangeTable>(t);
    std::unique_lock lock(mutex_);
    const auto it = entries_.find(t.keyHash);
    if (it != entries_.end()) {
        // Another thread built it meanwhile; or a different pair with the same hash, which
        // then stays uncached (a 64-bit coincidence: slower, never wrong).
        return it->second->key == t.key ? it->second->table : table;
    }
    if (entries_.size() >= capacity_) EvictOne();
    auto entry = std::make_unique<Entry>();
    entry->key = t.key;
    entry->table = table;
    entry->lastUse.store(epoch_.fetch_add(1, std::memory_order_relaxed) + 1,
                         std::memory_order_relaxed);
    entries_.emplace(t.keyHash, std::move(entry));
    return table;
}

void RangeCache::EvictOne() {
    auto oldest = entries_.begin();
    for (auto it = entries_.begin(); it != entries_.end(); ++it)
        if (it->second->lastUse.load(std::memory_order_relaxed) <
            oldest->second->lastUse.load(std::memory_order_relaxed))
            oldest = it;
    if (oldest != entries_.end()) entries_.erase(oldest);
}

std::size_t RangeCache::Size() const {
    std::shared_lock lock(mutex_);
    return entries_.size();
}

void RangeCache::Clear() {
    std::unique_lock lock(mutex_);
    entries_.clear();
}

RangeCache& SharedRangeCache() {
    static RangeCache cache;
    return cache;
}

}  // namespace fenra
