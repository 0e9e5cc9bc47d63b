#include "shell/escaped_error.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>

namespace {

TEST(EscapedErrorTest, AppendsAFullStopAfterCharactersThatSortAfterIt) {
  const std::pair<const char*, const char*> cases[] = {{"Out of memory", "Out of memory."},
                                                       {"Done.", "Done."},
                                                       {"Stop!", "Stop!"},
                                                       {"Why -", "Why -"},
                                                       {"", ""},
                                                       {"a/", "a/."},
                                                       {"エラー", "エラー."}};
  for (const auto& [message, shown] : cases) {
    EXPECT_EQ(pelorin::EscapedErrorText(QString::fromUtf8(message)), QString::fromUtf8(shown));
  }
}

// An object whose event handler fails the way no calculation would.
class FailingObject : public QObject {
 public:
  bool event(QEvent*) override { throw std::runtime_error("Handler failed"); }
};

// State: running application. Action: an event handler throws. Expected:
// the stop box captioned "Pelorin" with the message, and the program goes on.
TEST(EscapedErrorTest, AnErrorThatEscapesAHandlerIsShownAndTheProgramGoesOn) {
  QString caption, shown;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    caption = box->windowTitle();
    shown = box->text();
    icon = box->icon();
    buttons = box->standardButtons();
    box->button(QMessageBox::Ok)->click();
  });
  FailingObject failing;
  QEvent event(QEvent::User);
  EXPECT_FALSE(QApplication::sendEvent(&failing, &event));
  EXPECT_EQ(caption, "Pelorin");
  EXPECT_EQ(shown, "Handler failed.");
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, QMessageBox::Ok);
}

}  // namespace
