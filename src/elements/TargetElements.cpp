#include "elements/TargetElements.h"

#include <algorithm>
#include <optional>

namespace fenra {

TargetElementData TargetElementOf(const ElementRecord& r) {
    TargetElementData t;
    t.Z2 = r.AtomNum;
    t.M = r.NatMass;
    t.N = r.AtomDensity;
    t.vF = r.Fermi;
    return t;
}

bool ReadCoefficients(const ElementDatabase& db, CoefficientTable table, TargetElementData* t) {
    const std::optional<CoefficientRow> row = db.FindCoefficientsByZ(table, t->Z2);
    if (!row) return false;
    if (table == CoefficientTable::PCoef)
        t->coef.P = row->values;
    else
        std::copy_n(row->values.begin(), t->coef.H.size(), t->coef.H.begin());
    return true;
}

}  // namespace fenra
