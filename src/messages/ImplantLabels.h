#pragma once
// The names of what an ion paths run gives, written once: the labels of the summary of
// `fenra32-calc implant` ("projected range: 84.2 +- 0.9 nm"), and the keys of the Python
// module's dict and the suffixes of the CSV files, which are the label with '_' for each space
// ("projected_range") unless a row names its key. Command-line and Python words, never
// translated: the windows label their summary in their own words, through tr().

#include <string>

namespace fenra {

enum class ImplantLabel {
    Ion,
    Layers,
    Ions,
    Recoils,
    Stopped,
    Backscattered,  // the share of the ions, in %
    Transmitted,    // likewise
    ProjectedRange,
    Straggle,
    Skewness,
    Kurtosis,
    LateralSpread,
    RadialRange,
    PathLength,
    StoppedInLayer,  // %1 the layer's number from 1, %2 its material
    BackscatteredEnergy,
    BackscatteredEnergySpread,
    BackscatteredAngle,
    TransmittedEnergy,
    TransmittedEnergySpread,
    TransmittedAngle,
    EnergyToElectrons,
    EnergyToNuclei,
    DisplacementsPerIon,  // %1 the displacement energies
    CollisionsPerIon,
    StoppedBeyondHistogram,
    Count  // the number of labels, not a label
};

// The summary's label; %1, %2 are filled by FillPlaceholders. nullptr only for Count.
const char* LabelOf(ImplantLabel label);

// The Python dict's key and the CSV file's suffix of the same quantity.
std::string KeyOf(ImplantLabel label);

}  // namespace fenra
