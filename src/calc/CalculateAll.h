#pragma once
// The Calculate command over the table of data sets: the one loop the window and the batch
// calculator share.

#include <functional>

#include "calc/CalculateDataSet.h"
#include "state/WorkingState.h"

namespace fenra {

struct CalculateAllHooks {
    // Before data set i is calculated, with i already current: the window shows it (which
    // applies ApplyDataSetDisplay), the batch calculator applies ApplyDataSetDisplay itself.
    std::function<void(int i)> show;
    // After data set i was calculated, with its outcome.
    std::function<void(int i, const CalcResult& r)> outcome;
};

// Each data set in use, in order, becomes current, is shown and is calculated by
// CalculateCommand; the last one stays current.
void CalculateAll(WorkingState& s, const ElementDatabase& db, const CalculateAllHooks& hooks);

}  // namespace fenra
