#pragma once
// The energy table of one ion in one material (range/EnergyTable.h) as CSV: nine significant
// digits, '.' as decimal point, CR LF line ends, the column names of fenra32-calc's `stopping`
// and `range`.

#include <string>
#include <vector>

#include "range/EnergyTable.h"

namespace fenra {

constexpr const char* kEnergyTableCsvHeader =
    "energy_keV,electronic_eV_e15,nuclear_eV_e15,total_eV_e15,range_e15,range_mg_cm2,range_um,"
    "range_sigma_e15,range_sigma_mg_cm2,range_sigma_um";

// One line per row, in their order. Empty cells: a length without a density, a straggling that
// is not known, and every cell but the energy of a row that failed.
std::string EnergyTableCsvText(const std::vector<EnergyTableRow>& rows);

}  // namespace fenra
