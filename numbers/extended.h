#pragma once

#include <array>
#include <compare>
#include <cstdint>

namespace pelorin {

// An 80-bit extended-precision value: sign, 15-bit biased exponent and a
// 64-bit significand with an explicit integer bit, as the x87 unit holds it.
// Every arithmetic operation rounds its exact result once, to nearest with
// ties to even. An invalid operation (a NaN operand, infinity minus infinity,
// zero times infinity) and an overflow throw ArithmeticFailure; underflow is
// silent and yields a denormal or zero.
class Extended {
 public:
  static constexpr int kExponentBias = 16383;
  static constexpr std::uint16_t kMaxBiasedExponent = 0x7FFF;

  constexpr Extended() = default;  // +0

  static Extended FromBits(bool negative, std::uint16_t biasedExponent, std::uint64_t significand);
  static Extended FromInt32(std::int32_t v);
  static Extended FromInt64(std::int64_t v);
  static Extended FromDouble(double v);
  // The 6-byte real format as stored in memory: byte 0 is the biased
  // exponent (bias 129, 0 means zero), bytes 1..5 hold 39 fraction bits
  // little-endian with the sign in the top bit of byte 5.
  static Extended FromReal48(const std::array<std::uint8_t, 6>& bytes);

  bool negative() const { return negative_; }
  std::uint16_t biasedExponent() const { return exponent_; }
  std::uint64_t significand() const { return significand_; }

  bool isNaN() const;
  bool isInfinity() const;
  bool isZero() const;

  Extended operator-() const;
  friend Extended operator+(const Extended& a, const Extended& b);
  friend Extended operator-(const Extended& a, const Extended& b);
  friend Extended operator*(const Extended& a, const Extended& b);

  // Exact comparison; +0 equals -0, and a NaN is unordered.
  friend std::partial_ordering operator<=>(const Extended& a, const Extended& b);
  friend bool operator==(const Extended& a, const Extended& b);

 private:
  bool negative_ = false;
  std::uint16_t exponent_ = 0;
  std::uint64_t significand_ = 0;
};

// Rounds to the nearest integer, ties to even. A result outside the signed
// 64-bit range, a NaN or an infinity throws ArithmeticFailure.
std::int64_t RoundToInt64(const Extended& x);

}  // namespace pelorin
