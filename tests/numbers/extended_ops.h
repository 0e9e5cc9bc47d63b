#pragma once

// The arithmetic operations as data, so that one table or one random run
// can drive the software type and the hardware type alike.
namespace pelorin {

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
