#pragma once
// What fenra32-calc implant prints: the summary of a run, one "key: value" line each, and the
// depth histogram as a table of aligned columns.

#include <ostream>

#include "batch/ImplantArguments.h"
#include "batch/ImplantOperands.h"
#include "implant/Implant.h"

namespace fenra {

// The summary, each line led by `lead` ("# " above a CSV, else nothing).
void PrintImplantSummary(std::ostream& out, const ImplantArguments& o, const ImplantCommandStack& s,
                         const ImplantResult& r, const char* lead);

// The depth histogram's bins, right-aligned under their header.
void PrintImplantDepthTable(std::ostream& out, const ImplantResult& r);

}  // namespace fenra
