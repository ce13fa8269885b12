#include "python/NumberValues.h"

#include "range/IonTarget.h"

namespace fenra::python {

namespace {

// A Python int or float as a double; ValueError for an int beyond the doubles (10**400).
double PythonNumber(const py::handle& given, const std::string& name) {
    const double v = PyFloat_AsDouble(given.ptr());
    if (v == -1.0 && PyErr_Occurred()) {
        PyErr_Clear();
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::PythonOverflows, {Value(name)});
    }
    return v;
}

// numpy's kinds of real numbers: signed and unsigned integers and floats. Dates, durations,
// complex numbers, texts, bytes, booleans and objects are not energies or ranges.
void RequireRealNumbers(const py::handle& given, const std::string& name) {
    const py::array natural = py::array::ensure(given);
    if (!natural) {
        PyErr_Clear();
        return;  // left to the conversion below, which names what it could not read
    }
    const char kind = natural.dtype().kind();
    if (kind != 'i' && kind != 'u' && kind != 'f')
        throw py::type_error(
            Words(Sentence(PhysicsText::NotRealNumbers,
                           {Value(name), Value(py::str(natural.dtype()).cast<std::string>())})));
}

}  // namespace

Message Indexed(const std::string& name, std::size_t k) {
    return Sentence(PhysicsText::Indexed, {Value(name), Value(std::to_string(k))});
}

// A Python number is read without numpy, so that a script of single numbers does not need it.
Values ReadValues(const py::handle& given, const std::string& name) {
    Values v;
    v.name = name;
    if (PyBool_Check(given.ptr()))
        throw py::type_error(Words(Sentence(PhysicsText::NumberNotBool, {Value(name)})));
    if (PyFloat_Check(given.ptr()) || PyLong_Check(given.ptr())) {
        v.scalar = true;
        v.one = PythonNumber(given, name);
        return v;
    }
    if (py::isinstance<py::str>(given) || py::isinstance<py::bytes>(given))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::NumbersNotText, {Value(name)});
    RequireRealNumbers(given, name);
    v.array = Array::ensure(given);
    if (!*v.array) {
        PyErr_Clear();
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::NotNumbers, {Value(name)});
    }
    if (v.array->ndim() == 0) {
        v.scalar = true;
        v.one = *v.array->data();
    }
    return v;
}

std::string Repr(double v) {
    return py::repr(py::float_(v)).cast<std::string>();
}

Message TheEnergy(const Values& in, double v) {
    return Sentence(PhysicsText::PythonTheEnergy, {Value(Repr(v)), Value(in.unit)});
}

Message OfTheEnergies(py::ssize_t count) {
    return Sentence(PhysicsText::PythonOfTheEnergies, {Value(std::to_string(count))});
}

// The warning for results outside the model: of energies given, or of the energies found for
// ranges given.
std::string OutsideText(const Values& in, double given, double result, py::ssize_t outside,
                        StoppingModel model) {
    const bool ranges = in.name == "range";
    if (in.scalar)
        return Words(OutOfModelSentence(
            ranges ? Sentence(PhysicsText::PythonTheEnergyForRange,
                              {Value(Repr(result)), Value(in.unit), Value(Repr(given))})
                   : TheEnergy(in, given),
            model));
    const Message which = ranges ? Sentence(PhysicsText::PythonOfTheEnergiesForRanges,
                                            {Value(std::to_string(outside))})
                                 : OfTheEnergies(outside);
    return Words(Sentence(PhysicsText::ManyOutsideModel, {which, ModelDomainSentence(model)}));
}

// Values between two looks for Ctrl+C (a pending signal) in a long array: each look takes the
// interpreter lock for a moment.
constexpr py::ssize_t kValuesBetweenSignalChecks = 100000;

// With the interpreter lock released: true when a signal handler raised (KeyboardInterrupt),
// whose exception stays set for the caller to raise once it holds the lock again.
bool Interrupted(py::ssize_t k) {
    if (k == 0 || k % kValuesBetweenSignalChecks != 0) return false;
    py::gil_scoped_acquire acquire;
    return PyErr_CheckSignals() != 0;
}

// Applies f to each value with the interpreter lock released; f returns the result and sets
// *outside for a result outside the model. An error names the value it arose at.

}  // namespace fenra::python
