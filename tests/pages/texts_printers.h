#pragma once

#include <ostream>

#include "pages/profit_loss_calculation.h"
#include "pages/quantity_calculation.h"

// Readable failure output for the calculations' result texts.
namespace pelorin {

inline void PrintTo(const QuantityTexts& t, std::ostream* os) {
  *os << "{status \"" << t.status << "\", shares \"" << t.tradableShares << "\", remaining \""
      << t.remainingPower << "\"}";
}

inline void PrintTo(const ProfitLossTexts& t, std::ostream* os) {
  *os << "{status \"" << t.status << "\", take-profit \"" << t.takeProfitPrice << "\", stop-loss \""
      << t.stopLossPrice << "\", profit \"" << t.profit << "\", loss \"" << t.loss << "\"}";
}

}  // namespace pelorin
