#include "messages/PhysicsMessages.h"

#include <cassert>
#include <cstddef>

#define TR(text) FENRA_TRANSLATE_NOOP("fenra::Messages", text)

namespace fenra {

namespace {

struct PhysicsTemplate {
    PhysicsText id;
    int args;  // %1..%args
    const char* text;
};

// In the order of PhysicsText, so that an id is its row (checked by the messages tests).
constexpr PhysicsTemplate kTemplates[] = {
    {PhysicsText::Prefixed, 2, TR("%1: %2")},
    {PhysicsText::ArgumentQuoted, 2, TR("%1 \"%2\"")},
    {PhysicsText::Indexed, 2, TR("%1[%2]")},
    {PhysicsText::FormulaProblem, 2, TR("the formula \"%1\" %2")},
    {PhysicsText::FormulaProblemAt, 3, TR("the formula \"%1\" %2 at character %3")},
    {PhysicsText::FormulaEmpty, 0, TR("is empty")},
    {PhysicsText::FormulaTooLong, 1, TR("is longer than %1 characters")},
    {PhysicsText::FormulaTooManyTerms, 1, TR("has more than %1 element symbols and groups")},
    {PhysicsText::FormulaUnmatchedClose, 0, TR("has an unmatched ')'")},
    {PhysicsText::FormulaUnmatchedOpen, 0, TR("has an unmatched '('")},
    {PhysicsText::FormulaTooDeep, 1, TR("nests groups deeper than %1 levels")},
    {PhysicsText::FormulaNoSymbolHere, 1, TR("has '%1' where an element symbol or '(' must stand")},
    {PhysicsText::FormulaEmptyGroup, 0, TR("has an empty group")},
    {PhysicsText::FormulaUnknownSymbol, 1, TR("has the unknown element symbol \"%1\"")},
    {PhysicsText::FormulaLonePoint, 0, TR("has a '.' without digits")},
    {PhysicsText::FormulaRatioTooLarge, 1, TR("has the ratio %1, beyond the numbers it can hold")},
    {PhysicsText::FormulaRatioNotPositive, 1, TR("has the ratio %1, not above 0")},
    {PhysicsText::FormulaTooManyElements, 2, TR("has more than %1 elements: the 11th is \"%2\"")},
    {PhysicsText::DensityNotPositive, 1, TR("%1 is not a positive finite density in g/cm3")},
    {PhysicsText::DensityTooHigh, 2, TR("%1 is above %2 g/cm3, denser than any solid")},
    {PhysicsText::TheDensity, 0, TR("the density")},
    {PhysicsText::ElementNotInTable, 1, TR("the element \"%1\" is not in the element table")},
    {PhysicsText::MaterialUnknown, 1,
     TR("the material \"%1\" is neither an element symbol, a formula nor a listed material")},
    {PhysicsText::MaterialNoElement, 0, TR("the material has no element")},
    {PhysicsText::NoCoefficientRecord, 2,
     TR("the element database has no \"%1\" record for \"%2\"")},
    {PhysicsText::RatioUnderflows, 3,
     TR("the ratio %1 of \"%2\" in \"%3\" underflows a single-precision number (1.2e-38 to "
        "3.4e38)")},
    {PhysicsText::RatioOverflows, 3,
     TR("the ratio %1 of \"%2\" in \"%3\" overflows a single-precision number (1.2e-38 to "
        "3.4e38)")},
    {PhysicsText::RatioNotForTarget, 2,
     TR("the ratio of \"%1\" in \"%2\" is too small or too large for a target ratio")},
    {PhysicsText::LengthNeedsDensity, 1,
     TR("a length needs a density: the material \"%1\" has no density")},
    {PhysicsText::NoDensityForUnit, 2,
     TR("%1 needs a density, and the material \"%2\" has none: give one")},
    {PhysicsText::ListNotRegular, 2,
     TR("cannot read the material list %1: it is %2, not a regular file")},
    {PhysicsText::ListUnreadable, 2, TR("cannot read the material list %1: %2")},
    {PhysicsText::ListTooLarge, 2, TR("the material list %1 is larger than %2 MB")},
    {PhysicsText::ListLine, 2, TR("%1, line %2")},
    {PhysicsText::ListBadHeader, 2, TR("%1: the header is not %2")},
    {PhysicsText::ListNotRecord, 1, TR("%1: not Name,Formula,Density,Source")},
    {PhysicsText::ListDensityNotNumber, 2, TR("%1: the density \"%2\" is not a positive number")},
    {PhysicsText::ListDensity, 2, TR("%1: the density \"%2\"")},
    {PhysicsText::ListNameIsSymbol, 2, TR("%1: the name \"%2\" is an element symbol")},
    {PhysicsText::ListNameTwice, 2, TR("%1: the name \"%2\" is listed twice")},
    {PhysicsText::IonNotInTable, 1, TR("the ion \"%1\" is not in the element table")},
    {PhysicsText::IsotopeNoMass, 4,
     TR("the isotope \"%1\" has no measured mass in the isotope table (%2: mass numbers %3 to "
        "%4)")},
    {PhysicsText::IonMassValue, 1, TR("the ion mass %1 amu")},
    {PhysicsText::IonMassNotFinite, 0, TR("the ion mass is not a finite number")},
    {PhysicsText::IonMassNotPositive, 0, TR("the ion mass is not a positive number")},
    {PhysicsText::IonMassTooHeavy, 2, TR("%1 is above %2 amu, heavier than any nucleus")},
    {PhysicsText::NotFinite, 1, TR("%1 is not a finite number")},
    {PhysicsText::NotFiniteAtLeastZero, 1, TR("%1 is not a finite number of at least 0")},
    {PhysicsText::TheEnergy, 0, TR("the energy")},
    {PhysicsText::TheRange, 0, TR("the range")},
    {PhysicsText::TheThickness, 0, TR("the thickness")},
    {PhysicsText::ALayerThickness, 0, TR("a layer thickness")},
    {PhysicsText::EnergyNotFiniteKev, 0, TR("the energy is not a finite number of at least 0 keV")},
    {PhysicsText::EnergyBeyondSingle, 0,
     TR("the energy is beyond the range of the stopping model's numbers")},
    {PhysicsText::StoppingNotFinite, 0, TR("the stopping is not a finite number at this energy")},
    {PhysicsText::StoppingNotPositiveNear, 1,
     TR("the stopping is not a positive finite number near %1 keV")},
    {PhysicsText::RangeBeyondModel, 2,
     TR("the range is beyond the model's reach: the highest energy it holds, %1 keV, has a range "
        "of %2 (1E15 atoms/cm2)")},
    {PhysicsText::OutsideModel, 2, TR("%1 is outside %2; the result is extrapolated")},
    {PhysicsText::SpreadsOutsideValidity, 1,
     TR("%1: outside the validity of the formulas (below 25 keV/u, an ion that nearly stops, "
        "or angles beyond 0.2 rad); estimates only")},
    {PhysicsText::StackTooManyLayers, 1, TR("a stack holds at most %1 layers")},
    {PhysicsText::LayerNumbered, 1, TR("layer %1")},
    {PhysicsText::LayerNotRead, 0, TR("a layer of the stack cannot be read")},
    {PhysicsText::DepthNotFinite, 0, TR("the depth is not a finite number of at least 0")},
    {PhysicsText::DepthBeyondStack, 0, TR("the depth lies beyond the back face of the stack")},
    {PhysicsText::MaterialNotRead, 0, TR("the material cannot be read")},
    {PhysicsText::PathThroughStack, 0, TR("an energy on the path through the stack")},
    {PhysicsText::SpreadsBehindLayer, 1, TR("the spreads behind layer %1")},
    {PhysicsText::EnergyToPassStack, 0, TR("the energy needed to pass the stack")},
    {PhysicsText::EnergyToReachDepth, 0, TR("the energy to reach the depth")},
    {PhysicsText::NoDensityForPaths, 1,
     TR("the material \"%1\" has no density, which the ion paths need")},
    {PhysicsText::Underflows, 2,
     TR("%1 \"%2\" underflows: it is nearer 0 than the numbers the program holds (2.2e-308)")},
    {PhysicsText::Overflows, 2,
     TR("%1 \"%2\" overflows: it is beyond the numbers the program holds (1.8e308)")},
    {PhysicsText::ConvertedOverflows, 3, TR("%1 \"%2\" overflows: it is beyond 1.8e308 %3")},
    {PhysicsText::NotNumberWithUnit, 2, TR("%1 \"%2\" is not a number with a unit")},
    {PhysicsText::Negative, 2, TR("%1 \"%2\" is negative")},
    {PhysicsText::NoThicknessUnit, 3, TR("%1 \"%2\" has no unit (%3)")},
    {PhysicsText::LengthWithoutDensity, 3,
     TR("%1 \"%2\" is a length, and the material \"%3\" has no density: give --density G_CM3")},
    {PhysicsText::NotPositiveNumber, 2, TR("%1 \"%2\" is not a positive number")},
    {PhysicsText::OptionNeedsValue, 1, TR("option %1 needs a value")},
    {PhysicsText::OptionWholeNumber, 4,
     TR("option %1 needs a whole number from %2 to %3, not \"%4\"")},
    {PhysicsText::OptionNumber, 4, TR("option %1 needs a number from %2 to %3, not \"%4\"")},
    {PhysicsText::UnknownOption, 1, TR("unknown option %1")},
    {PhysicsText::UnknownModel, 2, TR("unknown model \"%1\" (choose %2)")},
    {PhysicsText::CommandNeeds, 2, TR("%1 needs %2")},
    {PhysicsText::CommandNeedsIon, 1, TR("%1 needs an ION")},
    {PhysicsText::LayerNotMaterialThickness, 1, TR("LAYER \"%1\" is not MATERIAL:THICKNESS")},
    {PhysicsText::ImplantTooManyLayers, 1, TR("implant takes at most %1 layers")},
    {PhysicsText::MaterialNoDensityGiveOne, 1,
     TR("MATERIAL \"%1\" has no density; give one with --density")},
    {PhysicsText::StepsNotWholeNumber, 3, TR("%1 \"%2\" is not a whole number from 1 to %3")},
    {PhysicsText::StepOptionsTogether, 0,
     TR("--from, --to and --steps go together: give all three")},
    {PhysicsText::LinearNeedsSteps, 0, TR("--linear needs --from, --to and --steps")},
    {PhysicsText::StepsOnlyForStoppingAndRange, 0,
     TR("--from, --to and --steps are for the stopping and range commands")},
    {PhysicsText::StoppingUnitOnlyForStopping, 0,
     TR("--stopping-unit is for the stopping command")},
    {PhysicsText::StoppingUnitNotOneOf, 2, TR("--stopping-unit \"%1\" is not one of %2")},
    {PhysicsText::LogStepsNeedPositive, 0,
     TR("--from and --to must be above 0 for logarithmic steps (or give --linear)")},
    {PhysicsText::NotUnicode, 1, TR("%1 is not valid Unicode text: it holds a lone surrogate")},
    {PhysicsText::TheIon, 0, TR("the ion")},
    {PhysicsText::TheMaterial, 0, TR("the material")},
    {PhysicsText::MassNotPositive, 1, TR("mass %1 is not a positive number")},
    {PhysicsText::ModelNotOneOf, 2, TR("model \"%1\" is not one of %2")},
    {PhysicsText::UnitNotOneOf, 2, TR("unit \"%1\" is not one of %2")},
    {PhysicsText::KindNotOneOf, 1, TR("kind \"%1\" is not one of electronic, nuclear or total")},
    {PhysicsText::LayerNotTuple, 1, TR("%1 is not (material, thickness, unit[, density])")},
    {PhysicsText::PythonOverflows, 1,
     TR("%1 overflows: it is beyond the numbers the program holds (1.8e308)")},
    {PhysicsText::NumbersNotText, 1, TR("%1 must be a number or numbers, not text")},
    {PhysicsText::NotNumbers, 1, TR("%1 is not a number or a sequence of numbers")},
    {PhysicsText::EnergyAboveCutoff, 0, TR("energy must lie above the cut-off")},
    {PhysicsText::EnergyUnitNotOneOf, 2, TR("energy_unit \"%1\" is not one of %2")},
    {PhysicsText::StepCountNotWholeNumber, 2, TR("steps %1 is not a whole number from 1 to %2")},
    {PhysicsText::StepEndNotFinite, 2, TR("%1 %2 is not a finite number of at least 0")},
    {PhysicsText::StepEndsNotPositive, 0,
     TR("start and stop must be above 0 for logarithmic steps (or give linear=True)")},
    {PhysicsText::NotRealNumbers, 2, TR("%1 must be real numbers, not an array of dtype %2")},
    {PhysicsText::NumberNotBool, 1, TR("%1 must be a number or numbers, not a bool")},
    {PhysicsText::MaterialNotTextOrMaterial, 0, TR("material must be a text or a Material")},
    {PhysicsText::StepsNotWholeNumberType, 1, TR("steps must be a whole number, not %1")},
    {PhysicsText::PythonTheEnergy, 2, TR("the energy %1 %2")},
    {PhysicsText::PythonTheEnergyForRange, 3, TR("the energy %1 %2 for the range %3")},
    {PhysicsText::PythonOfTheEnergies, 1, TR("%1 of the energies")},
    {PhysicsText::PythonOfTheEnergiesForRanges, 1, TR("%1 of the energies for the ranges")},
    {PhysicsText::ClassicModelDomain, 0, TR("the model's 1 keV/u to 2 GeV/u")},
    {PhysicsText::ModernModelDomain, 0,
     TR("the modern model's 1 keV/u to 10 GeV/u or where nuclear stopping is more than half the "
        "total")},
    {PhysicsText::ManyOutsideModel, 2, TR("%1 are outside %2; their results are extrapolated")},
    {PhysicsText::PassOutsideModel, 2,
     TR("%1 pass outside %2 on their way through the layers; their results are extrapolated")},
    {PhysicsText::RangeStragglingOf, 1, TR("the range straggling of %1")},
    {PhysicsText::PathThroughLayers, 0, TR("an energy on the path through the layers")},
    {PhysicsText::SpreadsBehind, 1, TR("the spreads behind %1")},
    {PhysicsText::PathsNoLayer, 0, TR("layers must hold at least one layer")},
    {PhysicsText::PathsTooManyLayers, 0, TR("layers may hold at most 10 layers")},
    {PhysicsText::PathsBadEnergy, 0, TR("energy must be a positive number of keV")},
    {PhysicsText::PathsBadAngle, 0, TR("angle must lie from 0 to below 90 degrees")},
    {PhysicsText::PathsBadOption, 0,
     TR("ions and bins must be at least 1, threads at least 0, cutoff positive and below the "
        "energy")},
    {PhysicsText::PathsBadThickness, 0, TR("the thickness is not a finite number above 0")},
    {PhysicsText::CommandBadEnergy, 0, TR("ENERGY must be a positive number")},
    {PhysicsText::CommandEnergyAboveCutoff, 0, TR("ENERGY must lie above the cut-off")},
    {PhysicsText::StackNotSimulated, 0, TR("the stack cannot be simulated")},
    {PhysicsText::ImplantEnergyNotAboveCutoff, 0,
     TR("the energy is not a finite number above the cut-off")},
    {PhysicsText::ImplantStackNeedsLayers, 1, TR("the stack needs 1 to %1 layers")},
    {PhysicsText::DisplacementNotEnergy, 1,
     TR("the displacement energy \"%1\" is not a number of eV from 1 to 1000")},
    {PhysicsText::DisplacementNotInLayers, 1,
     TR("a displacement energy is given for \"%1\", an element of no layer")},
    {PhysicsText::ImplantNoLayer, 0, TR("no layer")},
    {PhysicsText::ImplantLayersBeyondMost, 0, TR("too many layers")},
    {PhysicsText::ImplantBadIon, 0, TR("bad ion")},
    {PhysicsText::ImplantBadEnergy, 0, TR("bad energy")},
    {PhysicsText::ImplantBadAngle, 0, TR("bad angle")},
    {PhysicsText::ImplantBadOption, 0, TR("bad option")},
    {PhysicsText::ImplantBadElement, 0, TR("bad element")},
    {PhysicsText::ImplantNoDensity, 0, TR("no density")},
    {PhysicsText::ImplantBadThickness, 0, TR("bad thickness")},
    {PhysicsText::ImplantBadStoppingTable, 0, TR("bad stopping table")},
    {PhysicsText::OptionNeedsPath, 1, TR("option %1 needs a path")},
    {PhysicsText::NoCommandGiven, 0, TR("no command given")},
    {PhysicsText::UnknownCommand, 1, TR("unknown command %1")},
    {PhysicsText::CurveOperands, 0, TR("a curve kind, a data set number and a file")},
    {PhysicsText::TargetFileOperand, 0, TR("one target file")},
    {PhysicsText::UnknownCurveKind, 1,
     TR("unknown curve kind %1 (depth-stop, depth-energy or energy-stop)")},
    {PhysicsText::DataSetNumberNotWhole, 2,
     TR("data set number %1 is not a whole number from 1 to %2")},
    {PhysicsText::TryHelp, 0, TR("Try 'fenra32-calc --help'.")},
    {PhysicsText::NoSuchDataSet, 3, TR("%1 has %2 data set(s); there is no data set %3.")},
    {PhysicsText::DataSetNumbered, 1, TR("Data set %1")},
    {PhysicsText::CannotWriteStandardOutput, 1, TR("cannot write to standard output: %1")},
    {PhysicsText::OutputNotWhole, 0, TR("the output was not written whole")},
    {PhysicsText::CannotReadPath, 1, TR("cannot read %1")},
    {PhysicsText::Joined, 2, TR("%1, %2")},
    {PhysicsText::WithQuoted, 2, TR("%1 (\"%2\")")},
    {PhysicsText::ArgumentValue, 2, TR("%1 %2")},
    {PhysicsText::TheEnergyFor, 1, TR("the energy for %1")},
    {PhysicsText::EnergyOnPathOf, 1, TR("an energy on the path of %1")},
    {PhysicsText::Warning, 1, TR("warning: %1")},
    {PhysicsText::SummaryIon, 4, TR("%1 %2 amu, %3 keV, %4 deg from the normal")},
    {PhysicsText::SummaryLayer, 2, TR("%1 %2 nm")},
    {PhysicsText::SummaryIonsRun, 2, TR("%1 of %2")},
    {PhysicsText::SummaryInterrupted, 1, TR("%1 (interrupted)")},
    {PhysicsText::SummaryRunOptions, 4, TR("%1, seed %2, cut-off %3 eV, stopping model %4")},
    {PhysicsText::SummaryStragglingOff, 1, TR("%1, electronic straggling off")},
    {PhysicsText::SummaryRecoilsNotFollowed, 0,
     TR("not followed: their energy counts as nuclear energy where they were struck")},
    {PhysicsText::ImplantProgressLine, 4, TR("%1 of %2 ions, %3 ions/s, %4 s left")},
    {PhysicsText::ModelRangeWarningDoc, 1, TR("An energy outside %1: the result is extrapolated.")},
    {PhysicsText::DisplacementEnergiesOf, 1, TR("Ed %1")},
    {PhysicsText::ElectronVolts, 1, TR("%1 eV")},
    {PhysicsText::TableModelLine, 1, TR("model: %1")},
    {PhysicsText::Alternative, 2, TR("%1 or %2")},
};

static_assert(std::size(kTemplates) == static_cast<std::size_t>(PhysicsText::Count),
              "one template per id");

const PhysicsTemplate* RowOf(PhysicsText id) {
    const auto k = static_cast<std::size_t>(id);
    if (k >= std::size(kTemplates) || kTemplates[k].id != id) return nullptr;
    return &kTemplates[k];
}

}  // namespace

const char* TemplateOf(PhysicsText id) {
    const PhysicsTemplate* row = RowOf(id);
    return row ? row->text : nullptr;
}

int ArgumentCount(PhysicsText id) {
    const PhysicsTemplate* row = RowOf(id);
    return row ? row->args : 0;
}

Message Sentence(PhysicsText id, std::vector<Message> args) {
    assert(static_cast<int>(args.size()) == ArgumentCount(id));
    return Sentence(TemplateOf(id), std::move(args));
}

Message Prefixed(Message prefix, Message reason) {
    return Sentence(PhysicsText::Prefixed, {std::move(prefix), std::move(reason)});
}

Message Alternatives(const std::vector<std::string>& names) {
    if (names.empty()) return Value("");
    Message list = Value(names.front());
    for (std::size_t k = 1; k + 1 < names.size(); ++k)
        list = Sentence(PhysicsText::Joined, {std::move(list), Value(names[k])});
    if (names.size() == 1) return list;
    return Sentence(PhysicsText::Alternative, {std::move(list), Value(names.back())});
}

}  // namespace fenra
