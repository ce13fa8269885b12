#pragma once
// fenra32-calc run in the test's own process: its exit status and what it wrote.

#include <sstream>
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

}  // namespace fenra
