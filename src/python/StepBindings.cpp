// energy_steps: the energies of a table from one energy to another, as fenra32-calc's --from,
// --to and --steps form them.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "materials/PhysicsError.h"
#include "python/ModuleBindings.h"
#include "range/EnergySteps.h"

namespace fenra::python {

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

// energy_steps(start, stop, steps, linear): the energies of a table, as fenra32-calc's --from,
// --to and --steps form them.
py::array_t<double> EnergyStepsOf(double start, double stop, const py::handle& stepsGiven,
                                  bool linear) {
    if (PyBool_Check(stepsGiven.ptr()) || !PyLong_Check(stepsGiven.ptr()))
        throw py::type_error(Words(Sentence(
            PhysicsText::StepsNotWholeNumberType,
            {Value(py::str(py::type::of(stepsGiven).attr("__name__")).cast<std::string>())})));
    const long long steps = PyLong_AsLongLong(stepsGiven.ptr());
    if (steps == -1 && PyErr_Occurred()) PyErr_Clear();
    if (steps < 1 || steps > kMaxEnergySteps)
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::StepCountNotWholeNumber,
                           {Value(py::repr(stepsGiven).cast<std::string>()),
                            Value(std::to_string(kMaxEnergySteps))});
    for (const auto& [name, v] : {std::pair{"start", start}, std::pair{"stop", stop}})
        if (!(v >= 0) || !std::isfinite(v))
            throw PhysicsError(ErrorKind::BadValue, PhysicsText::StepEndNotFinite,
                               {Value(name), Value(py::repr(py::float_(v)).cast<std::string>())});
    if (!linear && !(start > 0 && stop > 0))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::StepEndsNotPositive);
    const std::vector<double> e = EnergySteps(start, stop, static_cast<int>(steps), linear);
    py::array_t<double> out(static_cast<py::ssize_t>(e.size()));
    std::copy(e.begin(), e.end(), out.mutable_data());
    return out;
}

}  // namespace

void RegisterStepFunctions(py::module_& m) {
    m.def("energy_steps", &EnergyStepsOf, "start"_a, "stop"_a, "steps"_a, py::kw_only(),
          "linear"_a = false, R"doc(
energy_steps(start, stop, steps, *, linear=False) -> numpy array

The energies of a table from start to stop, both included, in `steps` equal steps of the
logarithm of the energy (linear=False; start and stop above 0) or of the energy itself: steps + 1
energies, as `fenra32-calc range --from START --to STOP --steps N` takes them. In any energy
unit: pass the same energy_unit to the function that takes them.
Example: range('p', 'water', energy_steps(1, 250, 20), unit='cm', energy_unit='MeV')
)doc");
}

}  // namespace fenra::python
