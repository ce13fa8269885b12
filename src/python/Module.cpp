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

Energies are in keV (the ion's total kinetic energy), stoppings in eV/(1e15 atoms/cm2) unless a
unit is given. The element database is found on first use: the file named by FENRA32_DB, else
Fenra32.mdb beside this module, else in the installed data folder (PREFIX/share/fenra32).

Errors are Python exceptions with fenra32-calc's words: ValueError for a bad value, LookupError
for an unknown element, OSError for a file that cannot be read.
)doc";
    m.attr("__version__") = fenra::kVersionText;
    fenra::python::RegisterErrorTranslation(m);
    fenra::python::RegisterMaterialFunctions(m);
    fenra::python::RegisterPhysicsFunctions(m);
    fenra::python::RegisterTargetFunctions(m);
    m.def(
        "database_path", [] { return fenra::python::ModuleDatabase().Path(); },
        "database_path() -> str\n\nThe path of the element database the module reads.");
}
