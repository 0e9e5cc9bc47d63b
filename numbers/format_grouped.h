#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "numbers/display_characters.h"

namespace pelorin {

// The plain rendering of zero that the pages write after a failure; unlike
// FormatGrouped(0), which is empty.
inline constexpr std::string_view kZeroText = "0";

// Renders v by the display pattern "#,#": empty for zero, digits grouped in
// threes, a leading "-" when negative. Nineteen-digit magnitudes take the
// short scientific form with at most 15 significant digits ("1E18",
// "9.22337203685478E18").
std::string FormatGrouped(std::int64_t v, const DisplayCharacters& characters);

// FormatGrouped with the process-wide display characters in force now.
std::string FormatGrouped(std::int64_t v);

}  // namespace pelorin
