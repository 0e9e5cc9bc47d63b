#pragma once

#include <cstdint>
#include <string_view>

namespace pelorin {

// Entry text to integer. Accepted: leading spaces (0x20 only), then a
// decimal number with an optional sign, or a hexadecimal number after one of
// the prefixes "$", "x", "X", "0x", "0X" (no sign); nothing may follow the
// digits. Hexadecimal digits up to FFFFFFFF are read as two's complement.
// Anything else throws ConversionFailure.
std::int32_t ParseInt32(std::string_view text);

// As ParseInt32, but 64-bit: a sign may also stand before a hexadecimal
// prefix, the prefixes are "$", "0x" and "0X" only, and hexadecimal digits
// may not exceed 7FFFFFFFFFFFFFFF.
std::int64_t ParseInt64(std::string_view text);

}  // namespace pelorin
