#include "numbers/parse_integer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "numbers/failures.h"

namespace pelorin {
namespace {

// nullopt stands for a conversion failure.
struct Case {
  std::string_view text;
  std::optional<std::int32_t> int32;
  std::optional<std::int64_t> int64;
};

constexpr auto kFails = std::nullopt;
constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

const Case kCases[] = {
    {"123", 123, 123},
    {"   -45", -45, -45},
    {"+7", 7, 7},
    {"007", 7, 7},
    {"-0", 0, 0},
    {"+0", 0, 0},
    {"", kFails, kFails},
    {" ", kFails, kFails},
    {"   ", kFails, kFails},
    {"-", kFails, kFails},
    {"+", kFails, kFails},
    {"123 ", kFails, kFails},
    {"- 5", kFails, kFails},
    {"+-5", kFails, kFails},
    {"--5", kFails, kFails},
    {"1,000", kFails, kFails},
    {"1.5", kFails, kFails},
    {"1e3", kFails, kFails},
    {"1 000", kFails, kFails},
    {"\t5", kFails, kFails},
    {"\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93", kFails, kFails},  // full-width digits
    {"\xE3\x80\x80"
     "123",
     kFails, kFails},                    // full-width space
    {"12\xE5\x86\x86", kFails, kFails},  // trailing non-ASCII
    {"2147483647", 2147483647, 2147483647},
    {"2147483648", kFails, 2147483648},
    {"-2147483648", -2147483648LL, -2147483648LL},
    {"-2147483649", kFails, -2147483649LL},
    {"00000000000000000002147483647", 2147483647, 2147483647},
    {"9223372036854775807", kFails, kInt64Max},
    {"9223372036854775808", kFails, kFails},
    {"-9223372036854775808", kFails, kInt64Min},
    {"-9223372036854775809", kFails, kFails},
    {"99999999999999999999", kFails, kFails},
    {"$FF", 255, 255},
    {"0xFF", 255, 255},
    {"0XfF", 255, 255},
    {"  $ff", 255, 255},
    {"xFF", 255, kFails},
    {"X1f", 31, kFails},
    {"-$FF", kFails, -255},
    {"-0x10", kFails, -16},
    {"+$10", kFails, 16},
    {"-xFF", kFails, kFails},
    {"$", kFails, kFails},
    {"0x", kFails, kFails},
    {"x", kFails, kFails},
    {"$-5", kFails, kFails},
    {"$FG", kFails, kFails},
    {"$FF ", kFails, kFails},
    {"$FFFFFFFF", -1, 4294967295LL},
    {"$80000000", -2147483648LL, 2147483648LL},
    {"$100000000", kFails, 4294967296LL},
    {"$000000001", 1, 1},
    {"$0000000000000000000FFFFFFFF", -1, 4294967295LL},
    {"$7FFFFFFFFFFFFFFF", kFails, kInt64Max},
    {"-$7FFFFFFFFFFFFFFF", kFails, -kInt64Max},
    {"$8000000000000000", kFails, kFails},
    {"-$8000000000000000", kFails, kFails},
};

template <typename Parse>
auto Attempt(Parse parse, std::string_view text) -> std::optional<decltype(parse(text))> {
  try {
    return parse(text);
  } catch (const ConversionFailure&) {
    return std::nullopt;
  }
}

TEST(ParseIntegerTest, AcceptsExactlyTheEntryForms) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
    EXPECT_EQ(Attempt(ParseInt32, c.text), c.int32);
    EXPECT_EQ(Attempt(ParseInt64, c.text), c.int64);
  }
}

TEST(ParseIntegerTest, FailureIsAStandardException) {
  EXPECT_THROW(ParseInt32("abc"), std::exception);
  EXPECT_THROW(ParseInt64("abc"), ConversionFailure);
}

TEST(ParseIntegerTest, RoundTripsRandomValuesOfEveryMagnitude) {
  std::mt19937_64 random(20261211);
  for (int i = 0; i < 10000; ++i) {
    const auto v = static_cast<std::int64_t>(random() >> (random() % 64));
    const std::int64_t signed_v = (i % 2 == 0) ? v : -v;
    EXPECT_EQ(ParseInt64(std::to_string(signed_v)), signed_v);
    const auto v32 = static_cast<std::int32_t>(signed_v);
    EXPECT_EQ(ParseInt32(std::to_string(v32)), v32);
  }
}

}  // namespace
}  // namespace pelorin
