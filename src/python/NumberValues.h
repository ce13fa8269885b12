#pragma once
// Energies and ranges as a Python function is given them (one number, a sequence or a numpy
// array), and the loop that computes one result for each without the interpreter lock,
// looking for Ctrl+C on the way and warning of results outside the model.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <optional>
#include <string>
#include <vector>

#include "materials/PhysicsError.h"
#include "physics/StoppingModel.h"
#include "python/ModuleCore.h"

namespace fenra::python {

namespace py = pybind11;

using Array = py::array_t<double, py::array::c_style | py::array::forcecast>;
using OptionalNumber = std::optional<double>;

// Energies or ranges as given: one number, or a sequence or array of them.
struct Values {
    std::string name;          // "energy", "range": names a value in messages
    std::string unit = "keV";  // of the energies, as warnings name it
    bool scalar = false;
    double one = 0;              // the number, when scalar
    std::optional<Array> array;  // the numbers, when not (even an empty array_t needs numpy)

    const double* data() const { return scalar ? &one : array->data(); }
    py::ssize_t size() const { return scalar ? 1 : array->size(); }
    std::vector<py::ssize_t> shape() const {
        return {array->shape(), array->shape() + array->ndim()};
    }
};

// The values of `given`: a Python int or float, or a sequence or array of real numbers.
// TypeError for a bool or an array of another kind; BadValue for text or anything else.
Values ReadValues(const py::handle& given, const std::string& name);

// "name[k]", one value of a sequence as a refusal names it.
Message Indexed(const std::string& name, std::size_t k);

// A number as Python prints it.
std::string Repr(double v);

// "the energy 5000.0 keV": one value given, as a warning names it.
Message TheEnergy(const Values& in, double v);

// "3 of the energies": the values of an array a warning concerns.
Message OfTheEnergies(py::ssize_t count);

// The warning for results outside the model: of energies given, or of the energies found for
// ranges given.
std::string OutsideText(const Values& in, double given, double result, py::ssize_t outside,
                        StoppingModel model);

// With the interpreter lock released, at every kValuesBetweenSignalChecks-th value: true when
// a signal handler raised (KeyboardInterrupt), whose exception stays set for the caller.
bool Interrupted(py::ssize_t k);

template <typename F>
py::object MapValues(const Values& in, StoppingModel model, F f) {
    const double* x = in.data();
    const py::ssize_t n = in.size();
    double result = 0;
    std::optional<Array> out;  // not made for one number: an empty array_t needs numpy too
    double* y = &result;
    if (!in.scalar) {
        out.emplace(in.shape());
        y = out->mutable_data();
    }
    py::ssize_t outside = 0;
    bool interrupted = false;
    {
        py::gil_scoped_release release;
        for (py::ssize_t k = 0; k < n && !(interrupted = Interrupted(k)); ++k) {
            bool o = false;
            try {
                y[k] = f(x[k], &o);
            } catch (const PhysicsError& e) {
                if (in.scalar) throw;
                throw PhysicsError(
                    e.Kind(), Prefixed(Indexed(in.name, static_cast<std::size_t>(k)), e.Reason()));
            }
            outside += o;
        }
    }
    if (interrupted) throw py::error_already_set();
    if (outside > 0) WarnOutsideModel(OutsideText(in, x[0], y[0], outside, model));
    if (in.scalar) return py::float_(result);
    return std::move(*out);
}

}  // namespace fenra::python
