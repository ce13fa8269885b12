#pragma once
// What the ion paths window's layout and its reading of the fields share: the units a layer's
// thickness is given in, the columns of the layer table, and the defaults of the options.

#include "range/Units.h"

namespace fenra::implant_window {

constexpr ThicknessUnit kUnits[] = {ThicknessUnit::Nm,    ThicknessUnit::Um,    ThicknessUnit::Mm,
                                    ThicknessUnit::MgCm2, ThicknessUnit::UgCm2, ThicknessUnit::E15};
constexpr int kMaterialColumn = 0, kThicknessColumn = 1, kUnitColumn = 2, kDensityColumn = 3;
constexpr int kDefaultIons = 10000;
constexpr int kMaxThreads = 256;

}  // namespace fenra::implant_window
