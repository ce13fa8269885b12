#pragma once
// Ions named as a physicist writes them: the light ions by their particle names and any isotope
// by its mass number before the element symbol ("12C", "238U").
//
// Masses are atomic masses (the neutral atom, electrons included), as every other ion mass of
// the program is: the proton's mass here is that of the 1H atom, 1.0078250321 amu, not the bare
// proton's 1.007276466621 amu (CODATA 2018). The difference (Z times 0.00054858 amu, the
// electrons) shifts the energy per unit mass by 0.05 % at most (the proton). Values:
// data/isotope_masses.csv, measured masses only (sources in data/SOURCES.md).

#include <optional>
#include <string>
#include <string_view>

namespace fenra {

struct IsotopeName {
    int Z = 0;
    int A = 0;        // mass number
    double mass = 0;  // amu, atomic mass of the isotope
};

// The measured atomic mass of isotope (Z, A) in amu; nullopt when the table has none.
std::optional<double> IsotopeMass(int Z, int A);

// The lightest and heaviest mass numbers with a measured mass for element Z ({0, 0}: none).
struct MassNumberRange {
    int lowest = 0, highest = 0;
};
MassNumberRange MassNumbersOf(int Z);

// The particle names: "p", "proton" (1H), "d", "deuteron" (2H), "t", "triton" (3H), "helion"
// (3He), "alpha" (4He). nullopt for any other text.
std::optional<IsotopeName> ParticleNamed(std::string_view text);

// Splits "238U" into 238 and "U"; false when the text is not digits followed by letters or the
// number is not a mass number (1 to 999).
bool SplitMassNumber(std::string_view text, int* A, std::string_view* symbol);

}  // namespace fenra
