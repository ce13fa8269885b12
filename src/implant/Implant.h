#pragma once
// A Monte Carlo of ion paths in the binary-collision approximation through a stack of
// amorphous layers: where the ions come to rest, what comes back out of the front and what
// leaves through the back, and the energy given to electrons and to nuclei along the way.
//
// Physics (each piece named with its source in the file that does it):
// - Between collisions the ion flies straight and loses energy continuously to electrons, by
//   the layer's electronic stopping table (the program's stopping, either model), with the
//   loss on each part of a flight drawn from a normal distribution of the layer's energy-loss
//   straggling (Bohr's variance with its corrections, physics/Straggling.h) about that mean,
//   cut symmetrically at 0 and twice the mean so that no energy is gained and the mean loss
//   stays the stopping's (the cut narrows only parts shorter than a few atomic distances).
// - Free flight: the TRIM scheme of Biersack and Haggmark (Nucl. Instr. Meth. 174 (1980) 257)
//   with the flight length of ZBL 1985 ch. 8 set by the largest impact parameter that still
//   transfers minTransferEv: L = 1/(pi p_max^2 N), never shorter than the mean atomic distance
//   N^-1/3 (the dense limit, where p_max = (pi N^2/3)^-1/2, as in TRIM for slow ions) and
//   never so long that the electronic loss on it exceeds 5 % of the energy. The impact
//   parameter is drawn uniformly over the disc of radius p_max.
// - The target atom is drawn by its share of the atoms in the layer.
// - Scattering: the universal (ZBL) potential, the centre-of-mass angle from a table of the
//   scattering integral (ScatteringTable.h), laboratory angles and the transfer from the
//   kinematics (Kinematics.h).
// - Recoils are not followed: the energy T given to a target atom is counted as nuclear energy
//   at the collision's depth, and its displacements by the modified Kinchin-Pease (NRT)
//   formula (Damage.h).
//
// Units: energies in keV unless the name says eV; lengths in nm; angles in degrees from the
// surface normal; densities in atoms/cm3; stopping in eV/(1E15 atoms/cm2).
//
// Deterministic: ion k draws from its own pcg32 stream (O'Neill 2014), seeded with the run's
// seed and selected by k, and the tallies of fixed blocks of ions are added in block order, so
// the same seed gives the same results to the last bit whatever the number of threads.

#include <atomic>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "messages/Message.h"

namespace fenra {

constexpr int kMaxImplantLayers = 10;

struct ImplantElement {
    int Z = 0;
    double mass = 0;                 // amu
    double fraction = 0;             // share of the atoms (weights, need not add up to 1)
    double displacementEnergy = 25;  // eV, for the Kinchin-Pease displacements
};

// Electronic stopping of the ion in one layer against the ion's energy, ascending in energy;
// read by linear interpolation, constant beyond its ends.
struct StoppingTable {
    std::vector<double> energy;    // keV
    std::vector<double> stopping;  // eV/(1E15 atoms/cm2)
    // d(Omega^2)/dx at the same energies, eV^2 per 1E15 atoms/cm2; empty: no straggling.
    std::vector<double> straggling;
};

struct ImplantLayer {
    std::vector<ImplantElement> elements;
    double atomsPerCm3 = 0;
    double thickness = 0;  // nm
    StoppingTable electronic;
};

struct ImplantIon {
    int Z = 0;
    double mass = 0;    // amu
    double energy = 0;  // keV
    double angle = 0;   // degrees from the surface normal, 0 to below 90
};

struct ImplantOptions {
    uint64_t ions = 1000;
    uint64_t seed = 1;
    int threads = 0;           // 0: every core
    double cutoffEv = 10;      // an ion below this energy is at rest
    double minTransferEv = 1;  // collisions transferring less are left out (free flight)
    int depthBins = 100;       // bins of the depth histograms
    double depthRange = 0;     // nm; 0: chosen from the stack and the ion's path length
    int energyBins = 100;      // bins of the backscattered/transmitted energy spectra
    int angleBins = 90;        // bins of their angle histograms (0 to 90 degrees)
    // For tests only: no collisions; the ion runs straight and loses the mean nuclear
    // stopping (ZBL universal) continuously beside the electronic one, so that its path
    // length is the continuous-slowing-down range.
    bool scattering = true;
    // The electronic energy-loss straggling of the flights (when the layers' tables give it).
    bool electronicStraggling = true;
};

// The energies (keV) at which the simulation would like the electronic stopping of each
// layer: its own interpolation nodes between the cut-off and the ion's energy.
std::vector<double> ImplantTableEnergies(double ionEnergy, double cutoffEv);

// Shared with the caller while a run goes on: the ions done so far, and a request to stop.
struct ImplantProgress {
    std::atomic<uint64_t> ionsDone{0};
    std::atomic<bool> cancel{false};
    // When set, called with the index of each block of ions before it is followed, on the thread
    // that follows it (so from several threads at once). An exception it throws ends the run as
    // any fault of a thread does: the other threads stop and RunImplant rethrows it.
    std::function<void(uint64_t block)> beforeBlock;
};

struct MeanValue {
    double mean = 0;
    double error = 0;  // standard error of the mean (of the value for straggles)
};

struct Histogram {
    double low = 0, width = 0;   // first edge and bin width
    std::vector<double> values;  // per bin
    // The standard error of each value, where the result gives one (the depth histograms);
    // empty otherwise.
    std::vector<double> errors;
    double Edge(std::size_t k) const { return low + width * static_cast<double>(k); }
};

struct ImplantResult {
    uint64_t ionsRequested = 0;
    uint64_t ionsRun = 0;  // fewer than requested when the run was cancelled
    bool cancelled = false;
    uint64_t stopped = 0, backscattered = 0, transmitted = 0;
    std::vector<uint64_t> stoppedPerLayer;

