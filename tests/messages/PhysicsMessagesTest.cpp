// The sentences of the materials, range and physics commands: every id has a template, its
// placeholders are the values it takes, and the values are put in their places.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messages/PhysicsMessages.h"
#include "messages/TemplateCheck.h"

namespace fenra {
namespace {

constexpr int kIds = static_cast<int>(PhysicsText::Count);

class PhysicsTemplateTest : public ::testing::TestWithParam<int> {};

TEST_P(PhysicsTemplateTest, HasATextTakingItsValues) {
    ExpectTemplateTakesItsValues(static_cast<PhysicsText>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(PhysicsMessages, PhysicsTemplateTest, ::testing::Range(0, kIds));

TEST(PhysicsMessages, CountHasNoTemplate) {
    EXPECT_EQ(TemplateOf(PhysicsText::Count), nullptr);
    EXPECT_EQ(ArgumentCount(PhysicsText::Count), 0);
}

// Sentences as the core and the commands build them, parts inside parts, word for word.
struct SaidCase {
    const char* name;
    Message message;
    const char* words;
};

class PhysicsSentenceTest : public ::testing::TestWithParam<SaidCase> {};

TEST_P(PhysicsSentenceTest, ReadsAsBefore) {
    EXPECT_EQ(Words(GetParam().message), GetParam().words);
}

const SaidCase kSaid[] = {
    {"FormulaAtCharacter",
     Sentence(PhysicsText::FormulaProblemAt,
              {Value("H2(O"), Sentence(PhysicsText::FormulaUnmatchedOpen), Value("3")}),
     "the formula \"H2(O\" has an unmatched '(' at character 3"},
    {"ArgumentAndReason",
     Prefixed(Sentence(PhysicsText::ArgumentQuoted, {Value("MATERIAL"), Value("Xx")}),
              Sentence(PhysicsText::FormulaProblem,
                       {Value("Xx"), Sentence(PhysicsText::FormulaUnknownSymbol, {Value("Xx")})})),
     "MATERIAL \"Xx\": the formula \"Xx\" has the unknown element symbol \"Xx\""},
    {"DensityOfAListLine",
     Sentence(
         PhysicsText::DensityTooHigh,
         {Sentence(PhysicsText::ListDensity,
                   {Sentence(PhysicsText::ListLine, {Value("m.csv"), Value("4")}), Value("2e3")}),
          Value("1000")}),
     "m.csv, line 4: the density \"2e3\" is above 1000 g/cm3, denser than any solid"},
    {"EnergyOutsideTheModernModel",
     Sentence(PhysicsText::OutsideModel,
              {Sentence(PhysicsText::TheEnergy), Sentence(PhysicsText::ModernModelDomain)}),
     "the energy is outside the modern model's 1 keV/u to 10 GeV/u or where nuclear stopping is "
     "more than half the total; the result is extrapolated"},
    {"ValueHoldingAPlaceholder", Sentence(PhysicsText::UnknownOption, {Value("--%2")}),
     "unknown option --%2"},
    // Python's warnings for arrays share the models' domains with nothing else typed twice.
    {"EnergiesForRangesOutsideTheModel",
     Sentence(PhysicsText::ManyOutsideModel,
              {Sentence(PhysicsText::PythonOfTheEnergiesForRanges, {Value("2")}),
               Sentence(PhysicsText::ClassicModelDomain)}),
     "2 of the energies for the ranges are outside the model's 1 keV/u to 2 GeV/u; their results "
     "are extrapolated"},
    {"EnergiesPassingOutsideTheModernModel",
     Sentence(PhysicsText::PassOutsideModel,
              {Sentence(PhysicsText::PythonOfTheEnergies, {Value("1")}),
               Sentence(PhysicsText::ModernModelDomain)}),
     "1 of the energies pass outside the modern model's 1 keV/u to 10 GeV/u or where nuclear "
     "stopping is more than half the total on their way through the layers; their results are "
     "extrapolated"},
    {"OneEnergyForARange",
     Sentence(PhysicsText::OutsideModel, {Sentence(PhysicsText::PythonTheEnergyForRange,
                                                   {Value("0.5"), Value("keV"), Value("1e-07")}),
                                          Sentence(PhysicsText::ClassicModelDomain)}),
     "the energy 0.5 keV for the range 1e-07 is outside the model's 1 keV/u to 2 GeV/u; the result "
     "is extrapolated"},
    {"ArrayOfDates",
     Sentence(PhysicsText::NotRealNumbers, {Value("energy"), Value("datetime64[D]")}),
     "energy must be real numbers, not an array of dtype datetime64[D]"},
    // fenra32-calc's own reports, joined of parts as its commands join them.
    {"StandardOutputWithoutErrno",
     Sentence(PhysicsText::CannotWriteStandardOutput, {Sentence(PhysicsText::OutputNotWhole)}),
     "cannot write to standard output: the output was not written whole"},
    {"WarningOfARangeOperand",
     Sentence(PhysicsText::Warning, {Sentence(PhysicsText::OutsideModel,
                                              {Sentence(PhysicsText::TheEnergyFor,
                                                        {Sentence(PhysicsText::ArgumentValue,
                                                                  {Value("RANGE"), Value("1nm")})}),
                                               Sentence(PhysicsText::ClassicModelDomain)})}),
     "warning: the energy for RANGE 1nm is outside the model's 1 keV/u to 2 GeV/u; the result is "
     "extrapolated"},
    {"InvalidElementOfALine",
     Prefixed(Sentence(PhysicsText::ListLine, {Value("a.fta"), Value("3")}),
              Sentence(PhysicsText::WithQuoted, {Value("Invalid element !!"), Value("Siii")})),
     "a.fta, line 3: Invalid element !! (\"Siii\")"},
    {"CurveNeedsItsOperands",
     Sentence(PhysicsText::CommandNeeds, {Value("curve"), Sentence(PhysicsText::CurveOperands)}),
     "curve needs a curve kind, a data set number and a file"},
    {"NotesOfAFileJoined", Sentence(PhysicsText::Joined, {Value("a.fta"), Value("line 4: x")}),
     "a.fta, line 4: x"},
    // The names a refused value may take, as the unit and model refusals list them.
    {"NoAlternative", Alternatives({}), ""},
    {"OneAlternative", Alternatives({"classic"}), "classic"},
    {"TwoAlternatives", Alternatives({"classic", "modern"}), "classic or modern"},
    {"ManyAlternatives", Alternatives({"eV", "keV", "MeV/u", "GeV/u"}), "eV, keV, MeV/u or GeV/u"},
    {"UnknownUnitRefused",
     Sentence(PhysicsText::EnergyUnitNotOneOf, {Value("TeV"), Alternatives({"eV", "keV"})}),
     "energy_unit \"TeV\" is not one of eV or keV"},
};

INSTANTIATE_TEST_SUITE_P(PhysicsMessages, PhysicsSentenceTest, ::testing::ValuesIn(kSaid),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fenra
