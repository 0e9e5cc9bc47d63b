#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "shell/form1.h"
#include "shell/radio_group.h"

// Failure output shows texts as text.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

// A fresh, shown and active window for each test, with its controls found by
// their names, as a user or a screen reader would find them.
class WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm1>();
    form_->show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }

  template <typename Control = QWidget>
  Control* control(const char* name) const {
    auto* found = form_->findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  QString text(const char* labelName) const { return control<QLabel>(labelName)->text(); }
  QTabWidget* pages() const { return control<QTabWidget>("PageControl1"); }
  pelorin::RadioGroup* units() const { return control<pelorin::RadioGroup>("RadioGroup1"); }

  void clickUnit(int index) const { QTest::mouseClick(units()->item(index), Qt::LeftButton); }

  void type(const char* editName, const QString& text) const {
    QLineEdit* edit = control<QLineEdit>(editName);
    edit->clear();
    QTest::keyClicks(edit, text);
  }

  std::unique_ptr<TForm1> form_;
};
