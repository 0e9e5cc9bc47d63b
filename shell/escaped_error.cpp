#include "shell/escaped_error.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace pelorin {

QString EscapedErrorText(const QString& message) {
  if (!message.isEmpty() && message.back() > QLatin1Char('.')) {
    return message + QLatin1Char('.');
  }
  return message;
}

void ShowEscapedError(const std::exception& error) {
  QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                  EscapedErrorText(QString::fromUtf8(error.what())), QMessageBox::Ok);
  box.exec();
}

}  // namespace pelorin
