#pragma once
// The sentences of the materials, stopping and range functions and of the commands and the
// Python functions built on them: each refusal and warning has an id, and its English template
// is written once, in PhysicsMessages.cpp. The core throws the id with its values (a
// PhysicsError carries the Message); fenra32-calc and the Python module say it in English
// (Words), the windows translate the template first (ui/messages).
//
// Many sentences are built of parts: a prefix naming the argument ("MATERIAL \"x\"") and the
// reason the core gave ("the formula \"x\" is empty"), joined by Prefixed.

#include <vector>

#include "messages/Message.h"

namespace fenra {

enum class PhysicsText {
    // Joining parts
    Prefixed,        // "%1: %2"
    ArgumentQuoted,  // "%1 \"%2\""
    Indexed,         // "%1[%2]"
    // Formulas
    FormulaProblem,
    FormulaProblemAt,
    FormulaEmpty,
    FormulaTooLong,
    FormulaTooManyTerms,
    FormulaUnmatchedClose,
    FormulaUnmatchedOpen,
    FormulaTooDeep,
    FormulaNoSymbolHere,
    FormulaEmptyGroup,
    FormulaUnknownSymbol,
    FormulaLonePoint,
    FormulaRatioTooLarge,
    FormulaRatioNotPositive,
    FormulaTooManyElements,
    // Densities, elements and materials
    DensityNotPositive,
    DensityTooHigh,
    TheDensity,
    ElementNotInTable,
    MaterialUnknown,
    MaterialNoElement,
    NoCoefficientRecord,
    RatioUnderflows,
    RatioOverflows,
    RatioNotForTarget,
    LengthNeedsDensity,
    NoDensityForUnit,
    // The list of named materials
    ListNotRegular,
    ListUnreadable,
    ListTooLarge,
    ListLine,
    ListBadHeader,
    ListNotRecord,
    ListDensityNotNumber,
    ListDensity,
    ListNameIsSymbol,
    ListNameTwice,
    // Ions
    IonNotInTable,
    IsotopeNoMass,
    IonMassValue,
    IonMassNotFinite,
    IonMassNotPositive,
    IonMassTooHeavy,
    NotFinite,
    // Energies, ranges and the stopping
    NotFiniteAtLeastZero,
    TheEnergy,
    TheRange,
    TheThickness,
    ALayerThickness,
    EnergyNotFiniteKev,
    EnergyBeyondSingle,
    StoppingNotFinite,
    StoppingNotPositiveNear,
    RangeBeyondModel,
    // Warnings of results outside a model or a formula
    OutsideModel,
    SpreadsOutsideValidity,
    // Stacks of layers
    StackTooManyLayers,
    LayerNumbered,
    LayerNotRead,
    DepthNotFinite,
    DepthBeyondStack,
    MaterialNotRead,
    PathThroughStack,
    SpreadsBehindLayer,
    EnergyToPassStack,
    EnergyToReachDepth,
    NoDensityForPaths,
    // Command-line arguments
    Underflows,
    Overflows,
    ConvertedOverflows,
    NotNumberWithUnit,
    Negative,
    NoThicknessUnit,
    LengthWithoutDensity,
    NotPositiveNumber,
    OptionNeedsValue,
    OptionWholeNumber,
    OptionNumber,
    UnknownOption,
    UnknownModel,
    CommandNeeds,
    CommandNeedsIon,
    LayerNotMaterialThickness,
    ImplantTooManyLayers,
    MaterialNoDensityGiveOne,
    StepsNotWholeNumber,
    StepOptionsTogether,
    LinearNeedsSteps,
    StepsOnlyForStoppingAndRange,
    StoppingUnitOnlyForStopping,
    StoppingUnitNotOneOf,
    LogStepsNeedPositive,
    // Python arguments
    NotUnicode,
    TheIon,
    TheMaterial,
    MassNotPositive,
    ModelNotOneOf,
    UnitNotOneOf,
    KindNotOneOf,
    LayerNotTuple,
    PythonOverflows,
    NumbersNotText,
    NotNumbers,
    EnergyAboveCutoff,
    EnergyUnitNotOneOf,
    StepCountNotWholeNumber,
    StepEndNotFinite,
    StepEndsNotPositive,
    NotRealNumbers,
    NumberNotBool,
    MaterialNotTextOrMaterial,
    StepsNotWholeNumberType,
    // Python's warnings of results outside a model
    PythonTheEnergy,
    PythonTheEnergyForRange,
    PythonOfTheEnergies,
    PythonOfTheEnergiesForRanges,
    ClassicModelDomain,
    ModernModelDomain,
    ManyOutsideModel,
    PassOutsideModel,
    RangeStragglingOf,
    PathThroughLayers,
    SpreadsBehind,
    // The simulation of ion paths
    PathsNoLayer,
    PathsTooManyLayers,
    PathsBadEnergy,
    PathsBadAngle,
    PathsBadOption,
    PathsBadThickness,
    CommandBadEnergy,
    CommandEnergyAboveCutoff,
    StackNotSimulated,
    ImplantEnergyNotAboveCutoff,
    ImplantStackNeedsLayers,
    DisplacementNotEnergy,
    DisplacementNotInLayers,
    // The ion paths library's own refusals of its inputs, as the ion paths window shows them
    ImplantNoLayer,
    ImplantLayersBeyondMost,
    ImplantBadIon,
    ImplantBadEnergy,
    ImplantBadAngle,
    ImplantBadOption,
    ImplantBadElement,
    ImplantNoDensity,
    ImplantBadThickness,
    ImplantBadStoppingTable,
    // The command line of fenra32-calc's target-file commands and its reports
    OptionNeedsPath,
    NoCommandGiven,
    UnknownCommand,
    CurveOperands,
    TargetFileOperand,
    UnknownCurveKind,
    DataSetNumberNotWhole,
    TryHelp,
    NoSuchDataSet,
    DataSetNumbered,
    CannotWriteStandardOutput,
    OutputNotWhole,
    CannotReadPath,
    Joined,
    WithQuoted,
    ArgumentValue,
    TheEnergyFor,
    EnergyOnPathOf,
    Warning,
    // The values of the summary of fenra32-calc implant
    SummaryIon,
    SummaryLayer,
    SummaryIonsRun,
    SummaryInterrupted,
    SummaryRunOptions,
    SummaryStragglingOff,
    SummaryRecoilsNotFollowed,
    ImplantProgressLine,
    // The Python module's texts
    ModelRangeWarningDoc,
    // fenra32-calc's labels of what decided its numbers
    DisplacementEnergiesOf,
    ElectronVolts,
    TableModelLine,
    // The last of a list of alternatives
    Alternative,
    Count  // the number of ids, not a sentence
};

// The English template of `id`, marked with FENRA_TRANSLATE_NOOP; nullptr only for Count.
const char* TemplateOf(PhysicsText id);

// How many values (%1..%n) the template of `id` takes.
int ArgumentCount(PhysicsText id);

// The sentence `id` with its values.
Message Sentence(PhysicsText id, std::vector<Message> args = {});

// "prefix: reason", the way a caller names the argument a reason concerns.
Message Prefixed(Message prefix, Message reason);

// The names a refused value may take: "a, b or c" ("a" alone, nothing for none).
Message Alternatives(const std::vector<std::string>& names);

}  // namespace fenra
