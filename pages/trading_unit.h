#pragma once

#include <cstdint>

namespace pelorin {

// Shares per lot for the trading-unit choice at `unitIndex` (0 to 6: 1, 5,
// 10, 50, 100, 500, 1000); 0 for any other index, which makes every lot cost
// zero.
std::int32_t TradingUnit(int unitIndex);

}  // namespace pelorin
