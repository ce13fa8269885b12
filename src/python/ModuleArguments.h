#pragma once
// The ion and material arguments every physics function of the module takes, resolved as
// fenra32-calc resolves its ION and MATERIAL, with the same words in the errors.

#include <pybind11/pybind11.h>

#include <optional>

#include "range/Range.h"

namespace fenra::python {

// An element symbol or an atomic number; mass in amu (None: the most abundant isotope's).
Ion IonArgument(const pybind11::handle& ion, const std::optional<double>& mass);

// A material text (symbol, formula or listed name) or a Material; density in g/cm3 (None: the
// material's own).
Material MaterialArgument(const pybind11::handle& material, const std::optional<double>& density);

// The ion in the material, ready for the stopping, range and layer functions.
Target TargetArgument(const pybind11::handle& ion, const pybind11::handle& material,
                      const std::optional<double>& mass, const std::optional<double>& density);

// Layer k of a list: (material, thickness, unit) or (material, thickness, unit, density).
Layer LayerArgument(const Ion& ion, const pybind11::handle& given, std::size_t k);

}  // namespace fenra::python
