#pragma once
// The parts of the Python module, each registering its functions on the module.

#include <pybind11/pybind11.h>

namespace fenra::python {

void RegisterTargetFunctions(pybind11::module_& m);
void RegisterMaterialFunctions(pybind11::module_& m);
void RegisterPhysicsFunctions(pybind11::module_& m);
void RegisterStepFunctions(pybind11::module_& m);
void RegisterSpreadFunctions(pybind11::module_& m);
void RegisterImplantFunctions(pybind11::module_& m);

}  // namespace fenra::python
