#include "export/ResultsExport.h"

#include <algorithm>
#include <set>

#include "export/CsvText.h"
#include "files/TargetFile.h"
#include "files/TextFile.h"
#include "state/CompositionText.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

const char* const kUnitTexts[] = {"eV/(1e15/cm2)", "keV/mg/cm2", "ev/A", "keV/um"};
const char* const kGridHeaders[] = {"Ion", "Mass (amu)", "E (keV)", "Target"};

ResultState StateOf(const WorkingState& s, const std::vector<ResultState>& states, int i) {
    const ResultState given = static_cast<std::size_t>(i) <= states.size()
                                  ? states[static_cast<std::size_t>(i - 1)]
                                  : ResultState::Unknown;
    if (given != ResultState::Unknown) return given;
    return HasResultsToShow(s.DataSets[i]) ? ResultState::Calculated : ResultState::NotCalculated;
}

const char* StateText(ResultState r) {
    switch (r) {
        case ResultState::Calculated:
            return "calculated";
        case ResultState::Failed:
            return "failed";
        default:
            return "not calculated";
    }
}

// eV/A and keV/um hold a value for a one-element target only, as in the report.
bool HasLengthUnits(const DataSet& d) {
    return d.ElementCount == 1;
}

std::string GridCellText(const DataSet& d, int column, StopUnit unit, bool calculated) {
    switch (column) {
        case 0:
            return d.IonName;
        case 1:
            return GeneralText(d.IonMass);
        case 2:
            return GeneralText(d.IonEnergy);
        case 3:
            return d.TargetName;
        default:
            break;
    }
    const bool lengthUnit = IsLength(unit);
    if (!calculated || (lengthUnit && !HasLengthUnits(d))) return {};
    return GeneralText(StoredStop(d, unit));
}

}  // namespace

ResultState ResultStateOf(CalcOutcome outcome) {
    return outcome == CalcOutcome::Calculated ? ResultState::Calculated : ResultState::Failed;
}

float StoredStop(const DataSet& d, StopUnit unit) {
    switch (unit) {
        case StopUnit::KevMgCm2:
            return d.StopKevMg;
        case StopUnit::EvAngstrom:
            return d.StopEvA;
        case StopUnit::KevUm:
            return d.StopKevUm;
        case StopUnit::EvE15:
            break;
    }
    return d.StopEvAtoms;
}

const char* GridUnitText(StopUnit unit) {
    return kUnitTexts[static_cast<int>(unit)];
}

std::string ResultsCsvText(const WorkingState& s, const std::vector<ResultState>& states) {
    std::string out;
    AppendLine(out, kResultsCsvHeader);
    for (int i = 1; i <= DataSetsInUse(s); ++i) {
        const DataSet& d = s.DataSets[i];
        const ResultState state = StateOf(s, states, i);
        const bool known = state == ResultState::Calculated;
        const bool length = known && HasLengthUnits(d);
        AppendCsvLine(out, {std::to_string(i), CsvField(d.IonName), ShortestText(d.IonMass),
                            ShortestText(d.IonEnergy),
                            CsvField(known ? d.TargetName
                                           : CompositionText(d, CompositionEnd::FirstZeroRatio)),
                            NumberOrEmpty(d.StopEvAtoms, known), NumberOrEmpty(d.StopKevMg, known),
                            NumberOrEmpty(d.StopEvA, length), NumberOrEmpty(d.StopKevUm, length),
                            StateText(state)});
    }
    return out;
}

bool SaveResultsCsv(const WorkingState& s, const std::vector<ResultState>& states,
                    const std::string& path, FileError* error) {
    return WriteTextFile(path, ResultsCsvText(s, states), error);
}

std::string GridSelectionText(const WorkingState& s, StopUnit unit,
                              const std::vector<GridCell>& cells,
                              const std::vector<ResultState>& states) {
    std::set<std::pair<int, int>> selected;
    std::set<int> rows, columns;
    for (const GridCell& c : cells) {
        if (c.dataSet < 1 || c.dataSet > DataSetsInUse(s)) continue;
        if (c.column < 0 || c.column >= kResultGridColumns) continue;
        selected.insert({c.dataSet, c.column});
        rows.insert(c.dataSet);
        columns.insert(c.column);
    }
    if (selected.empty()) return {};
    std::string out;
    for (const int col : columns) {
        out += col == *columns.begin() ? "" : "\t";
        out += col < 4 ? std::string(kGridHeaders[col])
                       : std::string("Stopping power (") + GridUnitText(unit) + ")";
    }
    out += "\n";
    for (const int i : rows) {
        const bool calculated = StateOf(s, states, i) == ResultState::Calculated;
        for (const int col : columns) {
            out += col == *columns.begin() ? "" : "\t";
            if (selected.count({i, col}))
                out += TabField(GridCellText(s.DataSets[i], col, unit, calculated));
        }
        out += "\n";
    }
    return out;
}

std::vector<GridCell> WholeRows(const std::vector<int>& dataSets) {
    std::vector<GridCell> cells;
    for (const int i : dataSets)
        for (int col = 0; col < kResultGridColumns; ++col) cells.push_back({i, col});
    return cells;
}

std::vector<GridCell> AllCells(const WorkingState& s) {
    std::vector<int> all;
    for (int i = 1; i <= DataSetsInUse(s); ++i) all.push_back(i);
    return WholeRows(all);
}

}  // namespace fenra
