#include "shell/pelorin_application.h"

#include "shell/escaped_error.h"

namespace pelorin {

PelorinApplication::PelorinApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool PelorinApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  ReportEscapedErrors([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

}  // namespace pelorin
