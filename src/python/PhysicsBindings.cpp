// Stopping, range, energy after layers and energy for a range: one value or a whole array of
// them per call, computed without the interpreter lock, with fenra32-calc's numbers.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <optional>
#include <string>
#include <vector>

#include "materials/PhysicsError.h"
#include "python/ModuleArguments.h"
#include "python/ModuleBindings.h"
#include "python/ModuleCore.h"
#include "python/NumberValues.h"
#include "range/IonTarget.h"
#include "range/Range.h"
#include "range/Spread.h"
#include "range/Units.h"

namespace fenra::python {

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

TypedThicknessUnit ThicknessUnitArgument(const std::string& text);

}  // namespace

// One layer given as (material, thickness, unit) or (material, thickness, unit, density).
namespace {

Layer LayerArgument(const Ion& ion, const py::handle& given, std::size_t k, StoppingModel model) {
    const Message where = Indexed("layers", k);
    const py::sequence item = py::reinterpret_borrow<py::sequence>(given);
    if (!py::isinstance<py::sequence>(given) || py::isinstance<py::str>(given) ||
        (item.size() != 3 && item.size() != 4))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::LayerNotTuple, {where});
    try {
        const std::optional<double> density = item.size() == 4 && !item[3].is_none()
                                                  ? std::optional<double>(item[3].cast<double>())
                                                  : std::nullopt;
        Target t = TargetArgument(ion, item[0], density, model);
        const TypedThicknessUnit unit = ThicknessUnitArgument(item[2].cast<std::string>());
        const double thickness = ThicknessToE15(t, item[1].cast<double>(), unit);
        return {std::move(t), thickness};
    } catch (const PhysicsError& e) {
        throw PhysicsError(e.Kind(), Prefixed(where, e.Reason()));
    } catch (const py::cast_error&) {
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::LayerNotTuple, {where});
    }
}

}  // namespace

std::vector<Layer> StackArgument(const Ion& ion, const py::sequence& layers, StoppingModel model) {
    std::vector<Layer> stack;
    for (std::size_t k = 0; k < layers.size(); ++k)
        stack.push_back(LayerArgument(ion, layers[k], k, model));
    return stack;
}

namespace {

TypedStopUnit StopUnitArgument(const std::string& text) {
    TypedStopUnit unit;
    if (!TypedStopUnitOf(text, &unit))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::UnitNotOneOf,
                           {Value(TextForMessage(text)), TypedStopUnitNames()});
    return unit;
}

TypedThicknessUnit ThicknessUnitArgument(const std::string& text) {
    TypedThicknessUnit unit;
    if (!TypedThicknessUnitOf(text, &unit))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::UnitNotOneOf,
                           {Value(TextForMessage(text)), TypedThicknessUnitNames()});
    return unit;
}

EnergyUnit EnergyUnitArgument(const std::string& text) {
    EnergyUnit unit = EnergyUnit::Kev;
    if (!EnergyUnitOf(text, &unit))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::EnergyUnitNotOneOf,
                           {Value(TextForMessage(text)), EnergyUnitNames()});
    return unit;
}

// The energies given, in their unit.
Values EnergyValues(const py::handle& energy, const std::string& unitText) {
    Values in = ReadValues(energy, "energy");
    in.unit = unitText;
    return in;
}

enum class StopKind { Electronic, Nuclear, Total };

StopKind StopKindArgument(const std::string& text) {
    if (text == "electronic") return StopKind::Electronic;
    if (text == "nuclear") return StopKind::Nuclear;
    if (text == "total") return StopKind::Total;
    throw PhysicsError(ErrorKind::BadValue, PhysicsText::KindNotOneOf,
                       {Value(TextForMessage(text))});
}

