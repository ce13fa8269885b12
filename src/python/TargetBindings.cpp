// Target files and the four results of their data sets, exactly as fenra32-calc values gives
// them: the same reading, the same display of each data set before it is calculated, the same
// Singles.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

#include "batch/TargetRun.h"
#include "messages/OutcomeMessages.h"
#include "python/ModuleBindings.h"
#include "python/ModuleCore.h"
#include "state/WorkingState.h"

namespace fenra::python {

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

using ElementList = std::vector<std::pair<std::string, float>>;

// The shortest text that reads back as the same Single: the value a data set holds, not the
// digits of its double.
// to_chars and from_chars keep the point even where Python was told to use the user's locale.
std::string SingleText(float v) {
    char buf[32];
    char* end = buf;
    for (int digits = 6; digits <= 9; ++digits) {
        end = std::to_chars(buf, buf + sizeof buf, static_cast<double>(v),
                            std::chars_format::general, digits)
                  .ptr;
        float back = 0;
        std::from_chars(buf, end, back);
        if (back == v) break;
    }
    return std::string(buf, end);
}

ElementList ElementsOf(const DataSet& d) {
    ElementList list;
    const int n = std::clamp<int>(d.ElementCount, 0, kMaxTargetSlots);
    for (int j = 1; j <= n; ++j) list.emplace_back(d.TargetElement[j], d.TargetRatio[j]);
    return list;
}

void SetElements(DataSet& d, const ElementList& list) {
    if (list.size() > static_cast<std::size_t>(kMaxTargetSlots))
        throw ModuleError(RunFault::BadInput, Words(TooManyElementsSentence()));
    d.ElementCount = static_cast<int16_t>(list.size());
    for (int j = 1; j <= kMaxTargetSlots; ++j) {
        const bool used = j <= d.ElementCount;
        d.TargetElement[j] = used ? list[static_cast<std::size_t>(j - 1)].first : std::string();
        d.TargetRatio[j] = used ? list[static_cast<std::size_t>(j - 1)].second : 0.0f;
    }
}

DataSet NewDataSet(const std::string& ion, float energy, const ElementList& elements, float mass,
                   float range) {
    DataSet d;
    d.IonName = ion;
    d.IonEnergy = energy;
    d.IonMass = mass;
    d.Range = range;
    SetElements(d, elements);
    return d;
}

std::string DataSetRepr(const DataSet& d) {
    std::string text =
        "DataSet(ion='" + d.IonName + "', energy=" + SingleText(d.IonEnergy) + ", elements=[";
    const ElementList list = ElementsOf(d);
    for (std::size_t k = 0; k < list.size(); ++k)
        text += (k ? ", ('" : "('") + list[k].first + "', " + SingleText(list[k].second) + ")";
    return text + "], mass=" + SingleText(d.IonMass) + ", range=" + SingleText(d.Range) + ")";
}

std::vector<DataSet> ReadTargetFile(const std::filesystem::path& path) {
    WorkingState s;
    InitWorkingState(s, "");
    std::vector<RunMessage> messages;
    std::vector<std::string> warnings;
    ReadTargetForRun(s, path.string(), &messages, &warnings);
    // A number read otherwise than written is never changed in silence.
    for (const std::string& w : warnings)
        if (PyErr_WarnEx(PyExc_UserWarning, w.c_str(), 1) != 0) throw py::error_already_set();
    if (!messages.empty()) {
        RunMessage all = messages.front();
        for (std::size_t k = 1; k < messages.size(); ++k) all.text += "\n" + messages[k].text;
        throw ModuleError(all);
    }
    std::vector<DataSet> sets;
    for (int i = 1; i <= s.DataSetCount; ++i) sets.push_back(s.DataSets[i]);
    return sets;
}

// The four results of data set i as a Results tuple; the Singles become Python floats exactly.
py::object ResultsOf(const py::object& resultsType, const DataSet& d) {
    return resultsType(static_cast<double>(d.StopEvAtoms), static_cast<double>(d.StopKevMg),
                       static_cast<double>(d.StopEvA), static_cast<double>(d.StopKevUm));
}

py::list Calculate(const std::vector<DataSet>& sets, const py::object& resultsType) {
    if (sets.size() > static_cast<std::size_t>(kMaxDataSets))
        throw ModuleError(RunFault::BadInput, Words(TooManyDataSetsSentence()));
    const ElementDatabase& db = ModuleDatabase();
    WorkingState s;
    InitWorkingState(s, "");
    s.DataSetCount = static_cast<int16_t>(sets.size());
    for (int i = 1; i <= s.DataSetCount; ++i) s.DataSets[i] = sets[static_cast<std::size_t>(i - 1)];
    {
        py::gil_scoped_release release;
        for (int i = 1; i <= s.DataSetCount; ++i)
            if (const std::optional<RunMessage> m = CalculateShownDataSet(s, db, i))
                throw ModuleError(*m);
    }
    py::list results;
    for (int i = 1; i <= s.DataSetCount; ++i) results.append(ResultsOf(resultsType, s.DataSets[i]));
    return results;
}

}  // namespace

