#include "python/ModuleCore.h"

#include <dlfcn.h>
#include <pybind11/pybind11.h>

#include <cstring>
#include <filesystem>

#include "elements/DatabaseSearch.h"
#include "materials/PhysicsError.h"

namespace fenra::python {

namespace py = pybind11;

std::string ModuleDirectory() {
    // The address of a function of this module names the shared object it was loaded from.
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&ModuleDirectory), &info) == 0 || !info.dli_fname)
        return {};
    std::error_code ec;
    const std::filesystem::path file = std::filesystem::canonical(info.dli_fname, ec);
    return ec ? std::string() : file.parent_path().string();
}

const ElementDatabase& ModuleDatabase() {
    // Opened under the interpreter lock on the first call of any function; a failed search is
    // tried again on the next call.
    static const ElementDatabase db = [] {
        DatabaseSearchInput in = ProcessDatabaseSearch("", ModuleDirectory());
        in.installedDataFolder = FENRA_PYTHON_DATA_FOLDER;
        return OpenSearchedDatabase(FindDatabase(in));
    }();
    return db;
}

const MaterialList& ModuleMaterials() {
    static const MaterialList list = MaterialList::LoadBeside(ModuleDatabase());
    return list;
}

namespace {

// ModelRangeWarning, created with the module and kept for its life.
PyObject* modelRangeWarning = nullptr;

PyObject* ExceptionOf(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::UnknownName:
            return PyExc_LookupError;
        case ErrorKind::CalculationFailed:
            return PyExc_ArithmeticError;
        case ErrorKind::UnreadableFile:
            return PyExc_OSError;
        case ErrorKind::BadValue:
            break;
    }
    return PyExc_ValueError;
}

PyObject* ExceptionOf(RunFault fault) {
    switch (fault) {
        case RunFault::Unreadable:
            return PyExc_OSError;
        case RunFault::UnknownName:
            return PyExc_LookupError;
        case RunFault::BadInput:
            break;
    }
    return PyExc_ValueError;
}

// Sets the exception with the message decoded as UTF-8, a byte that is not (part of a file name,
// say) replaced: PyErr_SetString would raise an empty exception instead.
void SetError(PyObject* type, const char* message) {
    PyObject* text =
        PyUnicode_DecodeUTF8(message, static_cast<Py_ssize_t>(std::strlen(message)), "replace");
    if (!text) return;  // the decoding's own error (out of memory) is raised
    PyErr_SetObject(type, text);
    Py_DECREF(text);
}

}  // namespace

void WarnOutsideModel(const std::string& text) {
    if (PyErr_WarnEx(modelRangeWarning, text.c_str(), 1) != 0) throw py::error_already_set();
}

void RegisterErrorTranslation(py::module_& m) {
    const std::string doc = Words(
        Sentence(PhysicsText::ModelRangeWarningDoc, {Sentence(PhysicsText::ModernModelDomain)}));
    modelRangeWarning = PyErr_NewExceptionWithDoc("fenra32.ModelRangeWarning", doc.c_str(),
                                                  PyExc_UserWarning, nullptr);
    if (!modelRangeWarning) throw py::error_already_set();
    m.attr("ModelRangeWarning") = py::handle(modelRangeWarning);
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const ModuleError& e) {
            SetError(ExceptionOf(e.Fault()), e.what());
        } catch (const ElementDatabaseError& e) {
            SetError(PyExc_OSError, e.what());
        } catch (const PhysicsError& e) {
            SetError(ExceptionOf(e.Kind()), e.what());
        }
    });
}

}  // namespace fenra::python
