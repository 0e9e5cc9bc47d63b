#include "pages/quantity_calculation.h"

#include <cstdint>

#include "numbers/number_rules.h"
#include "pages/guarded_block.h"
#include "pages/status_messages.h"
#include "pages/trading_unit.h"

namespace pelorin {
namespace {

struct QuantityValues {
  std::int64_t buyingPower = 0;
  std::int64_t sharePrice = 0;  // read as 32-bit, widened
  std::int64_t unit = 0;
  std::int64_t tradableShares = 0;
  std::int64_t remainingPower = 0;
};

// The remainder has the sign of the buying power and is smaller than one lot.
void ComputeWholeLots(QuantityValues& v) {
  const std::int64_t lotCost = WrapMul(v.sharePrice, v.unit);
  const std::int64_t lotCount = DivideTruncating(v.buyingPower, lotCost);
  v.tradableShares = WrapMul(v.unit, lotCount);
  v.remainingPower = WrapSub(v.buyingPower, WrapMul(v.sharePrice, v.tradableShares));
}

// The message for negative entries, or nothing when neither is negative.
std::string_view SignMessage(const QuantityValues& v) {
  if (v.buyingPower < 0 && v.sharePrice < 0) {
    return messages::kBothNegative;
  }
  if (v.buyingPower < 0) {
    return messages::kBuyingPowerNegative;
  }
  if (v.sharePrice < 0) {
    return messages::kSharePriceNegative;
  }
  return {};
}

}  // namespace

QuantityTexts CalculateQuantity(const QuantityEntries& entries) {
  QuantityTexts texts;
  QuantityValues v;
  if (!RunGuarded([&] {
        v.buyingPower = ParseInt64(entries.buyingPower);
        v.sharePrice = ParseInt32(entries.sharePrice);
      })) {
    texts.status = messages::kEnterIntegers;
  }
  v.unit = TradingUnit(entries.unitIndex);
  if (!RunGuarded([&] { ComputeWholeLots(v); })) {
    // Built as a string first: assigning the view trips a false -Wrestrict in GCC 12.
    texts.tradableShares = std::string(kZeroText);
  }
  texts.remainingPower = FormatGrouped(v.remainingPower);
  if (const std::string_view message = SignMessage(v); !message.empty()) {
    // The share count stays as the failed arithmetic left it: empty, or "0".
    texts.status = message;
    return texts;
  }
  texts.tradableShares = FormatGrouped(v.tradableShares);
  return texts;
}

}  // namespace pelorin
