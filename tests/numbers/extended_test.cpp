#include "numbers/extended.h"

#include <gtest/gtest.h>

#include <array>
#include <compare>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "extended_test_support.h"
#include "numbers/failures.h"

namespace pelorin {
namespace {

constexpr std::uint16_t kOne = 16383;  // biased exponent of 1.0
constexpr std::uint16_t kMaxFinite = 0x7FFE;
constexpr std::uint64_t kTop = std::uint64_t{1} << 63;
constexpr std::uint64_t kAllOnes = ~std::uint64_t{0};

struct Bits {
  bool negative;
  std::uint16_t exponent;
  std::uint64_t significand;
};

Extended Make(const Bits& b) {
  return Extended::FromBits(b.negative, b.exponent, b.significand);
}

void ExpectBits(const Extended& actual, const Bits& expected) {
  EXPECT_EQ(Describe(actual), Describe(Make(expected)));
}

// Values that several tables share.
constexpr Bits kPlusOne{false, kOne, kTop};
constexpr Bits kMinusOne{true, kOne, kTop};
constexpr Bits kPlusZero{false, 0, 0};
constexpr Bits kMinusZero{true, 0, 0};
constexpr Bits kPlusInfinity{false, 0x7FFF, kTop};
constexpr Bits kMinusInfinity{true, 0x7FFF, kTop};
constexpr Bits kQuietNaN{false, 0x7FFF, kTop | (kTop >> 1)};
constexpr Bits kMax{false, kMaxFinite, kAllOnes};
constexpr Bits kSmallestNormal{false, 1, kTop};
constexpr Bits kSmallestDenormal{false, 0, 1};

TEST(ExtendedTest, ConstructsIntegersExactly) {
  struct Case {
    const char* name;
    std::int64_t value;
    Bits expected;
  };
  const Case cases[] = {
      {"zero", 0, kPlusZero},
      {"one", 1, kPlusOne},
      {"minus one", -1, kMinusOne},
      {"ten", 10, {false, kOne + 3, 0xA000'0000'0000'0000u}},
      {"INT64_MIN", std::numeric_limits<std::int64_t>::min(), {true, kOne + 63, kTop}},
      {"INT64_MAX", std::numeric_limits<std::int64_t>::max(), {false, kOne + 62, kAllOnes << 1}},
      {"INT32_MIN", std::numeric_limits<std::int32_t>::min(), {true, kOne + 31, kTop}},
      {"INT32_MAX",
       std::numeric_limits<std::int32_t>::max(),
       {false, kOne + 30, 0xFFFF'FFFE'0000'0000u}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectBits(Extended::FromInt64(c.value), c.expected);
    if (c.value >= std::numeric_limits<std::int32_t>::min() &&
        c.value <= std::numeric_limits<std::int32_t>::max()) {
      ExpectBits(Extended::FromInt32(static_cast<std::int32_t>(c.value)), c.expected);
    }
  }
}

TEST(ExtendedTest, ConstructsDoublesExactly) {
  struct Case {
    const char* name;
    double value;
    Bits expected;
  };
  const double infinity = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {"one", 1.0, kPlusOne},
      {"minus two and a half", -2.5, {true, kOne + 1, 0xA000'0000'0000'0000u}},
      {"one tenth", 0.1, {false, kOne - 4, 0xCCCC'CCCC'CCCC'D000u}},
      {"largest double", std::numeric_limits<double>::max(), {false, kOne + 1023, kAllOnes << 11}},
      {"smallest normal double", 0x1p-1022, {false, kOne - 1022, kTop}},
      {"smallest subnormal double", 0x1p-1074, {false, kOne - 1074, kTop}},
      {"largest subnormal double", 0x0.fffffffffffffp-1022, {false, kOne - 1023, kAllOnes << 12}},
      {"negative subnormal double",
       -0x0.0000000000003p-1022,
       {true, kOne - 1073, 0xC000'0000'0000'0000u}},
      {"zero", 0.0, kPlusZero},
      {"negative zero", -0.0, kMinusZero},
      {"infinity", infinity, kPlusInfinity},
      {"negative infinity", -infinity, kMinusInfinity},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectBits(Extended::FromDouble(c.value), c.expected);
  }
  EXPECT_TRUE(Extended::FromDouble(std::numeric_limits<double>::quiet_NaN()).isNaN());
}

TEST(ExtendedTest, ConstructsReal48Exactly) {
  struct Case {
    const char* name;
    std::array<std::uint8_t, 6> bytes;
    Bits expected;
  };
  const Case cases[] = {
      // 703687441777 x 2^-46, the stored value nearest to one percent.
      {"one percent",
       {0x7A, 0x71, 0x3D, 0x0A, 0xD7, 0x23},
       {false, kOne - 7, 0xA3D7'0A3D'7100'0000u}},
      {"one", {0x81, 0, 0, 0, 0, 0}, kPlusOne},
      {"minus one", {0x81, 0, 0, 0, 0, 0x80}, kMinusOne},
      {"all fraction bits",
       {0x82, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
       {false, kOne + 1, kAllOnes << 24}},
      {"zero exponent is zero", {0x00, 0x12, 0x34, 0x56, 0x78, 0x9A}, kPlusZero},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectBits(Extended::FromReal48(c.bytes), c.expected);
  }
  const Extended onePercent = Extended::FromReal48({0x7A, 0x71, 0x3D, 0x0A, 0xD7, 0x23});
  EXPECT_EQ(onePercent, Extended::FromInt64(703687441777) * Extended::FromDouble(0x1p-46));
}

struct ArithmeticCase {
  const char* name;
  Bits a;
  Op op;
  Bits b;
  std::optional<Bits> expected;  // empty: the operation must fail
};

void RunArithmeticCases(const ArithmeticCase* begin, const ArithmeticCase* end) {
  for (const ArithmeticCase* c = begin; c != end; ++c) {
    SCOPED_TRACE(c->name);
    if (c->expected) {
      ExpectBits(Apply(Make(c->a), c->op, Make(c->b)), *c->expected);
    } else {
      EXPECT_THROW(Apply(Make(c->a), c->op, Make(c->b)), ArithmeticFailure);
    }
  }
}

constexpr Bits Power(int twoExponent) {
  return {false, static_cast<std::uint16_t>(kOne + twoExponent), kTop};
}

TEST(ExtendedTest, AddsAndSubtractsWithOneRounding) {
  const ArithmeticCase cases[] = {
      {"tie with even last bit rounds down", kPlusOne, Op::kAdd, Power(-64), kPlusOne},
      {"tie with odd last bit rounds up",
       {false, kOne, kTop | 1},
       Op::kAdd,
       Power(-64),
       Bits{false, kOne, kTop | 2}},
      {"half plus sticky rounds up",
       kPlusOne,
       Op::kAdd,
       {false, kOne - 64, kTop | 1},
       Bits{false, kOne, kTop | 1}},
      {"just below half rounds down", kPlusOne, Op::kAdd, {false, kOne - 65, kAllOnes}, kPlusOne},
      {"far smaller operand only sets sticky", kPlusOne, Op::kAdd, Power(-200), kPlusOne},
      {"far smaller subtrahend rounds back up", kPlusOne, Op::kSubtract, Power(-200), kPlusOne},
      {"difference tie rounds up to the next binade", kPlusOne, Op::kSubtract, Power(-65),
       kPlusOne},
      {"difference past half stays in the lower binade",
       kPlusOne,
       Op::kSubtract,
       {false, kOne - 65, 0xC000'0000'0000'0000u},
       Bits{false, kOne - 1, kAllOnes}},
      {"difference just past a tie, sticky beyond 128 bits",
       kPlusOne,
       Op::kSubtract,
       {false, kOne - 65, kTop | 1},
       Bits{false, kOne - 1, kAllOnes}},
      {"sum carries into the exponent on rounding",
       {false, kOne, kAllOnes},
       Op::kAdd,
       Power(-64),
       Power(1)},
      {"exact sum carries into the exponent",
       {false, kOne, 0xC000'0000'0000'0000u},
       Op::kAdd,
       {false, kOne, 0xC000'0000'0000'0000u},
       Bits{false, kOne + 1, 0xC000'0000'0000'0000u}},
      {"massive cancellation is exact",
       {false, kOne, kTop | 3},
       Op::kSubtract,
       {false, kOne, kTop | 1},
       Power(-62)},
      {"x - x is +0",
       {true, kOne, 0xABCD'0000'0000'0001u},
       Op::kSubtract,
       {true, kOne, 0xABCD'0000'0000'0001u},
       kPlusZero},
      {"-x + x is +0", kMinusOne, Op::kAdd, kPlusOne, kPlusZero},
      {"-0 + -0 is -0", kMinusZero, Op::kAdd, kMinusZero, kMinusZero},
      {"+0 + -0 is +0", kPlusZero, Op::kAdd, kMinusZero, kPlusZero},
      {"-0 - +0 is -0", kMinusZero, Op::kSubtract, kPlusZero, kMinusZero},
      {"x + 0 is x",
       {true, 3, 0x9000'0000'0000'0001u},
       Op::kAdd,
       kPlusZero,
       Bits{true, 3, 0x9000'0000'0000'0001u}},
      {"denormals add exactly", kSmallestDenormal, Op::kAdd, kSmallestDenormal, Bits{false, 0, 2}},
      {"denormals carry into the smallest normal",
       {false, 0, kTop >> 1},
       Op::kAdd,
       {false, 0, kTop >> 1},
       kSmallestNormal},
      {"smallest normal minus smallest denormal", kSmallestNormal, Op::kSubtract, kSmallestDenormal,
       Bits{false, 0, kAllOnes >> 1}},
      {"pseudo-denormal counts at exponent 1's scale",
       {false, 0, kTop},
       Op::kAdd,
       {false, 0, kTop},
       Bits{false, 2, kTop}},
      {"infinity absorbs a finite value", kMinusInfinity, Op::kAdd, kMax, kMinusInfinity},
      {"infinity minus a finite value", kPlusInfinity, Op::kSubtract, kPlusOne, kPlusInfinity},
      {"infinity plus infinity", kPlusInfinity, Op::kAdd, kPlusInfinity, kPlusInfinity},
      {"largest plus half an ulp rounds up and overflows",
       kMax,
       Op::kAdd,
       {false, kMaxFinite - 64, kTop},
       std::nullopt},
      {"largest plus largest overflows", kMax, Op::kAdd, kMax, std::nullopt},
      {"largest plus less than half an ulp stays",
       kMax,
       Op::kAdd,
       {false, kMaxFinite - 65, kTop},
       kMax},
      {"infinity minus infinity", kPlusInfinity, Op::kSubtract, kPlusInfinity, std::nullopt},
      {"-infinity plus infinity", kMinusInfinity, Op::kAdd, kPlusInfinity, std::nullopt},
      {"NaN operand", kPlusOne, Op::kAdd, kQuietNaN, std::nullopt},
      {"NaN minus infinity", kQuietNaN, Op::kSubtract, kPlusInfinity, std::nullopt},
      {"unnormal operand", {false, kOne, kTop >> 1}, Op::kAdd, kPlusOne, std::nullopt},
      {"pseudo-infinity operand", {false, 0x7FFF, 0}, Op::kSubtract, kPlusOne, std::nullopt},
  };
  RunArithmeticCases(std::begin(cases), std::end(cases));
}

TEST(ExtendedTest, MultipliesWithOneRounding) {
  // (2^32 + 1)(2^32 + 1) = 2^64 + 2^33 + 1 and (2^32 + 1)(2^32 + 3) =
  // 2^64 + 2^34 + 3 both drop a single 1 bit: exact ties.
  const Bits twoTo32Plus1{false, kOne + 32, kTop | (kTop >> 32)};
  const Bits twoTo32Plus3{false, kOne + 32, kTop | (kTop >> 31) | (kTop >> 32)};
  const Bits twoTo33Plus3{false, kOne + 33, kTop | (kTop >> 32) | (kTop >> 33)};
  // (2^33 - 1) 2^31 x (2^33 + 1) 2^30 = 2^127 - 2^61: 64 ones then 0.75 ulp.
  const Bits justBelowTwoFactor{false, kOne, 0xFFFF'FFFF'8000'0000u};
  const Bits justAboveOneFactor{false, kOne, 0x8000'0000'4000'0000u};
  const ArithmeticCase cases[] = {
      {"exact product",
       {false, kOne + 1, 0xC000'0000'0000'0000u},
       Op::kMultiply,
       Power(-1),
       Bits{false, kOne, 0xC000'0000'0000'0000u}},
      {"tie with even last bit rounds down", twoTo32Plus1, Op::kMultiply, twoTo32Plus1,
       Bits{false, kOne + 64, kTop | (kTop >> 31)}},
      {"tie with odd last bit rounds up", twoTo32Plus1, Op::kMultiply, twoTo32Plus3,
       Bits{false, kOne + 64, kTop | (kTop >> 30) | 2}},
      {"half plus sticky rounds up", twoTo33Plus3, Op::kMultiply, twoTo32Plus1,
       Bits{false, kOne + 65, 0x8000'0001'4000'0001u}},
      {"rounding carries into the exponent", justBelowTwoFactor, Op::kMultiply, justAboveOneFactor,
       Power(1)},
      {"signs multiply", kMinusOne, Op::kMultiply, {true, kOne + 2, kTop}, Power(2)},
      {"negative zero product",
       kMinusZero,
       Op::kMultiply,
       {false, kOne, 0xA000'0000'0000'0000u},
       kMinusZero},
      {"zero times negative zero", kPlusZero, Op::kMultiply, kMinusZero, kMinusZero},
      {"negative zeros multiply to +0", kMinusZero, Op::kMultiply, kMinusZero, kPlusZero},
      {"underflow to an exact denormal", Power(-16000), Op::kMultiply, Power(-400),
       Bits{false, 0, std::uint64_t{1} << 45}},
      {"denormal times a large normal", kSmallestDenormal, Op::kMultiply, Power(16000),
       Power(-445)},
      {"denormal tie rounds to even zero", kSmallestDenormal, Op::kMultiply, Power(-1), kPlusZero},
      {"denormal tie rounds to even two",
       kSmallestDenormal,
       Op::kMultiply,
       {false, kOne, 0xC000'0000'0000'0000u},
       Bits{false, 0, 2}},
      {"denormal 2.5 grid steps round to two",
       {false, 0, 5},
       Op::kMultiply,
       Power(-1),
       Bits{false, 0, 2}},
      {"negative underflow keeps its sign", {true, 0, 1}, Op::kMultiply, Power(-2), kMinusZero},
      {"denormal rounds up into the smallest normal",
       {false, 0, kAllOnes >> 1},
       Op::kMultiply,
       {false, kOne, kTop | 1},
       kSmallestNormal},
      {"below the denormal range with sticky", Power(-16000), Op::kMultiply, Power(-500),
       kPlusZero},
      {"largest times two overflows", kMax, Op::kMultiply, Power(1), std::nullopt},
      {"huge exponents overflow", Power(16000), Op::kMultiply, Power(16000), std::nullopt},
      {"largest times one stays", kMax, Op::kMultiply, kPlusOne, kMax},
      {"infinity times a negative value",
       kPlusInfinity,
       Op::kMultiply,
       {true, kOne + 1, kTop},
       kMinusInfinity},
      {"infinity times a denormal", kSmallestDenormal, Op::kMultiply, kMinusInfinity,
       kMinusInfinity},
      {"zero times infinity", kPlusZero, Op::kMultiply, kPlusInfinity, std::nullopt},
      {"infinity times negative zero", kMinusInfinity, Op::kMultiply, kMinusZero, std::nullopt},
      {"NaN operand", kQuietNaN, Op::kMultiply, kPlusOne, std::nullopt},
      {"NaN times zero", kPlusZero, Op::kMultiply, kQuietNaN, std::nullopt},
      {"unnormal operand",
       kPlusOne,
       Op::kMultiply,
       {false, kOne, 0x4000'0000'0000'0000u},
       std::nullopt},
  };
  RunArithmeticCases(std::begin(cases), std::end(cases));
}

TEST(ExtendedTest, ComparesExactly) {
  using std::partial_ordering;
  struct Case {
    const char* name;
    Bits a;
    Bits b;
    partial_ordering expected;
  };
  const Case cases[] = {
      {"one below two", kPlusOne, Power(1), partial_ordering::less},
      {"last significand bit counts", {false, kOne, kTop | 1}, kPlusOne, partial_ordering::greater},
      {"negative values reverse", kMinusOne, {true, kOne + 1, kTop}, partial_ordering::greater},
      {"zeros of both signs are equal", kPlusZero, kMinusZero, partial_ordering::equivalent},
      {"denormal above zero", kSmallestDenormal, kMinusZero, partial_ordering::greater},
      {"negative denormal below zero", {true, 0, 1}, kPlusZero, partial_ordering::less},
      {"denormal below the smallest normal",
       {false, 0, kAllOnes >> 1},
       kSmallestNormal,
       partial_ordering::less},
      {"pseudo-denormal equals the smallest normal",
       {false, 0, kTop},
       kSmallestNormal,
       partial_ordering::equivalent},
      {"infinity above the largest", kPlusInfinity, kMax, partial_ordering::greater},
      {"-infinity below the most negative",
       kMinusInfinity,
       {true, kMaxFinite, kAllOnes},
       partial_ordering::less},
      {"NaN is unordered", kQuietNaN, kPlusOne, partial_ordering::unordered},
      {"NaN is not equal to itself", kQuietNaN, kQuietNaN, partial_ordering::unordered},
      {"unnormal is unordered", {false, kOne, 1}, kPlusOne, partial_ordering::unordered},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Extended a = Make(c.a);
    const Extended b = Make(c.b);
    EXPECT_TRUE((a <=> b) == c.expected);
    EXPECT_EQ(a == b, c.expected == partial_ordering::equivalent);
    EXPECT_EQ(a < b, c.expected == partial_ordering::less);
    EXPECT_EQ(b > a, c.expected == partial_ordering::less);
  }
}

TEST(ExtendedTest, RoundsToInt64NearestEven) {
  struct Case {
    const char* name;
    Bits value;
    std::optional<std::int64_t> expected;  // empty: the rounding must fail
  };
  const auto fromDouble = [](double v) {
    const Extended x = Extended::FromDouble(v);
    return Bits{x.negative(), x.biasedExponent(), x.significand()};
  };
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  constexpr std::int64_t kMaxInt = std::numeric_limits<std::int64_t>::max();
  const Case cases[] = {
      {"zero", kPlusZero, 0},
      {"negative zero", kMinusZero, 0},
      {"half to even zero", fromDouble(0.5), 0},
      {"one and a half up to two", fromDouble(1.5), 2},
      {"two and a half down to two", fromDouble(2.5), 2},
      {"three and a half up to four", fromDouble(3.5), 4},
      {"minus half to zero", fromDouble(-0.5), 0},
      {"minus one and a half", fromDouble(-1.5), -2},
      {"minus two and a half", fromDouble(-2.5), -2},
      {"just below a half", fromDouble(0.49999999999999994), 0},
      {"half plus sticky", {false, kOne - 1, kTop | 1}, 1},
      {"just below one and a half", {false, kOne, 0xBFFF'FFFF'FFFF'FFFFu}, 1},
      {"ordinary value", fromDouble(-1234567.75), -1234568},
      {"tiny", Power(-100), 0},
      {"negative tiny", {true, kOne - 100, kTop}, 0},
      {"smallest denormal", kSmallestDenormal, 0},
      {"largest", {false, kOne + 62, kAllOnes << 1}, kMaxInt},
      {"2^63 - 1.5 ties to even", {false, kOne + 62, kAllOnes - 2}, kMaxInt - 1},
      {"2^63 - 0.5 rounds up out of range", {false, kOne + 62, kAllOnes}, std::nullopt},
      {"2^63", Power(63), std::nullopt},
      {"9.5e18", fromDouble(9.5e18), std::nullopt},
      {"-2^63", {true, kOne + 63, kTop}, kMin},
      {"-(2^63 - 0.5) ties to -2^63", {true, kOne + 62, kAllOnes}, kMin},
      {"-(2^63 + 1)", {true, kOne + 63, kTop | 1}, std::nullopt},
      {"2^64", Power(64), std::nullopt},
      {"largest finite", kMax, std::nullopt},
      {"infinity", kPlusInfinity, std::nullopt},
      {"-infinity", kMinusInfinity, std::nullopt},
      {"NaN", kQuietNaN, std::nullopt},
      {"unnormal", {false, kOne, kTop >> 1}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.expected) {
      EXPECT_EQ(RoundToInt64(Make(c.value)), *c.expected);
    } else {
      EXPECT_THROW(RoundToInt64(Make(c.value)), ArithmeticFailure);
    }
  }
}

TEST(ExtendedTest, NegationFlipsOnlyTheSign) {
  ExpectBits(-Make(kPlusZero), kMinusZero);
  ExpectBits(-Make({true, 0, 7}), Bits{false, 0, 7});
  EXPECT_TRUE((-Make(kQuietNaN)).isNaN());
}

}  // namespace
}  // namespace pelorin
