#include "batch/PhysicsCommands.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <sstream>

#include "batch/BatchCalculator.h"
#include "batch/PhysicsArguments.h"
#include "batch/PhysicsOptions.h"
#include "elements/DatabaseSearch.h"
#include "files/TextFile.h"
#include "materials/MaterialList.h"
#include "materials/PhysicsError.h"
#include "messages/OutcomeMessages.h"
#include "range/EnergySteps.h"
#include "range/EnergyTable.h"
#include "range/Range.h"
#include "range/Spread.h"
#include "range/Units.h"

namespace fenra {

namespace {

constexpr const char* kProgram = "fenra32-calc: ";
constexpr double kMradPerRad = 1000;
const char* const kCommands[] = {"stopping", "range", "layers", "energy-before",
                                 "energy-for-range"};

using Row = std::vector<std::string>;
using Options = PhysicsOptions;

[[noreturn]] void Bad(PhysicsText id, std::vector<Message> args) {
    throw PhysicsError(ErrorKind::BadValue, id, std::move(args));
}

// The output: a header and rows, as CSV or as an aligned table; the aligned table says first
// which stopping model gave it.
void PrintTable(std::ostream& out, const Row& header, const std::vector<Row>& rows,
                const Options& o) {
    const bool csv = o.csv;
    if (!csv)
        out << Words(Sentence(PhysicsText::TableModelLine, {Value(StoppingModelName(o.model))}))
            << "\n";
    std::vector<std::size_t> width(header.size());
    for (std::size_t c = 0; c < header.size(); ++c) {
        width[c] = header[c].size();
        for (const Row& r : rows) width[c] = std::max(width[c], r[c].size());
    }
    auto line = [&](const Row& r) {
        std::string s;
        for (std::size_t c = 0; c < r.size(); ++c) {
            if (csv) {
                s += (c ? "," : "") + r[c];
            } else {
                s += (c ? "  " : "") + std::string(width[c] - r[c].size(), ' ') + r[c];
            }
        }
        while (!csv && !s.empty() && s.back() == ' ') s.pop_back();
        out << s << "\n";
    };
    line(header);
    for (const Row& r : rows) line(r);
    out.flush();
}

std::string Num(double v) {
    return NineDigitText(v);
}
std::string NumOrEmpty(double v, bool known) {
    return known ? NineDigitText(v) : std::string();
}
// A spread: empty where it is not known (NaN).
std::string Spread(double v) {
    return NumOrEmpty(v, std::isfinite(v));
}

// An operand as the usage names it, with the text given: "ENERGY 5MeV".
Message Operand(const char* name, const std::string& text) {
    return Sentence(PhysicsText::ArgumentValue, {Value(name), Value(text)});
}

struct Context {
    const Options& o;
    const ElementDatabase& db;
    const MaterialList& list;
    std::ostream& out;
    std::ostream& err;
    int status = kBatchOk;
    Ion ion;

