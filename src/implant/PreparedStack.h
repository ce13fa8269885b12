#pragma once
// What the simulation reads in its inner loop, computed once per run from the plain inputs:
// per layer the stopping and the free flight on a grid of energies, per element the
// collision constants. Lengths in nm, energies in keV.

#include <cstdint>
#include <vector>

#include "implant/Damage.h"
#include "implant/Implant.h"
#include "implant/OctaveGrid.h"
#include "implant/ScatteringTable.h"

namespace fenra {

constexpr int kEnergyGridBits = 5;  // 32 nodes per octave

// A function of the energy tabled at the octave grid's nodes from 2^lowExp keV.
struct EnergyGrid {
    int lowExp = 0;
    int nodes = 0;

    double Node(int k) const { return OctaveNode<kEnergyGridBits>(k, lowExp); }

    // The value of a table at E by linear interpolation, clamped to its ends.
    double Read(const std::vector<double>& table, double E) const {
        OctavePosition p = E > 0 ? OctaveLocate<kEnergyGridBits>(E, lowExp) : OctavePosition{};
        if (p.node < 0) return table.front();
        if (p.node >= nodes - 1) return table.back();
        const auto k = static_cast<std::size_t>(p.node);
        return table[k] + p.weight * (table[k + 1] - table[k]);
    }
};

struct PreparedElement {
    double cumulativeShare = 0;  // of the atoms, up to and including this element
    double epsilonPerKeV = 0;    // reduced energy per keV of the ion's laboratory energy
    double screening = 0;        // universal screening length, nm
    double mass = 0;             // amu
    DamageFactors damage;
};

struct PreparedLayer {
    double zFront = 0, zBack = 0;  // nm
    double density = 0;            // atoms/nm3
    std::vector<PreparedElement> elements;
    std::vector<double> electronicLoss;   // keV/nm at the grid's nodes
    std::vector<double> meanNuclearLoss;  // keV/nm, the mean nuclear stopping (ZBL universal)
    std::vector<double> nuclearLoss;      // keV/nm, lost continuously: 0 unless scattering off
    std::vector<double> straggling;       // keV^2/nm, the electronic loss's variance; may be empty
    std::vector<double> flight;           // nm, the free flight length
    std::vector<double> impactLimit;      // nm, p_max = (pi N L)^-1/2
};

struct PreparedStack {
    double ionMass = 0;
    double energy = 0;  // keV
    double cosAngle = 1, sinAngle = 0;
    double cutoff = 0;  // keV
    bool scattering = true;
    uint64_t seed = 0;
    EnergyGrid grid;
    std::vector<PreparedLayer> layers;
    const ScatteringTable* table = nullptr;
    // Histogram geometry.
    int depthBins = 0, energyBins = 0, angleBins = 0;
    double depthRange = 0;  // nm
};

// Checks the inputs (ImplantError) and builds the tables.
PreparedStack PrepareStack(const ImplantIon& ion, const std::vector<ImplantLayer>& layers,
                           const ImplantOptions& options);

// The depth (nm) where an ion running straight down the normal with the mean electronic and
// nuclear stopping of each layer comes to rest, or the back of the stack: about the deepest an
// ion reaches, since the scattering bends the path; but the nuclear losses of single ions vary,
// so the depth histogram's range is set half as deep again beyond it.
double StraightPathDepth(const PreparedStack& s);

}  // namespace fenra
