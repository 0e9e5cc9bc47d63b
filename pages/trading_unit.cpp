#include "pages/trading_unit.h"

#include <array>

namespace pelorin {

std::int32_t TradingUnit(int unitIndex) {
  constexpr std::array<std::int32_t, 7> kUnits = {1, 5, 10, 50, 100, 500, 1000};
  if (unitIndex < 0 || unitIndex >= static_cast<int>(kUnits.size())) {
    return 0;
  }
  return kUnits[static_cast<std::size_t>(unitIndex)];
}

}  // namespace pelorin
