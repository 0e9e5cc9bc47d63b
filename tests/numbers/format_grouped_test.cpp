#include "numbers/format_grouped.h"

#include <gtest/gtest.h>

#include <limits>

#include "display_characters_guard.h"

namespace pelorin {
namespace {

TEST(FormatGroupedTest, RendersByThePattern) {
  struct Case {
    std::int64_t v;
    std::string_view text;
  };
  const Case cases[] = {
      {0, ""},
      {7, "7"},
      {-7, "-7"},
      {999, "999"},
      {1000, "1,000"},
      {-1000, "-1,000"},
      {1234567, "1,234,567"},
      {-1234567, "-1,234,567"},
      {100098953955, "100,098,953,955"},
      {999999999999999999, "999,999,999,999,999,999"},
      {-999999999999999999, "-999,999,999,999,999,999"},
      {1000000000000000000, "1E18"},
      {-1000000000000000000, "-1E18"},
      {1000000000000000005, "1E18"},  // tie to even in the 18-digit step
      {1234567890123456789, "1.23456789012346E18"},
      {1500000000000000000, "1.5E18"},
      {1999999999999999999, "2E18"},
      {9223372036854775807, "9.22337203685478E18"},
      {std::numeric_limits<std::int64_t>::min(), "-9.22337203685478E18"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.v);
    EXPECT_EQ(FormatGrouped(c.v, DisplayCharacters{}), c.text);
  }
}

// In 1000000000000004995 the 18-digit step meets the tie ...499.5 and rounds
// it to the even ...500, whose cut at 15 digits then rounds up; one rounding
// straight to 15 digits would give 1E18.
TEST(FormatGroupedTest, RoundsNineteenDigitsInTwoSteps) {
  EXPECT_EQ(FormatGrouped(1000000000000004995, DisplayCharacters{}), "1.00000000000001E18");
  EXPECT_EQ(FormatGrouped(1000000000000004985, DisplayCharacters{}), "1E18");
  EXPECT_EQ(FormatGrouped(1000000000000004994, DisplayCharacters{}), "1E18");
}

TEST(FormatGroupedTest, UsesTheGivenCharacters) {
  EXPECT_EQ(FormatGrouped(1234567, {".", ','}), "1.234.567");
  EXPECT_EQ(FormatGrouped(1234567, {"", '.'}), "1234567");
  EXPECT_EQ(FormatGrouped(-1234567, {"'", '.'}), "-1'234'567");
  EXPECT_EQ(FormatGrouped(9223372036854775807, {".", ','}), "9,22337203685478E18");
}

TEST(FormatGroupedTest, DefaultsToTheProcessWideCharacters) {
  DisplayCharactersGuard guard;
  EXPECT_EQ(FormatGrouped(1234567), "1,234,567");
  SetDisplayCharacters({" ", ','});
  EXPECT_EQ(FormatGrouped(1234567), "1 234 567");
  EXPECT_EQ(FormatGrouped(1234567890123456789), "1,23456789012346E18");
}

TEST(FormatGroupedTest, ZeroTextIsThePlainZero) {
  EXPECT_EQ(kZeroText, "0");
  EXPECT_NE(std::string(kZeroText), FormatGrouped(0));
}

}  // namespace
}  // namespace pelorin
