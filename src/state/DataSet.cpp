#include "state/DataSet.h"

#include <algorithm>

namespace fenra {

// Only the named fields change; whatever else the record holds stays, as for a data set that
// was never in use it is empty anyway.
void SetNewDataSetDefaults(DataSet& d) {
    d.IonName = kNewDataSetSymbol;
    d.IonMass = kNewDataSetMass;
    d.IonEnergy = kStartEnergy;
    d.Range = kStartRange;
    d.ElementCount = 1;
    d.TargetElement[1] = kNewDataSetSymbol;
    d.TargetRatio[1] = 1;
    d.MaterialText.clear();  // a target of defaults, filled from no text
}

void SetFirstDataSetDefaults(DataSet& d) {
    d.IonEnergy = kStartEnergy;
    d.Range = kStartRange;
    d.ElementCount = 1;
    d.TargetRatio[1] = 0;  // until the user enters a ratio
}

void ClearResults(DataSet& d) {
    d.StopEvAtoms = 0;
    d.StopKevMg = 0;
    d.StopEvA = 0;
    d.StopKevUm = 0;
    d.Calculated = false;
}

bool HasResultsToShow(const DataSet& d) {
    return d.Calculated || d.StopEvAtoms != 0 || d.StopKevMg != 0 || d.StopEvA != 0 ||
           d.StopKevUm != 0;
}

bool SameTarget(const DataSet& a, const DataSet& b) {
    if (a.ElementCount != b.ElementCount) return false;
    const int n = std::clamp<int>(a.ElementCount, 0, kMaxTargetSlots);
    for (int j = 1; j <= n; ++j)
        if (a.TargetElement[j] != b.TargetElement[j] || a.TargetRatio[j] != b.TargetRatio[j])
            return false;
    return true;
}

bool SameInputs(const DataSet& a, const DataSet& b) {
    return a.IonName == b.IonName && a.IonMass == b.IonMass && a.IonEnergy == b.IonEnergy &&
           a.Range == b.Range && SameTarget(a, b);
}

void KeepWhatStillHolds(DataSet& d, const DataSet& before) {
    if (!SameTarget(d, before)) d.MaterialText.clear();
    if (SameInputs(d, before)) return;
    ClearResults(d);
    d.TargetName.clear();
}

}  // namespace fenra
