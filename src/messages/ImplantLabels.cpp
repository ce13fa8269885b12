#include "messages/ImplantLabels.h"

#include <cstddef>
#include <iterator>

namespace fenra {

namespace {

struct LabelRow {
    ImplantLabel id;
    const char* label;
    const char* key;  // nullptr: the label with '_' for each space
};

// In the order of ImplantLabel, so that an id is its row (checked by the messages tests).
constexpr LabelRow kLabels[] = {
    {ImplantLabel::Ion, "ion", nullptr},
    {ImplantLabel::Layers, "layers", nullptr},
    {ImplantLabel::Ions, "ions", nullptr},
    {ImplantLabel::Recoils, "recoils", "recoils_followed"},
    {ImplantLabel::Stopped, "stopped", nullptr},
    {ImplantLabel::Backscattered, "backscattered", "backscattered_fraction"},
    {ImplantLabel::Transmitted, "transmitted", "transmitted_fraction"},
    {ImplantLabel::ProjectedRange, "projected range", nullptr},
    {ImplantLabel::Straggle, "straggle", nullptr},
    {ImplantLabel::Skewness, "skewness", nullptr},
    {ImplantLabel::Kurtosis, "kurtosis", nullptr},
    {ImplantLabel::LateralSpread, "lateral spread", nullptr},
    {ImplantLabel::RadialRange, "radial range", nullptr},
    {ImplantLabel::PathLength, "path length", nullptr},
    {ImplantLabel::StoppedInLayer, "stopped in layer %1 (%2)", "stopped_per_layer"},
    {ImplantLabel::BackscatteredEnergy, "backscattered energy", nullptr},
    {ImplantLabel::BackscatteredEnergySpread, "backscattered energy spread", nullptr},
    {ImplantLabel::BackscatteredAngle, "backscattered angle", nullptr},
    {ImplantLabel::TransmittedEnergy, "transmitted energy", nullptr},
    {ImplantLabel::TransmittedEnergySpread, "transmitted energy spread", nullptr},
    {ImplantLabel::TransmittedAngle, "transmitted angle", nullptr},
    {ImplantLabel::EnergyToElectrons, "energy per ion to electrons", "electronic_energy"},
    {ImplantLabel::EnergyToNuclei, "energy per ion to nuclei", "nuclear_energy"},
    {ImplantLabel::DisplacementsPerIon, "displacements per ion (Kinchin-Pease, %1)",
     "displacements_per_ion"},
    {ImplantLabel::CollisionsPerIon, "collisions per ion", nullptr},
    {ImplantLabel::StoppedBeyondHistogram, "stopped beyond the histogram", nullptr},
};

static_assert(std::size(kLabels) == static_cast<std::size_t>(ImplantLabel::Count),
              "one row per label");

const LabelRow* RowOf(ImplantLabel id) {
    const auto k = static_cast<std::size_t>(id);
    if (k >= std::size(kLabels) || kLabels[k].id != id) return nullptr;
    return &kLabels[k];
}

}  // namespace

const char* LabelOf(ImplantLabel label) {
    const LabelRow* row = RowOf(label);
    return row ? row->label : nullptr;
}

std::string KeyOf(ImplantLabel label) {
    const LabelRow* row = RowOf(label);
    if (!row) return {};
    if (row->key) return row->key;
    std::string key = row->label;
    for (char& c : key)
        if (c == ' ') c = '_';
    return key;
}

}  // namespace fenra
