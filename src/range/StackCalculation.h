#pragma once
// The range-and-layers calculation behind the range window, as plain values: for an ion and
// energy, the stopping and range in one material, the energy through a stack of up to ten
// layers, the reverse questions (the energy needed to pass the stack, or to reach a depth),
// the out-of-model warnings, and the curves of energy and stopping against depth through the
// stack. Every number comes from the range functions (range/Range.h): nothing is computed here
// that they do not compute. Refusals and warnings are sentences (messages/Message.h), never
// exceptions: a window translates them, the CSV and fenra32-calc say them in English (Words).
//
// Units: energies in keV; depths in three units at once (StackDepth); stopping in the unit
// chosen (range/Units.h).

#include <limits>
#include <string>
#include <vector>

#include "materials/MaterialList.h"
#include "messages/Message.h"
#include "range/Range.h"
#include "range/Units.h"

namespace fenra {

constexpr int kMaxStackLayers = 10;
constexpr int kDefaultPlotPointsPerLayer = 40;

struct StackLayerInput {
    std::string material;  // element symbol, formula or listed name
    double thickness = 0;  // in `unit`, at least 0
    ThicknessUnit unit = ThicknessUnit::Um;
    double density = 0;  // g/cm3 instead of the material's own; 0 keeps its own
};

struct StackInput {
    std::string ion;       // symbol or atomic number
    double ionMass = 0;    // amu; 0 takes the ion's default
    double energy = 0;     // keV, the ion's total energy in front of the stack
    std::string material;  // the material of the stopping and range at the energy
    double density = 0;    // g/cm3 instead of its own; 0 keeps its own
    StopUnit unit = StopUnit::EvE15;
    StoppingModel model = kDefaultStoppingModel;  // the electronic stopping model
    std::vector<StackLayerInput> layers;          // front to back
    // The reverse question "energy to reach a depth": into the stack, or into the material
    // when there is no layer.
    bool reachDepthGiven = false;
    double reachDepth = 0;
    ThicknessUnit reachDepthUnit = ThicknessUnit::Um;
    // The fewest steps of the plot through a layer; a layer where the ion loses much of its
    // energy gets more (a step loses at most 2 % of the energy).
    int plotPointsPerLayer = kDefaultPlotPointsPerLayer;
};

// A depth through the stack (or in the material): atoms and mass per area are summed over the
// layers; the length only while every layer passed has a density.
struct StackDepth {
    double e15 = 0;    // 1E15 atoms/cm2
    double mgCm2 = 0;  // mg/cm2
    double um = 0;     // um, when hasUm
    bool hasUm = true;
};

struct StoppingInUnit {
    bool available = false;
    Message reason;  // why the unit is not available (a length unit without a density)
    double electronic = 0, nuclear = 0, total = 0;
};

struct MaterialResult {
    Message error;       // the material or its density refused: nothing below is filled
    std::string name;    // as resolved ("mylar", "H2O", "Si")
    double density = 0;  // g/cm3 in use; 0 when none is known
    StoppingInUnit stopping;
    StackDepth range;
    Message rangeUmReason;  // why the range has no length
    bool outOfModel = false;
};

struct StackLayerRow {
    Message error;  // the material, density or thickness refused
    std::string name;
    double density = 0;       // g/cm3 in use; 0 when none is known
    double thicknessE15 = 0;  // 1E15 atoms/cm2
    StackDepth thickness;     // in the three units (um when the layer has a density)
    StackDepth front, back;   // depths of the layer's faces in the stack
    bool reached = false;     // the ion enters the layer
    double energyIn = 0, energyOut = 0, energyLoss = 0;
    bool stopped = false;
    StackDepth stopDepth;         // in the stack, from its front face, when stopped
    StackDepth stopDepthInLayer;  // the same from the layer's front face
    double stoppedAtE15 = 0;      // the same from the layer's front face, 1E15 atoms/cm2
    // The spreads behind the layer (range/Spread.h); NaN where unknown.
    double energySigma = std::numeric_limits<double>::quiet_NaN();   // keV
    double angleSigma = std::numeric_limits<double>::quiet_NaN();    // rad
    double lateralSigma = std::numeric_limits<double>::quiet_NaN();  // um
    double chargeMean = std::numeric_limits<double>::quiet_NaN();
    bool spreadOutOfValidity = false;
};

struct EnergyAnswer {
    bool known = false;
    double energy = 0;  // keV
    Message reason;     // why there is no answer
    bool outOfModel = false;
};

struct StackPlotPoint {
    StackDepth depth;
    double energy = 0;  // keV
    bool stoppingKnown = false;
    double stopping = 0;  // total stopping in the chosen unit
    int layer = 0;        // index of the layer
    double energySigma = std::numeric_limits<double>::quiet_NaN();  // keV; NaN where unknown
};

struct StackCalculation {
    Message error;  // the ion, mass, energy or the number of layers refused
    MaterialResult material;
    std::vector<StackLayerRow> layers;
    bool stackComplete = false;  // every layer read and calculated: the stack results hold
    Message stackError;          // why they do not
    double energyOut = 0;        // keV behind the stack (0 when the ion stops)
    bool stopped = false;
    int stoppedInLayer = -1;
    EnergyAnswer energyToPass;
    EnergyAnswer energyToReach;
    // out-of-model warnings (OutOfModelSentence) and spreads outside their formulas
    // (SpreadValiditySentence)
    std::vector<Message> warnings;
    std::vector<StackPlotPoint> plot;    // front to back, up to where the ion stops
    std::vector<StackDepth> boundaries;  // the front face of each layer, then the back face
};

StackCalculation CalculateStack(const StackInput& in, const ElementDatabase& db,
                                const MaterialList& list, RangeCache& cache = SharedRangeCache());

// The reason of a unit that needs a density.
Message NoDensitySentence(const std::string& unitText, const std::string& materialName);

// The depth `e15` further into a layer of target t, from `front`.
StackDepth DepthAfter(const StackDepth& front, const Target& t, double e15);

}  // namespace fenra
