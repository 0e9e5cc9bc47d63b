#include "pages/profit_loss_calculation.h"

#include <gtest/gtest.h>

#include "pages/status_messages.h"
#include "texts_printers.h"

namespace pelorin {
namespace {

namespace msg = messages;

struct Case {
  std::string_view name;
  ProfitLossEntries entries;  // take-profit %, stop-loss %, buying power, share price, unit index
  ProfitLossTexts want;       // status, take-profit price, stop-loss price, profit, loss
};

void ExpectAll(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CalculateProfitLoss(c.entries), c.want);
  }
}

// 1,000,000 yen at 1,234 yen a share in 100-share lots: 8 lots, 800 shares.
ProfitLossEntries TypicalWith(std::string takeProfit, std::string stopLoss) {
  return {std::move(takeProfit), std::move(stopLoss), "1000000", "1234", 4};
}

TEST(CalculateProfitLossTest, WorkedExamples) {
  ExpectAll({
      {"typical use", TypicalWith("10", "5"), {"", "1,357", "1,172", "98,400", "-49,600"}},
      // Exactly 0.01 would make both prices ties, 4.5 and 1.5, and round them to 4 and 2.
      {"one-percent factor breaks the ties",
       {"50", "50", "1000", "3", 0},
       {"", "5", "1", "666", "-666"}},
      {"stop-loss at 100 %", TypicalWith("10", "100"), {"", "1,357", "0", "98,400", "-987,200"}},
  });
}

TEST(CalculateProfitLossTest, OutcomeForEachRangeOfThePercents) {
  const std::string bothNegative(msg::kPercentsNegative);
  const std::string takeProfitNegative(msg::kTakeProfitNegative);
  const std::string stopLossNegative(msg::kStopLossNegative);
  const std::string over100(msg::kStopLossOver100);
  ExpectAll({
      {"P < 0, L < 0", TypicalWith("-10", "-5"), {bothNegative, "", "", "", ""}},
      {"P < 0, L = 0", TypicalWith("-1", "0"), {takeProfitNegative, "", "", "", ""}},
      {"P < 0, 0 < L < 100",
       TypicalWith("-10", "5"),
       {takeProfitNegative, "", "1,172", "", "-49,600"}},
      {"P < 0, L = 100", TypicalWith("-10", "100"), {takeProfitNegative, "", "0", "", "-987,200"}},
      {"P < 0, L > 100", TypicalWith("-10", "101"), {over100, "", "", "", ""}},
      {"P = 0, L < 0", TypicalWith("0", "-1"), {stopLossNegative, "", "", "", ""}},
      {"P = 0, L = 0", TypicalWith("0", "0"), {"", "", "", "", ""}},
      {"P = 0, 0 < L < 100", TypicalWith("0", "1"), {"", "", "1,222", "", "-9,600"}},
      {"P = 0, L = 100", TypicalWith("0", "100"), {"", "", "0", "", "-987,200"}},
      {"P = 0, L > 100", TypicalWith("0", "101"), {over100, "", "", "", ""}},
      {"P > 0, L < 0", TypicalWith("10", "-5"), {stopLossNegative, "1,357", "", "98,400", ""}},
      {"P > 0, L = 0", TypicalWith("10", "0"), {"", "1,357", "", "98,400", ""}},
      {"P > 0, 0 < L < 100", TypicalWith("10", "99"), {"", "1,357", "12", "98,400", "-977,600"}},
      {"P > 0, L = 100", TypicalWith("1", "100"), {"", "1,246", "0", "9,600", "-987,200"}},
      {"P > 0, L > 100", TypicalWith("10", "101"), {over100, "1,357", "", "98,400", ""}},
  });
}

TEST(CalculateProfitLossTest, PricesRoundWithTheStoredOnePercent) {
  ExpectAll({
      // Exactly 0.01 gives 100,098,953,954.46; the stored factor gives 954.51.
      {"largest take-profit percent, no whole lot",
       {"99999", "5", "1000000", "99999954", 4},
       {"", "100,098,953,955", "94,999,956", "", ""}},
      {"largest take-profit percent, 21 shares",
       {"99999", "5", "2147483647", "99999954", 0},
       {"", "100,098,953,955", "94,999,956", "2,099,978,034,021", "-104,999,958"}},
      // Rounded to double precision the product would be the tie ...186.5 and go to even.
      {"extended precision keeps the excess",
       {"43544", "5", "2147483647", "89787442", 0},
       {"", "39,186,831,187", "85,298,070", "899,232,006,135", "-103,255,556"}},
  });
}

