#pragma once

// The number rules both pages share: entry parsing, wrapping integer
// arithmetic, extended-precision floating point and the grouped display.
#include "numbers/display_characters.h"
#include "numbers/extended.h"
#include "numbers/failures.h"
#include "numbers/format_grouped.h"
#include "numbers/parse_integer.h"
#include "numbers/wrapping.h"
