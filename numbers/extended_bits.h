#pragma once

// Word-level helpers for the software extended-precision type. Every helper
// works on unsigned 64-bit limbs only, so the results are the same on any
// CPU and compiler.

#include <bit>
#include <cstdint>

namespace pelorin::bits {

// A 128-bit unsigned value; in a rounding context `high` holds the kept
// significand and `low` the discarded bits, its top bit being the round bit.
struct U128 {
  std::uint64_t high = 0;
  std::uint64_t low = 0;
  friend constexpr bool operator==(const U128&, const U128&) = default;
};

// Exact 128-bit product of any two 64-bit values. Built from 32-bit halves
// so that no partial product or carry needs more than 64 bits.
constexpr U128 MultiplyWide(std::uint64_t a, std::uint64_t b) {
  constexpr std::uint64_t kLow32 = 0xFFFF'FFFFu;
  const std::uint64_t aLow = a & kLow32;
  const std::uint64_t aHigh = a >> 32;
  const std::uint64_t bLow = b & kLow32;
  const std::uint64_t bHigh = b >> 32;
  const std::uint64_t lowLow = aLow * bLow;
  const std::uint64_t lowHigh = aLow * bHigh;
  const std::uint64_t highLow = aHigh * bLow;
  const std::uint64_t highHigh = aHigh * bHigh;
  // Three terms below 2^32 each: the column sum stays below 2^34.
  const std::uint64_t middle = (lowLow >> 32) + (lowHigh & kLow32) + (highLow & kLow32);
  return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & kLow32)};
}

static_assert(MultiplyWide(~std::uint64_t{0}, ~std::uint64_t{0}) ==
              U128{0xFFFF'FFFF'FFFF'FFFEu, 1});
static_assert(MultiplyWide(std::uint64_t{1} << 63, 2) == U128{1, 0});
static_assert(MultiplyWide(0x1'0000'0001u, 0x1'0000'0001u) == U128{1, 0x2'0000'0001u});

// Number of leading zero bits of v, for any v; 128 when v is zero.
constexpr int LeadingZeros(const U128& v) {
  return v.high != 0 ? std::countl_zero(v.high) : 64 + std::countl_zero(v.low);
}

static_assert(LeadingZeros(U128{0, 0}) == 128);
static_assert(LeadingZeros(U128{0, 1}) == 127);
static_assert(LeadingZeros(U128{std::uint64_t{1} << 63, 0}) == 0);

// v shifted left by count, 0 <= count < 128; bits moved past bit 127 are
// lost, so callers shift by at most LeadingZeros(v).
constexpr U128 ShiftLeft(const U128& v, int count) {
  if (count == 0) {
    return v;
  }
  if (count < 64) {
    return {(v.high << count) | (v.low >> (64 - count)), v.low << count};
  }
  return {v.low << (count - 64), 0};
}

static_assert(ShiftLeft(U128{0, 1}, 127) == U128{std::uint64_t{1} << 63, 0});
static_assert(ShiftLeft(U128{1, std::uint64_t{1} << 63}, 1) == U128{3, 0});

// v shifted right by count, for any count >= 0, with every bit shifted out
// ORed into bit 0 of the result (the sticky bit): the result is zero only if
// v was, and its bit 0 is set whenever the shift was inexact.
constexpr U128 ShiftRightJam(const U128& v, int count) {
  if (count == 0) {
    return v;
  }
  if (count < 64) {
    const std::uint64_t lost = v.low << (64 - count);
    return {v.high >> count, (v.high << (64 - count)) | (v.low >> count) | (lost != 0 ? 1u : 0u)};
  }
  if (count < 128) {
    const std::uint64_t lost = (count == 64 ? 0 : v.high << (128 - count)) | v.low;
    return {0, (v.high >> (count - 64)) | (lost != 0 ? 1u : 0u)};
  }
  return {0, (v.high | v.low) != 0 ? 1u : 0u};
}

static_assert(ShiftRightJam(U128{1, 1}, 1) == U128{0, (std::uint64_t{1} << 63) | 1});
static_assert(ShiftRightJam(U128{1, 0}, 64) == U128{0, 1});
static_assert(ShiftRightJam(U128{3, 0}, 65) == U128{0, 1});
static_assert(ShiftRightJam(U128{2, 0}, 65) == U128{0, 1});
static_assert(ShiftRightJam(U128{4, 0}, 65) == U128{0, 2});
static_assert(ShiftRightJam(U128{0, 1}, 500) == U128{0, 1});
static_assert(ShiftRightJam(U128{0, 0}, 500) == U128{0, 0});

}  // namespace pelorin::bits
