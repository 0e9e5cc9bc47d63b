#include <QApplication>
#include <QTabBar>

#include "window_fixture.h"

namespace {

class KeyboardRulesTest : public WindowTest {
 protected:
  // The widgets that take the focus, in the order Tab visits them.
  std::vector<QWidget*> tabStops(int page) const {
    if (page == 0) {
      return {pages()->tabBar(), control("Edit1"), control("Edit2"), control("Button1"), units()};
    }
    return {pages()->tabBar(), control("Edit3"), control("Edit4"), control("Button2")};
  }

  void focus(QWidget* widget) const {
    widget->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), widget);
  }
};

TEST_F(KeyboardRulesTest, TabVisitsTheShowingPageInOrderAndWrapsAround) {
  for (int page = 0; page < 2; ++page) {
    SCOPED_TRACE(page);
    pages()->setCurrentIndex(page);
    const std::vector<QWidget*> stops = tabStops(page);
    focus(stops.front());
    for (std::size_t i = 1; i <= stops.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      EXPECT_EQ(QApplication::focusWidget(), stops[i % stops.size()]) << "after Tab " << i;
    }
    for (std::size_t i = stops.size(); i-- > 0;) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
      EXPECT_EQ(QApplication::focusWidget(), stops[i]) << "after Shift+Tab to " << i;
    }
  }
}

// State: entries filled on both pages. Action: Enter from every focus
// position. Expected: exactly the showing page's calculation runs, and no
// character reaches an entry.
TEST_F(KeyboardRulesTest, EnterRunsTheShowingPagesCalculationFromEveryFocus) {
  type("Edit1", "1000000");
  type("Edit2", "1234");
  type("Edit3", "10");
  type("Edit4", "5");
  QSignalSpy quantity(control<QPushButton>("Button1"), &QPushButton::clicked);
  QSignalSpy profitLoss(control<QPushButton>("Button2"), &QPushButton::clicked);
  for (int page = 0; page < 2; ++page) {
    pages()->setCurrentIndex(page);
    for (QWidget* stop : tabStops(page)) {
      for (const auto& [key, modifier] : {std::pair{Qt::Key_Return, Qt::NoModifier},
                                          std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
        SCOPED_TRACE(stop->objectName().toStdString() + " key " + std::to_string(key));
        focus(stop);
        quantity.clear();
        profitLoss.clear();
        QTest::keyClick(stop, key, modifier);
        EXPECT_EQ(quantity.count(), page == 0 ? 1 : 0);
        EXPECT_EQ(profitLoss.count(), page == 1 ? 1 : 0);
        EXPECT_EQ(QApplication::focusWidget(), stop);
      }
    }
  }
  EXPECT_EQ(text("Label4"), "810");
  EXPECT_EQ(text("Label10"), "1,357");
  EXPECT_EQ(control<QLineEdit>("Edit1")->text(), "1000000");
}

TEST_F(KeyboardRulesTest, EnterWithAModifierAndEscapeRunNothing) {
  QSignalSpy quantity(control<QPushButton>("Button1"), &QPushButton::clicked);
  QSignalSpy profitLoss(control<QPushButton>("Button2"), &QPushButton::clicked);
  for (int page = 0; page < 2; ++page) {
    pages()->setCurrentIndex(page);
    for (QWidget* stop : tabStops(page)) {
      focus(stop);
      for (const auto modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        QTest::keyClick(stop, Qt::Key_Return, modifier);
        QTest::keyClick(stop, Qt::Key_Enter, modifier | Qt::KeypadModifier);
      }
      QTest::keyClick(stop, Qt::Key_Escape);
    }
  }
  EXPECT_EQ(quantity.count(), 0);
  EXPECT_EQ(profitLoss.count(), 0);
  EXPECT_EQ(text("Label20"), "");
}

TEST_F(KeyboardRulesTest, EnterRightAfterStartRunsTheQuantityPage) {
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(text("Label20"), "余力、株価を整数で入力して下さい");
}

TEST_F(KeyboardRulesTest, CtrlTabTakesTheFocusAlongIntoTheOtherPage) {
  type("Edit1", "12");
  focus(control("Edit1"));
  QTest::keyClick(control("Edit1"), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(pages()->currentIndex(), 1);
  EXPECT_EQ(QApplication::focusWidget(), control("Edit3"));
  QTest::keyClick(control("Edit3"), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(pages()->currentIndex(), 0);
  EXPECT_EQ(QApplication::focusWidget(), control("Edit1"));
  QTest::keyClick(control("Edit1"), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(pages()->currentIndex(), 1);
  EXPECT_EQ(control<QLineEdit>("Edit1")->text(), "12");
}

TEST_F(KeyboardRulesTest, CtrlTabOnThePageTabsLeavesTheFocusThere) {
  focus(pages()->tabBar());
  QTest::keyClick(pages()->tabBar(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(pages()->currentIndex(), 1);
  EXPECT_EQ(QApplication::focusWidget(), pages()->tabBar());
  QTest::keyClick(pages()->tabBar(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(pages()->currentIndex(), 0);
  EXPECT_EQ(QApplication::focusWidget(), pages()->tabBar());
}

TEST_F(KeyboardRulesTest, EntriesAreRightAlignedFromTheFirstKeystroke) {
  pages()->setCurrentIndex(1);
  QLineEdit* edit = control<QLineEdit>("Edit3");
  focus(edit);
  QTest::keyClick(edit, Qt::Key_7);
  edit->grab();  // the text's place is worked out when the entry is drawn
  EXPECT_TRUE(edit->alignment().testFlag(Qt::AlignRight));
  EXPECT_GT(edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), edit->width() / 2);
}

}  // namespace
