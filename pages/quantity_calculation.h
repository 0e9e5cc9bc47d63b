#pragma once

#include <string>

namespace pelorin {

// The quantity page's entries: the texts of the buying power and share price
// fields (UTF-8) and the trading-unit choice's index.
struct QuantityEntries {
  std::string buyingPower;
  std::string sharePrice;
  int unitIndex = 0;
};

// The texts the page shows after a calculation: the status line, the
// tradable shares and the remaining buying power.
struct QuantityTexts {
  std::string status;
  std::string tradableShares;
  std::string remainingPower;

  friend bool operator==(const QuantityTexts&, const QuantityTexts&) = default;
};

// How many shares the buying power buys in whole lots, and what remains.
// Every outcome depends on the entries alone.
QuantityTexts CalculateQuantity(const QuantityEntries& entries);

}  // namespace pelorin
