#include "calc/CalculateAll.h"

namespace fenra {

void CalculateAll(WorkingState& s, const ElementDatabase& db, const CalculateAllHooks& hooks) {
    const int n = DataSetsInUse(s);
    for (int i = 1; i <= n; ++i) {
        s.CurrentDataSet = static_cast<int16_t>(i);
        if (hooks.show) hooks.show(i);
        const CalcResult r = CalculateCommand(s.DataSets[i], db);
        if (hooks.outcome) hooks.outcome(i, r);
    }
    s.CurrentDataSet = static_cast<int16_t>(n);
}

}  // namespace fenra
