#pragma once

#include <string>
#include <string_view>

namespace pelorin {

// The characters that FormatGrouped writes between digit groups and before
// decimals. They are process-wide, taken from the user's locale.
struct DisplayCharacters {
  std::string grouping = ",";  // one byte, or empty for no grouping
  char decimal = '.';

  friend bool operator==(const DisplayCharacters&, const DisplayCharacters&) = default;
};

// Applies the one-byte rule to the locale's separators (UTF-8 text): a
// separator of exactly one byte is taken as it is; a longer one falls back to
// the default; an empty thousands separator means no grouping, an empty
// decimal separator the default ".".
DisplayCharacters DisplayCharactersFromLocale(std::string_view thousands, std::string_view decimal);

const DisplayCharacters& CurrentDisplayCharacters();
void SetDisplayCharacters(const DisplayCharacters& characters);

}  // namespace pelorin
