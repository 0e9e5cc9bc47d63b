#pragma once

#include <cstdint>

#include "numbers/failures.h"

// Two's complement integer arithmetic that wraps without notice. Signed
// overflow is undefined in C++, so every operation goes through the unsigned
// type of the same width, where wrapping is defined.
namespace pelorin {

constexpr std::int64_t WrapAdd(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b));
}

constexpr std::int64_t WrapSub(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) - static_cast<std::uint64_t>(b));
}

constexpr std::int64_t WrapNeg(std::int64_t a) {
  return static_cast<std::int64_t>(0u - static_cast<std::uint64_t>(a));
}

constexpr std::int64_t WrapMul(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b));
}

// The low 32 bits, read as two's complement.
constexpr std::int32_t Narrow32(std::int64_t a) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(a)));
}

constexpr std::int32_t WrapMul32(std::int32_t a, std::int32_t b) {
  // uint32_t would promote to int where int is wider, so multiply in 64 bits.
  return Narrow32(WrapMul(a, b));
}

// Quotient truncated toward zero. The one quotient outside the range,
// INT64_MIN / -1, wraps to INT64_MIN.
constexpr std::int64_t DivideTruncating(std::int64_t dividend, std::int64_t divisor) {
  if (divisor == 0) {
    throw ArithmeticFailure("Division by zero");
  }
  if (divisor == -1) {
    return WrapNeg(dividend);
  }
  return dividend / divisor;
}

}  // namespace pelorin
