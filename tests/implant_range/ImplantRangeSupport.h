#pragma once
// Layers of the program's materials for the ion paths simulation, and the range of the
// continuous slowing down to compare it with.

#include <string>
#include <utility>
#include <vector>

#include "batch/ImplantLayers.h"
#include "range/Range.h"
#include "range/RangeTestSupport.h"

namespace fenra::test {

inline Target TargetOf(const std::string& ion, const std::string& material) {
    return ResolveTarget(Db(), Materials(), ResolveIon(Db(), ion), material);
}

// A stack of (material, thickness in nm) for `ion` at `energy` keV.
inline std::vector<ImplantLayer> Stack(const std::string& ion,
                                       const std::vector<std::pair<std::string, double>>& layers,
                                       double energy, double cutoffEv = 10) {
    std::vector<ImplantLayer> out;
    for (const auto& [material, nm] : layers) {
        const Target t = TargetOf(ion, material);
        out.push_back(ImplantLayerOf(t, E15FromUm(t, nm / 1000), energy, cutoffEv));
    }
    return out;
}

inline ImplantIon IonOf(const std::string& ion, double energy, double angle = 0) {
    return ImplantIonOf(ResolveIon(Db(), ion), energy, angle);
}

// The path length (nm) of the continuous slowing down from `energy` to the cut-off.
inline double CsdaPathNm(const std::string& ion, const std::string& material, double energy,
                         double cutoffEv = 10) {
    const Target t = TargetOf(ion, material);
    const double e15 = Range(t, energy).range - Range(t, cutoffEv / 1000).range;
    return UmFromE15(t, e15) * 1000;
}

// Projected ranges and straggles of dopants in silicon, in nm, as published from the LSS
// theory by J.F. Gibbons, W.S. Johnson and S.W. Mylroie, Projected Range Statistics, 2nd ed.
// (Dowden, Hutchinson & Ross, 1975), as commonly reprinted in textbooks of silicon technology.
struct Dopant {
    const char* ion;
    double energy;  // keV
    double range;   // nm
    double straggle;
};

inline constexpr Dopant kGibbonsDopants[] = {
    {"B", 10, 33.3, 17.1}, {"B", 50, 160.7, 50.4}, {"B", 200, 528.4, 93.7},
    {"P", 10, 13.9, 6.9},  {"P", 50, 60.7, 25.6},  {"P", 200, 253.9, 78.5},
    {"As", 10, 9.7, 3.6},  {"As", 50, 32.2, 12.1}, {"As", 200, 114.6, 40.0}};

}  // namespace fenra::test
