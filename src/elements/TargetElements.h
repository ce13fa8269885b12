#pragma once
// The one place the stopping models' element data are read from the element database: the
// record's numbers and the proton coefficients of PCoef and HiCoef.

#include "elements/ElementDatabase.h"
#include "physics/ElectronicStopping.h"

namespace fenra {

// Z2, NatMass, AtomDensity and Fermi of the record; the coefficients left 0.
TargetElementData TargetElementOf(const ElementRecord& r);

// Reads the coefficients of t.Z2 from `table` into t.coef (PCoef1..8, or HiCoef1..4); false,
// and t unchanged, when the table has no record of that atomic number.
bool ReadCoefficients(const ElementDatabase& db, CoefficientTable table, TargetElementData* t);

}  // namespace fenra
