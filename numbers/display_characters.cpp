#include "numbers/display_characters.h"

namespace pelorin {
namespace {

// Written and read only on the user-interface thread.
DisplayCharacters& Current() {
  static DisplayCharacters characters;
  return characters;
}

}  // namespace

DisplayCharacters DisplayCharactersFromLocale(std::string_view thousands,
                                              std::string_view decimal) {
  DisplayCharacters characters;
  if (thousands.size() <= 1) {
    characters.grouping = std::string(thousands);
  }
  if (decimal.size() == 1) {
    characters.decimal = decimal.front();
  }
  return characters;
}

const DisplayCharacters& CurrentDisplayCharacters() {
  return Current();
}

void SetDisplayCharacters(const DisplayCharacters& characters) {
  Current() = characters;
}

}  // namespace pelorin