    Target TargetOf(const std::string& material) {
        try {
            return ResolveTarget(db, list, ion, material,
                                 o.density > 0 ? std::optional<double>(o.density) : std::nullopt,
                                 o.model);
        } catch (const MaterialTextError& e) {
            throw PhysicsError(e.Kind(), RefusedArgument("MATERIAL", material, e));
        }
    }
    void Warn(Message what) { Say(OutOfModelSentence(std::move(what), o.model)); }
    void WarnSpread(Message what) { Say(SpreadValiditySentence(std::move(what))); }
    void Say(Message warning) {
        err << kProgram << Words(Sentence(PhysicsText::Warning, {std::move(warning)})) << "\n";
    }
    void Failed(Message what, Message error) {
        err << kProgram << Words(Prefixed(std::move(what), std::move(error))) << "\n";
        status = kBatchFailed;
    }
};

void NeedOperands(const Options& o, std::size_t n, const char* usage) {
    if (o.operands.size() < n) Bad(PhysicsText::CommandNeeds, {Value(o.command), Value(usage)});
}

// An energy of an option, with the option's name in place of ENERGY in a message.
double OptionEnergy(const std::string& text, const char* option, double mass) {
    return ParseEnergyArgument(text, mass, option);
}

struct Energy {
    double keV = 0;
    Message label;  // as warnings and failures name it: "ENERGY 5MeV", "the energy 1250 keV"
};

// --from E1 --to E2 --steps N: N + 1 energies from E1 to E2, both included, in equal steps of
// the logarithm of the energy, or of the energy itself with --linear.
void AppendSteps(const Options& o, double mass, std::vector<Energy>* energies) {
    const double from = OptionEnergy(o.from, "--from", mass);
    const double to = OptionEnergy(o.to, "--to", mass);
    if (!o.linear && !(from > 0 && to > 0)) Bad(PhysicsText::LogStepsNeedPositive, {});
    for (double E : EnergySteps(from, to, o.steps, o.linear))
        energies->push_back(
            {E, Sentence(PhysicsText::PythonTheEnergy, {Value(Num(E)), Value("keV")})});
}

// The energies typed after the first `first` operands, then those of --from, --to and --steps.
std::vector<Energy> Energies(Context& c, std::size_t first) {
    std::vector<Energy> e;
    for (std::size_t k = first; k < c.o.operands.size(); ++k)
        e.push_back(
            {ParseEnergyArgument(c.o.operands[k], c.ion.mass), Operand("ENERGY", c.o.operands[k])});
    if (c.o.steps > 0) AppendSteps(c.o, c.ion.mass, &e);
    return e;
}

// ION MATERIAL ENERGY...: the energies may be left out when --from gives them.
void NeedEnergies(const Options& o) {
    if (o.steps > 0)
        NeedOperands(o, 2, "ION MATERIAL [ENERGY...]");
    else
        NeedOperands(o, 3, "ION MATERIAL ENERGY...");
}

std::vector<double> KeV(const std::vector<Energy>& energies) {
    std::vector<double> keV;
    for (const Energy& e : energies) keV.push_back(e.keV);
    return keV;
}

// The rows of the energies' table (EnergyTable) with `parts`; a row that failed is said on the
// error stream and left out, an out-of-model one warned of.
std::vector<EnergyTableRow> TableRows(Context& c, const Target& t,
                                      const std::vector<Energy>& energies, EnergyTableParts parts) {
    std::vector<EnergyTableRow> rows = EnergyTable(t, KeV(energies), parts);
    std::vector<EnergyTableRow> done;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (rows[k].outOfModel) c.Warn(energies[k].label);
        if (!rows[k].error.Empty()) {
            c.Failed(energies[k].label, rows[k].error);
            continue;
        }
        if (rows[k].sigmaOutOfValidity)
            c.WarnSpread(Sentence(PhysicsText::RangeStragglingOf, {energies[k].label}));
        done.push_back(std::move(rows[k]));
    }
    return done;
}

// The stopping in the one unit of --stopping-unit.
void StoppingInUnit(Context& c, const Target& t, const std::vector<Energy>& energies) {
    TypedStopUnit unit;
    TypedStopUnitOf(c.o.stoppingUnit, &unit);
    const std::string slug = TypedStopUnitSlug(c.o.stoppingUnit);
    StopIn(t, 0, unit);  // a length unit without a density fails before any line
    std::vector<Row> rows;
    for (const EnergyTableRow& r : TableRows(c, t, energies, {true, false})) {
        const StoppingValues& v = r.stopping;
        rows.push_back({Num(v.energy), Num(v.energyPerAmu), Num(StopIn(t, v.electronic, unit)),
                        Num(StopIn(t, v.nuclear, unit)), Num(StopIn(t, v.total, unit))});
    }
    PrintTable(
        c.out,
        {"energy_keV", "energy_keV_u", "electronic_" + slug, "nuclear_" + slug, "total_" + slug},
        rows, c.o);
}

void Stopping(Context& c) {
    NeedEnergies(c.o);
    const Target t = c.TargetOf(c.o.operands[1]);
    const std::vector<Energy> energies = Energies(c, 2);
    if (!c.o.stoppingUnit.empty()) return StoppingInUnit(c, t, energies);
    const bool length = t.atomsPerCm3 > 0;
    std::vector<Row> rows;
    for (const EnergyTableRow& r : TableRows(c, t, energies, {true, false})) {
        const StoppingValues& v = r.stopping;
        rows.push_back({Num(v.energy), Num(v.energyPerAmu), Num(v.electronic), Num(v.nuclear),
                        Num(v.total), Num(KevPerMgCm2(t, v.electronic)),
                        Num(KevPerMgCm2(t, v.total)), NumOrEmpty(KevPerUm(t, v.electronic), length),
                        NumOrEmpty(KevPerUm(t, v.total), length)});
    }
    PrintTable(c.out,
               {"energy_keV", "energy_keV_u", "electronic_eV_e15", "nuclear_eV_e15", "total_eV_e15",
                "electronic_keV_mg_cm2", "total_keV_mg_cm2", "electronic_keV_um", "total_keV_um"},
               rows, c.o);
}

void RangeCommand(Context& c) {
    NeedEnergies(c.o);
    const Target t = c.TargetOf(c.o.operands[1]);
    const std::vector<Energy> energies = Energies(c, 2);
    std::vector<Row> rows;
    for (const EnergyTableRow& r : TableRows(c, t, energies, {false, true}))
        rows.push_back({Num(r.energy), Num(r.range), Num(r.rangeMgCm2), Spread(r.rangeUm),
                        Spread(r.sigma), Spread(r.sigmaMgCm2), Spread(r.sigmaUm)});
    PrintTable(c.out,
               {"energy_keV", "range_e15", "range_mg_cm2", "range_um", "range_sigma_e15",
                "range_sigma_mg_cm2", "range_sigma_um"},
               rows, c.o);
}

void EnergyForRangeCommand(Context& c) {
    NeedOperands(c.o, 3, "ION MATERIAL RANGE...");
    const Target t = c.TargetOf(c.o.operands[1]);
    std::vector<double> ranges;
    for (std::size_t k = 2; k < c.o.operands.size(); ++k) {
        ranges.push_back(ParseThicknessArgument(c.o.operands[k], t, "RANGE"));
    }
    std::vector<Row> rows;
    for (std::size_t k = 0; k < ranges.size(); ++k) {
        try {
            const RangeResult r = EnergyForRange(t, ranges[k]);
            if (r.outOfModel)
                c.Warn(
                    Sentence(PhysicsText::TheEnergyFor, {Operand("RANGE", c.o.operands[k + 2])}));
            rows.push_back({Num(r.range), Num(MgCm2FromE15(t, r.range)),
                            NumOrEmpty(UmFromE15(t, r.range), t.atomsPerCm3 > 0), Num(r.energy)});
        } catch (const PhysicsError& e) {
            c.Failed(Operand("RANGE", c.o.operands[k + 2]), e.Reason());
        }
    }
    PrintTable(c.out, {"range_e15", "range_mg_cm2", "range_um", "energy_keV"}, rows, c.o);
}

void LayersCommand(Context& c, bool before) {
    NeedOperands(c.o, 3, "ION ENERGY MATERIAL:THICKNESS...");
    const double energy = ParseEnergyArgument(c.o.operands[1], c.ion.mass);
    std::vector<Layer> stack;
    std::vector<std::string> names;
    for (std::size_t k = 2; k < c.o.operands.size(); ++k) {
        const std::string& arg = c.o.operands[k];
        const std::size_t colon = arg.rfind(':');
        if (colon == std::string::npos || colon == 0)
            Bad(PhysicsText::LayerNotMaterialThickness, {Value(arg)});
        names.push_back(arg.substr(0, colon));
        Target t = c.TargetOf(names.back());
        const double thickness = ParseThicknessArgument(arg.substr(colon + 1), t);
        stack.push_back({std::move(t), thickness});
    }
    StackResult s;
    std::vector<LayerSpread> spreads;
    try {
        s = before ? EnergyBeforeStackWithSpreads(stack, energy, &spreads)
                   : EnergyAfterStackWithSpreads(stack, energy, &spreads);
    } catch (const PhysicsError& e) {
        if (e.Kind() != ErrorKind::CalculationFailed) throw;
        c.Failed(Operand("ENERGY", c.o.operands[1]), e.Reason());
        return;
    }
    if (s.outOfModel)
        c.Warn(Sentence(PhysicsText::EnergyOnPathOf, {Operand("ENERGY", c.o.operands[1])}));
    std::vector<Row> rows;
    double front = 0;  // depth of the layer's front face in the stack, 1E15 atoms/cm2
    for (std::size_t k = 0; k < s.layers.size(); ++k) {
        const LayerResult& r = s.layers[k];
        const LayerSpread& w = spreads[k];
        if (w.outOfValidity)
            c.WarnSpread(
                Sentence(PhysicsText::SpreadsBehind, {Operand("LAYER", std::to_string(k + 1))}));
        rows.push_back({std::to_string(k + 1), names[k], Num(stack[k].thickness), Num(r.energyIn),
                        Num(r.energyOut), Num(r.energyLoss), NumOrEmpty(r.stoppedAt, r.stopped),
                        NumOrEmpty(front + r.stoppedAt, r.stopped), Spread(w.energySigma),
                        Spread(w.angleSigma * kMradPerRad), Spread(w.lateralSigma),
                        Spread(w.chargeMean)});
        front += stack[k].thickness;
    }
    PrintTable(c.out,
               {"layer", "material", "thickness_e15", "energy_in_keV", "energy_out_keV",
                "energy_loss_keV", "stop_depth_in_layer_e15", "stop_depth_from_front_e15",
                "energy_sigma_keV", "angle_sigma_mrad", "lateral_sigma_um", "charge_mean"},
               rows, c.o);
}

void Dispatch(Context& c) {
    const std::string& cmd = c.o.command;
    if (cmd == "stopping") return Stopping(c);
    if (cmd == "range") return RangeCommand(c);
    if (cmd == "energy-for-range") return EnergyForRangeCommand(c);
    LayersCommand(c, cmd == "energy-before");
}

}  // namespace

