// Cross-checks the software extended type against the x87 unit, whose
// 80-bit format it mirrors. This is the only place where `long double` does
// arithmetic in the tests: on x86 it is that very format, held in memory as
// 64 significand bits followed by sign and exponent.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "extended_test_support.h"
#include "numbers/extended.h"
#include "numbers/failures.h"

namespace pelorin {
namespace {

#if defined(__x86_64__) || defined(__i386__)
constexpr bool kHardwareIsX87 = std::numeric_limits<long double>::digits == 64;
#else
constexpr bool kHardwareIsX87 = false;
#endif

static_assert(sizeof(long double) <= 16);

constexpr int kOne = Extended::kExponentBias;
constexpr int kMaxFinite = Extended::kMaxBiasedExponent - 1;
constexpr std::uint64_t kTop = std::uint64_t{1} << 63;
constexpr std::array<std::uint8_t, 6> kOnePercentReal48{0x7A, 0x71, 0x3D, 0x0A, 0xD7, 0x23};

long double ToHardware(const Extended& x) {
  std::array<unsigned char, 16> bytes{};
  const std::uint64_t significand = x.significand();
  const std::uint16_t signAndExponent =
      static_cast<std::uint16_t>((x.negative() ? 0x8000u : 0u) | x.biasedExponent());
  std::memcpy(bytes.data(), &significand, 8);
  std::memcpy(bytes.data() + 8, &signAndExponent, 2);
  long double value;
  std::memcpy(&value, bytes.data(), sizeof value);
  return value;
}

// Only the ten bytes of the format are read; the padding after them is junk.
Extended FromHardware(long double value) {
  std::array<unsigned char, 16> bytes{};
  std::memcpy(bytes.data(), &value, sizeof value);
  std::uint64_t significand;
  std::uint16_t signAndExponent;
  std::memcpy(&significand, bytes.data(), 8);
  std::memcpy(&signAndExponent, bytes.data() + 8, 2);
  return Extended::FromBits((signAndExponent & 0x8000u) != 0,
                            static_cast<std::uint16_t>(signAndExponent & 0x7FFFu), significand);
}

bool SameBits(const Extended& a, const Extended& b) {
  return a.negative() == b.negative() && a.biasedExponent() == b.biasedExponent() &&
         a.significand() == b.significand();
}

const char* OpName(Op op) {
  switch (op) {
    case Op::kAdd:
      return "+";
    case Op::kSubtract:
      return "-";
    case Op::kMultiply:
      return "*";
  }
  return "?";
}

// The volatile operands and result force one real x87 operation from memory
// to memory: nothing is folded at compile time or kept wider than 80 bits.
long double HardwareApply(long double a, Op op, long double b) {
  volatile long double x = a;
  volatile long double y = b;
  volatile long double result = Apply<long double>(x, op, y);
  return result;
}

std::optional<Extended> SoftwareApply(const Extended& a, Op op, const Extended& b) {
  try {
    return Apply(a, op, b);
  } catch (const ArithmeticFailure&) {
    return std::nullopt;
  }
}

struct Tally {
  const char* name;
  long checked = 0;
  long mismatches = 0;

  void Record(bool ok, const std::string& what) {
    ++checked;
    if (!ok && ++mismatches <= 10) {
      ADD_FAILURE() << name << ": " << what;
    }
  }
  void Report() const {
    std::printf("[ x87 check] %-22s %9ld checked, %ld mismatches\n", name, checked, mismatches);
    EXPECT_EQ(mismatches, 0) << name;
  }
};

// Checks one operation bit for bit and returns the software result, or
// nothing where it failed. A NaN from the hardware (an invalid operation)
// and an infinity from finite operands (an overflow) must be failures.
std::optional<Extended> CheckOp(const Extended& a, Op op, const Extended& b, Tally& tally) {
  const Extended hardware = FromHardware(HardwareApply(ToHardware(a), op, ToHardware(b)));
  const bool mustFail =
      hardware.isNaN() || (hardware.isInfinity() && !a.isInfinity() && !b.isInfinity());
  const std::optional<Extended> software = SoftwareApply(a, op, b);
  const bool ok = mustFail ? !software : software && SameBits(*software, hardware);
  tally.Record(ok, ok ? std::string{}
                      : Describe(a) + " " + OpName(op) + " " + Describe(b) + ": hardware " +
                            (mustFail ? "fails" : Describe(hardware)) + ", software " +
                            (software ? Describe(*software) : "fails"));
  return software;
}

void CheckComparison(const Extended& a, const Extended& b, Tally& tally) {
  const volatile long double x = ToHardware(a);
  const volatile long double y = ToHardware(b);
  const bool ok = (x < y) == (a < b) && (x == y) == (a == b) && (x > y) == (a > b);
  tally.Record(ok, ok ? std::string{} : Describe(a) + " <=> " + Describe(b));
}

void CheckRoundToInt64(const Extended& x, Tally& tally) {
  const volatile long double value = ToHardware(x);
  const long double rounded = std::nearbyintl(value);
  const bool mustFail = std::isnan(rounded) || rounded >= 0x1p63L || rounded < -0x1p63L;
  std::optional<std::int64_t> software;
  try {
    software = RoundToInt64(x);
  } catch (const ArithmeticFailure&) {
  }
  bool ok;
  if (mustFail) {
    ok = !software;
  } else {
    const long long hardware = std::llrintl(value);
    ok = software && *software == hardware && static_cast<long double>(hardware) == rounded;
  }
  tally.Record(ok, ok ? std::string{} : "round " + Describe(x));
}

// Deterministic operand source: the same seed gives the same operands on
// every run, so a failure is reproducible.
class Source {
 public:
  explicit Source(std::uint64_t seed) : engine_(seed) {}

