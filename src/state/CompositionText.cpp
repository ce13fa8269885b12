#include "state/CompositionText.h"

#include <algorithm>

#include "state/NumberText.h"
#include "state/TrimSpaces.h"

namespace fenra {

std::string CompositionText(const DataSet& d, CompositionEnd end) {
    const int slots = end == CompositionEnd::CountedSlots
                          ? std::clamp<int>(d.ElementCount, 0, kMaxTargetSlots)
                          : kMaxTargetSlots;
    std::string text;
    for (int j = 1; j <= slots; ++j) {
        if (end == CompositionEnd::FirstZeroRatio && d.TargetRatio[j] == 0) break;
        text += TrimSpaces(d.TargetElement[j]);
        text += ShortForm(d.TargetRatio[j]);
    }
    return text;
}

}  // namespace fenra
