#include "batch/ImplantCommand.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>
#include <thread>

#include "batch/BatchCalculator.h"
#include "batch/ImplantArguments.h"
#include "batch/ImplantLayers.h"
#include "batch/PhysicsArguments.h"
#include "elements/DatabaseSearch.h"
#include "export/ImplantExport.h"
#include "materials/MaterialList.h"
#include "materials/PhysicsError.h"
#include "messages/OutcomeMessages.h"
#include "physics/StoppingModel.h"
#include "range/IonTarget.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

constexpr const char* kProgram = "fenra32-calc: ";
constexpr auto kProgressInterval = std::chrono::milliseconds(250);

[[noreturn]] void Bad(PhysicsText id, std::vector<Message> args) {
    throw PhysicsError(ErrorKind::BadValue, id, std::move(args));
}

// Ctrl+C: the handler only raises a flag; the watcher thread passes it on to the run.
std::atomic<bool> gInterrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs a lock-free flag");

extern "C" void OnInterrupt(int) {
    gInterrupted.store(true);
}

struct Stack {
    std::vector<ImplantLayer> layers;
    std::vector<std::string> names;
    Ion ion;
    double energy = 0;
    std::vector<ElementDisplacement> displacement;  // each element's, as the layers hold them
};

std::string Num(double v) {
    return NineDigitText(v);
}

Stack ResolveStack(const ImplantArguments& o, const ElementDatabase& db, const MaterialList& list) {
    Stack s;
    try {
        s.ion = ResolveIon(db, o.operands[0], o.mass);
    } catch (const PhysicsError& e) {
        throw PhysicsError(e.Kind(), RefusedArgument("ION", o.operands[0], e));
    }
    s.energy = ParseEnergyArgument(o.operands[1], s.ion.mass);
    for (std::size_t k = 2; k < o.operands.size(); ++k) {
        const std::string& arg = o.operands[k];
        const std::size_t colon = arg.rfind(':');
        if (colon == std::string::npos || colon == 0)
            Bad(PhysicsText::LayerNotMaterialThickness, {Value(arg)});
        const std::string name = arg.substr(0, colon);
        Target t;
        try {
            t = ResolveTarget(db, list, s.ion, name,
                              o.density > 0 ? std::optional<double>(o.density) : std::nullopt,
                              o.model);
        } catch (const MaterialTextError& e) {
            throw PhysicsError(e.Kind(), RefusedArgument("MATERIAL", name, e));
        }
        if (!(t.atomsPerCm3 > 0))
            Bad(PhysicsText::MaterialNoDensityGiveOne, {Value(TextForMessage(name))});
        const double thickness = ParseThicknessArgument(arg.substr(colon + 1), t);
        s.layers.push_back(ImplantLayerOf(t, thickness, s.energy, o.cutoff));
        s.names.push_back(name);
    }
    s.displacement = SetDisplacementEnergies(s.layers, o.displacement, db);
    return s;
}

std::string WithError(const MeanValue& m, const char* unit) {
    return Num(m.mean) + " +- " + Num(m.error) + " " + unit;
}

std::string Percent(const MeanValue& m) {
    return Num(100 * m.mean) + " +- " + Num(100 * m.error) + " %";
}

void PrintSummary(std::ostream& out, const ImplantArguments& o, const Stack& s,
                  const ImplantResult& r, const char* lead) {
    auto line = [&](const std::string& key, const std::string& value) {
        out << lead << key << ": " << value << "\n";
    };
    line("ion", s.ion.symbol + " " + Num(s.ion.mass) + " amu, " + Num(s.energy) + " keV, " +
                    Num(o.angle) + " deg from the normal");
    std::string layers;
    for (std::size_t k = 0; k < s.names.size(); ++k)
        layers += (k ? ", " : "") + s.names[k] + " " + Num(s.layers[k].thickness) + " nm";
    line("layers", layers);
    line("ions", std::to_string(r.ionsRun) + " of " + std::to_string(r.ionsRequested) +
                     (r.cancelled ? " (interrupted)" : "") + ", seed " + std::to_string(o.seed) +
                     ", cut-off " + Num(o.cutoff) + " eV, stopping model " +
                     StoppingModelName(o.model) +
                     (o.straggling ? "" : ", electronic straggling off"));
    line("recoils", "not followed: their energy counts as nuclear energy where they were struck");
    line("stopped", std::to_string(r.stopped));
    line("backscattered", Percent(r.backscatteredFraction));
    line("transmitted", Percent(r.transmittedFraction));
    line("projected range", WithError(r.projectedRange, "nm"));
    line("straggle", WithError(r.straggle, "nm"));
    line("skewness", Num(r.skewness));
    line("kurtosis", Num(r.kurtosis));
    line("lateral spread", WithError(r.lateralSpread, "nm"));
    line("radial range", WithError(r.radialRange, "nm"));
    line("path length", WithError(r.pathLength, "nm"));
    for (std::size_t k = 0; k < s.names.size(); ++k)
        line("stopped in layer " + std::to_string(k + 1) + " (" + s.names[k] + ")",
             std::to_string(r.stoppedPerLayer[k]));
    if (r.backscattered > 0) {
        line("backscattered energy", WithError(r.backscatteredEnergy, "keV"));
        line("backscattered energy spread", WithError(r.backscatteredEnergySpread, "keV"));
        line("backscattered angle", WithError(r.backscatteredAngle, "deg"));
    }
    if (r.transmitted > 0) {
        line("transmitted energy", WithError(r.transmittedEnergy, "keV"));
        line("transmitted energy spread", WithError(r.transmittedEnergySpread, "keV"));
        line("transmitted angle", WithError(r.transmittedAngle, "deg"));
    }
    line("energy per ion to electrons",
         WithError({r.electronicEnergy, r.electronicEnergyError}, "keV"));
    line("energy per ion to nuclei", WithError({r.nuclearEnergy, r.nuclearEnergyError}, "keV"));
    line("displacements per ion (Kinchin-Pease, " + DisplacementText(s.displacement) + ")",
         Num(r.displacementsPerIon.mean) + " +- " + Num(r.displacementsPerIon.error));
    line("collisions per ion", Num(r.collisionsPerIon) + " +- " + Num(r.collisionsPerIonError));
    if (r.beyondDepthRange > 0)
        line("stopped beyond the histogram", std::to_string(r.beyondDepthRange));
}