py::object Stopping(const py::handle& ion, const py::handle& material, const py::handle& energy,
                    OptionalNumber mass, OptionalNumber density, const std::string& unitText,
                    const std::string& kindText, const std::string& modelText,
                    const std::string& energyUnitText) {
    const StoppingModel model = ModelArgument(modelText);
    const Target t = TargetArgument(ion, material, mass, density, model);
    const TypedStopUnit unit = StopUnitArgument(unitText);
    const StopKind kind = StopKindArgument(kindText);
    const EnergyUnit energyUnit = EnergyUnitArgument(energyUnitText);
    StopIn(t, 0, unit);  // a length unit without a density fails before any work
    return MapValues(EnergyValues(energy, energyUnitText), model, [&](double E, bool* outside) {
        const StoppingValues v = StoppingAt(t, EnergyToKev(E, energyUnit, t.ion.mass));
        *outside = v.outOfModel;
        const double s = kind == StopKind::Electronic ? v.electronic
                         : kind == StopKind::Nuclear  ? v.nuclear
                                                      : v.total;
        return StopIn(t, s, unit);
    });
}

py::object RangeOf(const py::handle& ion, const py::handle& material, const py::handle& energy,
                   OptionalNumber mass, OptionalNumber density, const std::string& unitText,
                   bool withStraggling, const std::string& modelText,
                   const std::string& energyUnitText) {
    const StoppingModel model = ModelArgument(modelText);
    const Target t = TargetArgument(ion, material, mass, density, model);
    const TypedThicknessUnit unit = ThicknessUnitArgument(unitText);
    const EnergyUnit energyUnit = EnergyUnitArgument(energyUnitText);
    ThicknessFromE15(t, 0, unit);
    const Values in = EnergyValues(energy, energyUnitText);
    py::object range = MapValues(in, model, [&](double E, bool* outside) {
        const RangeResult r = Range(t, EnergyToKev(E, energyUnit, t.ion.mass));
        *outside = r.outOfModel;
        return ThicknessFromE15(t, r.range, unit);
    });
    if (!withStraggling) return range;
    py::ssize_t invalid = 0;
    py::object sigma = MapValues(in, model, [&](double E, bool*) {
        const RangeSpread s = RangeStraggling(t, EnergyToKev(E, energyUnit, t.ion.mass));
        invalid += s.outOfValidity;
        return ThicknessFromE15(t, s.sigma, unit);
    });
    if (invalid > 0)
        WarnOutsideModel(Words(SpreadValiditySentence(
            Sentence(PhysicsText::RangeStragglingOf,
                     {in.scalar ? TheEnergy(in, in.one) : OfTheEnergies(invalid)}))));
    return py::make_tuple(range, sigma);
}

py::object EnergyForRangeOf(const py::handle& ion, const py::handle& material,
                            const py::handle& range, OptionalNumber mass, OptionalNumber density,
                            const std::string& unitText, const std::string& modelText,
                            const std::string& energyUnitText) {
    const StoppingModel model = ModelArgument(modelText);
    const Target t = TargetArgument(ion, material, mass, density, model);
    const TypedThicknessUnit unit = ThicknessUnitArgument(unitText);
    const EnergyUnit energyUnit = EnergyUnitArgument(energyUnitText);
    ThicknessToE15(t, 0, unit);
    Values in = ReadValues(range, "range");
    in.unit = energyUnitText;
    return MapValues(in, model, [&](double R, bool* outside) {
        const RangeResult r = EnergyForRange(t, ThicknessToE15(t, R, unit));
        *outside = r.outOfModel;
        return EnergyFromKev(r.energy, energyUnit, t.ion.mass);
    });
}

