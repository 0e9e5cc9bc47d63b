#include "shell/display_locale.h"

#include <QLocale>

#include "numbers/display_characters.h"

namespace pelorin {

void RefreshDisplayCharacters() {
  const QLocale locale;
  SetDisplayCharacters(DisplayCharactersFromLocale(locale.groupSeparator().toStdString(),
                                                   locale.decimalPoint().toStdString()));
}

}  // namespace pelorin
