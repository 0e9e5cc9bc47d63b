#pragma once

#include <string>

namespace pelorin {

// The profit-and-loss page's entries: the texts of its two percent fields,
// the quantity page's buying power and share price fields (UTF-8), and that
// page's trading-unit choice's index.
struct ProfitLossEntries {
  std::string takeProfitPercent;
  std::string stopLossPercent;
  std::string buyingPower;
  std::string sharePrice;
  int unitIndex = 0;
};

// The texts the page shows after a calculation: the status line, the
// take-profit and stop-loss prices, the profit and the loss.
struct ProfitLossTexts {
  std::string status;
  std::string takeProfitPrice;
  std::string stopLossPrice;
  std::string profit;
  std::string loss;

  friend bool operator==(const ProfitLossTexts&, const ProfitLossTexts&) = default;
};

// The prices at which to take profit and to cut the loss, and what the shares
// the buying power buys in whole lots gain or lose at them. Every outcome
// depends on the entries alone.
ProfitLossTexts CalculateProfitLoss(const ProfitLossEntries& entries);

}  // namespace pelorin
