#pragma once
// A fixed table numbered from 1, as the data sets (1..100), the target slots (1..10) and the
// curve points are numbered throughout the program. Index 0 is never used.

#include <array>
#include <cassert>
#include <cstddef>

namespace fenra {

template <typename T, std::size_t N>
struct Slots {
    std::array<T, N + 1> items{};

    static constexpr int size() { return static_cast<int>(N); }

    T& operator[](int i) {
        assert(i >= 1 && i <= static_cast<int>(N));
        return items[static_cast<std::size_t>(i)];
    }
    const T& operator[](int i) const {
        assert(i >= 1 && i <= static_cast<int>(N));
        return items[static_cast<std::size_t>(i)];
    }
};

}  // namespace fenra
