#include "shell/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

// The resources live in a static library, whose initialiser the linker would
// drop unless it is called by name.
static void InitResources() {
  Q_INIT_RESOURCE(pelorin);
}

namespace pelorin {

void PreferX11Platform() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
}

void SetUpApplication(QApplication& application) {
  InitResources();
  QApplication::setApplicationName(QStringLiteral("Pelorin"));
  QApplication::setApplicationDisplayName(QStringLiteral("Pelorin"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/mainicon.png")));
  // The window's face is a proportional Japanese gothic; where it is not
  // installed, metric-compatible or similar faces stand in for it.
  QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                             {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                              QStringLiteral("VL PGothic"), QStringLiteral("Noto Sans CJK JP")});
  application.setQuitOnLastWindowClosed(true);
}

}  // namespace pelorin
