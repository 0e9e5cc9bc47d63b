#include "numbers/extended.h"

#include <bit>
#include <cstdint>

#include "numbers/extended_bits.h"
#include "numbers/failures.h"

namespace pelorin {
namespace {

using bits::U128;

constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr int kBias = Extended::kExponentBias;
constexpr int kInfinityExponent = Extended::kMaxBiasedExponent;

[[noreturn]] void FailInvalid() {
  throw ArithmeticFailure("invalid extended-precision operation");
}

[[noreturn]] void FailOverflow() {
  throw ArithmeticFailure("extended-precision overflow");
}

// Whether a value whose kept bits end in `kept` and whose discarded bits are
// `discarded` (top bit = round bit, the rest sticky) rounds away from zero.
// This is the only place that decides a rounding. An exact tie goes to the
// even neighbour, as the x87 unit does by default: rounding ties always up
// would bias sums of many rounded values upward.
constexpr bool RoundsUp(std::uint64_t kept, std::uint64_t discarded) {
  return discarded > kIntegerBit || (discarded == kIntegerBit && (kept & 1) != 0);
}

static_assert(!RoundsUp(2, kIntegerBit) && RoundsUp(3, kIntegerBit));
static_assert(RoundsUp(2, kIntegerBit | 1) && !RoundsUp(3, kIntegerBit - 1));

// Rounds sign x v x 2^(exponent - bias - 127) once to the 64-bit significand
// and packs it; every arithmetic result goes through here. `exponent` is the
// biased exponent that bit 127 of v would have, and may lie outside the
// encodable range. v is exact except that bit 0 of v.low may stand in for
// lower bits (a sticky bit); that is safe as long as at most one leading zero
// bit of v comes from a cancellation against such a sticky tail.
Extended RoundPack(bool negative, int exponent, U128 v) {
  if (v.high == 0 && v.low == 0) {
    return Extended::FromBits(negative, 0, 0);
  }
  const int leadingZeros = bits::LeadingZeros(v);
  v = bits::ShiftLeft(v, leadingZeros);
  exponent -= leadingZeros;
  if (exponent < 1) {
    // Tiny results keep the scale of exponent 1 and lose leading bits
    // instead, so the one rounding below happens on the denormal grid.
    v = bits::ShiftRightJam(v, 1 - exponent);
    exponent = 0;
  }
  std::uint64_t significand = v.high;
  if (RoundsUp(significand, v.low)) {
    ++significand;
    if (significand == 0) {
      significand = kIntegerBit;
      ++exponent;
    }
  }
  if (exponent == 0 && (significand & kIntegerBit) != 0) {
    exponent = 1;  // a denormal rounded up into the smallest normal
  }
  if (exponent >= kInfinityExponent) {
    FailOverflow();
  }
  return Extended::FromBits(negative, static_cast<std::uint16_t>(exponent), significand);
}

enum class Kind { kZero, kFinite, kInfinity, kInvalid };

// An operand with a normalized significand: a finite nonzero value is
// significand x 2^(exponent - bias - 63) with bit 63 set, where a denormal's
// exponent drops below 1 instead of the significand losing its top bit.
struct Unpacked {
  Kind kind;
  bool negative;
  int exponent;
  std::uint64_t significand;
};

// NaNs and the encodings the x87 unit refuses as operands (unnormals,
// pseudo-infinities, pseudo-NaNs) come out as kInvalid. A pseudo-denormal
// (exponent 0 with the integer bit set) is accepted at exponent 1's scale,
// as the hardware does.
Unpacked Unpack(const Extended& x) {
  const int exponent = x.biasedExponent();
  const std::uint64_t significand = x.significand();
  if (exponent == kInfinityExponent) {
    return {significand == kIntegerBit ? Kind::kInfinity : Kind::kInvalid, x.negative(), exponent,
            significand};
  }
  if (exponent != 0) {
    const Kind kind = (significand & kIntegerBit) != 0 ? Kind::kFinite : Kind::kInvalid;
    return {kind, x.negative(), exponent, significand};
  }
  if (significand == 0) {
    return {Kind::kZero, x.negative(), 0, 0};
  }
  const int shift = std::countl_zero(significand);
  return {Kind::kFinite, x.negative(), 1 - shift, significand << shift};
}

Extended Pack(const Unpacked& x) {
  return RoundPack(x.negative, x.exponent, {x.significand, 0});
}

Extended Infinity(bool negative) {
  return Extended::FromBits(negative, Extended::kMaxBiasedExponent, kIntegerBit);
}

// Magnitude of a finite nonzero pair, a's magnitude at least b's. With equal
// signs the sum carries at most one bit; with opposite signs and b shifted by
// two or more places the difference loses at most one leading bit, so the
// sticky bit from the shift never reaches the round bit.
Extended AddOrdered(const Unpacked& a, const Unpacked& b) {
  const U128 aligned = bits::ShiftRightJam({b.significand, 0}, a.exponent - b.exponent);
  if (a.negative == b.negative) {
    const std::uint64_t sum = a.significand + aligned.high;
    if (sum >= a.significand) {
      return RoundPack(a.negative, a.exponent, {sum, aligned.low});
    }
    U128 carried = bits::ShiftRightJam({sum, aligned.low}, 1);
    carried.high |= kIntegerBit;
    return RoundPack(a.negative, a.exponent + 1, carried);
  }
  const std::uint64_t borrow = aligned.low != 0 ? 1 : 0;
  const U128 difference{a.significand - aligned.high - borrow, 0u - aligned.low};
  if (difference.high == 0 && difference.low == 0) {
    return Extended{};  // x - x is +0 when rounding to nearest
  }
  return RoundPack(a.negative, a.exponent, difference);
}

Extended Add(const Unpacked& a, const Unpacked& b) {
  if (a.kind == Kind::kInvalid || b.kind == Kind::kInvalid) {
    FailInvalid();
  }
  if (a.kind == Kind::kInfinity || b.kind == Kind::kInfinity) {
    if (a.kind == b.kind && a.negative != b.negative) {
      FailInvalid();
    }
    return Infinity(a.kind == Kind::kInfinity ? a.negative : b.negative);
  }
  if (a.kind == Kind::kZero) {
    // -0 + -0 is the only zero sum that stays negative.
    return b.kind == Kind::kZero ? Extended::FromBits(a.negative && b.negative, 0, 0) : Pack(b);
  }
  if (b.kind == Kind::kZero) {
    return Pack(a);
  }
  const bool aIsLarger =
      a.exponent != b.exponent ? a.exponent > b.exponent : a.significand >= b.significand;
  return aIsLarger ? AddOrdered(a, b) : AddOrdered(b, a);
}

Unpacked Negated(Unpacked x) {
  x.negative = !x.negative;
  return x;
}

bool IsOrdinary(const Extended& x) {
  const unsigned exponent = x.biasedExponent();
  return exponent - 1 < unsigned{kInfinityExponent - 1} && (x.significand() & kIntegerBit) != 0;
}

// Product exponent for bit 127 of the 128-bit significand product.
int ProductExponent(int aExponent, int bExponent) {
  return aExponent + bExponent - kBias + 1;
}

Extended MultiplyUnpacked(const Unpacked& a, const Unpacked& b) {
  const bool negative = a.negative != b.negative;
  if (a.kind == Kind::kInvalid || b.kind == Kind::kInvalid) {
    FailInvalid();
  }
  if (a.kind == Kind::kInfinity || b.kind == Kind::kInfinity) {
    if (a.kind == Kind::kZero || b.kind == Kind::kZero) {
      FailInvalid();
    }
    return Infinity(negative);
  }
  if (a.kind == Kind::kZero || b.kind == Kind::kZero) {
    return Extended::FromBits(negative, 0, 0);
  }
  return RoundPack(negative, ProductExponent(a.exponent, b.exponent),
                   bits::MultiplyWide(a.significand, b.significand));
}

// Whole-number magnitude of a 64-bit integer, in a form that survives
// INT64_MIN.
std::uint64_t Magnitude(std::int64_t v) {
  const auto bits = static_cast<std::uint64_t>(v);
  return v < 0 ? 0u - bits : bits;
}

// Biased exponent of bit 63 of a significand that holds a whole number.
constexpr int kIntegerExponent = kBias + 63;

}  // namespace

Extended Extended::FromBits(bool negative, std::uint16_t biasedExponent,
                            std::uint64_t significand) {
  Extended x;
  x.negative_ = negative;
  x.exponent_ = biasedExponent;
  x.significand_ = significand;
  return x;
}

Extended Extended::FromInt32(std::int32_t v) {
  return FromInt64(v);
}

Extended Extended::FromInt64(std::int64_t v) {
  return RoundPack(v < 0, kIntegerExponent, {Magnitude(v), 0});
}

Extended Extended::FromDouble(double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  const bool negative = (bits >> 63) != 0;
  const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  constexpr int kDoubleBias = 1023;
  if (exponent == 0x7FF) {
    // A NaN keeps its payload and becomes quiet, as a load into the x87 unit does.
    return fraction == 0 ? Infinity(negative)
                         : FromBits(negative, kMaxBiasedExponent,
                                    kIntegerBit | (std::uint64_t{1} << 62) | (fraction << 11));
  }
  if (exponent == 0) {
    // Subnormal doubles share exponent 1's scale and have no hidden bit.
    return RoundPack(negative, 1 - kDoubleBias + kBias, {fraction << 11, 0});
  }
  return FromBits(negative, static_cast<std::uint16_t>(exponent - kDoubleBias + kBias),
                  kIntegerBit | (fraction << 11));
}

Extended Extended::FromReal48(const std::array<std::uint8_t, 6>& bytes) {
  constexpr int kReal48Bias = 129;
  if (bytes[0] == 0) {
    return Extended{};
  }
  std::uint64_t fraction = bytes[5] & 0x7Fu;
  for (int i = 4; i >= 1; --i) {
    fraction = (fraction << 8) | bytes[i];
  }
  const bool negative = (bytes[5] & 0x80u) != 0;
  // 39 fraction bits sit right below the hidden bit, which becomes bit 63.
  return FromBits(negative, static_cast<std::uint16_t>(bytes[0] - kReal48Bias + kBias),
                  kIntegerBit | (fraction << 24));
}

bool Extended::isNaN() const {
  return exponent_ == kMaxBiasedExponent && significand_ != kIntegerBit;
}

bool Extended::isInfinity() const {
  return exponent_ == kMaxBiasedExponent && significand_ == kIntegerBit;
}

bool Extended::isZero() const {
  return exponent_ == 0 && significand_ == 0;
}

Extended Extended::operator-() const {
  return FromBits(!negative_, exponent_, significand_);
}

Extended operator+(const Extended& a, const Extended& b) {
  return Add(Unpack(a), Unpack(b));
}

Extended operator-(const Extended& a, const Extended& b) {
  return Add(Unpack(a), Negated(Unpack(b)));
}

Extended operator*(const Extended& a, const Extended& b) {
  if (IsOrdinary(a) && IsOrdinary(b)) {
    // Two normal operands: skip the classification of special values.
    return RoundPack(a.negative() != b.negative(),
                     ProductExponent(a.biasedExponent(), b.biasedExponent()),
                     bits::MultiplyWide(a.significand(), b.significand()));
  }
  return MultiplyUnpacked(Unpack(a), Unpack(b));
}

std::partial_ordering operator<=>(const Extended& a, const Extended& b) {
  const Unpacked x = Unpack(a);
  const Unpacked y = Unpack(b);
  if (x.kind == Kind::kInvalid || y.kind == Kind::kInvalid) {
    return std::partial_ordering::unordered;
  }
  if (x.kind == Kind::kZero || y.kind == Kind::kZero) {
    if (x.kind == y.kind) {
      return std::partial_ordering::equivalent;
    }
    const bool xIsPositive = x.kind == Kind::kZero ? y.negative : !x.negative;
    return xIsPositive ? std::partial_ordering::greater : std::partial_ordering::less;
  }
  if (x.negative != y.negative) {
    return x.negative ? std::partial_ordering::less : std::partial_ordering::greater;
  }
  // Normalized significands make (exponent, significand) order by magnitude,
  // and an infinity's exponent exceeds every finite one.
  const auto magnitude =
      x.exponent != y.exponent ? x.exponent <=> y.exponent : x.significand <=> y.significand;
  return x.negative ? 0 <=> magnitude : std::partial_ordering{magnitude};
}

bool operator==(const Extended& a, const Extended& b) {
  return (a <=> b) == 0;
}

std::int64_t RoundToInt64(const Extended& x) {
  const Unpacked u = Unpack(x);
  if (u.kind == Kind::kInvalid || u.kind == Kind::kInfinity) {
    throw ArithmeticFailure("rounding a NaN or an infinity to an integer");
  }
  if (u.kind == Kind::kZero) {
    return 0;
  }
  const int fractionBits = kIntegerExponent - u.exponent;
  if (fractionBits < 0) {
    throw ArithmeticFailure("rounded value outside the 64-bit integer range");
  }
  const U128 split = bits::ShiftRightJam({u.significand, 0}, fractionBits);
  std::uint64_t magnitude = split.high;
  // With at least one fraction bit the whole part is below 2^63, so the
  // increment cannot wrap.
  if (RoundsUp(magnitude, split.low)) {
    ++magnitude;
  }
  const std::uint64_t limit = u.negative ? kIntegerBit : kIntegerBit - 1;
  if (magnitude > limit) {
    throw ArithmeticFailure("rounded value outside the 64-bit integer range");
  }
  return static_cast<std::int64_t>(u.negative ? 0u - magnitude : magnitude);
}

}  // namespace pelorin
