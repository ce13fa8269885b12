#pragma once
// The stopping models. A model is chosen by the caller and passed down explicitly, last and
// with a default, to every stopping, range and layer function; nothing reads it from a setting.
//
// A new model is one more value here and one more function that ElementStop (and, when the
// model combines the elements of a compound otherwise than by Bragg's rule on the stopping,
// CompoundStop) dispatches to (ElectronicStopping.cpp). The range tables are kept per model
// (the model is part of the range cache's key).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fenra {

enum class StoppingModel {
    // The semi-empirical effective-charge fit the calculator uses: twelve proton coefficients
    // per element (Andersen-Ziegler form), the helium charge of Ziegler, Biersack and Littmark,
    // the Brandt-Kitagawa charge of heavier ions. Bit for bit the calculator's values.
    classic,
    // The classic fit at low energies joined to the corrected relativistic Bethe formula, with
    // the compound's own mean excitation energy and density effect (ModernStop.h).
    modern,
};

// The default stays the calculator's own model.
constexpr StoppingModel kDefaultStoppingModel = StoppingModel::classic;
// The model of the physics commands (stopping, range, layers, energy-before, energy-for-range),
// of the Python physics functions and of the range-and-layers window: the modern one, which
// follows the published tables of protons and alphas to 0.1-0.2 % above 10 MeV/u (the README
// gives the table). The calculator's own results (the main window, values, report, curve) and
// the ion paths stay on the classic fit.
constexpr StoppingModel kPhysicsDefaultModel = StoppingModel::modern;

// Every model, in the order a caller lists them.
constexpr StoppingModel kStoppingModels[] = {StoppingModel::classic, StoppingModel::modern};

// "classic" or "modern": the name a caller types and a cache key holds.
const char* StoppingModelName(StoppingModel model);

// The model a caller names, or none when no model has that name.
std::optional<StoppingModel> StoppingModelNamed(std::string_view name);

// Every model's name in the order of kStoppingModels, for the messages that refuse an unknown
// one.
std::vector<std::string> StoppingModelNames();

}  // namespace fenra
