#pragma once

#include <QApplication>

namespace pelorin {

// The application object. An error that escapes an event handler is shown
// in the error box instead of ending the program.
class PelorinApplication : public QApplication {
 public:
  PelorinApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace pelorin
