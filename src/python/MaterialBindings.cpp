// Materials: what a material text means, and the list of named materials.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cmath>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "batch/PhysicsArguments.h"
#include "materials/PhysicsError.h"
#include "python/ModuleArguments.h"
#include "python/ModuleBindings.h"
#include "python/ModuleCore.h"

namespace fenra::python {

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

// A Python text as UTF-8; ValueError for one that has none (a lone surrogate, "\ud800").
std::string Utf8Of(const py::handle& text, PhysicsText what) {
    Py_ssize_t size = 0;
    const char* bytes = PyUnicode_AsUTF8AndSize(text.ptr(), &size);
    if (!bytes) {
        PyErr_Clear();
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::NotUnicode, {Sentence(what)});
    }
    return std::string(bytes, static_cast<std::size_t>(size));
}

Material ResolveText(const std::string& text) {
    try {
        return ResolveMaterial(text, ModuleDatabase(), ModuleMaterials());
    } catch (const PhysicsError& e) {
        throw PhysicsError(e.Kind(), RefusedArgument("MATERIAL", text, e));
    }
}

void SetDensity(Material& m, const std::optional<double>& density) {
    if (!density) return;
    CheckDensity(*density, Sentence(PhysicsText::TheDensity));
    m.density = *density;
}

Material NewMaterial(const py::str& text, const std::optional<double>& density) {
    Material m = ResolveText(Utf8Of(text, PhysicsText::TheMaterial));
    SetDensity(m, density);
    return m;
}

std::vector<std::pair<std::string, double>> ElementsOf(const Material& m) {
    std::vector<std::pair<std::string, double>> list;
    for (const MaterialElement& e : m.elements) list.emplace_back(e.symbol, e.ratio);
    return list;
}

std::optional<double> DensityOf(const Material& m) {
    if (m.density > 0) return m.density;
    return std::nullopt;
}

std::string MaterialRepr(const Material& m) {
    std::string text = "Material('" + m.name + "'";
    if (m.density > 0) text += ", density=" + py::repr(py::float_(m.density)).cast<std::string>();
    return text + ")";
}

}  // namespace

Ion IonArgument(const py::handle& ion, const std::optional<double>& mass) {
    const std::string text = Utf8Of(py::str(ion), PhysicsText::TheIon);
    if (mass && !(*mass > 0 && std::isfinite(*mass)))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::MassNotPositive,
                           {Value(py::repr(py::float_(*mass)).cast<std::string>())});
    try {
        return ResolveIon(ModuleDatabase(), text, mass.value_or(0));
    } catch (const PhysicsError& e) {
        throw PhysicsError(e.Kind(), RefusedArgument("ION", text, e));
    }
}

Target TargetArgument(const Ion& ion, const py::handle& material,
                      const std::optional<double>& density, StoppingModel model) {
    if (py::isinstance<Material>(material)) {
        Material m = material.cast<Material>();
        SetDensity(m, density);
        return MakeTarget(ModuleDatabase(), ion, m, model);
    }
    if (!py::isinstance<py::str>(material))
        throw py::type_error(Words(Sentence(PhysicsText::MaterialNotTextOrMaterial)));
    const std::string text = Utf8Of(material, PhysicsText::TheMaterial);
    try {
        return ResolveTarget(ModuleDatabase(), ModuleMaterials(), ion, text, density, model);
    } catch (const MaterialTextError& e) {
        throw PhysicsError(e.Kind(), RefusedArgument("MATERIAL", text, e));
    }
}

StoppingModel ModelArgument(const std::string& name) {
    const std::optional<StoppingModel> model = StoppingModelNamed(name);
    if (model) return *model;
    throw PhysicsError(ErrorKind::BadValue, PhysicsText::ModelNotOneOf,
                       {Value(TextForMessage(name)), Alternatives(StoppingModelNames())});
}

Target TargetArgument(const py::handle& ion, const py::handle& material,
                      const std::optional<double>& mass, const std::optional<double>& density,
                      StoppingModel model) {
    return TargetArgument(IonArgument(ion, mass), material, density, model);
}

void RegisterMaterialFunctions(py::module_& m) {
    py::class_<Material>(m, "Material", R"doc(
A target material: up to ten elements with atomic ratios, and a density where one is known.

Material(text, density=None)
  text     an element symbol ("Si", density from the element table), a chemical formula
           ("H2O", "Ca(OH)2", "C1H1.5"; no density) or a listed name, in any case ("water",
           "Mylar"; see materials())
  density  g/cm3, in place of the material's own

Raises ValueError for a malformed formula or a density that is not a positive number, and
LookupError for an unknown element symbol or name.
)doc")
        .def(py::init(&NewMaterial), "text"_a, "density"_a = py::none())
        .def_readonly("name", &Material::name, "The text the material was written as.")
        .def_property_readonly("elements", &ElementsOf,
                               "The elements as a list of (symbol, atomic ratio) pairs.")
        .def_property_readonly("density", &DensityOf, "Density in g/cm3, or None when unknown.")
        .def_property_readonly(
            "mean_mass", [](const Material& mat) { return MeanAtomicMass(mat, ModuleDatabase()); },
            "Mean atomic mass in amu: the ratio-weighted natural masses of the elements.")
        .def("__repr__", &MaterialRepr);

    py::object namedtuple = py::module_::import("collections").attr("namedtuple");
    py::object listed =
        namedtuple("ListedMaterial", py::make_tuple("name", "formula", "density", "source"),
                   "module"_a = "fenra32");
    listed.attr("__doc__") =
        "A named material of the built-in list: name, formula, density (g/cm3) and the short "
        "name of its source.";
    m.attr("ListedMaterial") = listed;

    m.def(
        "materials",
        [listed] {
            py::list list;
            for (const NamedMaterial& n : ModuleMaterials().Entries())
                list.append(listed(n.name, n.formula, n.density, n.source));
            return list;
        },
        R"doc(
materials() -> list of ListedMaterial

The built-in named materials, as (name, formula, density in g/cm3, source); any of the names
can be given wherever a material is asked for, in any case.
)doc");
}

}  // namespace fenra::python
