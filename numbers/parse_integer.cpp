#include "numbers/parse_integer.h"

#include <initializer_list>
#include <string>

#include "numbers/failures.h"

namespace pelorin {
namespace {

[[noreturn]] void Reject(std::string_view text) {
  throw ConversionFailure("'" + std::string(text) + "' is not a valid integer value");
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::string_view SkipLeadingSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

int DigitValue(char c, unsigned base) {
  int value = 36;
  if (c >= '0' && c <= '9') {
    value = c - '0';
  } else if (base == 16 && c >= 'a' && c <= 'f') {
    value = c - 'a' + 10;
  } else if (base == 16 && c >= 'A' && c <= 'F') {
    value = c - 'A' + 10;
  }
  return value < static_cast<int>(base) ? value : -1;
}

// The magnitude of `digits` in `base`, which must be one or more digits
// running to the end of the text and not exceed `limit`. The magnitude is
// unsigned so that the most negative value's magnitude, one more than the
// largest positive value, needs no wider type.
std::uint64_t ReadMagnitude(std::string_view text, std::string_view digits, unsigned base,
                            std::uint64_t limit) {
  if (digits.empty()) {
    Reject(text);
  }
  std::uint64_t magnitude = 0;
  for (const char c : digits) {
    const int digit = DigitValue(c, base);
    if (digit < 0 || magnitude > (limit - static_cast<std::uint64_t>(digit)) / base) {
      Reject(text);
    }
    magnitude = magnitude * base + static_cast<std::uint64_t>(digit);
  }
  return magnitude;
}

// Strips the first of `prefixes` that `rest` starts with; returns false
// when it starts with none.
bool StripHexPrefix(std::string_view& rest, std::initializer_list<std::string_view> prefixes) {
  for (const std::string_view prefix : prefixes) {
    if (StartsWith(rest, prefix)) {
      rest.remove_prefix(prefix.size());
      return true;
    }
  }
  return false;
}

// Strips an optional sign; returns whether it was "-".
bool StripSign(std::string_view& rest) {
  if (StartsWith(rest, "-") || StartsWith(rest, "+")) {
    const bool negative = rest.front() == '-';
    rest.remove_prefix(1);
    return negative;
  }
  return false;
}

constexpr std::uint64_t kInt32Magnitude = 0x80000000u;
constexpr std::uint64_t kInt64Magnitude = 0x8000000000000000u;

}  // namespace

std::int32_t ParseInt32(std::string_view text) {
  std::string_view rest = SkipLeadingSpaces(text);
  if (StripHexPrefix(rest, {"$", "0x", "0X", "x", "X"})) {
    const auto bits = static_cast<std::uint32_t>(ReadMagnitude(text, rest, 16, 0xFFFFFFFFu));
    return static_cast<std::int32_t>(bits);
  }
  const bool negative = StripSign(rest);
  const std::uint64_t magnitude =
      ReadMagnitude(text, rest, 10, negative ? kInt32Magnitude : kInt32Magnitude - 1);
  return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}

std::int64_t ParseInt64(std::string_view text) {
  std::string_view rest = SkipLeadingSpaces(text);
  const bool negative = StripSign(rest);
  std::uint64_t magnitude = 0;
  if (StripHexPrefix(rest, {"$", "0x", "0X"})) {
    magnitude = ReadMagnitude(text, rest, 16, kInt64Magnitude - 1);
  } else {
    magnitude = ReadMagnitude(text, rest, 10, negative ? kInt64Magnitude : kInt64Magnitude - 1);
  }
  return static_cast<std::int64_t>(negative ? 0u - magnitude : magnitude);
}

}  // namespace pelorin
