#pragma once
// A number read from a field is stored as a Single. A text such as "1e60" reads as a Double
// beyond the range of a Single; converting it directly would store an infinity, which no later
// step (the grid, the target file, the physics) can use. Such values are held at the largest
// Single of their sign instead.

#include <cmath>
#include <limits>

inline float StoredSingle(double v) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (std::isnan(v)) return 0.0f;
    if (v > kLargest) return std::numeric_limits<float>::max();
    if (v < -kLargest) return -std::numeric_limits<float>::max();
    return static_cast<float>(v);
}
