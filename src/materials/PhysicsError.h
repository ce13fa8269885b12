#pragma once
// The one error type of the materials, stopping and range functions. Its kind tells a caller
// (the batch calculator, a Python module) how to report it: a value that cannot be used, a name
// that is not known, or a calculation that failed for a valid input.

#include <stdexcept>
#include <string>

namespace fenra {

enum class ErrorKind {
    BadValue,           // malformed formula, negative or non-finite number, unit mismatch
    UnknownName,        // element symbol, atomic number or material name not known
    CalculationFailed,  // the physics gave no finite, positive result for a valid input
    UnreadableFile,     // a data file (the material list) cannot be read or is damaged
};

class PhysicsError : public std::runtime_error {
  public:
    PhysicsError(ErrorKind kind, const std::string& message)
        : std::runtime_error(message), kind_(kind) {}
    ErrorKind Kind() const { return kind_; }

  private:
    ErrorKind kind_;
};

}  // namespace fenra
