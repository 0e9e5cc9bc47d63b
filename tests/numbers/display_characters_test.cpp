#include "numbers/display_characters.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

TEST(DisplayCharactersTest, TakesOnlyOneByteSeparators) {
  struct Case {
    std::string_view name, thousands, decimal;
    DisplayCharacters want;
  };
  const Case cases[] = {
      {"Japanese", ",", ".", {",", '.'}},
      {"German", ".", ",", {".", ','}},
      {"Swiss", "'", ".", {"'", '.'}},
      {"no grouping", "", ".", {"", '.'}},
      {"no-break space (two bytes)", "\xC2\xA0", ",", {",", ','}},
      {"narrow no-break space (three bytes)", "\xE2\x80\xAF", ",", {",", ','}},
      {"two-byte decimal", ",", "\xD9\xAB", {",", '.'}},
      {"empty decimal", ",", "", {",", '.'}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DisplayCharactersFromLocale(c.thousands, c.decimal), c.want);
  }
}

}  // namespace
}  // namespace pelorin
