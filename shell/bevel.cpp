#include "shell/bevel.h"

namespace pelorin {

Bevel::Bevel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Box | QFrame::Sunken);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

}  // namespace pelorin
