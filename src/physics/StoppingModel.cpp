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

std::string StoppingModelNames() {
    std::string names;
    const std::size_t count = std::size(kStoppingModels);
    for (std::size_t k = 0; k < count; ++k) {
        if (k > 0) names += k + 1 == count ? " or " : ", ";
        names += StoppingModelName(kStoppingModels[k]);
    }
    return names;
}

}  // namespace fenra