    // Stopped ions.
    MeanValue projectedRange;  // nm, mean final depth
    MeanValue straggle;        // nm, standard deviation of the final depth
    double skewness = 0;
    double kurtosis = 0;      // 3 for a normal distribution
    MeanValue lateralSpread;  // nm, standard deviation of the final position across the beam
    MeanValue radialRange;    // nm, mean distance from the entry line's axis
    MeanValue pathLength;     // nm, mean length of the path travelled

    MeanValue backscatteredFraction, transmittedFraction;
    MeanValue backscatteredEnergy, backscatteredAngle;  // keV, degrees from the normal
    MeanValue transmittedEnergy, transmittedAngle;
    // The standard deviation of the energies that came back or went through: the straggling
    // of the energy behind the stack.
    MeanValue backscatteredEnergySpread, transmittedEnergySpread;

    // Per ion, keV: where the ion's energy went (they add up to the ion's energy).
    double electronicEnergy = 0, nuclearEnergy = 0, backscatteredEnergyShare = 0,
           transmittedEnergyShare = 0, restEnergy = 0;
    double collisionsPerIon = 0;
    // The standard errors of the means per ion above, from the spread of the single ions.
    double electronicEnergyError = 0, nuclearEnergyError = 0, collisionsPerIonError = 0;
    // Kinchin-Pease displacements per ion, of every collision (also those deeper than the
    // depth histogram reaches).
    MeanValue displacementsPerIon;

    // The depth histograms with the standard error of each bin: of the counts the binomial
    // error (the ions are independent), of the deposits the spread of the means of the blocks
    // of ions (batch means) divided by the square root of their number; 0 with one block.
    Histogram depth;                // stopped ions per bin (counts); edges in nm
    uint64_t beyondDepthRange = 0;  // stopped deeper than the histogram reaches
    Histogram electronicDeposit;    // eV/nm per ion
    Histogram nuclearDeposit;       // eV/nm per ion
    Histogram displacements;        // displacements/nm per ion
    Histogram backscatteredSpectrum, transmittedSpectrum;  // counts against keV
    Histogram backscatteredAngles, transmittedAngles;      // counts against degrees
    std::vector<double> layerFaces;  // nm, the front of each layer and the back of the last
};

enum class ImplantProblem {
    NoLayer,          // the stack is empty
    TooManyLayers,    // more than kMaxImplantLayers
    BadIon,           // Z or mass not positive
    BadEnergy,        // the energy is not positive and finite
    BadAngle,         // not in [0, 90)
    BadOption,        // a count, cut-off or range out of bounds
    NoElement,        // a layer without elements or with a non-positive share, Z or mass
    NoDensity,        // a layer without a positive atomic density
    BadThickness,     // a layer's thickness not positive and finite
    BadStoppingTable  // a layer's table empty, unordered or not finite and non-negative (the
                      // stopping and, when given, the straggling)
};

// Thrown by RunImplant before it starts; layer is the index of the faulty layer or -1. The
// reason is the problem's sentence (messages/PhysicsMessages.h): what() says it in English, the
// windows translate it.
class ImplantError : public std::invalid_argument {
  public:
    ImplantError(ImplantProblem problem, int layer);
    ImplantProblem Problem() const { return problem_; }
    int Layer() const { return layer_; }
    const Message& Reason() const { return reason_; }

  private:
    ImplantError(ImplantProblem problem, int layer, Message reason);

    ImplantProblem problem_;
    int layer_;
    Message reason_;
};

// The sentence naming `problem`.
Message ImplantProblemSentence(ImplantProblem problem);

// Runs the simulation on options.threads threads (or every core) and returns the tallies of
// the ions done: all of them, or the first ones up to a whole block when progress->cancel is
// set meanwhile. progress may be null.
ImplantResult RunImplant(const ImplantIon& ion, const std::vector<ImplantLayer>& layers,
                         const ImplantOptions& options, ImplantProgress* progress = nullptr);

}  // namespace fenra
