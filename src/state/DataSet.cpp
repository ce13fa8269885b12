#include "state/DataSet.h"

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

}  // namespace fenra
