#include "batch/PhysicsOptions.h"

#include <cctype>
#include <charconv>
#include <optional>

#include "batch/PhysicsArguments.h"
#include "materials/PhysicsError.h"
#include "range/EnergySteps.h"
#include "range/IonTarget.h"
#include "range/Units.h"

namespace fenra {

namespace {

[[noreturn]] void Bad(PhysicsText id, std::vector<Message> args) {
    throw PhysicsError(ErrorKind::BadValue, id, std::move(args));
}

// --steps: a whole number from 1 to kMaxEnergySteps.
int StepsOf(const std::string& text) {
    int n = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, n);
    if (text.empty() || ec != std::errc() || ptr != end || n < 1 || n > kMaxEnergySteps)
        Bad(PhysicsText::StepsNotWholeNumber, {Value("--steps"), Value(TextForMessage(text)),
                                               Value(std::to_string(kMaxEnergySteps))});
    return n;
}

// The options that only go together, and only with the commands that take them.
void CheckOptionSets(const PhysicsOptions& o) {
    const bool any = !o.from.empty() || !o.to.empty() || o.steps > 0;
    if (any && (o.from.empty() || o.to.empty() || o.steps == 0))
        Bad(PhysicsText::StepOptionsTogether, {});
    if (o.linear && !any) Bad(PhysicsText::LinearNeedsSteps, {});
    if (any && o.command != "stopping" && o.command != "range")
        Bad(PhysicsText::StepsOnlyForStoppingAndRange, {});
    if (!o.stoppingUnit.empty() && o.command != "stopping")
        Bad(PhysicsText::StoppingUnitOnlyForStopping, {});
    TypedStopUnit unit;
    if (!o.stoppingUnit.empty() && !TypedStopUnitOf(o.stoppingUnit, &unit))
        Bad(PhysicsText::StoppingUnitNotOneOf,
            {Value(TextForMessage(o.stoppingUnit)), TypedStopUnitNames()});
}

bool LooksLikeNumber(const std::string& s) {
    return s.size() > 1 && s[0] == '-' &&
           (std::isdigit(static_cast<unsigned char>(s[1])) || s[1] == '.');
}

}  // namespace

bool IsValuedPhysicsOption(const std::string& a) {
    return a == "--db" || a == "--mass" || a == "--density" || a == "--model" || a == "-o" ||
           a == "--from" || a == "--to" || a == "--steps" || a == "--stopping-unit";
}

PhysicsOptions ReadPhysicsOptions(const std::vector<std::string>& args) {
    PhysicsOptions o;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (IsValuedPhysicsOption(a) && k + 1 >= args.size())
            Bad(PhysicsText::OptionNeedsValue, {Value(a)});
        if (a == "--db") {
            o.databasePath = args[++k];
        } else if (a == "-o") {
            o.outputFile = args[++k];
        } else if (a == "--mass") {
            o.mass = ParsePositiveNumber(args[++k], "--mass");
            CheckIonMass(o.mass, QuotedArgument("--mass", args[k]));
        } else if (a == "--density") {
            o.density = ParsePositiveNumber(args[++k], "--density");
            CheckDensity(o.density, QuotedArgument("--density", args[k]));
        } else if (a == "--model") {
            const std::optional<StoppingModel> m = StoppingModelNamed(args[++k]);
            if (!m)
                Bad(PhysicsText::UnknownModel,
                    {Value(TextForMessage(args[k])), Alternatives(StoppingModelNames())});
            o.model = *m;
        } else if (a == "--from") {
            o.from = args[++k];
        } else if (a == "--to") {
            o.to = args[++k];
        } else if (a == "--steps") {
            o.steps = StepsOf(args[++k]);
        } else if (a == "--stopping-unit") {
            o.stoppingUnit = args[++k];
        } else if (a == "--linear") {
            o.linear = true;
        } else if (a == "--csv") {
            o.csv = true;
        } else if (a.size() > 1 && a[0] == '-' && !LooksLikeNumber(a)) {
            Bad(PhysicsText::UnknownOption, {Value(a)});
        } else if (o.command.empty()) {
            o.command = a;
        } else {
            o.operands.push_back(a);
        }
    }
    CheckOptionSets(o);
    return o;
}

}  // namespace fenra
