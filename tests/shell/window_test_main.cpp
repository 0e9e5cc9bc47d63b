// Runs the window tests in a real application object, offscreen unless a
// platform is chosen. Any Qt warning fails the test that caused it: a
// misspelt connection in the window description, for one, is only a warning.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtGlobal>

#include "shell/application_setup.h"
#include "shell/pelorin_application.h"

namespace {

void FailOnQtWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
  // The offscreen platform says so when it lacks a window feature (opacity,
  // size hints); that is the test platform's limit, not the program's.
  if (type == QtDebugMsg || type == QtInfoMsg ||
      message.startsWith("This plugin does not support")) {
    return;
  }
  ADD_FAILURE() << "Qt warning: " << message.toStdString();
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const QTemporaryDir runtimeDir;  // private (0700), as Qt wants it
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  qInstallMessageHandler(FailOnQtWarning);
  pelorin::PelorinApplication application(argc, argv);
  pelorin::SetUpApplication(application);
  return RUN_ALL_TESTS();
}
