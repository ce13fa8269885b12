#include "batch/ImplantCommand.h"

#include <unistd.h>

#include <iostream>

#include "batch/BatchCalculator.h"
#include "batch/ImplantArguments.h"
#include "batch/ImplantOperands.h"
#include "batch/ImplantSummaryText.h"
#include "batch/ImplantWatchedRun.h"
#include "elements/DatabaseSearch.h"
#include "export/ImplantExport.h"
#include "materials/MaterialList.h"
#include "materials/PhysicsError.h"
#include "messages/OutcomeMessages.h"

namespace fenra {

namespace {

constexpr const char* kProgram = "fenra32-calc: ";

std::string ProblemText(ImplantProblem p) {
    switch (p) {
        case ImplantProblem::BadEnergy:
            return Words(Sentence(PhysicsText::CommandBadEnergy));
        case ImplantProblem::BadOption:
            return Words(Sentence(PhysicsText::CommandEnergyAboveCutoff));
        default:
            return Words(Sentence(PhysicsText::StackNotSimulated));
    }
}

// A refusal of the arguments is a wrong command line; a stack the simulation cannot take
// (no elements, a stopping table it cannot read) is a failed calculation.
int ProblemStatus(ImplantProblem p) {
    switch (p) {
        case ImplantProblem::BadEnergy:
        case ImplantProblem::BadOption:
        case ImplantProblem::BadAngle:
        case ImplantProblem::NoLayer:
        case ImplantProblem::TooManyLayers:
            return kBatchUsageError;
        default:
            return kBatchFailed;
    }
}

}  // namespace

bool IsImplantCommand(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h" || a == "--version") return false;
    for (std::size_t k = 0; k < args.size(); ++k) {
        if (ImplantOptionTakesValue(args[k])) {
            ++k;
        } else if (args[k].empty() || args[k][0] != '-') {
            return args[k] == "implant";
        }
    }
    return false;
}

int RunImplantCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        const ImplantArguments o = ReadImplantArguments(args);
        const ElementDatabase db = OpenSearchedDatabase(
            FindDatabase(ProcessDatabaseSearch(o.databasePath, ProgramDirectory())));
        const MaterialList list = MaterialList::LoadBeside(db);
        const ImplantCommandStack s = ResolveImplantStack(o, db, list);
        const bool terminal = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
        const ImplantResult r = RunImplantWatched(o, s, terminal, err);
        if (o.csv) {
            PrintImplantSummary(out, o, s, r, "# ");
            out << ImplantDepthCsvText(r);
        } else {
            PrintImplantSummary(out, o, s, r, "");
            out << "\n";
            PrintImplantDepthTable(out, r);
        }
        out.flush();
        if (!o.outPrefix.empty()) {
            std::string path;
            FileError e;
            if (!SaveImplantCsvFiles(r, o.outPrefix, &path, &e)) {
                err << kProgram << DescribeFileError(e) << "\n";
                return kBatchFailed;
            }
        }
        return r.cancelled ? kImplantInterrupted : kBatchOk;
    } catch (const PhysicsError& e) {
        err << kProgram << e.what() << "\n";
        return e.Kind() == ErrorKind::BadValue || e.Kind() == ErrorKind::UnknownName
                   ? kBatchUsageError
                   : kBatchFailed;
    } catch (const ImplantError& e) {
        err << kProgram << ProblemText(e.Problem()) << "\n";
        return ProblemStatus(e.Problem());
    } catch (const ElementDatabaseError& e) {
        err << kProgram << e.what() << "\n";
        return kBatchFailed;
    }
}

const char* ImplantCommandUsage() {
    return "       fenra32-calc [OPTIONS] implant ION ENERGY MATERIAL:THICKNESS...\n"
           "\n"
           "  implant           a Monte Carlo of ion paths through the layers (binary collisions,\n"
           "                    universal potential; recoils not followed): summary, then the\n"
           "                    depth histogram. Ctrl+C stops it and prints the ions done.\n"
           "  --ions N          ions to follow (default 1000)\n"
           "  --seed S          random seed (default 1); the same seed, the same results\n"
           "  --threads T       threads (default: every core)\n"
           "  --angle DEG       angle of incidence from the normal (default 0)\n"
           "  --cutoff EV       an ion below this energy is at rest (default 10)\n"
           "  --bins K          bins of the depth and energy histograms (default 100)\n"
           "  --model M         electronic stopping model: classic (default)\n"
           "  --no-straggling   each flight loses exactly the mean electronic energy (no\n"
           "                    energy-loss straggling; the collisions still spread it)\n"
           "  --out-prefix P    also write P_depth.csv and the backscattered and transmitted\n"
           "                    energy and angle histograms as P_*.csv\n"
           "  --displacement E  displacement energy in eV of the Kinchin-Pease count: E for\n"
           "                    every element, or SYMBOL=E[,SYMBOL=E...] (default 25)\n";
}

}  // namespace fenra
