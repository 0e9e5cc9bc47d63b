#pragma once

class QWidget;

namespace pelorin {

// The window description gives each font's size as a character height in
// pixels, in the dynamic property "fontHeight" (negative, as font heights
// are written there). Applies those heights to `root` and its children.
void ApplyFontHeights(QWidget* root);

}  // namespace pelorin
