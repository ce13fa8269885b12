// libFuzzer entry: any bytes read as a target file must leave the working state within its
// limits, whatever the reader made of them.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "files/TargetFile.h"
#include "state/WorkingState.h"

namespace {

bool WithinLimits(const fenra::WorkingState& s) {
    if (s.DataSetCount < 1 || s.DataSetCount > fenra::kMaxDataSets) return false;
    if (s.CurrentDataSet < 1 || s.CurrentDataSet > s.DataSetCount) return false;
    for (int i = 1; i <= fenra::kMaxDataSets; ++i) {
        const int n = s.DataSets[i].ElementCount;
        if (n < 0 || n > fenra::kMaxTargetSlots) return false;
    }
    return true;
}

// What a reader that gave up must leave: the state it started from.
bool Untouched(const fenra::WorkingState& s) {
    return s.DataSetCount == 1 && s.CurrentDataSet == 1 && s.DataSets[1].IonEnergy == 1000.0f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // On the heap: the table of 100 data sets is large for a fuzzer's stack.
    auto s = std::make_unique<fenra::WorkingState>();
    fenra::InitWorkingState(*s, "/");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const fenra::OpenTargetResult r = fenra::OpenTargetFromText(*s, bytes);
    if (!WithinLimits(*s)) __builtin_trap();
    if (r.status == fenra::OpenTargetStatus::NoDataLine && !Untouched(*s)) __builtin_trap();
    if (r.status == fenra::OpenTargetStatus::InvalidElement && r.badLine < 1) __builtin_trap();
    const bool refused = r.status == fenra::OpenTargetStatus::NotText;
    if (refused && (!Untouched(*s) || !r.error.Failed())) __builtin_trap();
    return 0;
}
