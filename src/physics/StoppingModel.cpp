#include "physics/StoppingModel.h"

namespace fenra {

const char* StoppingModelName(StoppingModel model) {
    switch (model) {
        case StoppingModel::classic:
            return "classic";
        case StoppingModel::modern:
            return "modern";
    }
    return "";
}

std::optional<StoppingModel> ModelFromName(std::string_view name) {
    for (StoppingModel m : kStoppingModels)
        if (name == StoppingModelName(m)) return m;
    return std::nullopt;
}

}  // namespace fenra
