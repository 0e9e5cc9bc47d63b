#include "numbers/format_grouped.h"

namespace pelorin {
namespace {

constexpr std::uint64_t kTenPow18 = 1'000'000'000'000'000'000u;

// Digits are written right to left, the separator before every third one.
std::string GroupedDigits(std::uint64_t magnitude, std::string_view grouping) {
  std::string reversed;
  for (int count = 0; magnitude != 0; ++count) {
    if (count != 0 && count % 3 == 0) {
      reversed.append(grouping.rbegin(), grouping.rend());
    }
    reversed += static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }
  return std::string(reversed.rbegin(), reversed.rend());
}

// Rounds a 19-digit magnitude to its 15 significant digits as the display
// does: first to 18 digits with ties to even, then that 18-digit figure cut
// after its 15th digit, rounding half up. The two steps can differ from one
// rounding to 15 digits, and the shown digits follow the two steps.
std::uint64_t SignificantDigits(std::uint64_t magnitude) {
  std::uint64_t digits18 = magnitude / 10;
  const std::uint64_t last = magnitude % 10;
  if (last > 5 || (last == 5 && digits18 % 2 == 1)) {
    ++digits18;
  }
  return digits18 / 1000 + (digits18 % 1000 >= 500 ? 1 : 0);
}

// The magnitude is below 2^63 < 10^19, so the exponent is always 18 and the
// 15 digits never carry into a sixteenth.
std::string ScientificDigits(std::uint64_t magnitude, char decimal) {
  std::string digits = std::to_string(SignificantDigits(magnitude));
  digits.erase(digits.find_last_not_of('0') + 1);
  std::string text(1, digits.front());
  if (digits.size() > 1) {
    text += decimal;
    text.append(digits, 1);
  }
  return text + "E18";
}

}  // namespace

std::string FormatGrouped(std::int64_t v, const DisplayCharacters& characters) {
  if (v == 0) {
    return {};
  }
  auto magnitude = static_cast<std::uint64_t>(v);
  if (v < 0) {
    magnitude = 0u - magnitude;
  }
  const std::string digits = magnitude < kTenPow18
                                 ? GroupedDigits(magnitude, characters.grouping)
                                 : ScientificDigits(magnitude, characters.decimal);
  return v < 0 ? "-" + digits : digits;
}

std::string FormatGrouped(std::int64_t v) {
  return FormatGrouped(v, CurrentDisplayCharacters());
}

}  // namespace pelorin
