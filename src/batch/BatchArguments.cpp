#include "batch/BatchArguments.h"

#include <charconv>
#include <utility>

#include "messages/PhysicsMessages.h"
#include "state/DataSet.h"

namespace fenra {

namespace {

struct KindName {
    const char* name;
    CurveKind kind;
};
constexpr KindName kKindNames[] = {{"depth-stop", CurveKind::DepthStop},
                                   {"depth-energy", CurveKind::DepthEnergy},
                                   {"energy-stop", CurveKind::EnergyStop}};

bool ParseKind(const std::string& text, CurveKind* kind) {
    for (const KindName& k : kKindNames) {
        if (text == k.name) {
            *kind = k.kind;
            return true;
        }
    }
    return false;
}

bool ParseDataSetNumber(const std::string& text, int* n) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, *n);
    return ec == std::errc() && ptr == end && *n >= 1 && *n <= kMaxDataSets;
}

// The operands each command takes after its name.
std::size_t OperandCount(BatchCommand c) {
    return c == BatchCommand::Curve ? 3 : 1;
}

bool Fail(std::string* error, PhysicsText id, std::vector<Message> args = {}) {
    *error = Words(Sentence(id, std::move(args)));
    return false;
}

}  // namespace

bool ParseBatchArguments(const std::vector<std::string>& args, BatchArguments* parsed,
                         std::string* error) {
    BatchArguments a;
    std::vector<std::string> words;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (arg == "--help" || arg == "-h") {
            *parsed = BatchArguments{};
            return true;
        }
        if (arg == "--version") {
            *parsed = BatchArguments{};
            parsed->command = BatchCommand::Version;
            return true;
        }
        if (arg == "--db" || arg == "-o") {
            if (k + 1 >= args.size())
                return Fail(error, PhysicsText::OptionNeedsPath, {Value(arg)});
            std::string& path = arg == "--db" ? a.databasePath : a.outputFile;
            path = args[++k];
            if (path.empty()) return Fail(error, PhysicsText::OptionNeedsPath, {Value(arg)});
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Fail(error, PhysicsText::UnknownOption, {Value(arg)});
        } else {
            words.push_back(arg);
        }
    }
    if (words.empty()) return Fail(error, PhysicsText::NoCommandGiven);

    const std::string& name = words[0];
    if (name == "report") {
        a.command = BatchCommand::Report;
    } else if (name == "curve") {
        a.command = BatchCommand::Curve;
    } else if (name == "values") {
        a.command = BatchCommand::Values;
    } else {
        return Fail(error, PhysicsText::UnknownCommand, {Value(name)});
    }
    if (words.size() - 1 != OperandCount(a.command))
        return Fail(error, PhysicsText::CommandNeeds,
                    {Value(name),
                     Sentence(a.command == BatchCommand::Curve ? PhysicsText::CurveOperands
                                                               : PhysicsText::TargetFileOperand)});
    if (a.command == BatchCommand::Curve) {
        if (!ParseKind(words[1], &a.curveKind))
            return Fail(error, PhysicsText::UnknownCurveKind, {Value(words[1])});
        if (!ParseDataSetNumber(words[2], &a.dataSet))
            return Fail(error, PhysicsText::DataSetNumberNotWhole,
                        {Value(words[2]), Value(std::to_string(kMaxDataSets))});
    }
    a.targetFile = words.back();
    *parsed = a;
    return true;
}

const char* BatchUsage() {
    return "usage: fenra32-calc [--db PATH] report FILE.fta [-o OUT]\n"
           "       fenra32-calc [--db PATH] curve KIND N FILE.fta [-o OUT]\n"
           "       fenra32-calc [--db PATH] values FILE.fta [-o OUT]\n"
           "\n"
           "Calculates the data sets of a target file as the Calculate command of Fenra32 does.\n"
           "  report   the result report of every data set (.Fre layout)\n"
           "  curve    walks data set N and writes the curve data file (.Fcv layout) of KIND:\n"
           "           depth-stop, depth-energy or energy-stop\n"
           "  values   one line per data set: its number and StopEvAtoms, StopKevMg, StopEvA,\n"
           "           StopKevUm with 9 significant digits, tab-separated; StopEvA and\n"
           "           StopKevUm are 0 for a compound (no atomic density of its own), and a\n"
           "           data set that could not be calculated has \"-\" in all four\n"
           "Options:\n"
           "  --db PATH  the element database file; without it FENRA32_DB names the file, or\n"
           "             else Fenra32.mdb is looked for beside this program, then in\n"
           "             ../share/fenra32/ relative to it\n"
           "  -o OUT     write to OUT instead of the standard output\n"
           "  --help     this text\n"
           "  --version  the version and the licence\n"
           "Exit status: 0 done; 1 an input could not be read or a data set not calculated\n"
           "(the others are still written); 2 a wrong command line.\n";
}

}  // namespace fenra
