#pragma once
// The command line of fenra32-calc, read into what to do.

#include <string>
#include <vector>

#include "calc/CurveWalk.h"

namespace fenra {

enum class BatchCommand { Help, Version, Report, Curve, Values };

struct BatchArguments {
    BatchCommand command = BatchCommand::Help;
    std::string targetFile;
    std::string outputFile;    // empty: standard output
    std::string databasePath;  // empty: the database search (elements/DatabaseSearch.h)
    CurveKind curveKind = CurveKind::DepthStop;
    int dataSet = 0;  // curve: 1..100
};

// Reads the arguments after the program name. On a usage error returns false with a one-line
// reason in *error.
bool ParseBatchArguments(const std::vector<std::string>& args, BatchArguments* parsed,
                         std::string* error);

// The --help text.
const char* BatchUsage();

}  // namespace fenra
