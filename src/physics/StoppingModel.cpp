#include "physics/StoppingModel.h"

namespace fenra {

const char* ModelName(StoppingModel model) {
    return model == StoppingModel::modern ? "modern" : "classic";
}

std::optional<StoppingModel> ModelFromName(std::string_view name) {
    for (StoppingModel m : kStoppingModels)
        if (name == ModelName(m)) return m;
    return std::nullopt;
}

}  // namespace fenra
