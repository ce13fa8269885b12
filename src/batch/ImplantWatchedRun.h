#pragma once
// fenra32-calc implant's run: the simulation on its threads while a watcher passes Ctrl+C on
// to it and, on a terminal, shows the progress on one line of standard error.

#include <ostream>

#include "batch/ImplantArguments.h"
#include "batch/ImplantOperands.h"
#include "implant/Implant.h"

namespace fenra {

// Runs the simulation of the command line; `terminal`: standard error is one, show progress.
// SIGINT, while it runs, ends it after the ions under way; the handler before is put back.
ImplantResult RunImplantWatched(const ImplantArguments& o, const ImplantCommandStack& s,
                                bool terminal, std::ostream& err);

}  // namespace fenra
