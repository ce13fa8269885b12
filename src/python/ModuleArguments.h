#pragma once
// The ion and material arguments every physics function of the module takes, resolved as
// fenra32-calc resolves its ION and MATERIAL, with the same words in the errors.

#include <pybind11/pybind11.h>

#include <optional>
#include <string>
#include <vector>

#include "range/IonTarget.h"
#include "range/Range.h"

namespace fenra::python {

// An element symbol or an atomic number; mass in amu (None: the most abundant isotope's).
Ion IonArgument(const pybind11::handle& ion, const std::optional<double>& mass);

// The ion in a material text (symbol, formula or listed name) or a Material; density in g/cm3
// (None: the material's own).
Target TargetArgument(const Ion& ion, const pybind11::handle& material,
                      const std::optional<double>& density,
                      StoppingModel model = kDefaultStoppingModel);

// A stopping model by its name (StoppingModelNamed); ValueError naming every model otherwise.
StoppingModel ModelArgument(const std::string& name);

// The ion in the material, ready for the stopping, range and layer functions.
Target TargetArgument(const pybind11::handle& ion, const pybind11::handle& material,
                      const std::optional<double>& mass, const std::optional<double>& density,
                      StoppingModel model = kDefaultStoppingModel);

// A stack: a sequence of (material, thickness, unit) or (material, thickness, unit, density);
// errors name the layer ("layers[1]: ..."). Each layer's stopping is the model's.
std::vector<Layer> StackArgument(const Ion& ion, const pybind11::sequence& layers,
                                 StoppingModel model = kDefaultStoppingModel);

}  // namespace fenra::python
