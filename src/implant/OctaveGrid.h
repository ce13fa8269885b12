#pragma once
// Nodes at x = 2^e (1 + k/2^bits), k = 0 .. 2^bits - 1, counted from 2^lowExp: within an
// octave they are evenly spaced, so the node at or below x and the linear weight of the next
// one come from the bits of the double, without a logarithm.

#include <cmath>
#include <cstdint>
#include <cstring>

namespace fenra {

struct OctavePosition {
    int node = 0;       // may lie outside the caller's table: the caller clamps
    double weight = 0;  // of node + 1, in [0, 1)
};

// x > 0 and finite.
template <int Bits>
OctavePosition OctaveLocate(double x, int lowExp) {
    constexpr int kMantissaBits = 52;
    constexpr int kExponentBias = 1023;
    constexpr int kLowBits = kMantissaBits - Bits;
    constexpr double kRestScale = 1.0 / static_cast<double>(uint64_t{1} << kLowBits);
    uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    const int exponent = static_cast<int>(bits >> kMantissaBits) - kExponentBias;
    const uint64_t mantissa = bits & ((uint64_t{1} << kMantissaBits) - 1);
    const int sub = static_cast<int>(mantissa >> kLowBits);
    const uint64_t rest = mantissa & ((uint64_t{1} << kLowBits) - 1);
    return {(exponent - lowExp) * (1 << Bits) + sub, static_cast<double>(rest) * kRestScale};
}

template <int Bits>
double OctaveNode(int node, int lowExp) {
    constexpr int kSub = 1 << Bits;
    return std::ldexp(1.0 + static_cast<double>(node % kSub) / kSub, lowExp + node / kSub);
}

}  // namespace fenra
