#include "batch/ImplantArguments.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <optional>

#include "batch/PhysicsArguments.h"
#include "implant/Implant.h"
#include "materials/PhysicsError.h"
#include "range/IonTarget.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

[[noreturn]] void Bad(PhysicsText id, std::vector<Message> args) {
    throw PhysicsError(ErrorKind::BadValue, id, std::move(args));
}

uint64_t ParseCount(const std::string& text, const std::string& option, uint64_t low,
                    uint64_t high) {
    uint64_t v = 0;
    bool ok = !text.empty() && text.size() <= 19;
    for (char c : text) ok = ok && std::isdigit(static_cast<unsigned char>(c));
    if (ok) v = std::stoull(text);
    if (!ok || v < low || v > high)
        Bad(PhysicsText::OptionWholeNumber,
            {Value(option), Value(std::to_string(low)), Value(std::to_string(high)),
             Value(TextForMessage(text))});
    return v;
}

double ParseNumber(const std::string& text, const std::string& option, double low, double high) {
    const std::optional<double> v = FiniteNumberText(text);
    if (!v || !(*v >= low && *v <= high))
        Bad(PhysicsText::OptionNumber, {Value(option), Value(NineDigitText(low)),
                                        Value(NineDigitText(high)), Value(TextForMessage(text))});
    return *v;
}

}  // namespace

bool ImplantOptionTakesValue(const std::string& a) {
    static const char* const valued[] = {"--db",   "--mass",    "--density",    "--ions",
                                         "--seed", "--threads", "--angle",      "--cutoff",
                                         "--bins", "--model",   "--out-prefix", "--displacement"};
    return std::find(std::begin(valued), std::end(valued), a) != std::end(valued);
}

namespace {

void ReadOption(ImplantArguments& o, const std::string& a, const std::string& v) {
    if (a == "--db") o.databasePath = v;
    if (a == "--mass") {
        o.mass = ParsePositiveNumber(v, a);
        CheckIonMass(o.mass, QuotedArgument("--mass", v));
    }
    if (a == "--density") {
        o.density = ParsePositiveNumber(v, a);
        CheckDensity(o.density, QuotedArgument("--density", v));
    }
    if (a == "--ions") o.ions = ParseCount(v, a, 1, 1000000000000ULL);
    if (a == "--seed") o.seed = ParseCount(v, a, 0, 9999999999999999999ULL);
    if (a == "--threads") o.threads = static_cast<int>(ParseCount(v, a, 1, 1024));
    if (a == "--angle") o.angle = ParseNumber(v, a, 0, 89.9);
    if (a == "--cutoff") o.cutoff = ParseNumber(v, a, 0.1, 1e6);
    if (a == "--bins") o.bins = static_cast<int>(ParseCount(v, a, 1, 100000));
    if (a == "--out-prefix") o.outPrefix = v;
    if (a == "--displacement") ReadDisplacementEnergies(o.displacement, v);
    if (a == "--model") {
        const std::optional<StoppingModel> model = StoppingModelNamed(v);
        if (!model)
            Bad(PhysicsText::UnknownModel,
                {Value(TextForMessage(v)), Alternatives(StoppingModelNames())});
        o.model = *model;
    }
}

}  // namespace

ImplantArguments ReadImplantArguments(const std::vector<std::string>& args) {
    ImplantArguments o;
    bool command = false;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (ImplantOptionTakesValue(a)) {
            if (k + 1 >= args.size()) Bad(PhysicsText::OptionNeedsValue, {Value(a)});
            ReadOption(o, a, args[++k]);
        } else if (a == "--csv") {
            o.csv = true;
        } else if (a == "--no-straggling") {
            o.straggling = false;
        } else if (a.size() > 1 && a[0] == '-' && !std::isdigit(static_cast<unsigned char>(a[1]))) {
            Bad(PhysicsText::UnknownOption, {Value(a)});
        } else if (!command) {
            command = true;  // "implant" itself
        } else {
            o.operands.push_back(a);
        }
    }
    if (o.operands.size() < 3)
        Bad(PhysicsText::CommandNeeds,
            {Value("implant"), Value("ION ENERGY MATERIAL:THICKNESS...")});
    if (o.operands.size() - 2 > kMaxImplantLayers)
        Bad(PhysicsText::ImplantTooManyLayers, {Value(std::to_string(kMaxImplantLayers))});
    return o;
}

}  // namespace fenra
