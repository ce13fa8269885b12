// fenra32-calc: the stopping calculations of Fenra32 on a target file, from the command line.

#include <iostream>
#include <string>
#include <vector>

#include "batch/BatchCalculator.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return fenra::RunBatchCalculator(args, std::cout, std::cerr);
}
