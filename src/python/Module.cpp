// The Python module fenra32: every number the window and fenra32-calc give, one import away,
// computed by the same core.

#include <pybind11/pybind11.h>

#include "python/ModuleBindings.h"
#include "python/ModuleCore.h"
#include "state/Version.h"

PYBIND11_MODULE(fenra32, m) {
    m.doc() = R"doc(
Electronic stopping of ions in matter, computed by the Fenra32 core: the same numbers as the
Fenra32 window and fenra32-calc, bit for bit.

Energies are in keV (the ion's total kinetic energy) unless an energy_unit is given, stoppings
in eV/(1e15 atoms/cm2) unless a unit is given. An ion is an element symbol, an atomic number, a
particle name (p, d, t, helion, alpha) or an isotope (12C, 238U). The element database is found on first use: the file named by FENRA32_DB, else
Fenra32.mdb beside this module, else in the installed data folder (PREFIX/share/fenra32).

Functions: stopping, range, energy_after, energy_for_range, energy_steps, Material, materials,
read_target_file, calculate, implant, database_path. A number gives a float; a sequence or numpy
array of energies gives a numpy array of the same shape, computed in one call.

Errors are Python exceptions with fenra32-calc's words: ValueError for a bad value, unit or
formula, LookupError for an unknown ion, element or material, OSError for a file that cannot be
read, ArithmeticError when the model gives no finite result. An energy outside the model's
1 keV/u to 2 GeV/u is computed and gives a ModelRangeWarning.
)doc";
    m.attr("__version__") = fenra::kReleaseVersion;
    fenra::python::RegisterErrorTranslation(m);
    fenra::python::RegisterMaterialFunctions(m);
    fenra::python::RegisterPhysicsFunctions(m);
    fenra::python::RegisterStepFunctions(m);
    fenra::python::RegisterSpreadFunctions(m);
    fenra::python::RegisterTargetFunctions(m);
    fenra::python::RegisterImplantFunctions(m);
    m.def(
        "database_path", [] { return fenra::python::ModuleDatabase().Path(); },
        "database_path() -> str\n\nThe path of the element database the module reads.");
}
