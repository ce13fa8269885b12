#pragma once
// The ion paths result (implant/Implant.h) as CSV: the depth profile and the spectra of the
// ions that came back or went through; nine significant digits, '.' as decimal point, CR LF.

#include <string>
#include <utility>
#include <vector>

#include "files/FileError.h"
#include "implant/Implant.h"

namespace fenra {

constexpr const char* kImplantDepthCsvHeader =
    "depth_from_nm,depth_to_nm,stopped_ions,stopped_per_nm_per_ion,electronic_eV_nm,"
    "nuclear_eV_nm,displacements_per_nm,stopped_ions_error,electronic_eV_nm_error,"
    "nuclear_eV_nm_error,displacements_per_nm_error";

// One row per depth bin: the ions stopped in it, their share per nm of all the ions run, and
// the energies and displacements per nm per ion; then the standard errors of the count and of
// the three per-ion values.
std::string ImplantDepthCsvText(const ImplantResult& r);

// from,to,ions of one spectrum; `unit` names the columns ("keV" or "deg").
std::string ImplantSpectrumCsvText(const Histogram& h, const std::string& unit);

// The files of a result: a name suffix ("depth", "backscattered_energy", ...) and the text.
std::vector<std::pair<std::string, std::string>> ImplantCsvFiles(const ImplantResult& r);

// Writes every file of ImplantCsvFiles as prefix_suffix.csv; stops at the first failure.
bool SaveImplantCsvFiles(const ImplantResult& r, const std::string& prefix,
                         std::string* failedPath = nullptr, FileError* error = nullptr);

}  // namespace fenra
