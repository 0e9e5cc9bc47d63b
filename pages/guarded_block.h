#pragma once

#include "numbers/failures.h"

namespace pelorin {

// Runs one guarded block of a calculation: the first failure ends the block,
// and the caller runs the block's recovery when this returns false. Values the
// block assigned before the failure keep them.
template <typename Steps>
bool RunGuarded(Steps steps) {
  try {
    steps();
    return true;
  } catch (const ConversionFailure&) {
    return false;
  } catch (const ArithmeticFailure&) {
    return false;
  }
}

}  // namespace pelorin
