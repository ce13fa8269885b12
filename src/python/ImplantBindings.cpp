// implant(): the ion paths simulation through a stack, its summary and its histograms as numpy
// arrays, run without the interpreter lock; Ctrl+C stops it with KeyboardInterrupt.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "batch/ImplantLayers.h"
#include "implant/Implant.h"
#include "materials/PhysicsError.h"
#include "messages/ImplantLabels.h"
#include "python/ModuleArguments.h"
#include "python/ModuleBindings.h"
#include "python/ModuleCore.h"

namespace fenra::python {

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

constexpr auto kSignalInterval = std::chrono::milliseconds(100);

py::array_t<double> ArrayOf(const std::vector<double>& v) {
    py::array_t<double> a(static_cast<py::ssize_t>(v.size()));
    std::copy(v.begin(), v.end(), a.mutable_data());
    return a;
}

py::array_t<double> EdgesOf(const Histogram& h) {
    std::vector<double> edges;
    for (std::size_t k = 0; k <= h.values.size(); ++k) edges.push_back(h.Edge(k));
    return ArrayOf(edges);
}

PhysicsText ProblemText(ImplantProblem p) {
    switch (p) {
        case ImplantProblem::NoLayer:
            return PhysicsText::PathsNoLayer;
        case ImplantProblem::TooManyLayers:
            return PhysicsText::PathsTooManyLayers;
        case ImplantProblem::BadEnergy:
            return PhysicsText::PathsBadEnergy;
        case ImplantProblem::BadAngle:
            return PhysicsText::PathsBadAngle;
        case ImplantProblem::BadOption:
            return PhysicsText::PathsBadOption;
        default:
            return PhysicsText::StackNotSimulated;
    }
}

// Runs on a worker thread while this one, without the lock, looks for Ctrl+C every 0.1 s.
ImplantResult RunInterruptibly(const ImplantIon& ion, const std::vector<ImplantLayer>& layers,
                               const ImplantOptions& options) {
    ImplantProgress progress;
    ImplantResult result;
    std::exception_ptr failure;
    bool interrupted = false;
    {
        py::gil_scoped_release release;
        std::mutex mutex;
        std::condition_variable over;
        bool done = false;
        std::thread worker([&] {
            try {
                result = RunImplant(ion, layers, options, &progress);
            } catch (...) {
                failure = std::current_exception();
            }
            std::lock_guard<std::mutex> lock(mutex);
            done = true;
            over.notify_all();
        });
        for (;;) {
            {
                std::unique_lock<std::mutex> lock(mutex);
                if (over.wait_for(lock, kSignalInterval, [&] { return done; })) break;
            }
            if (interrupted) continue;
            py::gil_scoped_acquire acquire;
            if (PyErr_CheckSignals() != 0) {
                interrupted = true;
                progress.cancel = true;
            }
        }
        worker.join();
    }
    if (interrupted) throw py::error_already_set();
    if (failure) std::rethrow_exception(failure);
    return result;
}

py::dict ResultDict(const ImplantResult& r) {
    using L = ImplantLabel;
    py::dict d;
    auto put = [&](L label, const auto& value) { d[py::str(KeyOf(label))] = value; };
    auto mean = [&](L label, const MeanValue& m) {
        d[py::str(KeyOf(label))] = m.mean;
        d[py::str(KeyOf(label) + "_error")] = m.error;
    };
    put(L::Ions, r.ionsRun);
    put(L::Stopped, r.stopped);
    d["backscattered"] = r.backscattered;
    d["transmitted"] = r.transmitted;
    mean(L::ProjectedRange, r.projectedRange);
    mean(L::Straggle, r.straggle);
    put(L::Skewness, r.skewness);
    put(L::Kurtosis, r.kurtosis);
    mean(L::LateralSpread, r.lateralSpread);
    mean(L::RadialRange, r.radialRange);
    mean(L::PathLength, r.pathLength);
    mean(L::Backscattered, r.backscatteredFraction);
    mean(L::Transmitted, r.transmittedFraction);
    mean(L::BackscatteredEnergy, r.backscatteredEnergy);
    mean(L::BackscatteredAngle, r.backscatteredAngle);
    mean(L::TransmittedEnergy, r.transmittedEnergy);
    mean(L::TransmittedAngle, r.transmittedAngle);
    mean(L::BackscatteredEnergySpread, r.backscatteredEnergySpread);
    mean(L::TransmittedEnergySpread, r.transmittedEnergySpread);
    put(L::EnergyToElectrons, r.electronicEnergy);
    put(L::EnergyToNuclei, r.nuclearEnergy);
    d[py::str(KeyOf(L::EnergyToElectrons) + "_error")] = r.electronicEnergyError;
    d[py::str(KeyOf(L::EnergyToNuclei) + "_error")] = r.nuclearEnergyError;
    mean(L::CollisionsPerIon, {r.collisionsPerIon, r.collisionsPerIonError});
    mean(L::DisplacementsPerIon, r.displacementsPerIon);
    put(L::Recoils, false);
    std::vector<double> perLayer(r.stoppedPerLayer.begin(), r.stoppedPerLayer.end());
    put(L::StoppedInLayer, ArrayOf(perLayer));
    d["layer_faces"] = ArrayOf(r.layerFaces);
    d["depth_edges"] = EdgesOf(r.depth);
    d["depth_counts"] = ArrayOf(r.depth.values);
    d["electronic_deposit"] = ArrayOf(r.electronicDeposit.values);
    d["nuclear_deposit"] = ArrayOf(r.nuclearDeposit.values);
    d["displacements"] = ArrayOf(r.displacements.values);
    d["depth_counts_error"] = ArrayOf(r.depth.errors);
    d["electronic_deposit_error"] = ArrayOf(r.electronicDeposit.errors);
    d["nuclear_deposit_error"] = ArrayOf(r.nuclearDeposit.errors);
    d["displacements_error"] = ArrayOf(r.displacements.errors);
    d["energy_edges"] = EdgesOf(r.backscatteredSpectrum);
    d["backscattered_spectrum"] = ArrayOf(r.backscatteredSpectrum.values);
    d["transmitted_spectrum"] = ArrayOf(r.transmittedSpectrum.values);
    d["angle_edges"] = EdgesOf(r.backscatteredAngles);
    d["backscattered_angles"] = ArrayOf(r.backscatteredAngles.values);
    d["transmitted_angles"] = ArrayOf(r.transmittedAngles.values);
    return d;
}

// Python's float() of a value: its ValueError or TypeError when it has none.
double FloatOf(const py::handle& value) {
    const py::object f = py::reinterpret_steal<py::object>(PyNumber_Float(value.ptr()));
    if (!f) throw py::error_already_set();
    return PyFloat_AsDouble(f.ptr());
}

// displacement=: eV for every element, or a dict of eV by element symbol (the others 25).
DisplacementEnergies DisplacementArgument(const py::handle& given) {
    DisplacementEnergies d;
    if (py::isinstance<py::dict>(given)) {
        for (const auto& [symbol, ev] : given.cast<py::dict>())
            d.bySymbol.emplace_back(py::str(symbol).cast<std::string>(),
                                    DisplacementEnergyOf(FloatOf(ev)));
        return d;
    }
    d.all = DisplacementEnergyOf(FloatOf(given));
    return d;
}

py::dict Implant(const py::handle& ion, double energy, const py::sequence& layers, uint64_t ions,
                 uint64_t seed, std::optional<int> threads, const std::string& model, double angle,
                 double cutoff, int bins, std::optional<double> mass, bool straggling,
                 const py::object& displacement) {
    const StoppingModel stopping = ModelArgument(model);
    const Ion resolved = IonArgument(ion, mass);
    if (!(energy > cutoff / 1000))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::EnergyAboveCutoff);
    const std::vector<Layer> given = StackArgument(resolved, layers, stopping);
    std::vector<ImplantLayer> stack;
    for (std::size_t k = 0; k < given.size(); ++k) {
        const Layer& layer = given[k];
        try {
            stack.push_back(ImplantLayerOf(layer.target, layer.thickness, energy, cutoff));
        } catch (const PhysicsError& e) {
            throw PhysicsError(e.Kind(),
                               Prefixed(Sentence(PhysicsText::Indexed,
                                                 {Value("layers"), Value(std::to_string(k))}),
                                        e.Reason()));
        }
    }
    SetDisplacementEnergies(stack, DisplacementArgument(displacement), ModuleDatabase());
    ImplantOptions o;
    o.ions = ions;
    o.seed = seed;
    o.threads = threads.value_or(0);
    o.cutoffEv = cutoff;
    o.depthBins = bins;
    o.energyBins = bins;
    o.electronicStraggling = straggling;
    try {
        return ResultDict(RunInterruptibly(ImplantIonOf(resolved, energy, angle), stack, o));
    } catch (const ImplantError& e) {
        throw PhysicsError(ErrorKind::BadValue, ProblemText(e.Problem()));
    }
}

}  // namespace