  std::uint64_t Bits() { return engine_(); }
  std::uint64_t Below(std::uint64_t n) { return engine_() % n; }
  int Between(int low, int high) { return low + static_cast<int>(Below(high - low + 1)); }
  bool Percent(int p) { return Below(100) < static_cast<std::uint64_t>(p); }
  bool Sign() { return (engine_() & 1) != 0; }

  // A significand with its top bit set, in shapes that reach rounding
  // boundaries: random, long runs of ones, sparse, and short (few bits).
  std::uint64_t Significand() {
    switch (Below(5)) {
      case 0:
      case 1:
        return Bits() | kTop;
      case 2: {
        std::uint64_t s = ~std::uint64_t{0};
        for (int i = static_cast<int>(Below(4)); i > 0; --i) {
          s &= ~(std::uint64_t{1} << Below(63));
        }
        return s;
      }
      case 3: {
        std::uint64_t s = kTop;
        for (int i = static_cast<int>(Below(4)); i > 0; --i) {
          s |= std::uint64_t{1} << Below(64);
        }
        return s;
      }
      default:
        return (Bits() | kTop) & (~std::uint64_t{0} << Below(64));
    }
  }

  // A value whose normalized exponent is `exponent`; below 1 it becomes a
  // denormal, above the largest it is clamped.
  Extended Finite(int exponent, std::uint64_t significand) {
    const bool negative = Sign();
    if (exponent > kMaxFinite) {
      exponent = kMaxFinite;
    }
    if (exponent >= 1) {
      return Extended::FromBits(negative, static_cast<std::uint16_t>(exponent), significand);
    }
    const int shift = 1 - exponent;
    const std::uint64_t denormal = shift < 64 ? significand >> shift : 0;
    return Extended::FromBits(negative, 0, denormal != 0 ? denormal : 1 + Below(3));
  }

  Extended Special() {
    const bool negative = Sign();
    switch (Below(10)) {
      case 0:
        return Extended::FromBits(negative, 0, 0);
      case 1:
        return Extended::FromBits(negative, 0x7FFF, kTop);
      case 2:
        return Extended::FromBits(negative, 0x7FFF, kTop | (kTop >> 1) | Below(1000));
      case 3:
        return Extended::FromBits(negative, 0x7FFF, kTop | (1 + Below(1000)));  // signaling
      case 4:
        return Extended::FromBits(negative, static_cast<std::uint16_t>(Between(1, kMaxFinite)),
                                  Bits() >> 1);  // unnormal
      case 5:
        return Extended::FromBits(negative, 0, Bits() | kTop);  // pseudo-denormal
      case 6:
        return Extended::FromBits(negative, 0x7FFF, Bits() >> 1);  // pseudo-NaN or -infinity
      case 7:
        return Extended::FromBits(negative, kMaxFinite, ~std::uint64_t{0});
      case 8:
        return Extended::FromBits(negative, 1, kTop);
      default:
        return Extended::FromBits(negative, 0, 1);
    }
  }

  int AnyExponent() {
    switch (Below(4)) {
      case 0:
        return Between(-70, 130);
      case 1:
        return Between(kMaxFinite - 130, kMaxFinite);
      case 2:
        return Between(kOne - 70, kOne + 70);
      default:
        return Between(1, kMaxFinite);
    }
  }

