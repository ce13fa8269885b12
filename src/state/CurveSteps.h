#pragma once
// The steps of a curve walk in N slabs, shared by the walk, the curve file and the curve export
// so that every one of them reads the same Single values.

namespace fenra {

// The slab thickness (1E15 atoms/cm2) or slab energy (keV) of a walk in N steps: the Single
// total divided by N as a Single.
inline float CurveStep(float total, int N) {
    return total / static_cast<float>(N);
}

// The energy after one energy step of an Energy vs Stopping walk: N subtractions of E0/N may
// end a rounding below 0, and the ion is then at rest.
inline float EnergyStepDown(float energy, float step) {
    const float next = energy - step;
    return next < 0 ? 0.0f : next;
}

}  // namespace fenra
