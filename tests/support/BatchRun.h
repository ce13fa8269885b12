#pragma once
// fenra32-calc run in the test's own process: its exit status and what it wrote.

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "batch/BatchCalculator.h"

namespace fenra {

struct Outcome {
    int status = -1;
    std::string out, err;
};

// The command line after the program name, as given.
inline Outcome Calc(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    Outcome o;
    o.status = RunBatchCalculator(args, out, err);
    o.out = out.str();
    o.err = err.str();
    return o;
}

// The same on the element database the build generated for the tests (--db first).
inline Outcome CalcOnTestDatabase(std::vector<std::string> args) {
    args.insert(args.begin(), {"--db", FENRA_TEST_DATABASE});
    return Calc(args);
}

// The cells of a successful `--csv` run on the test database, one row per line after the
// header; a trailing comma is an empty last cell. A failed run throws with what it wrote.
inline std::vector<std::vector<std::string>> CalcCsvRows(std::vector<std::string> args) {
    args.insert(args.begin(), "--csv");
    const Outcome o = CalcOnTestDatabase(args);
    if (o.status != 0) throw std::runtime_error("fenra32-calc failed: " + o.err);
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(o.out);
    std::string line;
    std::getline(lines, line);  // the header
    while (std::getline(lines, line)) {
        std::vector<std::string> cells;
        std::stringstream ss(line);
        std::string cell;
        while (std::getline(ss, cell, ',')) cells.push_back(cell);
        if (!line.empty() && line.back() == ',') cells.push_back("");
        rows.push_back(cells);
    }
    return rows;
}

}  // namespace fenra