 private:
  std::mt19937_64 engine_;
};

struct Pair {
  Extended a;
  Extended b;
};

// Operands for a sum or difference: mostly close exponents, so that the
// alignment, carry and cancellation paths all run, with exact ties made on
// purpose by giving b's bits below a's last place the pattern 100...0.
Pair SumOperands(Source& source) {
  if (source.Percent(2)) {
    return {source.Special(), source.Percent(50) ? source.Special() : source.Finite(kOne, kTop)};
  }
  const int aExponent = source.AnyExponent();
  if (source.Percent(10)) {
    // b at about half of a's last place, with or without a sticky tail that
    // only jamming keeps: a wrong round bit shows up at once here.
    const std::uint64_t aSignificand = source.Percent(50) ? kTop : source.Significand();
    const std::uint64_t tail = source.Sign() ? std::uint64_t{1} << source.Below(8) : 0;
    return {source.Finite(aExponent, aSignificand),
            source.Finite(aExponent - source.Between(62, 67), kTop | tail)};
  }
  const Extended a = source.Finite(aExponent, source.Significand());
  if (source.Percent(5)) {
    // Near-total cancellation: b differs from a in the last few bits only.
    const std::uint64_t s = (a.significand() ^ source.Below(64)) | (a.biasedExponent() ? kTop : 0);
    return {a, Extended::FromBits(source.Sign(), a.biasedExponent(), s != 0 ? s : 1)};
  }
  int distance = static_cast<int>(source.Below(70)) - 2;
  if (source.Percent(15)) {
    distance = static_cast<int>(source.Below(20000)) - 10000;
  }
  std::uint64_t bSignificand = source.Significand();
  if (distance >= 1 && distance <= 64 && source.Percent(20)) {
    const std::uint64_t below =
        distance == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << distance) - 1;
    bSignificand = (bSignificand & ~below) | (std::uint64_t{1} << (distance - 1));
  }
  return {a, source.Finite(aExponent - distance, bSignificand)};
}

// A significand of `width` bits, odd, placed at the top of the word.
std::uint64_t ShortOdd(Source& source, int width) {
  const std::uint64_t bits = (source.Bits() | 1 | (std::uint64_t{1} << (width - 1))) &
                             (width == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1);
  return bits << (64 - width);
}

// Operands for a product aimed at a chosen result exponent, including the
// denormal range and the edge of overflow. Odd factors of m and n bits with
// m + n = 65 or 66 give products one or two bits too long, often exact ties.
Pair ProductOperands(Source& source) {
  if (source.Percent(2)) {
    return {source.Special(), source.Percent(50) ? source.Special() : source.Finite(kOne, kTop)};
  }
  int target;
  switch (source.Below(5)) {
    case 0:
      target = source.Between(-80, 3);
      break;
    case 1:
      target = source.Between(kMaxFinite - 2, kMaxFinite + 1);
      break;
    case 2:
      target = source.Between(kOne - 200, kOne + 200);
      break;
    default:
      target = source.Between(-100, kMaxFinite + 20);
      break;
  }
  // The product of exponents ea and eb lands at ea + eb - bias (+1 on carry).
  const int sum = target + kOne;
  const int low = std::max(-62, sum - kMaxFinite);
  const int high = std::min(kMaxFinite, sum + 62);
  const int aExponent = low <= high ? source.Between(low, high) : source.Between(1, kMaxFinite);
  const int bExponent = sum - aExponent;
  std::uint64_t aSignificand;
  std::uint64_t bSignificand;
  if (source.Percent(15)) {
    // Nearly all ones times nearly a power of two: results that round up
    // across a binade, out of the denormals or into overflow.
    aSignificand = ~std::uint64_t{0} << source.Below(3);
    bSignificand = kTop | source.Below(4);
  } else if (source.Percent(25)) {
    const int aWidth = source.Between(2, 64);
    const int total = source.Percent(50) ? 65 : 66;
    const int bWidth = std::clamp(total - aWidth, 1, 64);
    aSignificand = ShortOdd(source, aWidth);
    bSignificand = ShortOdd(source, bWidth);
  } else {
    aSignificand = source.Significand();
    bSignificand = source.Significand();
  }
  return {source.Finite(aExponent, aSignificand), source.Finite(bExponent, bSignificand)};
}

constexpr long kRandomPairs = 1'200'000;
constexpr long kShapeRuns = 400'000;

class ExtendedHardwareTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kHardwareIsX87) {
      GTEST_SKIP() << "long double is not the x87 80-bit format here";
    }
    // The checks assume 64-bit precision and round to nearest, the x87
    // default on x86-64 Linux: 1 + 2^-64 is a tie kept at 1, while
    // (1 + 2^-63) + 2^-64 is a tie rounded up to 1 + 2^-62.
    volatile long double one = 1.0L;
    volatile long double halfUlp = 0x1p-64L;
    volatile long double oneAndUlp = 1.0L + 0x1p-63L;
    ASSERT_TRUE(one + halfUlp == 1.0L && oneAndUlp + halfUlp == 1.0L + 0x1p-62L)
        << "the x87 unit is not at 64-bit precision with round to nearest";
  }
};