TEST(CalculateProfitLossTest, SharesFromTheQuantityEntries) {
  ExpectAll({
      {"no whole lot fits", {"10", "5", "100000", "1234", 4}, {"", "1,357", "1,172", "", ""}},
      {"1000-share lots",
       {"10", "5", "1000000", "100", 6},
       {"", "110", "95", "100,000", "-50,000"}},
      // Lot count -8 by truncation toward zero, so -800 shares.
      {"negative buying power is not reported",
       {"10", "5", "-1000000", "1234", 4},
       {"", "1,357", "1,172", "-98,400", "49,600"}},
      {"negative share price is not reported",
       {"10", "5", "1000000", "-1234", 4},
       {"", "-1,357", "-1,172", "98,400", "-49,600"}},
      // 2^31 lots of one share wrap to -2^31 shares in 32 bits.
      {"share count wraps at 32 bits",
       {"50", "50", "-2147483648", "-1", 0},
       {"", "-2", "", "2,147,483,648", "-2,147,483,648"}},
      {"hexadecimal and space-led entries",
       {" $A", "x5", "$F4240", " 1234", 4},
       {"", "1,357", "1,172", "98,400", "-49,600"}},
  });
}

TEST(CalculateProfitLossTest, PercentsThatAreNotIntegers) {
  const std::string parse(msg::kEnterPercents);
  ExpectAll({
      {"take-profit percent empty", TypicalWith("", "5"), {parse, "0", "0", "0", "0"}},
      {"take-profit percent with a decimal point",
       TypicalWith("10.5", "5"),
       {parse, "0", "0", "0", "0"}},
      {"take-profit percent beyond 32 bits",
       TypicalWith("2147483648", "5"),
       {parse, "0", "0", "0", "0"}},
      {"full-width digits",
       TypicalWith("\xEF\xBC\x91\xEF\xBC\x90", "5"),
       {parse, "0", "0", "0", "0"}},
      // The take-profit percent parsed before the failure and is kept.
      {"stop-loss percent empty", TypicalWith("10", ""), {parse, "1,357", "0", "98,400", "0"}},
      {"stop-loss percent not an integer",
       TypicalWith("10", "abc"),
       {parse, "1,357", "0", "98,400", "0"}},
      {"negative take-profit, stop-loss not an integer",
       TypicalWith("-10", "abc"),
       {std::string(msg::kTakeProfitNegative), "0", "0", "0", "0"}},
  });
}

TEST(CalculateProfitLossTest, QuantityEntriesThatAreNot32BitIntegers) {
  const std::string parse(msg::kEnterIntegers);
  ExpectAll({
      {"buying power not an integer", {"10", "5", "abc", "1234", 4}, {parse, "", "", "", ""}},
      {"share price not an integer", {"10", "5", "1000000", "abc", 4}, {parse, "", "", "", ""}},
      {"buying power beyond 32 bits",
       {"10", "5", "3000000000", "1234", 4},
       {parse, "", "", "", ""}},
      {"stop-loss at 100 %", {"10", "100", "abc", "1234", 4}, {parse, "", "0", "", ""}},
      {"both percents zero", {"0", "0", "abc", "1234", 4}, {parse, "0", "0", "0", "0"}},
      {"negative take-profit replaces the message",
       {"-10", "5", "abc", "1234", 4},
       {std::string(msg::kTakeProfitNegative), "0", "", "0", ""}},
      {"stop-loss over 100 % replaces the message",
       {"10", "101", "1000000", "", 4},
       {std::string(msg::kStopLossOver100), "", "0", "", "0"}},
      {"both blocks fail, the later message wins",
       {"abc", "5", "abc", "1234", 4},
       {parse, "0", "0", "0", "0"}},
      {"stop-loss and share price fail",
       {"10", "abc", "1000000", "abc", 4},
       {parse, "", "0", "", "0"}},
  });
}

TEST(CalculateProfitLossTest, ZeroLotCostShowsNoResult) {
  ExpectAll({
      {"zero share price", {"10", "5", "1000000", "0", 4}, {"", "", "", "", ""}},
      {"zero share price, both percents zero",
       {"0", "0", "1000000", "0", 4},
       {"", "0", "0", "0", "0"}},
      {"zero share price, stop-loss at 100 %",
       {"10", "100", "1000000", "0", 4},
       {"", "", "0", "", ""}},
      {"zero share price, both percents negative",
       {"-10", "-5", "1000000", "0", 4},
       {std::string(msg::kPercentsNegative), "0", "0", "0", "0"}},
      {"unit index past the table", {"10", "5", "1000000", "1234", 7}, {"", "", "", "", ""}},
      {"negative unit index", {"0", "0", "1000000", "1234", -1}, {"", "0", "0", "0", "0"}},
  });
}

}  // namespace
}  // namespace pelorin
