#pragma once

#include <stdexcept>
#include <string>

namespace quintaro {

// The one fault that stops a handler ("Calcular", "Ok", a search step): a box
// whose text is not a number, or a numeric fault in a formula. It carries the
// exact text the user is shown; the single place that runs a handler catches it.
class HandlerError : public std::runtime_error {
  public:
    explicit HandlerError(const std::string& message) : std::runtime_error(message) {}
};

// The runtime's texts for numeric faults, as the user sees them.
inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kOverflow = "Floating point overflow";

}  // namespace quintaro
