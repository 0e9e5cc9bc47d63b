#include "numbers/wrapping.h"

#include <gtest/gtest.h>

#include <limits>

namespace pelorin {
namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

TEST(WrappingTest, SixtyFourBitOperationsWrapModulo2To64) {
  EXPECT_EQ(WrapMul(4611686018427387904, 4), 0);
  EXPECT_EQ(WrapMul(kMax, 2), -2);
  EXPECT_EQ(WrapMul(-3, 7), -21);
  EXPECT_EQ(WrapNeg(kMin), kMin);
  EXPECT_EQ(WrapNeg(5), -5);
  EXPECT_EQ(WrapAdd(kMax, 1), kMin);
  EXPECT_EQ(WrapSub(kMin, 1), kMax);
  EXPECT_EQ(WrapSub(1050, 1000), 50);
}

TEST(WrappingTest, ThirtyTwoBitMultiplyAndNarrowingKeepTheLow32Bits) {
  EXPECT_EQ(WrapMul32(65536, 65536), 0);
  EXPECT_EQ(WrapMul32(2147483647, 2), -2);
  EXPECT_EQ(WrapMul32(-8, 100), -800);
  EXPECT_EQ(Narrow32(4294967296), 0);
  EXPECT_EQ(Narrow32(2147483648), -2147483648);
  EXPECT_EQ(Narrow32(-1), -1);
  EXPECT_EQ(Narrow32(kMin + 7), 7);
}

TEST(WrappingTest, DivisionTruncatesTowardZero) {
  struct Case {
    std::int64_t dividend, divisor, quotient;
  };
  const Case cases[] = {
      {7, 2, 3},         {-7, 2, -3},       {7, -2, -3},      {-7, -2, 3},     {1, -2, 0},
      {-1050, 100, -10}, {1050, -100, -10}, {kMin, -1, kMin}, {kMin, 1, kMin}, {kMax, -1, -kMax},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dividend << " / " << c.divisor);
    EXPECT_EQ(DivideTruncating(c.dividend, c.divisor), c.quotient);
  }
}

TEST(WrappingTest, DivisionByZeroIsAnArithmeticFailure) {
  EXPECT_THROW(DivideTruncating(1, 0), ArithmeticFailure);
  EXPECT_THROW(DivideTruncating(0, 0), ArithmeticFailure);
  EXPECT_THROW(DivideTruncating(kMin, 0), ArithmeticFailure);
}

}  // namespace
}  // namespace pelorin
