#pragma once
// The ion and material arguments every physics function of the module takes, resolved as
// fenra32-calc resolves its ION and MATERIAL, with the same words in the errors.

#include <pybind11/pybind11.h>

#include <optional>
#include <string>

#include "range/IonTarget.h"

namespace fenra::python {

// An element symbol or an atomic number; mass in amu (None: the most abundant isotope's).
Ion IonArgument(const pybind11::handle& ion, const std::optional<double>& mass);

// A material text (symbol, formula or listed name) or a Material; density in g/cm3 (None: the
// material's own).
Material MaterialArgument(const pybind11::handle& material, const std::optional<double>& density);

// A stopping model by name ("classic" or "modern"); ValueError otherwise.
StoppingModel ModelArgument(const std::string& name);

// The ion in the material, ready for the stopping, range and layer functions.
Target TargetArgument(const pybind11::handle& ion, const pybind11::handle& material,
                      const std::optional<double>& mass, const std::optional<double>& density,
                      StoppingModel model = StoppingModel::classic);

}  // namespace fenra::python