bool IsPhysicsCommand(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h" || a == "--version") return false;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (IsValuedPhysicsOption(a)) {
            ++k;
        } else if (a.empty() || a[0] != '-') {
            return std::find(std::begin(kCommands), std::end(kCommands), a) != std::end(kCommands);
        }
    }
    return false;
}

int RunPhysicsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        const Options o = ReadPhysicsOptions(args);
        if (o.operands.empty()) Bad(PhysicsText::CommandNeedsIon, {Value(o.command)});
        const ElementDatabase db = OpenSearchedDatabase(
            FindDatabase(ProcessDatabaseSearch(o.databasePath, ProgramDirectory())));
        const MaterialList list = MaterialList::LoadBeside(db);
        std::ostringstream toFile;
        Context c{o, db, list, o.outputFile.empty() ? out : toFile, err, kBatchOk, Ion{}};
        try {
            c.ion = ResolveIon(db, o.operands[0], o.mass);
        } catch (const PhysicsError& e) {
            throw PhysicsError(e.Kind(), RefusedArgument("ION", o.operands[0], e));
        }
        Dispatch(c);
        if (!o.outputFile.empty()) {
            FileError error;
            if (!WriteTextFile(o.outputFile, toFile.str(), &error)) {
                err << kProgram << DescribeFileError(error) << "\n";
                return kBatchFailed;
            }
        }
        return c.status;
    } catch (const PhysicsError& e) {
        err << kProgram << e.what() << "\n";
        return e.Kind() == ErrorKind::BadValue || e.Kind() == ErrorKind::UnknownName
                   ? kBatchUsageError
                   : kBatchFailed;
    } catch (const ElementDatabaseError& e) {
        err << kProgram << e.what() << "\n";
        return kBatchFailed;
    }
}

}  // namespace fenra
