// transmit and energy_before: the path of an ion through a stack with the spreads behind each
// layer, as `fenra32-calc layers` and `energy-before` print them, as a dict of numpy arrays.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <optional>
#include <string>
#include <vector>

#include "materials/PhysicsError.h"
#include "python/ModuleArguments.h"
#include "python/ModuleBindings.h"
#include "python/ModuleCore.h"
#include "range/Spread.h"

namespace fenra::python {

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

constexpr double kMradPerRad = 1000;

// The columns of the record, named as fenra32-calc's.
struct Column {
    const char* name;
    double (*value)(const Layer&, const LayerResult&, const LayerSpread&);
};

const Column kColumns[] = {
    {"thickness_e15",
     [](const Layer& l, const LayerResult&, const LayerSpread&) { return l.thickness; }},
    {"energy_in_keV",
     [](const Layer&, const LayerResult& r, const LayerSpread&) { return r.energyIn; }},
    {"energy_out_keV",
     [](const Layer&, const LayerResult& r, const LayerSpread&) { return r.energyOut; }},
    {"energy_loss_keV",
     [](const Layer&, const LayerResult& r, const LayerSpread&) { return r.energyLoss; }},
    {"stopped_at_e15",
     [](const Layer&, const LayerResult& r, const LayerSpread&) {
         return r.stopped ? r.stoppedAt : LayerSpread::kUnknown;
     }},
    {"energy_sigma_keV",
     [](const Layer&, const LayerResult&, const LayerSpread& s) { return s.energySigma; }},
    {"angle_sigma_mrad", [](const Layer&, const LayerResult&,
                            const LayerSpread& s) { return s.angleSigma * kMradPerRad; }},
    {"lateral_sigma_um",
     [](const Layer&, const LayerResult&, const LayerSpread& s) { return s.lateralSigma; }},
    {"charge_mean",
     [](const Layer&, const LayerResult&, const LayerSpread& s) { return s.chargeMean; }},
};

py::dict Record(const std::vector<Layer>& stack, const StackResult& path,
                const std::vector<LayerSpread>& spreads) {
    py::dict record;
    const py::ssize_t n = static_cast<py::ssize_t>(path.layers.size());
    for (const Column& c : kColumns) {
        py::array_t<double> column(n);
        double* y = column.mutable_data();
        for (py::ssize_t k = 0; k < n; ++k) {
            const std::size_t j = static_cast<std::size_t>(k);
            y[k] = c.value(stack[j], path.layers[j], spreads[j]);
        }
        record[c.name] = column;
    }
    return record;
}

void Warn(const StackResult& path, const std::vector<LayerSpread>& spreads, StoppingModel model) {
    if (path.outOfModel)
        WarnOutsideModel(OutOfModelWarning("an energy on the path through the layers", model));
    for (std::size_t k = 0; k < spreads.size(); ++k)
        if (spreads[k].outOfValidity)
            WarnOutsideModel(
                SpreadValidityWarning("the spreads behind layers[" + std::to_string(k) + "]"));
}

py::dict Path(const py::handle& ion, double energy, const py::sequence& layers,
              std::optional<double> mass, const std::string& modelText, bool before) {
    const StoppingModel model = ModelArgument(modelText);
    const std::vector<Layer> stack = StackArgument(IonArgument(ion, mass), layers, model);
    StackResult path;
    std::vector<LayerSpread> spreads;
    {
        py::gil_scoped_release release;
        path = before ? EnergyBeforeStack(stack, energy) : EnergyAfterStack(stack, energy);
        spreads = StackSpreads(stack, path);
    }
    Warn(path, spreads, model);
    return Record(stack, path, spreads);
}

py::dict Transmit(const py::handle& ion, double energy, const py::sequence& layers,
                  std::optional<double> mass, const std::string& model) {
    return Path(ion, energy, layers, mass, model, false);
}

py::dict EnergyBefore(const py::handle& ion, double energy, const py::sequence& layers,
                      std::optional<double> mass, const std::string& model) {
    return Path(ion, energy, layers, mass, model, true);
}

}  // namespace

void RegisterSpreadFunctions(py::module_& m) {
    m.def("transmit", &Transmit, "ion"_a, "energy"_a, "layers"_a, py::kw_only(),
          "mass"_a = py::none(), "model"_a = StoppingModelName(kDefaultStoppingModel), R"doc(
transmit(ion, energy, layers, *, mass=None, model='classic') -> dict of numpy arrays

The ion's path through a stack, front to back, as `fenra32-calc layers` prints it: one entry
per layer it reaches (none after the layer it stops in), under the names of its columns:
  thickness_e15, energy_in_keV, energy_out_keV, energy_loss_keV,
  stopped_at_e15     depth of the stop in the layer (nan where it goes through)
  energy_sigma_keV   standard deviation of the energy behind the layer (nan where it stops)
  angle_sigma_mrad   projected angular spread behind the layer (nan where it stops)
  lateral_sigma_um   projected lateral spread behind the layer or at the stopping point (nan
                     unless every layer up to there has a density)
  charge_mean        mean equilibrium charge behind the layer (nan where it stops)
  energy    total energy in front of the stack, keV
  layers    as for energy_after()
  model     the stopping model by name ('classic': the calculator's)
Spreads outside their formulas' validity give a ModelRangeWarning.
Example: transmit('He', 5486, [('mylar', 10, 'um')])['energy_sigma_keV']
)doc");

    m.def("energy_before", &EnergyBefore, "ion"_a, "energy"_a, "layers"_a, py::kw_only(),
          "mass"_a = py::none(), "model"_a = StoppingModelName(kDefaultStoppingModel), R"doc(
energy_before(ion, energy, layers, *, mass=None, model='classic') -> dict of numpy arrays

The path of an ion that leaves the stack with `energy` (keV) behind its last layer, as
`fenra32-calc energy-before` prints it: found layer by layer from the back, listed front to back
with the spreads of an ion entering the first layer without spread, in the record of transmit().
The energy in front of the stack is energy_before(...)['energy_in_keV'][0].
)doc");
}

}  // namespace fenra::python
