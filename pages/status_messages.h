#pragma once

#include <string_view>

// The status line's messages, as the pages show them.
namespace pelorin::messages {

inline constexpr std::string_view kEnterIntegers = "余力、株価を整数で入力して下さい";
inline constexpr std::string_view kBothNegative = "余力、株価がマイナスの値です";
inline constexpr std::string_view kBuyingPowerNegative = "余力がマイナスの値です";
inline constexpr std::string_view kSharePriceNegative = "株価がマイナスの値です";

inline constexpr std::string_view kEnterPercents = "損益％を整数で入力して下さい";
inline constexpr std::string_view kPercentsNegative = "損益％がマイナスの値です";
inline constexpr std::string_view kTakeProfitNegative = "利益確定％がマイナスの値です";
inline constexpr std::string_view kStopLossNegative = "損切り確定％がマイナスの値です";
inline constexpr std::string_view kStopLossOver100 = "損切り確定％が100％を越えています";

}  // namespace pelorin::messages
