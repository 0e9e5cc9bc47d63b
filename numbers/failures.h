#pragma once

#include <stdexcept>

namespace pelorin {

// A text that is not an integer by the entry rules.
class ConversionFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A division by zero, an out-of-range rounding, or an invalid or overflowing
// extended-precision operation.
class ArithmeticFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace pelorin
