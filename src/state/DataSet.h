#pragma once
// One calculation case: the ion, its energy, the target and the four results.
// Singles are float, Integers are int16_t, as everywhere in the program.

#include <cstdint>
#include <string>

#include "state/Slots.h"

namespace fenra {

constexpr int kMaxDataSets = 100;
constexpr int kMaxTargetSlots = 10;

// What the first data set, a new one and a reset one start with.
constexpr float kStartEnergy = 1000;            // keV
constexpr float kStartRange = 100000;           // 1E15 atoms/cm2
constexpr const char* kNewDataSetSymbol = "H";  // ion and target of a new data set
constexpr float kNewDataSetMass = 1.008f;       // amu

struct DataSet {
    std::string IonName;  // element symbol of the ion
    float IonMass = 0;    // amu; 0 means "no mass given": Calculate takes MAIW
    float IonEnergy = 0;  // keV
    float Range = 0;      // 1E15 atoms/cm2, depth followed by the depth curves
    int16_t ElementCount = 0;
    Slots<std::string, kMaxTargetSlots> TargetElement;
    Slots<float, kMaxTargetSlots> TargetRatio;  // relative numbers of atoms
    std::string TargetName;                     // composition text, rebuilt by Calculate
    float StopEvAtoms = 0;                      // eV/(1E15 atoms/cm2)
    float StopKevMg = 0;                        // keV/(mg/cm2)
    float StopEvA = 0;                          // eV/Angstrom, one-element targets only
    float StopKevUm = 0;                        // keV/um, one-element targets only
    bool Calculated = false;  // the four results belong to the inputs of the last Calculate
    // The formula or material name that filled the target, as typed ("mylar", "H2O"); empty
    // when the slots were picked by hand. Held in memory only: a target file keeps the slots.
    std::string MaterialText;
};

// The results of a data set that could not be calculated: none, so that no old result stands
// beside new input.
void ClearResults(DataSet& d);

// Whether the data set has results to show: it was calculated, or it holds results from
// before (a data set built without the Calculate command). A data set without results shows
// none in the grid and "-" in the report.
bool HasResultsToShow(const DataSet& d);

// Whether a and b hold the same inputs of a calculation: ion, mass, energy, range and target.
// The target is the counted slots 1..ElementCount, symbol and ratio; slots beyond it, the
// results and the composition text do not count.
bool SameInputs(const DataSet& a, const DataSet& b);
bool SameTarget(const DataSet& a, const DataSet& b);

// What an edit of d's inputs leaves standing, given d as it was before the edit. Results answer
// the inputs they were calculated from: when an input changed they go, with the composition
// text they were computed for, and d is as a data set never calculated until it is calculated
// again. A target changed by other means than its material text loses that text. An edit that
// stores the value already held (a key that changes nothing) leaves everything.
void KeepWhatStillHolds(DataSet& d, const DataSet& before);

// Runs edit(d) and then KeepWhatStillHolds: every change of a data set's inputs by the user
// goes through here.
template <typename Edit>
void EditInputs(DataSet& d, Edit&& edit) {
    const DataSet before = d;
    edit(d);
    KeepWhatStillHolds(d, before);
}

// What "Add target" gives a new data set: a proton of 1.008 amu at 1000 keV into hydrogen.
void SetNewDataSetDefaults(DataSet& d);

// What the first data set starts with at start-up and after Reset: the start energy and range
// and one target slot without a ratio. The ion, its mass and the target symbol are the
// window's (its lists' first element); the fields named here are the only ones set.
void SetFirstDataSetDefaults(DataSet& d);

}  // namespace fenra