py::object EnergyAfter(const py::handle& ion, const py::handle& energy, const py::sequence& layers,
                       OptionalNumber mass, const std::string& modelText) {
    const StoppingModel model = ModelArgument(modelText);
    const std::vector<Layer> stack = StackArgument(IonArgument(ion, mass), layers, model);
    const Values in = ReadValues(energy, "energy");
    const py::ssize_t n = in.size();
    const std::size_t count = stack.size();
    std::vector<double> out(static_cast<std::size_t>(n) * count, 0.0);
    py::ssize_t outside = 0;
    bool interrupted = false;
    {
        py::gil_scoped_release release;
        for (py::ssize_t k = 0; k < n && !(interrupted = Interrupted(k)); ++k) {
            StackResult s;
            try {
                s = EnergyAfterStack(stack, in.data()[k]);
            } catch (const PhysicsError& e) {
                if (in.scalar) throw;
                throw PhysicsError(
                    e.Kind(), Prefixed(Indexed("energy", static_cast<std::size_t>(k)), e.Reason()));
            }
            // Behind the layer the ion stops in, and behind every later one, it has energy 0.
            for (std::size_t j = 0; j < s.layers.size(); ++j)
                out[static_cast<std::size_t>(k) * count + j] = s.layers[j].energyOut;
            outside += s.outOfModel;
        }
    }
    if (interrupted) throw py::error_already_set();
    if (outside > 0)
        WarnOutsideModel(Words(Sentence(PhysicsText::PassOutsideModel,
                                        {OfTheEnergies(outside), ModelDomainSentence(model)})));
    if (in.scalar) return py::cast(out);
    std::vector<py::ssize_t> shape = in.shape();
    shape.push_back(static_cast<py::ssize_t>(count));
    Array result(shape);
    std::copy(out.begin(), out.end(), result.mutable_data());
    return std::move(result);
}

}  // namespace

