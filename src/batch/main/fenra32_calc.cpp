// fenra32-calc: the stopping calculations of Fenra32 on a target file, from the command line.

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "batch/BatchCalculator.h"

int main(int argc, char** argv) {
    int status = fenra::kBatchUsageError;
    try {
        const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        status = fenra::RunBatchCalculator(args, std::cout, std::cerr);
        std::cout.flush();
    } catch (const std::exception& e) {
        // Whatever escaped the checks ends with a message, never with an abort.
        std::cerr << "fenra32-calc: internal error: " << e.what() << "\n";
        status = fenra::kBatchInternalError;
    } catch (...) {
        std::cerr << "fenra32-calc: internal error\n";
        status = fenra::kBatchInternalError;
    }
    return fenra::FinishStandardOutput(status, stdout, std::cerr);
}
