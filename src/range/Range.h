#pragma once
// Range, energy after a layer or a stack of layers, and their inverses, for an ion in a
// material (a Target, see IonTarget.h). Plain values in and out; every function may be called
// from several threads at once (the tables are shared through a thread-safe cache).
//
// Model: the continuous-slowing-down range R(E) = integral from 0 to E of dE / S_total, with
// S_total = electronic (the calculator's value) + nuclear (ZBL universal). Numerics: within a
// relative 1e-7 of the exact integral of the model.
//
// Units: energies in keV (total kinetic energy of the ion); ranges and thicknesses in
// 1E15 atoms/cm2 (convert with the functions of IonTarget.h).
// Errors: PhysicsError, BadValue for a negative or non-finite energy, range or thickness;
// CalculationFailed when the model gives no positive finite stopping on the way.
// outOfModel: a given or resulting energy (other than an ion at rest) lies outside
// kModelLowEnergy..kModelHighEnergy keV/amu; the result is still computed.

#include <vector>

#include "range/IonTarget.h"
#include "range/RangeCache.h"

namespace fenra {

struct RangeResult {
    double energy = 0;  // keV
    double range = 0;   // 1E15 atoms/cm2
    bool outOfModel = false;
};

// The range of an ion of energy E (>= 0).
RangeResult Range(const Target& t, double E, RangeCache& cache = SharedRangeCache());

// The ranges of many energies of one ion and material (one cache look-up).
std::vector<RangeResult> Ranges(const Target& t, const std::vector<double>& energies,
                                RangeCache& cache = SharedRangeCache());

// The energy whose range is R (>= 0): the thickness to stop an ion read the other way.
RangeResult EnergyForRange(const Target& t, double R, RangeCache& cache = SharedRangeCache());

struct Layer {
    Target target;         // the ion in this layer's material
    double thickness = 0;  // 1E15 atoms/cm2, >= 0
};

struct LayerResult {
    double energyIn = 0;    // keV
    double energyOut = 0;   // keV; 0 when the ion stops in the layer
    double energyLoss = 0;  // energyIn - energyOut
    bool stopped = false;
    double stoppedAt = 0;  // depth in this layer where the ion stops (1E15 atoms/cm2)
    bool outOfModel = false;
};

// The energy after a layer: E_out with R(E_out) = R(E_in) - thickness; the ion stops at
// depth R(E_in) when the layer is thicker than that.
LayerResult EnergyAfterLayer(const Target& t, double energyIn, double thickness,
                             RangeCache& cache = SharedRangeCache());

struct StackResult {
    std::vector<LayerResult> layers;  // front to back; none after the one the ion stops in
    double energyIn = 0;              // keV, in front of the first layer
    double energyOut = 0;             // keV, behind the last layer (0 when stopped)
    bool stopped = false;
    int stoppedInLayer = -1;  // index into layers, -1 when it goes through
    bool outOfModel = false;
};

// The energy after each layer of a stack in turn.
StackResult EnergyAfterStack(const std::vector<Layer>& stack, double energyIn,
                             RangeCache& cache = SharedRangeCache());

// One layer on its range table: what EnergyAfterLayer gives, without the checks.
LayerResult PassLayer(const Target& t, const RangeTable& table, double energyIn, double thickness);

// EnergyAfterStack's checks of its inputs (PhysicsError).
void CheckStackInput(const std::vector<Layer>& stack, double energyIn);

// The energy after each layer of a stack, each layer given to `pass(layer, energyIn)`, which
// returns its LayerResult (PassLayer on the layer's table): EnergyAfterStack's checks and walk,
// for a caller that reads more of each layer's tables under the same look-up.
template <typename Pass>
StackResult WalkStack(const std::vector<Layer>& stack, double energyIn, Pass pass) {
    CheckStackInput(stack, energyIn);
    StackResult s;
    s.energyIn = s.energyOut = energyIn;
    for (const Layer& l : stack) {
        const LayerResult r = pass(l, s.energyOut);
        s.layers.push_back(r);
        s.energyOut = r.energyOut;
        s.outOfModel = s.outOfModel || r.outOfModel;
        if (r.stopped) {
            s.stopped = true;
            s.stoppedInLayer = static_cast<int>(s.layers.size()) - 1;
            break;
        }
    }
    return s;
}

// The energy in front of a stack that leaves energyOut (> 0) behind it: each layer inverted
// from the back, R(E_in) = R(E_out) + thickness. The result is the path front to back.
StackResult EnergyBeforeStack(const std::vector<Layer>& stack, double energyOut,
                              RangeCache& cache = SharedRangeCache());

}  // namespace fenra
