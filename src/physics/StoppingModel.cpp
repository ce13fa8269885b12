#include "physics/StoppingModel.h"

#include <iterator>

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

std::optional<StoppingModel> StoppingModelNamed(std::string_view name) {
    for (StoppingModel m : kStoppingModels)
        if (name == StoppingModelName(m)) return m;
    return std::nullopt;
}

std::vector<std::string> StoppingModelNames() {
    std::vector<std::string> names;
    for (StoppingModel m : kStoppingModels) names.emplace_back(StoppingModelName(m));
    return names;
}

}  // namespace fenra
