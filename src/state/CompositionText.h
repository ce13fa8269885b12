#pragma once
// The composition text of a target: each slot's symbol and ratio, nothing between ("H2O1",
// "Si1O2", "H.5").

#include <string>

#include "state/DataSet.h"

namespace fenra {

// Where the text ends.
enum class CompositionEnd {
    // After the counted slots 1..ElementCount, ratios of 0 included: the name Calculate gives
    // the target.
    CountedSlots,
    // Before the first slot of ratio 0: the target column of a target file, where a ratio of
    // 0 would end the target when it is read back.
    FirstZeroRatio,
};

// Symbols without the spaces around them, ratios in their short form.
std::string CompositionText(const DataSet& d, CompositionEnd end);

}  // namespace fenra
