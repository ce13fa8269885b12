#pragma once
// Watches a stretch of physics for floating-point faults: invalid operations, division by zero
// and overflow, as IEEE flags raised since construction. Underflow and inexact results are not
// faults.

namespace fenra {

class FloatingPointCheck {
  public:
    FloatingPointCheck();  // clears the fault flags
    bool Faulted() const;  // true when a fault flag was raised since construction
};

}  // namespace fenra