void RegisterTargetFunctions(py::module_& m) {
    py::class_<DataSet>(m, "DataSet", R"doc(
One calculation case of a target file: an ion with its mass and energy and a target of up to ten
elements with their atomic ratios. Every number is held as a 32-bit float, as the window and the
target file hold it.

DataSet(ion, energy, elements, *, mass=0, range=100000)
  ion       element symbol of the ion ("He")
  energy    total kinetic energy of the ion, keV
  elements  list of (symbol, atomic ratio) pairs, at most ten: [("Si", 1), ("O", 2)]
  mass      ion mass in amu; 0 takes the mass of the ion's most abundant isotope
  range     depth the window's depth curves follow, 1e15 atoms/cm2 (not used by calculate)
)doc")
        .def(py::init(&NewDataSet), "ion"_a, "energy"_a, "elements"_a, py::kw_only(),
             "mass"_a = 0.0f, "range"_a = kStartRange)
        .def_readwrite("ion", &DataSet::IonName, "Element symbol of the ion.")
        .def_readwrite("mass", &DataSet::IonMass,
                       "Ion mass in amu; 0 takes the mass of its most abundant isotope.")
        .def_readwrite("energy", &DataSet::IonEnergy, "Total kinetic energy of the ion, keV.")
        .def_readwrite("range", &DataSet::Range,
                       "Depth followed by the depth curves, 1e15 atoms/cm2.")
        .def_property("elements", &ElementsOf, &SetElements,
                      "Target elements as a list of (symbol, atomic ratio) pairs, at most ten.")
        .def("__repr__", &DataSetRepr);

    py::object namedtuple = py::module_::import("collections").attr("namedtuple");
    py::object resultsType = namedtuple(
        "Results", py::make_tuple("stop_ev_atoms", "stop_kev_mg", "stop_ev_a", "stop_kev_um"),
        "module"_a = "fenra32");
    resultsType.attr("__doc__") =
        R"doc(The four results of one data set, as `fenra32-calc values` prints them:
  stop_ev_atoms  electronic stopping, eV/(1e15 atoms/cm2)
  stop_kev_mg    keV/(mg/cm2)
  stop_ev_a      eV/Angstrom (one-element targets; 0 for a compound)
  stop_kev_um    keV/um (one-element targets; 0 for a compound)
Each is a 32-bit float held exactly in a Python float: '%.9g' % value gives the printed text.)doc";
    m.attr("Results") = resultsType;

    m.def("read_target_file", &ReadTargetFile, "path"_a, R"doc(
read_target_file(path) -> list of DataSet

Reads a target file (.fta) as fenra32-calc does and returns its data sets (at most 100).
Raises OSError when the file cannot be read, and ValueError, with fenra32-calc's words, when it
holds no data line, an invalid element symbol, more than 100 data sets or more than ten elements
in a data set.
)doc");

    m.def(
        "calculate",
        [resultsType](const std::vector<DataSet>& sets) { return Calculate(sets, resultsType); },
        "data_sets"_a, R"doc(
calculate(data_sets) -> list of Results

The four results of each data set (at most 100), as `fenra32-calc values` prints them: each data
set is shown as the window shows it (its mass read back from its 7-digit text) and then
calculated. Results are (stop_ev_atoms [eV/(1e15 atoms/cm2)], stop_kev_mg [keV/(mg/cm2)],
stop_ev_a [eV/Angstrom], stop_kev_um [keV/um]); the last two are 0 for a compound.
Raises, naming the first data set that cannot be calculated, LookupError for an ion or element
not in the element database and ValueError for any other input that cannot be calculated (a
one-element target of ratio 0, an ion mass of 0, no target element).
)doc");
}

}  // namespace fenra::python
