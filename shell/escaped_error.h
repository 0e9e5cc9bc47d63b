#pragma once

#include <QString>
#include <exception>

namespace pelorin {

// The text shown for an error that no calculation caught: its message, with
// a "." appended when the last character sorts after ".".
QString EscapedErrorText(const QString& message);

// Shows the error in a message box captioned with the application's title,
// with the stop icon and an OK button; the program then goes on.
void ShowEscapedError(const std::exception& error);

// Runs a handler's body; an error that escapes it is shown, not propagated
// into the event loop.
template <typename Body>
void ReportEscapedErrors(Body body) {
  try {
    body();
  } catch (const std::exception& error) {
    ShowEscapedError(error);
  }
}

}  // namespace pelorin
