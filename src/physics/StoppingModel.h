#pragma once
// The electronic stopping models a caller chooses between, passed explicitly to the stopping
// functions.
//   classic: the semi-empirical effective-charge fit of the calculator (its results to the bit).
//   modern:  the classic fit at low energies joined to the corrected relativistic Bethe formula
//            (ModernStop.h).

#include <optional>
#include <string_view>

namespace fenra {

enum class StoppingModel { classic, modern };

constexpr StoppingModel kStoppingModels[] = {StoppingModel::classic, StoppingModel::modern};

// "classic" or "modern".
const char* ModelName(StoppingModel model);

// The model of that name (exact spelling), or nothing.
std::optional<StoppingModel> ModelFromName(std::string_view name);

}  // namespace fenra
