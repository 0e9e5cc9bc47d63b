#pragma once

#include <cstdio>
#include <string>

#include "numbers/extended.h"

namespace pelorin {

// The bits of a value, for failure messages: sign, biased exponent and
// significand in hexadecimal.
inline std::string Describe(const Extended& x) {
  char text[64];
  std::snprintf(text, sizeof text, "%c exp %04X sig %016llX", x.negative() ? '-' : '+',
                static_cast<unsigned>(x.biasedExponent()),
                static_cast<unsigned long long>(x.significand()));
  return text;
}

// The arithmetic operations as data, so that one table or one random run
// can drive the software type and the hardware type alike.

enum class Op { kAdd, kSubtract, kMultiply };

template <typename T>
T Apply(T a, Op op, T b) {
  switch (op) {
    case Op::kAdd:
      return a + b;
    case Op::kSubtract:
      return a - b;
    case Op::kMultiply:
      return a * b;
  }
  return T{};
}

}  // namespace pelorin
