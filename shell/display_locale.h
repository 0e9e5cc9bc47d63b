#pragma once

namespace pelorin {

// Takes the grouping and decimal characters of the current locale as the
// process-wide display characters; called at start and on a locale change.
void RefreshDisplayCharacters();

}  // namespace pelorin
