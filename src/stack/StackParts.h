#pragma once
// The parts of CalculateStack in their own files: the reverse questions and the plot series.

#include <vector>

#include "stack/StackCalculation.h"

namespace fenra {

// The energy in front of the stack with which the ion just reaches its back face (0 for a
// stack without thickness).
EnergyAnswer EnergyToPass(const std::vector<Layer>& stack, RangeCache& cache);

// The energy with which the ion just reaches `depth` (in `unit`) into the stack, or into
// `material` when the stack is empty.
EnergyAnswer EnergyToReach(const std::vector<Layer>& stack, const Target* material, double depth,
                           ThicknessUnit unit, RangeCache& cache);

// Energy and stopping at points through the stack along the path of `out`.
void FillPlot(const std::vector<Layer>& stack, const StackInput& in, StackCalculation& out,
              RangeCache& cache);

// The depth `e15` further into a layer of target t, from `front`.
StackDepth DepthAfter(const StackDepth& front, const Target& t, double e15);

}  // namespace fenra
