#pragma once
// The three curves a data set can be followed along.

namespace fenra {

enum class CurveKind {
    DepthStop,    // stopping power against depth
    DepthEnergy,  // energy against depth
    EnergyStop,   // stopping power against energy
};

// The depth kinds follow the ion through slabs of the data set's range.
inline bool IsDepthKind(CurveKind kind) {
    return kind != CurveKind::EnergyStop;
}

}  // namespace fenra
