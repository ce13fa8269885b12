#include "state/WorkingState.h"

#include <algorithm>

namespace fenra {

int DataSetsInUse(const WorkingState& s) {
    return std::clamp<int>(s.DataSetCount, 0, kMaxDataSets);
}

void ClearDataSets(WorkingState& s) {
    for (int i = 1; i <= kMaxDataSets; ++i) s.DataSets[i] = DataSet{};
}

void InitWorkingState(WorkingState& s, const std::string& appPath) {
    // Start from nothing, so that a second start-up in the same process (a test, the batch
    // calculator) sees the same state as the first.
    ClearDataSets(s);

    s.DataSetCount = 1;
    s.CurrentDataSet = 1;
    s.AppPath = WithTrailingSeparator(appPath);

    SetFirstDataSetDefaults(s.DataSets[1]);
}

std::string WithTrailingSeparator(const std::string& dir) {
    // An empty directory means the current one; "/" alone would point at the root instead.
    if (dir.empty()) return "./";
    const char last = dir.back();
#ifdef _WIN32
    if (last == '\\') return dir;
#endif
    if (last == '/') return dir;
    return dir + '/';
}

}  // namespace fenra
