#pragma once
// What every function of the Python module shares: the element database it reads and the
// translation of the core's errors into Python exceptions.

#include <pybind11/pybind11.h>

#include <stdexcept>
#include <string>

#include "batch/TargetRun.h"
#include "elements/ElementDatabase.h"
#include "materials/MaterialList.h"

namespace fenra::python {

// The element database, found on first use as the programs find theirs (FENRA32_DB, then
// beside this module, then the installed data folder), and kept for the life of the process.
// Throws ElementDatabaseError with the places looked in when there is none.
const ElementDatabase& ModuleDatabase();

// The list of named materials beside that database, read on first use.
const MaterialList& ModuleMaterials();

// The folder this module's shared object was loaded from; empty when unknown.
std::string ModuleDirectory();

// A fault raised in Python by its kind: ValueError for a bad value, LookupError for an unknown
// name, OSError for a file that cannot be read.
class ModuleError : public std::runtime_error {
  public:
    ModuleError(RunFault fault, const std::string& text)
        : std::runtime_error(text), fault_(fault) {}
    explicit ModuleError(const RunMessage& m) : ModuleError(m.fault, m.text) {}
    RunFault Fault() const { return fault_; }

  private:
    RunFault fault_;
};

// Registers the translation into Python exceptions of ModuleError, of ElementDatabaseError (an
// OSError: the database file is missing or cannot be used) and of PhysicsError (ValueError for
// a bad value, LookupError for an unknown name, ArithmeticError when the model gives no finite
// result for a valid input), and the warning category ModelRangeWarning on module m.
void RegisterErrorTranslation(pybind11::module_& m);

// Warns (ModelRangeWarning) that a result lies outside the model's energies; raises when the
// warnings filter turns the warning into an error.
void WarnOutsideModel(const std::string& text);

}  // namespace fenra::python