void RegisterImplantFunctions(py::module_& m) {
    m.def("implant", &Implant, "ion"_a, "energy"_a, "layers"_a, py::kw_only(), "ions"_a = 1000,
          "seed"_a = 1, "threads"_a = py::none(),
          "model"_a = StoppingModelName(kDefaultStoppingModel), "angle"_a = 0.0, "cutoff"_a = 10.0,
          "bins"_a = 100, "mass"_a = py::none(), "straggling"_a = true, "displacement"_a = 25.0,
          R"doc(
implant(ion, energy, layers, *, ions=1000, seed=1, threads=None, model='classic', angle=0,
        cutoff=10, bins=100, mass=None, straggling=True, displacement=25) -> dict

A Monte Carlo of ion paths through a stack of amorphous layers (binary collisions with the
universal potential, the program's electronic stopping between them), as
`fenra32-calc implant` runs it. Recoils are not followed: their energy counts as nuclear energy
where they were struck.
  energy    total energy in keV in front of the stack
  layers    a list of (material, thickness, unit) or (material, thickness, unit, density) as for
            energy_after(); every layer needs a density
  ions      ions to follow; seed: the same seed gives the same results on any number of threads
  threads   threads (None: every core); model: the electronic stopping model ('classic')
  angle     degrees from the normal; cutoff: eV, an ion below it is at rest; bins: histograms
  straggling  False: each flight loses exactly the mean electronic energy (no energy-loss
            straggling), as fenra32-calc implant --no-straggling
  displacement  eV, the displacement energy of the Kinchin-Pease count: one number for every
            element, or a dict by element symbol ({'Si': 15, 'O': 28}; the others 25)

The dict holds the counts (ions, stopped, backscattered, transmitted), the means with their
standard errors (projected_range, straggle, lateral_spread, radial_range, path_length in nm;
backscattered_/transmitted_fraction, _energy and _energy_spread (standard deviation) in keV,
_angle in degrees from the normal; each
with a key ending in _error), skewness, kurtosis, the energy per ion to electrons and nuclei
(keV), displacements_per_ion and collisions_per_ion (each of these four with its _error), and
numpy arrays: depth_edges (nm), depth_counts (stopped ions per bin),
electronic_deposit and nuclear_deposit (eV/nm per ion), displacements (per nm per ion,
Kinchin-Pease), each of these four with its standard errors (the key ending in _error),
layer_faces (nm), stopped_per_layer, energy_edges (keV) with
backscattered_spectrum and transmitted_spectrum, angle_edges (degrees) with
backscattered_angles and transmitted_angles. Runs without the interpreter lock; Ctrl+C raises
KeyboardInterrupt.
)doc");
}

}  // namespace fenra::python
