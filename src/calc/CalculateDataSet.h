#pragma once
// The calculation of one data set: look the ion and the target elements up, compute each
// element's stopping with the formula for the ion, combine the elements by their atomic
// ratios (Bragg's rule) or convert a one-element result into the other units, and store the
// composition text and the four results in the data set.

#include <string>

#include "elements/ElementDatabase.h"
#include "state/DataSet.h"

namespace fenra {

enum class CalcOutcome {
    Calculated,           // the four results were stored
    RatioZero,            // one-element target with ratio 0: nothing stored, no message
    NoTargetElement,      // ElementCount 0 (a target-file line without a target text)
    UnknownIon,           // the ion symbol is not in the element table
    UnknownElement,       // a target symbol is not in the element table
    MissingCoefficients,  // no PCoef (or, at high energy, HiCoef) record for an element
    FloatingPointFault,   // invalid operation, division by zero or overflow in the physics
    // Inputs refused before any calculation (CheckDataSetInputs, CheckCurveInputs):
    EnergyNotAboveZero,  // value: the energy (keV)
    MassBelowZero,       // value: the mass (amu)
    RatioBelowZero,      // value: the ratio, slot: the target slot
    RatiosAddToZero,     // a compound whose ratios add up to 0
    RangeNotAboveZero,   // a depth curve over a range that is not above 0; value: the range
};

// An outcome and the values it concerns; the words for the user are made where it is shown.
struct CalcResult {
    CalcOutcome outcome = CalcOutcome::Calculated;
    std::string symbol;  // the symbol concerned (unknown symbol, missing coefficients)
    float value = 0;     // FloatingPointFault: the energy (keV); refused inputs: the value
    // Missing coefficients: the table without a record and the element's atomic number.
    CoefficientTable table = CoefficientTable::PCoef;
    int atomNum = 0;
    int slot = 0;  // unknown element, ratio below 0: the target slot, 1..10
};

// Calculates the data set in place. The symbols looked up are the data set's IonName and
// TargetElement(1..ElementCount). TargetName, and IonMass when it was 0, are written before
// any refusal of the ion; on every outcome but Calculated the four results keep their former
// values, and no NaN or infinity is ever stored. Calculated sets the data set's Calculated
// flag. The inputs are not checked (the curve walk calculates at energy 0).
CalcResult CalculateDataSet(DataSet& d, const ElementDatabase& db);

// The inputs a calculation needs to mean anything: an energy above 0, a mass not below 0, no
// ratio below 0 and ratios that do not add up to 0. Calculated when they are sound, otherwise
// the refusal (nothing is changed).
CalcResult CheckDataSetInputs(const DataSet& d);

// The Calculate command on one data set: the inputs are checked, then the data set is
// calculated. A data set that is not calculated (any outcome but Calculated) loses its former
// results, so that no stale result stands beside new input.
CalcResult CalculateCommand(DataSet& d, const ElementDatabase& db);

// What showing a data set in the main window writes back into it: the ion and the target
// symbols of slots 1..ElementCount take the spelling of the element table, slots above
// ElementCount take the first element of the table, and IonMass becomes its own general text
// read back by the whole-text rule (so 1.0078251 becomes 1.007825). Symbols that are not in
// the table are left as they are. The Calculate command shows every data set before it
// calculates it; the window and the batch calculator both apply this rule.
void ApplyDataSetDisplay(DataSet& d, const ElementDatabase& db);

}  // namespace fenra
