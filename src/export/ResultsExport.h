#pragma once
// The results of all data sets as CSV ("Export results…") and a selection of the results
// grid as tab-separated text with a header row (copy), which a spreadsheet pastes into columns.

#include <string>
#include <vector>

#include "calc/CalculateDataSet.h"
#include "files/FileError.h"
#include "physics/StopUnits.h"
#include "state/WorkingState.h"

namespace fenra {

// Whether a data set's stored results belong to it. Without a record (Unknown) the rule of the
// grid and the report decides (HasResultsToShow); a caller that calculates with
// CalculateDataSet, which keeps the former results of a refused data set, passes the outcomes.
enum class ResultState {
    Unknown,        // no record: HasResultsToShow decides
    Calculated,     // the last Calculate stored its results
    NotCalculated,  // never calculated since its inputs were given
    Failed,         // the last Calculate refused it or failed
};

ResultState ResultStateOf(CalcOutcome outcome);

// The result of a calculated data set in `unit`, as Calculate stored it.
float StoredStop(const DataSet& d, StopUnit unit);

// The texts of the grid's unit list (StopUnit is in its order).
const char* GridUnitText(StopUnit unit);  // "eV/(1e15/cm2)", "keV/mg/cm2", "ev/A", "keV/um"

constexpr const char* kResultsCsvHeader =
    "data_set,ion,ion_mass_amu,energy_keV,target,stopping_eV_e15,stopping_keV_mg_cm2,"
    "stopping_eV_A,stopping_keV_um,result";

// One row per data set 1..DataSetCount, CR LF line ends. The ion's mass and energy as the
// shortest text of their Single (as typed: 1.008); the four results with nine significant
// digits, as fenra32-calc values prints them. A data set without results (never calculated,
// or failed) has empty result cells, and so have eV/A and keV/um of a compound; the last
// column says "calculated", "not calculated" or "failed". The target is the composition the
// results belong to (TargetName) for a calculated data set, else the target text of its slots.
// states[i - 1] is the state of data set i; missing entries are Unknown.
std::string ResultsCsvText(const WorkingState& s, const std::vector<ResultState>& states = {});

bool SaveResultsCsv(const WorkingState& s, const std::vector<ResultState>& states,
                    const std::string& path, FileError* error = nullptr);

// A cell of the results grid: data set 1..DataSetCount, column 0..4 (ion, mass, energy, target,
// stopping).
struct GridCell {
    int dataSet = 0;
    int column = 0;
};
constexpr int kResultGridColumns = 5;

// The selected cells as tab-separated text: a header row of the selected columns ("Ion",
// "Mass (amu)", "E (keV)", "Target", "Stopping power (<unit>)"), then one line per selected
// data set in grid order; within the rows and columns spanned, a cell not selected is empty.
// Cells as the grid shows them (general text), an empty stopping cell for a data set without
// results or a length unit of a compound. "\n" after every line; "" for no valid cell.
std::string GridSelectionText(const WorkingState& s, StopUnit unit,
                              const std::vector<GridCell>& cells,
                              const std::vector<ResultState>& states = {});

// Every cell of the given data sets (a row selection), or of all data sets.
std::vector<GridCell> WholeRows(const std::vector<int>& dataSets);
std::vector<GridCell> AllCells(const WorkingState& s);

}  // namespace fenra
