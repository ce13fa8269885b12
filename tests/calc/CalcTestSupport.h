#pragma once
// What the calculation tests share: the generated element database, opened once, and a working
// state holding data sets built from a few values.

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "elements/ElementDatabase.h"
#include "state/WorkingState.h"

namespace fenra {

inline const ElementDatabase& TestDatabase() {
    static const ElementDatabase db = ElementDatabase::OpenFile(FENRA_TEST_DATABASE);
    return db;
}

// A copy of the generated database, changed by one SQL statement (say, a record deleted), in
// the temporary folder; each name gives its own file.
inline std::string DatabaseCopyWith(const std::string& name, const std::string& sql) {
    namespace fs = std::filesystem;
    const fs::path path =
        fs::temp_directory_path() / ("fenra_calc_" + std::to_string(::getpid()) + "_" + name);
    fs::copy_file(FENRA_TEST_DATABASE, path, fs::copy_options::overwrite_existing);
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return path.string();
}

// A target as (symbol, ratio) pairs for slots 1, 2, ...
using Target = std::vector<std::pair<std::string, float>>;

inline void SetDataSet(DataSet& d, const std::string& ion, float mass, float energy,
                       const Target& target, float range = 100000) {
    d.IonName = ion;
    d.IonMass = mass;
    d.IonEnergy = energy;
    d.Range = range;
    d.ElementCount = static_cast<int16_t>(target.size());
    for (std::size_t k = 0; k < target.size(); ++k) {
        d.TargetElement[static_cast<int>(k) + 1] = target[k].first;
        d.TargetRatio[static_cast<int>(k) + 1] = target[k].second;
    }
}

// A working state with one data set, current and calculated nowhere yet.
inline WorkingState OneDataSet(const std::string& ion, float mass, float energy,
                               const Target& target, float range = 100000) {
    WorkingState s;
    s.DataSetCount = 1;
    s.CurrentDataSet = 1;
    SetDataSet(s.DataSets[1], ion, mass, energy, target, range);
    return s;
}

}  // namespace fenra
