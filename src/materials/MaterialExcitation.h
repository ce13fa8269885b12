#pragma once
// The measured mean excitation energy I of a named material (data/material_excitation.csv,
// sources in data/MATERIALS.md): the value the Bethe formula takes for the compound instead of
// Bragg's additivity of ln I over its elements, which misses the chemical binding.

#include <string_view>

namespace fenra {

// I in eV of the material of this name (compared without regard to case), or 0 when the list
// has none.
double NamedMeanExcitation(std::string_view name);

}  // namespace fenra
