#pragma once
// The electronic stopping of an ion in one target element, and in a compound by Bragg's rule,
// for a stopping model chosen by the caller. Pure functions over plain values: the element
// data are read from the element database by the caller (elements/TargetElements.h).
//
// Units: E, energy per unit ion mass, in keV/amu (a Single, as the calculator forms it);
// stopping in eV/(1E15 atoms/cm2) per atom. Floating-point faults are not caught here (see
// Stopping.h).

#include <cstdint>
#include <memory>
#include <vector>

#include "physics/BetheStop.h"
#include "physics/Coefficients.h"
#include "physics/StoppingModel.h"

namespace fenra {

class ModernTable;

// What the stopping models need of the ion.
struct StoppingIon {
    int16_t Z1 = 0;
    float screening = 0;  // ScrnFac of the element table (classic, heavy ions)
    double mass = 0;      // amu
};

// What the stopping models need of one target element.
struct TargetElementData {
    int16_t Z2 = 0;
    float M = 0;   // NatMass, amu
    float N = 0;   // AtomDensity, 1E22 atoms/cm3
    float vF = 0;  // Fermi velocity, Bohr velocities
    CoefficientSet coef;
};

// A compound: its elements and their atomic ratios (Singles, as the window holds them).
struct CompoundData {
    std::vector<TargetElementData> elements;
    std::vector<float> ratios;
    // The compound as the modern model's Bethe formula takes it (its own mean excitation
    // energy and density effect, BetheStop.h); unused by classic.
    BetheTarget bethe;
    // The modern model's per-ion work for this compound (ModernTable.h), when the caller built
    // one for its ion: CompoundStop reads it for that ion and works the formula out otherwise.
    std::shared_ptr<const ModernTable> modern;
};

// The modern model's table of the ion in c (with c.bethe), for CompoundData::modern.
std::shared_ptr<const ModernTable> MakeModernTable(const StoppingIon& ion, const CompoundData& c);

// Stopping per atom of element t for the ion at the energy per unit mass E. classic: the
// proton, helium or heavy-ion formula by Z1 (Stopping.h); modern: the continuous fit joined to
// the Bethe formula of the element in its natural state (ModernStop.h), worked out on the call
// (a caller with many energies builds a ModernTable).
double ElementStop(const StoppingIon& ion, float E, const TargetElementData& t,
                   StoppingModel model = kDefaultStoppingModel);

// Bragg's rule per atom: the ratio-weighted mean of the n stoppings S[0..n-1] with the Single
// ratios r[0..n-1], summed in double as the calculator sums them.
double BraggStopPerAtom(const float* r, const double* S, int n);

// Stopping per atom of compound c (1 to 10 elements). classic: Bragg's rule over ElementStop;
// modern: Bragg's rule over the continuous fit, joined to the Bethe formula of c.bethe (read
// from c.modern when it is the ion's).
double CompoundStop(const StoppingIon& ion, float E, const CompoundData& c,
                    StoppingModel model = kDefaultStoppingModel);

}  // namespace fenra
