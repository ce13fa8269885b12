#pragma once
// The range-and-layers calculation (range/StackCalculation.h) as CSV: its layer table and its
// plot series, nine significant digits, '.' as decimal point, CR LF line ends.

#include <string>

#include "files/FileError.h"
#include "range/StackCalculation.h"

namespace fenra {

constexpr const char* kStackTableCsvHeader =
    "layer,material,density_g_cm3,thickness_e15,thickness_mg_cm2,thickness_um,energy_in_keV,"
    "energy_out_keV,energy_loss_keV,stop_depth_in_layer_e15,stop_depth_in_layer_mg_cm2,"
    "stop_depth_in_layer_um,stop_depth_from_front_e15,stop_depth_from_front_mg_cm2,"
    "stop_depth_from_front_um,"
    "energy_sigma_keV,angle_sigma_mrad,lateral_sigma_um,charge_mean";

// One row per layer, front to back. Empty cells: a density or a length that is not known, the
// energies of a layer the ion does not reach (or of a stack that could not be calculated), the
// depths where the ion stops (from the layer's front face, then from the stack's) of a layer it
// passes,
// a spread that is not known (range/Spread.h).
std::string StackTableCsvText(const StackCalculation& c);

// "total_stopping_eV_e15", "..._keV_mg_cm2", "..._keV_um", "..._eV_A".
std::string StoppingColumnName(StopUnit unit);

// layer,depth_e15,depth_mg_cm2,depth_um,energy_keV,<StoppingColumnName>,energy_sigma_keV: one row
// per plot point.
std::string StackPlotCsvText(const StackCalculation& c, StopUnit unit);

bool SaveStackTableCsv(const StackCalculation& c, const std::string& path,
                       FileError* error = nullptr);
bool SaveStackPlotCsv(const StackCalculation& c, StopUnit unit, const std::string& path,
                      FileError* error = nullptr);

}  // namespace fenra