void RegisterPhysicsFunctions(py::module_& m) {
    m.def(
        "models",
        [] {
            std::vector<std::string> names;
            for (StoppingModel model : kStoppingModels)
                names.emplace_back(StoppingModelName(model));
            return names;
        },
        R"doc(
models() -> list of str

The electronic stopping models the physics functions take as model=: 'classic', the
calculator's semi-empirical fit, and 'modern' (the default), the fit joined between 0.8-2 and
3-8 MeV/u to the relativistic Bethe formula with shell, Barkas, density-effect and
Lindhard-Sorensen corrections, valid to 10 GeV/u. implant() keeps 'classic' as its default.
)doc");

    m.def("stopping", &Stopping, "ion"_a, "material"_a, "energy"_a, py::kw_only(),
          "mass"_a = py::none(), "density"_a = py::none(), "unit"_a = "eV/(1e15 atoms/cm2)",
          "kind"_a = "electronic", "model"_a = StoppingModelName(kPhysicsDefaultModel), "energy_unit"_a = "keV", R"doc(
stopping(ion, material, energy, *, mass=None, density=None, unit='eV/(1e15 atoms/cm2)',
         kind='electronic', model='modern', energy_unit='keV') -> float or numpy array

The stopping of an ion in a material, as `fenra32-calc stopping` gives it.
  ion       element symbol ("He"), atomic number (2), particle name ('p', 'd', 't', 'helion',
            'alpha', 'proton', 'deuteron', 'triton') or isotope ('12C', '238U'); particles and
            isotopes take the isotope's measured atomic mass
  material  element symbol, formula ("H2O"), listed name ("mylar"; see materials()) or Material
  energy    kinetic energy of the ion in energy_unit: a number gives a float, a sequence or numpy
            array gives a numpy array of the same shape (energy_steps() gives a table's)
  mass      ion mass in amu (default: its most abundant isotope)
  density   g/cm3, in place of the material's own
  unit      'eV/(1e15 atoms/cm2)', 'keV/(mg/cm2)', 'MeV/(mg/cm2)', 'MeV cm2/g', 'eV/A',
            'keV/um' or 'keV/nm' (the last three need a density)
  kind      'electronic' (the calculator's value), 'nuclear' (ZBL universal) or 'total'
  model     'modern' (the fit joined to Bethe's formula with its corrections above a few MeV/u)
            or 'classic' (the calculator's fit); see models()
  energy_unit  'eV', 'keV', 'MeV', 'GeV' (total) or 'keV/u', 'MeV/u', 'GeV/u' (per amu of the
            ion's mass)

With the classic model the electronic stopping in eV/(1e15 atoms/cm2) is the window's result for
an element target, to the last bit. An energy outside the model's range (classic: 1 keV/u to
2 GeV/u; modern: 1 keV/u to 10 GeV/u, and no heavy ion where nuclear stopping is more than half
the total) gives a ModelRangeWarning.
Raises ValueError for a bad number, unit or formula, LookupError for an unknown ion or material.
)doc");

    m.def("range", &RangeOf, "ion"_a, "material"_a, "energy"_a, py::kw_only(),
          "mass"_a = py::none(), "density"_a = py::none(), "unit"_a = "1e15 atoms/cm2",
          "with_straggling"_a = false, "model"_a = StoppingModelName(kPhysicsDefaultModel), "energy_unit"_a = "keV", R"doc(
range(ion, material, energy, *, mass=None, density=None, unit='1e15 atoms/cm2',
      with_straggling=False, model='modern', energy_unit='keV')
    -> float or numpy array, or a pair of them

The range of an ion of the given total energy (keV) in a material: the integral of
1 / (electronic + nuclear stopping) from 0 to the energy, as `fenra32-calc range` gives it.
  ion, material, mass, density, model, energy_unit  as for stopping()
  energy    in energy_unit: a number gives a float, a sequence or numpy array a numpy array
  unit      '1e15 atoms/cm2', 'g/cm2', 'mg/cm2', 'ug/cm2', 'A', 'nm', 'um', 'mm' or 'cm'
            (lengths need a density; 'e15/cm2', '\u00c5', '\u00b5m', '\u00b5g/cm2' are taken too)
  with_straggling  True: (range, range straggling), the straggling a standard deviation in the
            same unit (range_sigma_* of `fenra32-calc range`)

The first call for an ion and material builds its range table (about a millisecond); later
calls read it. Raises ValueError for a negative energy or a bad unit.
)doc");

    m.def("energy_for_range", &EnergyForRangeOf, "ion"_a, "material"_a, "range"_a, py::kw_only(),
          "mass"_a = py::none(), "density"_a = py::none(), "unit"_a = "1e15 atoms/cm2",
          "model"_a = StoppingModelName(kPhysicsDefaultModel), "energy_unit"_a = "keV", R"doc(
energy_for_range(ion, material, range, *, mass=None, density=None, unit='1e15 atoms/cm2',
                 model='modern', energy_unit='keV')
    -> float or numpy array

The energy (in energy_unit) of an ion whose range in the material is the given one: the inverse
of range(), and the energy an absorber of that thickness just stops.
  range     in unit: a number gives a float, a sequence or numpy array a numpy array
  unit      as for range()
  model, energy_unit  as for stopping()
)doc");

    m.def("energy_after", &EnergyAfter, "ion"_a, "energy"_a, "layers"_a, py::kw_only(),
          "mass"_a = py::none(), "model"_a = StoppingModelName(kPhysicsDefaultModel), R"doc(
energy_after(ion, energy, layers, *, mass=None, model='modern') -> list of floats or numpy array

The energy of the ion (keV) behind each layer of a stack, front to back, as
`fenra32-calc layers` gives it; 0 behind the layer the ion stops in and behind every later one.
  energy    total energy in front of the stack, keV; a number gives a list with one energy per
            layer, a sequence or numpy array gives a numpy array of shape energy.shape + (layers,)
  layers    a list of (material, thickness, unit) or (material, thickness, unit, density), unit
            one of range()'s (lengths need a density), density in g/cm3 in place of the
            material's own
  model     as for stopping()
Example: energy_after('He', 5000, [('mylar', 2, 'um'), ('Al', 50, 'nm')])
)doc");
}

}  // namespace fenra::python
