#pragma once

#include "numbers/display_characters.h"

namespace pelorin {

// Restores the process-wide display characters when a test ends.
class DisplayCharactersGuard {
 public:
  DisplayCharactersGuard() : saved_(CurrentDisplayCharacters()) {}
  ~DisplayCharactersGuard() { SetDisplayCharacters(saved_); }
  DisplayCharactersGuard(const DisplayCharactersGuard&) = delete;
  DisplayCharactersGuard& operator=(const DisplayCharactersGuard&) = delete;

 private:
  DisplayCharacters saved_;
};

}  // namespace pelorin
