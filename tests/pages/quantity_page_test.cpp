#include <QLocale>
#include <QRadioButton>

#include "../numbers/display_characters_guard.h"
#include "../shell/window_fixture.h"

namespace {

class QuantityPageTest : public WindowTest {
 protected:
  void calculate() const { QTest::mouseClick(control("Button1"), Qt::LeftButton); }
};

TEST_F(QuantityPageTest, ChoosingAnotherTradingUnitRecalculatesAtOnce) {
  type("Edit1", "1000000");
  type("Edit2", "1234");
  calculate();
  EXPECT_EQ(text("Label4"), "810");
  EXPECT_EQ(text("Label22"), "460");
  clickUnit(4);
  EXPECT_EQ(units()->itemIndex(), 4);
  EXPECT_EQ(text("Label4"), "800");
  EXPECT_EQ(text("Label22"), "12,800");
  EXPECT_EQ(text("Label20"), "");
  // The number ends just left of its unit caption.
  EXPECT_EQ(control("Label4")->geometry().right() + 1, 121);
  EXPECT_EQ(control("Label22")->geometry().right() + 1, 249);
}

TEST_F(QuantityPageTest, ClickingTheSelectedUnitRunsNothing) {
  QSignalSpy clicks(units(), &pelorin::RadioGroup::Click);
  clickUnit(0);
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(text("Label20"), "");
  clickUnit(2);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(text("Label20"), "余力、株価を整数で入力して下さい");
}

TEST_F(QuantityPageTest, ArrowKeysMoveTheSelectionWithWrapAround) {
  QSignalSpy clicks(units(), &pelorin::RadioGroup::Click);
  units()->setFocus();
  const std::pair<Qt::Key, int> steps[] = {
      {Qt::Key_Left, 6}, {Qt::Key_Right, 0}, {Qt::Key_Down, 1}, {Qt::Key_Up, 0}};
  for (const auto& [key, index] : steps) {
    QTest::keyClick(units(), key);
    EXPECT_EQ(units()->itemIndex(), index);
    EXPECT_TRUE(units()->item(index)->isChecked());
  }
  EXPECT_EQ(clicks.count(), 4);
}

// The share count of an earlier run never stands beside a new error.
TEST_F(QuantityPageTest, ANegativeEntryClearsTheEarlierShareCount) {
  type("Edit1", "1000000");
  type("Edit2", "1234");
  calculate();
  ASSERT_EQ(text("Label4"), "810");
  type("Edit1", "-1050");
  type("Edit2", "100");
  calculate();
  EXPECT_EQ(text("Label20"), "余力がマイナスの値です");
  EXPECT_EQ(text("Label4"), "");
  EXPECT_EQ(text("Label22"), "-50");
}

TEST_F(QuantityPageTest, AStatusMessageStaysWhenThePageChanges) {
  calculate();
  pages()->setCurrentIndex(1);
  EXPECT_TRUE(control("Label20")->isVisible());
  EXPECT_EQ(text("Label20"), "余力、株価を整数で入力して下さい");
  pages()->setCurrentIndex(0);
  EXPECT_EQ(text("Label20"), "余力、株価を整数で入力して下さい");
}

TEST_F(QuantityPageTest, ALocaleChangeReachesTheNextCalculation) {
  pelorin::DisplayCharactersGuard restoreCharacters;
  const QLocale saved;
  type("Edit1", "1234567");
  type("Edit2", "1000");
  clickUnit(6);
  EXPECT_EQ(text("Label22"), "234,567");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QEvent change(QEvent::LocaleChange);
  QApplication::sendEvent(form_.get(), &change);
  EXPECT_EQ(text("Label22"), "234,567");  // shown texts stay as they are
  calculate();
  EXPECT_EQ(text("Label22"), "234.567");
  QLocale::setDefault(saved);
}

TEST_F(QuantityPageTest, TranslucentOnlyWhileDeactivated) {
  for (int round = 0; round < 3; ++round) {
    form_->FormDeactivate();
    EXPECT_TRUE(form_->alphaBlend());
    EXPECT_EQ(form_->alphaBlendValue(), 100);
    EXPECT_DOUBLE_EQ(form_->windowOpacity(), 100 / 255.0);
    form_->FormActivate();
    EXPECT_FALSE(form_->alphaBlend());
    EXPECT_EQ(form_->alphaBlendValue(), 100);
    EXPECT_DOUBLE_EQ(form_->windowOpacity(), 1.0);
  }
}

}  // namespace
