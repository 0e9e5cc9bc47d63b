#include "pages/profit_loss_calculation.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "numbers/number_rules.h"
#include "pages/guarded_block.h"
#include "pages/status_messages.h"
#include "pages/trading_unit.h"

namespace pelorin {
namespace {

// One percent as the program has always stored it: 0.01 in a 6-byte real,
// exactly 703687441777 x 2^-46. It lies about 5e-15 above 0.01, and that
// excess decides how prices near a half yen round, so it is rebuilt from the
// stored bytes rather than written as 0.01.
Extended OnePercent() {
  constexpr std::array<std::uint8_t, 6> kStoredBytes = {0x7A, 0x71, 0x3D, 0x0A, 0xD7, 0x23};
  return Extended::FromReal48(kStoredBytes);
}

struct ProfitLossValues {
  // The percents are whole numbers held as doubles; every 32-bit value is exact there.
  double takeProfitPercent = 0;
  double stopLossPercent = 0;
  std::int64_t buyingPower = 0;  // read as 32-bit, widened
  std::int64_t sharePrice = 0;   // read as 32-bit, widened
  std::int32_t unit = 0;
  std::int32_t tradableShares = 0;
  std::int64_t takeProfitPrice = 0;
  std::int64_t stopLossPrice = 0;
  std::int64_t profit = 0;
  std::int64_t loss = 0;
};

// Each percent is stored as soon as it parses, so a stop-loss entry that is not
// an integer leaves the take-profit percent in place.
void ParsePercents(const ProfitLossEntries& entries, ProfitLossValues& v) {
  v.takeProfitPercent = ParseInt32(entries.takeProfitPercent);
  v.stopLossPercent = ParseInt32(entries.stopLossPercent);
}

// This page reads the quantity page's entries as 32-bit, the buying power too,
// and takes negative values as they are.
void ParseQuantityEntries(const ProfitLossEntries& entries, ProfitLossValues& v) {
  v.buyingPower = ParseInt32(entries.buyingPower);
  v.sharePrice = ParseInt32(entries.sharePrice);
}

// ((c x P) + 1) x price, each operation rounded once in extended precision.
std::int64_t TakeProfitPrice(double percent, std::int64_t sharePrice) {
  const Extended raised = OnePercent() * Extended::FromDouble(percent) + Extended::FromInt32(1);
  return RoundToInt64(raised * Extended::FromInt64(sharePrice));
}

// (1 - (c x L)) x price, each operation rounded once in extended precision. At
// L = 100 the excess of c makes this a tiny negative amount, which rounds to 0.
std::int64_t StopLossPrice(double percent, std::int64_t sharePrice) {
  const Extended lowered = Extended::FromInt32(1) - OnePercent() * Extended::FromDouble(percent);
  return RoundToInt64(lowered * Extended::FromInt64(sharePrice));
}

// A lot cost of zero fails the division, and then nothing after it is
// computed. The share count is a 32-bit product from the lot count's low 32
// bits; the profit and the loss are 64-bit, with the shares widened.
void ComputeProfitLoss(ProfitLossValues& v) {
  const std::int64_t lotCost = WrapMul(v.sharePrice, v.unit);
  const std::int64_t lotCount = DivideTruncating(v.buyingPower, lotCost);
  v.tradableShares = WrapMul32(Narrow32(lotCount), v.unit);
  v.takeProfitPrice = TakeProfitPrice(v.takeProfitPercent, v.sharePrice);
  v.stopLossPrice = StopLossPrice(v.stopLossPercent, v.sharePrice);
  v.profit = WrapMul(WrapSub(v.takeProfitPrice, v.sharePrice), v.tradableShares);
  v.loss = WrapMul(WrapSub(v.sharePrice, v.stopLossPrice), v.tradableShares);
}

// What a failed block leaves in the four results until the display step
// writes over them.
void ShowZeroText(ProfitLossTexts& texts) {
  // Built as a string first: assigning the view trips a false -Wrestrict in GCC 12.
  texts.takeProfitPrice = std::string(kZeroText);
  texts.stopLossPrice = std::string(kZeroText);
  texts.profit = std::string(kZeroText);
  texts.loss = std::string(kZeroText);
}

// The message for percents out of range, or nothing. A stop-loss above 100 %
// outweighs every sign; two negative percents share one message.
std::string_view PercentMessage(double takeProfit, double stopLoss) {
  if (stopLoss > 100) {
    return messages::kStopLossOver100;
  }
  if (takeProfit < 0 && stopLoss < 0) {
    return messages::kPercentsNegative;
  }
  if (takeProfit < 0) {
    return messages::kTakeProfitNegative;
  }
  if (stopLoss < 0) {
    return messages::kStopLossNegative;
  }
  return {};
}

// Writes each result whose percent is in range; the others keep what the
// calculation left in them. The stop-loss price box shows "0" at exactly
// 100 %, while the loss is still formatted there.
void ShowResults(const ProfitLossValues& v, ProfitLossTexts& texts) {
  const double takeProfit = v.takeProfitPercent;
  const double stopLoss = v.stopLossPercent;
  if (takeProfit > 0) {
    texts.takeProfitPrice = FormatGrouped(v.takeProfitPrice);
    texts.profit = FormatGrouped(v.profit);
  }
  if (stopLoss > 0 && stopLoss < 100) {
    texts.stopLossPrice = FormatGrouped(v.stopLossPrice);
  } else if (stopLoss == 100) {
    texts.stopLossPrice = std::string(kZeroText);
  }
  if (stopLoss > 0 && stopLoss <= 100) {
    // Negated so that an ordinary loss shows with a minus sign.
    texts.loss = FormatGrouped(WrapNeg(v.loss));
  }
  if (const std::string_view message = PercentMessage(takeProfit, stopLoss); !message.empty()) {
    texts.status = message;
  }
}

}  // namespace

ProfitLossTexts CalculateProfitLoss(const ProfitLossEntries& entries) {
  ProfitLossTexts texts;
  ProfitLossValues v;
  if (!RunGuarded([&] { ParsePercents(entries, v); })) {
    texts.status = messages::kEnterPercents;
    ShowZeroText(texts);
  }
  if (!RunGuarded([&] { ParseQuantityEntries(entries, v); })) {
    // Replaces any message about the percents.
    texts.status = messages::kEnterIntegers;
    ShowZeroText(texts);
  }
  v.unit = TradingUnit(entries.unitIndex);
  if (!RunGuarded([&] { ComputeProfitLoss(v); })) {
    // No message of its own: a zero lot cost is reported only by empty results.
    ShowZeroText(texts);
  }
  ShowResults(v, texts);
  return texts;
}

}  // namespace pelorin
