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
#include "python/NumberValues.h"
#include "range/Spread.h"

namespace fenra::python {

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

constexpr double kMradPerRad = 1000;

// One layer of the path as the columns read it.
struct LayerView {
    const Layer& layer;
    const LayerResult& r;
    const LayerSpread& s;
    double front;  // depth of the layer's front face in the stack, 1E15 atoms/cm2
};

// The depth of the stop from the layer's front face; NaN where the ion goes through.
double StopInLayer(const LayerView& v) {
    return v.r.stopped ? v.r.stoppedAt : LayerSpread::kUnknown;
}

// The columns of the record, named as fenra32-calc's; stopped_at_e15 is the name the depth in
// the layer had before the depth from the front was given too, kept for the scripts that read
// it.
struct Column {
    const char* name;
    double (*value)(const LayerView&);
};

const Column kColumns[] = {
    {"thickness_e15", [](const LayerView& v) { return v.layer.thickness; }},
    {"energy_in_keV", [](const LayerView& v) { return v.r.energyIn; }},
    {"energy_out_keV", [](const LayerView& v) { return v.r.energyOut; }},
    {"energy_loss_keV", [](const LayerView& v) { return v.r.energyLoss; }},
    {"stop_depth_in_layer_e15", StopInLayer},
    {"stop_depth_from_front_e15",
     [](const LayerView& v) {
         return v.r.stopped ? v.front + v.r.stoppedAt : LayerSpread::kUnknown;
     }},
    {"stopped_at_e15", StopInLayer},
    {"energy_sigma_keV", [](const LayerView& v) { return v.s.energySigma; }},
    {"angle_sigma_mrad", [](const LayerView& v) { return v.s.angleSigma * kMradPerRad; }},
    {"lateral_sigma_um", [](const LayerView& v) { return v.s.lateralSigma; }},
    {"charge_mean", [](const LayerView& v) { return v.s.chargeMean; }},
};

py::dict Record(const std::vector<Layer>& stack, const StackResult& path,
                const std::vector<LayerSpread>& spreads) {
    py::dict record;
    const py::ssize_t n = static_cast<py::ssize_t>(path.layers.size());
    for (const Column& c : kColumns) {
        py::array_t<double> column(n);
        double* y = column.mutable_data();
        double front = 0;
        for (py::ssize_t k = 0; k < n; ++k) {
            const std::size_t j = static_cast<std::size_t>(k);
            y[k] = c.value({stack[j], path.layers[j], spreads[j], front});
            front += stack[j].thickness;
        }
        record[c.name] = column;
    }
    return record;
}

void Warn(const StackResult& path, const std::vector<LayerSpread>& spreads, StoppingModel model) {
    if (path.outOfModel)
        WarnOutsideModel(
            Words(OutOfModelSentence(Sentence(PhysicsText::PathThroughLayers), model)));
    for (std::size_t k = 0; k < spreads.size(); ++k)
        if (spreads[k].outOfValidity)
            WarnOutsideModel(Words(SpreadValiditySentence(
                Sentence(PhysicsText::SpreadsBehind, {Indexed("layers", k)}))));
}

py::dict Path(const py::handle& ion, double energy, const py::sequence& layers,
              std::optional<double> mass, const std::string& modelText, bool before) {
    const StoppingModel model = ModelArgument(modelText);
    const std::vector<Layer> stack = StackArgument(IonArgument(ion, mass), layers, model);
    StackResult path;
    std::vector<LayerSpread> spreads;
    {
        py::gil_scoped_release release;
        path = before ? EnergyBeforeStackWithSpreads(stack, energy, &spreads)
                      : EnergyAfterStackWithSpreads(stack, energy, &spreads);
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
          "mass"_a = py::none(), "model"_a = StoppingModelName(kPhysicsDefaultModel), R"doc(
transmit(ion, energy, layers, *, mass=None, model='modern') -> dict of numpy arrays

The ion's path through a stack, front to back, as `fenra32-calc layers` prints it: one entry
per layer it reaches (none after the layer it stops in), under the names of its columns:
  thickness_e15, energy_in_keV, energy_out_keV, energy_loss_keV,
  stop_depth_in_layer_e15    depth of the stop from the layer's front face (nan where it goes
                             through); also under its former name stopped_at_e15
  stop_depth_from_front_e15  the same from the stack's front face
  energy_sigma_keV   standard deviation of the energy behind the layer (nan where it stops)
  angle_sigma_mrad   projected angular spread behind the layer (nan where it stops)
  lateral_sigma_um   projected lateral spread behind the layer or at the stopping point (nan
                     unless every layer up to there has a density)
  charge_mean        mean equilibrium charge behind the layer (nan where it stops)
  energy    total energy in front of the stack, keV
  layers    as for energy_after()
  model     the stopping model by name: 'modern' (the default) or 'classic' (the calculator's)
Spreads outside their formulas' validity give a ModelRangeWarning.
Example: transmit('He', 5486, [('mylar', 10, 'um')])['energy_sigma_keV']
)doc");

    m.def("energy_before", &EnergyBefore, "ion"_a, "energy"_a, "layers"_a, py::kw_only(),
          "mass"_a = py::none(), "model"_a = StoppingModelName(kPhysicsDefaultModel), R"doc(
energy_before(ion, energy, layers, *, mass=None, model='modern') -> dict of numpy arrays

The path of an ion that leaves the stack with `energy` (keV) behind its last layer, as
`fenra32-calc energy-before` prints it: found layer by layer from the back, listed front to back
with the spreads of an ion entering the first layer without spread, in the record of transmit().
The energy in front of the stack is energy_before(...)['energy_in_keV'][0].
)doc");
}

}  // namespace fenra::python