void PrintDepthTable(std::ostream& out, const ImplantResult& r) {
    const std::vector<std::string> header = {"depth_from_nm", "depth_to_nm",
                                             "stopped_ions",  "electronic_eV_nm",
                                             "nuclear_eV_nm", "displacements_per_nm"};
    std::vector<std::vector<std::string>> rows;
    for (std::size_t k = 0; k < r.depth.values.size(); ++k)
        rows.push_back({Num(r.depth.Edge(k)), Num(r.depth.Edge(k + 1)), Num(r.depth.values[k]),
                        Num(r.electronicDeposit.values[k]), Num(r.nuclearDeposit.values[k]),
                        Num(r.displacements.values[k])});
    std::vector<std::size_t> width(header.size());
    for (std::size_t c = 0; c < header.size(); ++c) {
        width[c] = header[c].size();
        for (const auto& row : rows) width[c] = std::max(width[c], row[c].size());
    }
    auto print = [&](const std::vector<std::string>& row) {
        std::string s;
        for (std::size_t c = 0; c < row.size(); ++c)
            s += (c ? "  " : "") + std::string(width[c] - row[c].size(), ' ') + row[c];
        out << s << "\n";
    };
    print(header);
    for (const auto& row : rows) print(row);
}

// Runs the simulation; meanwhile a watcher passes Ctrl+C on and, on a terminal, shows the
// ions done, the rate and the time left on one line of standard error.
ImplantResult RunWatched(const ImplantArguments& o, const Stack& s, bool terminal,
                         std::ostream& err) {
    ImplantOptions options;
    options.ions = o.ions;
    options.seed = o.seed;
    options.threads = o.threads;
    options.cutoffEv = o.cutoff;
    options.electronicStraggling = o.straggling;
    options.depthBins = o.bins;
    options.energyBins = o.bins;
    ImplantProgress progress;
    std::atomic<bool> finished{false};
    gInterrupted = false;
    const auto previous = std::signal(SIGINT, OnInterrupt);
    const auto start = std::chrono::steady_clock::now();
    std::thread watcher([&] {
        while (!finished.load()) {
            std::this_thread::sleep_for(kProgressInterval);
            if (gInterrupted.load()) progress.cancel = true;
            if (!terminal) continue;
            const double done = static_cast<double>(progress.ionsDone.load());
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const double rate = seconds > 0 ? done / seconds : 0;
            const double left = rate > 0 ? (static_cast<double>(o.ions) - done) / rate : 0;
            err << "\r" << static_cast<uint64_t>(done) << " of " << o.ions << " ions, "
                << static_cast<uint64_t>(rate) << " ions/s, " << static_cast<uint64_t>(left)
                << " s left   " << std::flush;
        }
    });
    ImplantResult r;
    try {
        r = RunImplant(ImplantIonOf(s.ion, s.energy, o.angle), s.layers, options, &progress);
    } catch (...) {
        finished = true;
        watcher.join();
        std::signal(SIGINT, previous);
        throw;
    }
    finished = true;
    watcher.join();
    std::signal(SIGINT, previous);
    if (terminal) err << "\r" << std::string(60, ' ') << "\r" << std::flush;
    return r;
}

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
        const Stack s = ResolveStack(o, db, list);
        const bool terminal = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
        const ImplantResult r = RunWatched(o, s, terminal, err);
        if (o.csv) {
            PrintSummary(out, o, s, r, "# ");
            out << ImplantDepthCsvText(r);
        } else {
            PrintSummary(out, o, s, r, "");
            out << "\n";
            PrintDepthTable(out, r);
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
