#pragma once
// Materials: the ion-independent description of a target, up to ten elements with atomic
// ratios, plus a density where one is known. A material is written as an element symbol
// ("Si"), a chemical formula ("H2O", "Ca(OH)2", "C1H1.5") or a name from the list of common
// materials ("water", "mylar"; see MaterialList.h).
//
// Errors are PhysicsError: BadValue for a malformed text or density (the message points at the
// offending character, counted from 1), UnknownName for a symbol or name that is not known.

#include <string>
#include <string_view>
#include <vector>

#include "elements/ElementDatabase.h"
#include "messages/Message.h"

namespace fenra {

constexpr int kMaxMaterialElements = 10;

// The limits of a formula: its length in characters, the element symbols and groups it may
// hold, and how deep its parentheses may nest. The longest formula of the material list has 30
// characters and two levels; the limits keep the reader's work and recursion bounded.
constexpr std::size_t kMaxFormulaLength = 1000;
constexpr int kMaxFormulaTerms = 200;
constexpr int kMaxFormulaDepth = 32;

struct MaterialElement {
    std::string symbol;  // as spelled in the element table
    double ratio = 0;    // atomic ratio, > 0
};

struct Material {
    std::string name;                       // what it was written as ("H2O", "mylar", "Si")
    std::vector<MaterialElement> elements;  // 1..10, each symbol once, in order of appearance
    double density = 0;                     // g/cm3; 0 when not known
};

// Parses a chemical formula: element symbols (checked against db), each followed by an
// optional ratio (digits with an optional decimal point, default 1); parentheses group with a
// multiplier, and may nest. An element written twice ("CH3CH3") has its ratios added. The
// material gets no density.
Material ParseFormula(std::string_view text, const ElementDatabase& db);

// The number of characters of UTF-8 text (its bytes less the continuation bytes), and whether a
// byte continues a character.
std::size_t CharacterCount(std::string_view text);
bool IsContinuationByte(char c);

// A user's text as a message quotes it: control characters made visible, cut after 60
// characters with "..." so that a long text does not bury the reason.
std::string TextForMessage(std::string_view text);

// The densest material taken, in g/cm3: forty times osmium (22.6 g/cm3), the densest element.
// Far above, the atoms per cm3 leave the range of the numbers and a length would read as 0.
constexpr double kMaxDensity = 1000;

// Checks a density in g/cm3: a positive finite number up to kMaxDensity, else BadValue naming
// `what` (a sentence, or an argument shown as it is: "--density").
void CheckDensity(double density, const Message& what);
void CheckDensity(double density, const std::string& what);

// Mean atomic mass of the material in amu (ratio-weighted NatMass of its elements).
double MeanAtomicMass(const Material& m, const ElementDatabase& db);

// Atoms per cm3 of a material of known density: density * Avogadro / mean atomic mass. For a
// single element without a given density, the element table's atomic density. 0 when unknown.
double AtomsPerCm3(const Material& m, const ElementDatabase& db);

}  // namespace fenra
