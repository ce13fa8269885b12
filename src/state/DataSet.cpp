#include "state/DataSet.h"

namespace fenra {

// Only the named fields change; whatever else the record holds stays, as for a data set that
// was never in use it is empty anyway.
void SetNewDataSetDefaults(DataSet& d) {
    d.IonName = "H";
    d.IonMass = 1.008f;
    d.IonEnergy = kStartEnergy;
    d.Range = kStartRange;
    d.ElementCount = 1;
    d.TargetElement[1] = "H";
    d.TargetRatio[1] = 1;
}

}  // namespace fenra
