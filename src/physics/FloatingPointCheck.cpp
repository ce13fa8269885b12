#include "physics/FloatingPointCheck.h"

#include <cfenv>

namespace fenra {

namespace {
// Underflow and inexact are ordinary in this physics (exp of a large negative number, every
// rounding), so only these three count as faults.
constexpr int kFaultFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
}  // namespace

FloatingPointCheck::FloatingPointCheck() {
    std::feclearexcept(kFaultFlags);
}

bool FloatingPointCheck::Faulted() const {
    return std::fetestexcept(kFaultFlags) != 0;
}

}  // namespace fenra
