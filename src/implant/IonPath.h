#pragma once
// Following ions one by one through the prepared stack.

#include <atomic>
#include <cstdint>

#include "implant/PreparedStack.h"
#include "implant/Tally.h"

namespace fenra {

// Follows ion `index` (its random stream is the run's seed with stream `index`) and adds it
// to t.
void FollowIon(const PreparedStack& s, uint64_t index, Tally& t);

// Ions first .. first + count - 1 into t; false (t incomplete) when cancel was set meanwhile.
bool FollowBlock(const PreparedStack& s, uint64_t first, uint64_t count, Tally& t,
                 const std::atomic<bool>* cancel);

}  // namespace fenra
