#pragma once
// The one error type of the materials, stopping and range functions. Its kind tells a caller
// (the batch calculator, a Python module) how to report it: a value that cannot be used, a name
// that is not known, or a calculation that failed for a valid input. Its reason is a sentence id
// with its values (messages/PhysicsMessages.h): fenra32-calc and the Python module say it in
// English (what()), the windows translate it.

#include <stdexcept>
#include <utility>

#include "messages/PhysicsMessages.h"

namespace fenra {

enum class ErrorKind {
    BadValue,           // malformed formula, negative or non-finite number, unit mismatch
    UnknownName,        // element symbol, atomic number or material name not known
    CalculationFailed,  // the physics gave no finite, positive result for a valid input
    UnreadableFile,     // a data file (the material list) cannot be read or is damaged
};

class PhysicsError : public std::runtime_error {
  public:
    PhysicsError(ErrorKind kind, Message reason)
        : std::runtime_error(Words(reason)), kind_(kind), reason_(std::move(reason)) {}
    PhysicsError(ErrorKind kind, PhysicsText id, std::vector<Message> args = {})
        : PhysicsError(kind, Sentence(id, std::move(args))) {}
    ErrorKind Kind() const { return kind_; }
    const Message& Reason() const { return reason_; }

  private:
    ErrorKind kind_;
    Message reason_;
};

}  // namespace fenra