TEST_F(ExtendedHardwareTest, RandomSumsAndDifferencesMatch) {
  Source source(0x5EED'0001);
  Tally add{"add"};
  Tally subtract{"subtract"};
  Tally compare{"compare"};
  for (long i = 0; i < kRandomPairs; ++i) {
    const Pair p = SumOperands(source);
    CheckOp(p.a, Op::kAdd, p.b, add);
    CheckOp(p.a, Op::kSubtract, p.b, subtract);
    CheckComparison(p.a, p.b, compare);
  }
  add.Report();
  subtract.Report();
  compare.Report();
}

TEST_F(ExtendedHardwareTest, RandomProductsMatch) {
  Source source(0x5EED'0002);
  Tally multiply{"multiply"};
  for (long i = 0; i < kRandomPairs; ++i) {
    const Pair p = ProductOperands(source);
    CheckOp(p.a, Op::kMultiply, p.b, multiply);
  }
  multiply.Report();
}

// The shapes the pages compute: ((c x P) + 1) x price and
// (1 - (c x L)) x price, with c the stored one-percent value.
TEST_F(ExtendedHardwareTest, PercentShapesMatch) {
  Source source(0x5EED'0003);
  const Extended onePercent = Extended::FromReal48(kOnePercentReal48);
  const Extended one = Extended::FromInt32(1);
  Tally convert{"int32 conversion"};
  Tally steps{"percent shape steps"};
  Tally round{"percent shape rounding"};
  const auto fromInt32 = [&](std::int32_t v) {
    const volatile std::int32_t source32 = v;
    const Extended x = Extended::FromInt32(v);
    convert.Record(SameBits(x, FromHardware(source32)), "convert " + std::to_string(v));
    return x;
  };
  const auto randomInt32 = [&] { return static_cast<std::int32_t>(source.Bits()); };
  for (long i = 0; i < kShapeRuns; ++i) {
    const std::int32_t percent =
        source.Percent(50) ? static_cast<std::int32_t>(source.Below(100'000)) : randomInt32();
    const std::int32_t price =
        source.Percent(50) ? static_cast<std::int32_t>(source.Below(10'000'000)) : randomInt32();
    const Extended p = fromInt32(percent);
    const Extended q = fromInt32(price);
    const std::optional<Extended> fraction = CheckOp(onePercent, Op::kMultiply, p, steps);
    if (!fraction) {
      continue;
    }
    const std::optional<Extended> up = CheckOp(*fraction, Op::kAdd, one, steps);
    const std::optional<Extended> down = CheckOp(one, Op::kSubtract, *fraction, steps);
    for (const std::optional<Extended>& factor : {up, down}) {
      if (factor) {
        if (const std::optional<Extended> total = CheckOp(*factor, Op::kMultiply, q, steps)) {
          CheckRoundToInt64(*total, round);
        }
      }
    }
  }
  convert.Report();
  steps.Report();
  round.Report();
}

TEST_F(ExtendedHardwareTest, RoundToInt64MatchesNearbyint) {
  Source source(0x5EED'0004);
  Tally round{"RoundToInt64"};
  for (long i = 0; i < kRandomPairs; ++i) {
    if (source.Percent(1)) {
      CheckRoundToInt64(source.Special(), round);
      continue;
    }
    // Whole parts from none to beyond 64 bits, often exact halves.
    const int exponent =
        source.Percent(10) ? source.Between(-70, kOne - 2) : kOne + source.Between(-3, 66);
    std::uint64_t significand = source.Significand();
    const int fractionBits = kOne + 63 - exponent;
    if (fractionBits >= 1 && fractionBits <= 63 && source.Percent(30)) {
      const std::uint64_t below = (std::uint64_t{1} << fractionBits) - 1;
      significand = (significand & ~below) | (std::uint64_t{1} << (fractionBits - 1));
    }
    CheckRoundToInt64(source.Finite(exponent, significand), round);
  }
  round.Report();
}

}  // namespace
}  // namespace pelorin
