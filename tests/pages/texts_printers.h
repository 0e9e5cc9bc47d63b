#pragma once

#include <ostream>

#include "pages/quantity_calculation.h"

// Readable failure output for the calculations' result texts.
namespace pelorin {

inline void PrintTo(const QuantityTexts& t, std::ostream* os) {
  *os << "{status \"" << t.status << "\", shares \"" << t.tradableShares << "\", remaining \""
      << t.remainingPower << "\"}";
}

}  // namespace pelorin
