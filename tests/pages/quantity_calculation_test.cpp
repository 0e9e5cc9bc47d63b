#include "pages/quantity_calculation.h"

#include <gtest/gtest.h>

#include "pages/status_messages.h"
#include "texts_printers.h"

namespace pelorin {
namespace {

namespace msg = messages;

struct Case {
  std::string_view name;
  QuantityEntries entries;
  QuantityTexts want;  // status, tradable shares, remaining buying power
};

void ExpectAll(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CalculateQuantity(c.entries), c.want);
  }
}

TEST(CalculateQuantityTest, WholeLotsAndRemainder) {
  ExpectAll({
      {"typical use, 100-share lots", {"1000000", "1234", 4}, {"", "800", "12,800"}},
      {"exact fit leaves no remainder", {"100000", "1000", 4}, {"", "100", ""}},
      {"no whole lot fits", {"500", "1000", 0}, {"", "", "500"}},
      {"zero buying power", {"0", "1234", 4}, {"", "", ""}},
      {"13-digit buying power", {"9999999999999", "1", 0}, {"", "9,999,999,999,999", ""}},
      {"buying power beyond 32 bits", {"3000000000", "1234", 6}, {"", "2,431,000", "146,000"}},
      {"hexadecimal entries", {"$3E8", "x64", 0}, {"", "10", ""}},
      {"leading spaces", {"  1000", " 7", 1}, {"", "140", "20"}},
  });
}

TEST(CalculateQuantityTest, EveryTradingUnit) {
  const std::string_view shares[] = {"810", "810", "810", "800", "800", "500", ""};
  const std::string_view remaining[] = {"460",    "460",     "460",      "12,800",
                                        "12,800", "383,000", "1,000,000"};
  for (int index = 0; index < 7; ++index) {
    SCOPED_TRACE(index);
    const QuantityTexts texts = CalculateQuantity({"1000000", "1234", index});
    EXPECT_EQ(texts.tradableShares, shares[index]);
    EXPECT_EQ(texts.remainingPower, remaining[index]);
  }
}

TEST(CalculateQuantityTest, NegativeEntriesAreReportedAndShowNoShareCount) {
  ExpectAll({
      {"negative buying power",
       {"-1050", "100", 0},
       {std::string(msg::kBuyingPowerNegative), "", "-50"}},
      {"negative share price",
       {"1050", "-100", 0},
       {std::string(msg::kSharePriceNegative), "", "50"}},
      {"both negative", {"-1050", "-100", 0}, {std::string(msg::kBothNegative), "", "-50"}},
      {"negative buying power, zero price",
       {"-5", "0", 0},
       {std::string(msg::kBuyingPowerNegative), "0", ""}},
      {"zero buying power, negative price",
       {"0", "-5", 0},
       {std::string(msg::kSharePriceNegative), "", ""}},
  });
}

TEST(CalculateQuantityTest, EntriesThatAreNotIntegers) {
  const std::string parse(msg::kEnterIntegers);
  ExpectAll({
      {"both empty", {"", "", 0}, {parse, "", ""}},
      {"buying power not an integer", {"abc", "100", 0}, {parse, "", ""}},
      {"share price not an integer", {"1000", "abc", 0}, {parse, "", ""}},
      {"share price beyond 32 bits", {"1000", "2147483648", 0}, {parse, "", ""}},
      {"thousands separators", {"1,000,000", "1234", 4}, {parse, "", ""}},
      {"full-width digits", {"\xEF\xBC\x91\xEF\xBC\x90\xEF\xBC\x90", "1", 0}, {parse, "", ""}},
      {"trailing space", {"1000 ", "1", 0}, {parse, "", ""}},
      {"negative buying power replaces the parse message",
       {"-1000", "abc", 0},
       {std::string(msg::kBuyingPowerNegative), "0", ""}},
  });
}

TEST(CalculateQuantityTest, ZeroLotCostShowsNoResult) {
  ExpectAll({
      {"zero share price", {"5000", "0", 3}, {"", "", ""}},
      {"unit index past the table", {"1000", "10", 7}, {"", "", ""}},
      {"negative unit index", {"1000", "10", -1}, {"", "", ""}},
      {"unit index past the table, negative buying power",
       {"-1000", "10", 7},
       {std::string(msg::kBuyingPowerNegative), "0", ""}},
  });
}

}  // namespace
}  // namespace pelorin
